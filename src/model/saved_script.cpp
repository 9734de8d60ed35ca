#include "model/saved_script.h"

#include "model/fields.h"
#include "model/number_text.h"
#include "model/script_reader.h"

#include <cmath>

namespace wepn {
namespace {

// Only magnitudes this close to the largest double can round up past it.
constexpr double kNearLargest = 1.7976931348623e308;

std::optional<WriteError> checkNumber(double value, std::string field) {
    if (std::fabs(value) < kNearLargest) {
        return std::nullopt;
    }
    const std::string text = numberText(value);
    if (readNumber(text)) {
        return std::nullopt;
    }
    return WriteError{std::move(field),
                      "the value " + text + " is larger than the largest number a file can hold"};
}

std::optional<WriteError> checkNumbers(const WeaponState& state) {
    for (const ScalarField& field : scalarFields()) {
        const ValueRef value = field.at(state);
        const auto* real = std::get_if<double*>(&value);
        if (real == nullptr || !statementWritten(field.statement, state)) {
            continue;
        }
        if (auto error = checkNumber(**real, std::string(field.name))) {
            return error;
        }
    }
    for (std::size_t i = 0; i < state.Results.size(); ++i) {
        const std::string which = " of impact result " + std::to_string(i + 1);
        for (const auto& [value, name] : {std::pair{state.Results[i].fMinEffect, "fMinEffect"},
                                          {state.Results[i].fMaxEffect, "fMaxEffect"}}) {
            if (auto error = checkNumber(value, name + which)) {
                return error;
            }
        }
    }
    const auto checkTable = [](const std::vector<std::string>& families,
                               const std::vector<double>& values,
                               std::string_view table) -> std::optional<WriteError> {
        for (std::size_t i = 0; i < families.size() && i < values.size(); ++i) {
            if (auto error =
                    checkNumber(values[i], std::string(table) + " family " + families[i])) {
                return error;
            }
        }
        return std::nullopt;
    };
    if (auto error =
            checkTable(state.Penetration.sFamilies, state.Penetration.fValues, "penetration")) {
        return error;
    }
    return checkTable(state.Accuracy.sFamilies, state.Accuracy.fValues, "accuracy");
}

} // namespace

Expected<std::string, WriteError> savedScript(const WeaponState& state) {
    if (auto error = checkNumbers(state)) {
        return *error;
    }
    Expected<std::string, WriteError> text = writeWeaponScript(state);
    if (!text) {
        return text;
    }
    // Read over the state itself, as reopening the file in the same editor
    // would: what the text does not carry (the weapon's own name) stays.
    const Expected<WeaponState, LoadError> reread = readWeaponScript(state, *text);
    if (!reread) {
        const LoadError& error = reread.error();
        const std::string where =
            error.line > 0 ? " (line " + std::to_string(error.line) + ")" : std::string();
        return WriteError{"", "the saved file would not load again" + where + ": " + error.reason};
    }
    const Expected<std::string, WriteError> again = writeWeaponScript(*reread);
    if (!again || *again != *text) {
        return WriteError{"", "the text to be saved would not load back as the same weapon"};
    }
    return text;
}

} // namespace wepn
