#include "game/game_round_trip.h"

#include "game/editor_calls.h"
#include "game/editor_reading.h"
#include "game/game_differences.h"
#include "game/game_script.h"
#include "model/saved_script.h"

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

} // namespace

RoundTripResult checkRoundTrip(std::string_view script,
                               const std::optional<FamilyRows>& familyRows) {
    if (!runAsGame(script).ok()) {
        return {RoundTrip::GameRefusesInput, {}};
    }
    const Expected<WeaponState, LoadError> loaded = editorReading(script, familyRows);
    if (!loaded) {
        return {RoundTrip::EditorRefusesInput, {}};
    }
    const Expected<std::string, WriteError> saved = savedScript(*loaded);
    if (!saved) {
        return {RoundTrip::SaveRefuses, {}};
    }
    const auto fails = [&](std::string detail) -> RoundTripResult {
        if (!unrecognisedLinesRun(*loaded)) {
            return {RoundTrip::CutFromCode, {}};
        }
        return {RoundTrip::Fails, detail + "\nsaved text:\n" + *saved};
    };
    const auto game = runAsGame(*saved);
    if (!game) {
        return fails("the saved text does not run: line " + std::to_string(game.error().line) +
                     ": " + game.error().message);
    }
    const Expected<WeaponState, LoadError> reloaded = editorReading(*saved, familyRows);
    if (!reloaded) {
        return fails("the saved text does not load: line " + std::to_string(reloaded.error().line) +
                     ": " + reloaded.error().reason);
    }
    if (*game != editorCalls(*reloaded)) {
        std::vector<std::string> differences = gameDifferences(*reloaded, *game);
        if (differences.empty()) {
            differences.push_back("the calls differ in number or order");
        }
        return fails("the game receives other values than the editor loads:" + joined(differences));
    }
    return {RoundTrip::Holds, {}};
}

} // namespace wepn::game
