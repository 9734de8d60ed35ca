// Bytes 0x80 to 0xFF and NUL in every text position of a weapon survive a
// load and a save byte for byte, in the model and through `wepn resave`.
#include "hardening_fixture.h"
#include "model/family_list.h"
#include "model/load.h"
#include "model/script_writer.h"

#include <gtest/gtest.h>

namespace wepn::hardening {
namespace {

constexpr std::string_view kMarker = "Qz9";

// Every byte from 0x80 to 0xFF, then NUL.
std::string oddText() {
    std::string text;
    for (int c = 0x80; c <= 0xFF; ++c) {
        text += static_cast<char>(c);
    }
    return text + '\0';
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

struct Position {
    const char* name;
    std::string_view original; // the text in kWeapon (and the family list) it stands in for
    bool inFamilyList;
};

const Position kPositions[] = {
    {"weapon type", "\"Turret\"", false},     {"fire type", "\"Bullet\"", false},
    {"fire name", "\"gun_fx\"", false},       {"shield penetration", "\"Full\"", false},
    {"result condition", "\"Hit\"", false},   {"result effect", "\"DamageHealth\"", false},
    {"result target", "\"Target\"", false},   {"spawned effect", "\"flak\"", false},
    {"penetration family", "Fighter", true},  {"accuracy family", "BigShips", true},
    {"unrecognised line", "\"bang\"", false},
};

std::string quotedLike(std::string_view original, std::string_view text) {
    return original.starts_with('"') ? "\"" + std::string(text) + "\"" : std::string(text);
}

// The weapon and family list with `text` in the position.
std::pair<std::string, std::string> withText(const Position& p, std::string_view text) {
    const std::string value = quotedLike(p.original, text);
    std::string list(kFamilyList);
    if (p.inFamilyList) {
        list = replaced(list, p.original, value);
    }
    return {replaced(std::string(kWeapon), p.original, value), list};
}

std::string resaved(const std::string& weapon, const std::string& list) {
    const auto loaded = loadWeapon({}, readFamilyList(list), weapon);
    EXPECT_TRUE(loaded.ok()) << (loaded.ok() ? "" : loaded.error().reason);
    if (!loaded.ok()) {
        return {};
    }
    const auto written = writeWeaponScript(loaded->state);
    EXPECT_TRUE(written.ok()) << (written.ok() ? "" : written.error().field);
    return written.ok() ? *written : std::string();
}

std::size_t occurrences(std::string_view text, std::string_view word) {
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

TEST(BytePreservation, OddBytesKeptInEveryTextPositionByTheModel) {
    for (const Position& p : kPositions) {
        const auto [markedWeapon, markedList] = withText(p, kMarker);
        const std::string marked = resaved(markedWeapon, markedList);
        ASSERT_EQ(occurrences(marked, kMarker), 1u) << p.name << ": the position is written once";

        const auto [oddWeapon, oddList] = withText(p, oddText());
        const std::string odd = resaved(oddWeapon, oddList);
        EXPECT_EQ(odd, replaced(marked, kMarker, oddText())) << p.name;
        EXPECT_EQ(resaved(odd, oddList), odd) << p.name << ": a second save changes nothing";
    }
}

TEST(BytePreservation, OddBytesKeptInEveryTextPositionByResave) {
    const ScratchDir dir;
    for (const Position& p : kPositions) {
        const auto [oddWeapon, oddList] = withText(p, oddText());
        const std::string data =
            dir.dataDir(std::string("Data_") + std::to_string(&p - kPositions), oddList);
        const std::string file = dir.write("odd.wepn", oddWeapon);
        const ToolRun run = runWepnExecutable({"resave", "--data", data, file});
        EXPECT_EQ(run.code, 0) << p.name << ": " << run.err;
        EXPECT_EQ(run.out, resaved(oddWeapon, oddList)) << p.name;
        EXPECT_NE(run.out.find(oddText()), std::string::npos) << p.name;
    }
}

} // namespace
} // namespace wepn::hardening
