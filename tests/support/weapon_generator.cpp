#include "weapon_generator.h"

#include <array>
#include <cstdio>

namespace wepn::test {
namespace {

constexpr std::array<std::string_view, 4> kWeaponTypes{"Fixed", "Gimble", "AnimatedTurret",
                                                       "Turret"};
constexpr std::array<std::string_view, 3> kActivations{"Normal", "Special Attack", "normal only"};
constexpr std::array<std::string_view, 2> kConditions{"Hit", "Miss"};
constexpr std::array<std::string_view, 4> kEffects{"DamageHealth", "Disable", "Push",
                                                   "SpawnWeaponFire"};
// Families of the sample family list and others, all names Lua reads as keys.
constexpr std::array<std::string_view, 17> kFamilies{
    "Fighter",  "Corvette",   "Frigate",    "Capital",  "Platform",  "Utility",
    "Resource", "Mothership", "SmallCraft", "BigShips", "Structure", "fighter",
    "_Hidden",  "Drone2",     "UNKNOWN_X",  "frigate",  "Undamaged"};
// Lua that the editor carries as unrecognised lines and that runs anywhere.
constexpr std::array<std::string_view, 10> kOtherCode{"local speed = 1",
                                                      "x = \"text\"",
                                                      "if x then end",
                                                      "y = { 1, 2; n = 3 }",
                                                      "z = 2 ^ 3 // 1",
                                                      "do local w = 1 end",
                                                      "; ;",
                                                      "local note = \"setAccuracy retuned\"",
                                                      "local z = (2)",
                                                      "local t = { setPenetration = 1 }"};
constexpr std::array<std::string_view, 6> kComments{
    "-- a comment",          "--",
    "---- rule ----",        "--[[ one-line long comment ]]",
    "--[==[ level two ]==]", "-- StartWeaponConfig(NewWeaponType) in a comment"};

std::string formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

std::string WeaponGenerator::number() {
    const double magnitude = std::array{0.0, 1.0, 10.0, 1000.0, 1e6, 1e15, 1e-5, 1e300}[below(8)];
    const double value = magnitude * double(below(100000)) / 997.0 * (chance(25) ? -1 : 1);
    switch (below(9)) {
    case 0:
        return std::to_string(std::int64_t(below(200000)) - 100000);
    case 1:
        return formatted("%.17g", value);
    case 2:
        return formatted("%.3e", value);
    case 3:
        return formatted("%.6E", value);
    case 4:
        return formatted("%.2f", value);
    case 5:
        return "." + std::to_string(below(1000)); // no digit before the point
    case 6:
        return std::to_string(below(1000)) + "."; // none after it
    case 7:
        return " " + formatted("%g", value) + " ";
    default:
        if (chance(2)) {
            return "1.7976931348623157e308"; // its 15-digit text overflows: a save refuses it
        }
        return std::array{
            "0", "-0", "1", "0.5", "1E+15", "5E-05", "1e-320", "123456789012345"}[below(8)];
    }
}

std::string WeaponGenerator::integer(std::int64_t low, std::int64_t high) {
    const std::int64_t value = low + std::int64_t(below(std::uint64_t(high - low + 1)));
    return chance(10) ? std::to_string(value) + ".0" : std::to_string(value);
}

std::string WeaponGenerator::text() {
    switch (below(8)) {
    case 0:
        return "";
    case 1:
        return "with blanks  inside";
    case 2:
        return "caf\xE9 \xA4"; // Latin-1 bytes
    case 3:
        return "tab\there";
    case 4:
        return chance(50) ? "back\\\\slash" : "escape\\n"; // Lua reads escapes
    default:
        return "fx_" + std::to_string(below(1000));
    }
}

std::string WeaponGenerator::family() {
    const std::string name(pick(kFamilies));
    return chance(3) ? "[\"" + name + "\"]" : name; // the key in Lua's other form
}

std::string WeaponGenerator::lineEnd() {
    return std::array{"\r\n", "\r\n", "\n", "\r"}[below(4)];
}

// Lines that may stand between two statements.
std::string WeaponGenerator::between() {
    std::string lines;
    while (chance(30)) {
        switch (below(5)) {
        case 0:
            lines += lineEnd();
            break;
        case 1:
            lines += std::string(pick(kOtherCode)) + lineEnd();
            break;
        case 2:
            lines += std::string(pick(kComments)) + lineEnd();
            break;
        case 3:
            lines += "--[[ commented out:" + lineEnd() + "setAngles(NewWeaponType,1,2,3,4,5)" +
                     lineEnd() + "plain text ]]" + (chance(50) ? " local after = 1" : "") +
                     lineEnd();
            break;
        default:
            lines += "\t  " + lineEnd();
            break;
        }
    }
    return lines;
}

std::string WeaponGenerator::configLine(std::string_view fireType) {
    const auto quoted = [](std::string_view text) { return "\"" + std::string(text) + "\""; };
    std::string line = std::string(chance(5) ? "x = " : "") + "StartWeaponConfig(NewWeaponType," +
                       quoted(pick(kWeaponTypes)) + "," + quoted(fireType) + "," + quoted(text()) +
                       "," + quoted(pick(kActivations));
    for (int k = 5; k <= 9; ++k) {
        line += "," + number();
    }
    line += "," + integer(-1, 2) + "," + integer(-32768, 32767) + "," + integer(-1, 1) + "," +
            integer(-1, 1);
    for (int k = 14; k <= 16; ++k) {
        line += "," + number();
    }
    line += "," + integer(-1, 1) + "," + integer(-1, 1);
    for (int k = 19; k <= 21; ++k) {
        line += "," + number();
    }
    line += "," + quoted(text()) + "," + integer(-1, 1) + "," + number() + "," +
            integer(-2147483647, 2147483647) + ")";
    return line + (chance(10) ? " -- trailing comment" : "");
}

std::string WeaponGenerator::resultLine() {
    const std::string effect(pick(kEffects));
    return "AddWeaponResult(NewWeaponType,\"" + std::string(pick(kConditions)) + "\",\"" + effect +
           "\",\"Target\"," + number() + "," + number() + ",\"" +
           (effect == "SpawnWeaponFire" || chance(5) ? text() : "") + "\")";
}

std::string WeaponGenerator::penetration() {
    const bool inlineTables = chance(20);
    std::string text = "setPenetration(NewWeaponType," + integer(-100, 100) + "," + number() + "," +
                       (inlineTables ? "" : lineEnd());
    const std::size_t families = below(10);
    for (std::size_t i = 0; i < families; ++i) {
        const bool last = i + 1 == families;
        text += chance(20) ? "{ " + family() + " = " + number() + " }"
                           : "{" + family() + "=" + number() + ",}";
        text += last ? "" : ",";
        text += inlineTables ? "" : lineEnd();
    }
    if (families == 0) {
        text += "{}";
    }
    return text + ")";
}

std::string WeaponGenerator::accuracy() {
    std::string text = "setAccuracy(NewWeaponType," + integer(-5, 5) + "," + lineEnd();
    const std::size_t families = below(8);
    for (std::size_t i = 0; i < families; ++i) {
        text += "{" + family() + "=" + number();
        switch (below(4)) {
        case 0:
            text += ", damage=" + integer(0, 3);
            break;
        case 1:
            text += "," + lineEnd() + "damage=1";
            break;
        default:
            break;
        }
        text += ",}" + std::string(i + 1 == families ? "" : ",") + lineEnd();
    }
    if (families == 0) {
        text += "{}";
    }
    return text + ")";
}

std::string WeaponGenerator::script(std::string_view fireType) {
    std::string text;
    switch (below(10)) {
    case 0:
        text += "\xEF\xBB\xBF-- starts with a byte-order mark" + lineEnd();
        break;
    case 1:
        text += "#!/usr/bin/env game" + lineEnd();
        break;
    default:
        break;
    }
    text += between();
    if (chance(5)) {
        text += configLine("Bullet") + lineEnd() + between(); // overwritten by the next one
    }
    text += configLine(fireType) + lineEnd() + between();
    for (std::size_t n = below(4); n > 0; --n) {
        text += resultLine() + lineEnd() + between();
    }
    if (chance(90)) {
        text += "setAngles(NewWeaponType," + number() + "," + number() + "," + number() + "," +
                number() + "," + number() + ")" + lineEnd() + between();
    }
    if (chance(50)) {
        text += "setMiscValues(NewWeaponType," + number() + "," + number() + ")" + lineEnd() +
                between();
    }
    text += penetration() + lineEnd() + between();
    if (chance(5)) {
        text += penetration() + lineEnd() + between(); // set again: the game takes the last
    }
    text += accuracy() + lineEnd() + between();
    if (chance(5)) {
        text += penetration() + lineEnd() + accuracy() + lineEnd(); // both set again
    }
    return text;
}

} // namespace wepn::test
