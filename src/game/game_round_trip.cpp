#include "game/game_round_trip.h"

#include "game/code_lines.h"
#include "game/editor_calls.h"
#include "game/game_differences.h"
#include "game/game_script.h"
#include "model/load.h"
#include "model/saved_script.h"
#include "model/text_tokens.h"

#include <algorithm>

namespace wepn::game {
namespace {

// Whether the lines the reader did not recognise run on their own.
bool unrecognisedLinesRun(const WeaponState& state) {
    std::string text;
    for (const std::string& line : state.strLines) {
        text += line + "\n";
    }
    return runAsGame(text).ok();
}

std::string joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& text : texts) {
        all += "\n  " + text;
    }
    return all;
}

Expected<LoadOutcome, LoadError> loaded(std::string_view script,
                                        const std::optional<FamilyRows>& familyRows) {
    return loadWeapon(WeaponState{}, familyRows, script,
                      familyRows ? LoadedTables::FromRows : LoadedTables::AsNamed);
}

// A table call as the game uses it: its family tables in one order, without
// empty ones, damage=0 parts and the families that hold the table's default
// (the default penetration, or accuracy 1), which the editor writes for the
// families of its list that a file does not name.
GameCall asUsed(GameCall call) {
    const std::size_t lead = tableCallLeadingArguments(call.function);
    if (lead == 0) {
        return call;
    }
    const bool accuracy = call.function == GameFunction::setAccuracy;
    const LuaValue fallback =
        accuracy ? LuaValue::ofNumber(1)
                 : (lead <= call.arguments.size() ? call.arguments[lead - 1] : LuaValue{});
    std::vector<LuaValue> families(call.arguments.begin() +
                                       std::ptrdiff_t(std::min(lead, call.arguments.size())),
                                   call.arguments.end());
    call.arguments.resize(std::min(lead, call.arguments.size()));
    for (LuaValue& family : families) {
        if (family.kind != LuaValue::Kind::Table) {
            continue;
        }
        std::erase_if(family.entries, [&](const TableEntry& entry) {
            return accuracy && entry.key == LuaValue::ofString("damage") &&
                   entry.value == LuaValue::ofNumber(0);
        });
        // -0 is 0 to the game; as text it would sort apart.
        for (TableEntry& entry : family.entries) {
            if (entry.value.kind == LuaValue::Kind::Number && entry.value.number == 0) {
                entry.value.number = 0;
            }
        }
        const bool onlyDefault = family.entries.size() == 1 &&
                                 family.entries[0].key.kind == LuaValue::Kind::String &&
                                 family.entries[0].value == fallback;
        if (family.entries.empty() || onlyDefault) {
            family.kind = LuaValue::Kind::Nil;
        }
    }
    std::erase_if(families,
                  [](const LuaValue& family) { return family.kind == LuaValue::Kind::Nil; });
    std::sort(families.begin(), families.end(),
              [](const LuaValue& a, const LuaValue& b) { return describe(a) < describe(b); });
    call.arguments.insert(call.arguments.end(), families.begin(), families.end());
    return call;
}

const GameCall* lastCall(const std::vector<GameCall>& calls, GameFunction function) {
    const auto found = std::find_if(calls.rbegin(), calls.rend(), [&](const GameCall& call) {
        return call.function == function;
    });
    return found == calls.rend() ? nullptr : &*found;
}

// The functions whose calls give the game other values in `b` than in `a`:
// the last call of each (later calls override earlier ones), and for the
// impact results, which add up, every call in order.
std::vector<std::string> changedFunctions(const std::vector<GameCall>& a,
                                          const std::vector<GameCall>& b) {
    std::vector<std::string> changed;
    for (std::size_t f = 0; f < kGameFunctionNames.size(); ++f) {
        const auto function = GameFunction(f);
        bool same = true;
        if (function == GameFunction::AddWeaponResult) {
            const auto results = [&](const std::vector<GameCall>& calls) {
                std::vector<GameCall> of;
                std::copy_if(calls.begin(), calls.end(), std::back_inserter(of),
                             [&](const GameCall& call) { return call.function == function; });
                return of;
            };
            same = results(a) == results(b);
        } else {
            const GameCall* x = lastCall(a, function);
            const GameCall* y = lastCall(b, function);
            same = x == nullptr || y == nullptr ? x == y : asUsed(*x) == asUsed(*y);
        }
        if (!same) {
            changed.emplace_back(kGameFunctionNames[f]);
        }
    }
    return changed;
}

// Those of `changed` that no warning names.
std::vector<std::string> unwarned(std::vector<std::string> changed,
                                  const std::vector<LoadWarning>& warnings) {
    std::erase_if(changed, [&](const std::string& function) {
        return std::any_of(warnings.begin(), warnings.end(), [&](const LoadWarning& warning) {
            return std::find(warning.statements.begin(), warning.statements.end(), function) !=
                   warning.statements.end();
        });
    });
    return changed;
}

// The code lines of the script that the saved text lacks, in order.
std::vector<std::string> lostLines(std::string_view script, std::string_view saved) {
    const std::vector<std::string_view> kept = splitLines(saved);
    std::vector<std::string> lost;
    auto from = kept.begin();
    for (const std::string_view line : codeLines(script)) {
        const auto found = std::find(from, kept.end(), line);
        if (found == kept.end()) {
            lost.emplace_back(line);
        } else {
            from = found + 1;
        }
    }
    return lost;
}

} // namespace

RoundTripResult checkRoundTrip(std::string_view script,
                               const std::optional<FamilyRows>& familyRows) {
    const auto original = runAsGame(script);
    if (!original) {
        return {RoundTrip::GameRefusesInput, {}};
    }
    const Expected<LoadOutcome, LoadError> load = loaded(script, familyRows);
    if (!load) {
        return {RoundTrip::EditorRefusesInput, {}};
    }
    const Expected<std::string, WriteError> saved = savedScript(load->state);
    if (!saved) {
        return {RoundTrip::SaveRefuses, {}};
    }
    const auto fails = [&](std::string detail) -> RoundTripResult {
        if (!unrecognisedLinesRun(load->state)) {
            return {RoundTrip::CutFromCode, {}};
        }
        return {RoundTrip::Fails, detail + "\nsaved text:\n" + *saved};
    };
    const auto game = runAsGame(*saved);
    if (!game) {
        return fails("the saved text does not run: line " + std::to_string(game.error().line) +
                     ": " + game.error().message);
    }
    const Expected<LoadOutcome, LoadError> reloaded = loaded(*saved, familyRows);
    if (!reloaded) {
        return fails("the saved text does not load: line " + std::to_string(reloaded.error().line) +
                     ": " + reloaded.error().reason);
    }
    // The editor shows what the game receives from the saved text, but for a
    // table that a later statement sets again, of which the reload warns.
    std::vector<std::string> shownOtherwise =
        changedFunctions(editorCalls(reloaded->state, true), *game);
    std::erase_if(shownOtherwise, [&](const std::string& function) {
        return laterTable(reloaded->laterTables, function) != nullptr;
    });
    if (!shownOtherwise.empty()) {
        std::vector<std::string> differences = gameDifferences(reloaded->state, *game);
        if (differences.empty()) {
            differences.push_back("the calls differ in number or order");
        }
        return fails("the game receives other values than the editor loads:" + joined(differences));
    }
    if (const std::vector<std::string> lost = lostLines(script, *saved); !lost.empty()) {
        return fails("the save loses lines of code:" + joined(lost));
    }
    // A save without edits leaves the game what the file gave it, or the load
    // said what changes.
    const std::vector<std::string> changed = changedFunctions(*original, *game);
    if (changed.empty()) {
        return {RoundTrip::Holds, {}};
    }
    const std::vector<std::string> untold = unwarned(changed, load->warnings);
    if (untold.empty()) {
        return {RoundTrip::Warned, {}};
    }
    // Where the editor reads the file otherwise than the game, as check --game reports.
    const std::vector<std::string> readOtherwise =
        changedFunctions(editorCalls(load->state, true), *original);
    if (std::all_of(untold.begin(), untold.end(), [&](const std::string& function) {
            return std::find(readOtherwise.begin(), readOtherwise.end(), function) !=
                   readOtherwise.end();
        })) {
        return {RoundTrip::ReadOtherwise, joined(gameDifferences(load->state, *original))};
    }
    return fails("a save without edits changes what the game receives, unwarned:" + joined(untold));
}

} // namespace wepn::game
