#include "game_round_trip.h"

#include "editor_calls.h"
#include "editor_reading.h"
#include "fields.h"
#include "game_differences.h"
#include "game_script.h"
#include "number_text.h"
#include "script_writer.h"

#include <algorithm>

namespace wepn::game {
namespace {

bool readsBack(double value) {
    return readNumber(numberText(value)).has_value();
}

// Whether every real of the state is written as text that reads back: the
// largest doubles round up past the largest double in 15 digits.
bool numbersReadBack(const WeaponState& state) {
    for (const ScalarField& field : scalarFields()) {
        const ValueRef value = field.at(state);
        if (const auto* real = std::get_if<double*>(&value); real && !readsBack(**real)) {
            return false;
        }
    }
    for (const WeaponResult& result : state.Results) {
        if (!readsBack(result.fMinEffect) || !readsBack(result.fMaxEffect)) {
            return false;
        }
    }
    const auto allReadBack = [](const std::vector<double>& values) {
        return std::all_of(values.begin(), values.end(), readsBack);
    };
    return allReadBack(state.Penetration.fValues) && allReadBack(state.Accuracy.fValues);
}

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
    if (!numbersReadBack(*loaded)) {
        return {RoundTrip::NumberOutOfRange, {}};
    }
    const Expected<std::string, WriteError> saved = writeWeaponScript(*loaded);
    if (!saved) {
        return {RoundTrip::WriterRefuses, {}};
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
