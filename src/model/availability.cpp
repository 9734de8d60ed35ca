#include "model/availability.h"

#include "model/text_tokens.h"

#include <array>

namespace wepn {
namespace {

struct FireTypeRow {
    std::string_view keyword;
    FireTypeAvailability fields;
};

// known, velocity, radius, duration, anticipation, pass-thru health, fire axis
constexpr std::array<FireTypeRow, 5> kFireTypes{{
    {"instanthit", {true, false, false, true, true, true, false}},
    {"bullet", {true, true, false, false, false, false, false}},
    {"mine", {true, true, false, false, false, false, false}},
    {"missile", {true, true, false, false, false, false, true}},
    {"sphereburst", {true, true, true, false, false, false, false}},
}};

} // namespace

FireTypeAvailability fireTypeAvailability(std::string_view fireType) {
    const std::string lower = toLowerLatin1(fireType);
    for (const FireTypeRow& row : kFireTypes) {
        if (lower == row.keyword) {
            return row.fields;
        }
    }
    return {};
}

bool rotationsAvailable(std::string_view weaponType) {
    return toLowerLatin1(weaponType) == "animatedturret";
}

std::string unrecognizedFireTypeMessage(std::string_view fireType) {
    return "Unrecognized weapon type: '" + std::string(fireType) + "' -- Please notify BrEnN.";
}

} // namespace wepn
