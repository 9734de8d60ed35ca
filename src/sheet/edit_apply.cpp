#include "model/family_edit.h"
#include "model/number_text.h"
#include "model/text_tokens.h"
#include "sheet/edit.h"
#include "sheet/latin1.h"

#include <cmath>
#include <limits>
#include <optional>

namespace wepn {
namespace {

using Result = Expected<EditChange, std::string>;

std::string inQuotes(std::string_view text) {
    return "'" + latin1ToUtf8(text) + "'";
}

// A whole number read strictly, without the rounding that integer fields get:
// a row index is never a fraction.
std::optional<long long> readWhole(std::string_view text) {
    const std::optional<double> number = readNumber(text);
    if (!number || *number != std::floor(*number) || std::fabs(*number) > 1e9) {
        return std::nullopt;
    }
    return static_cast<long long>(*number);
}

// The choice a drop-down box would select for the text: a choice's index or
// its text ignoring case; -1 (nothing selected) for "" and "-1".
std::optional<int> choiceIndex(const ScalarField& field, std::string_view text) {
    if (text.empty()) {
        return -1;
    }
    const auto count = static_cast<long long>(field.choices.size());
    for (long long i = 0; i < count; ++i) {
        if (equalsIgnoringCase(field.choices[i], text)) {
            return static_cast<int>(i);
        }
    }
    const std::optional<long long> index = readWhole(text);
    if (index && *index >= -1 && *index < count) {
        return static_cast<int>(*index);
    }
    return std::nullopt;
}

template <class Int> std::optional<Int> roundedInto(double value) {
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    if (!(rounded >= std::numeric_limits<Int>::min() &&
          rounded <= std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(rounded);
}

template <class T> bool storeIf(T* target, std::optional<T> result) {
    if (result) {
        *target = *result;
    }
    return result.has_value();
}

// Stores a number computed for a numeric field: rounded and range-checked for
// integers, refused when it is no longer finite.
bool storeNumber(const ScalarField& field, WeaponState& state, double value) {
    if (!std::isfinite(value)) {
        return false;
    }
    struct Visitor {
        double value;
        bool operator()(std::string*) const { return false; }
        bool operator()(double* v) const { return storeIf(v, std::optional<double>(value)); }
        bool operator()(std::int16_t* v) const {
            return storeIf(v, roundedInto<std::int16_t>(value));
        }
        bool operator()(std::int32_t* v) const {
            return storeIf(v, roundedInto<std::int32_t>(value));
        }
    };
    return std::visit(Visitor{value}, field.at(state));
}

double numberOf(const ScalarField& field, WeaponState& state) {
    struct Visitor {
        double operator()(std::string*) const { return 0; }
        double operator()(double* v) const { return *v; }
        double operator()(std::int16_t* v) const { return *v; }
        double operator()(std::int32_t* v) const { return *v; }
    };
    return std::visit(Visitor{}, field.at(state));
}

// Sets a scalar field by the window's rules; nothing on success, else why not.
std::optional<std::string> setField(const Edit& edit, WeaponState& state) {
    const ScalarField& field = *edit.field;
    if (edit.scale || edit.add) {
        const double old = numberOf(field, state);
        const double number = *readNumber(edit.value);
        const double result = edit.scale ? old * number : old + number;
        if (!storeNumber(field, state, result)) {
            const std::string shown = std::isfinite(result) ? " " + numberText(result) : "";
            return "the result" + shown + " does not fit " + std::string(field.name);
        }
        return std::nullopt;
    }
    if (field.storage != ChoiceStorage::None) {
        const std::optional<int> choice = choiceIndex(field, edit.value);
        if (!choice) {
            return inQuotes(edit.value) + " is not a row of " + std::string(field.name) + " (" +
                   listedChoices(field) + ")";
        }
        if (field.storage == ChoiceStorage::Index) {
            storeNumber(field, state, *choice);
        } else {
            *std::get<std::string*>(field.at(state)) =
                *choice < 0 ? "" : std::string(field.choices[*choice]);
        }
        return std::nullopt;
    }
    if (!setFieldFromText(field, state, edit.value)) {
        return inQuotes(edit.value) + " " + notANumberReason(field.kind);
    }
    return std::nullopt;
}

// The new table value: VALUE read strictly, or the old value times FACTOR or
// plus the addend.
std::optional<double> tableValue(const Edit& edit, double old) {
    const std::optional<double> number = readNumber(edit.value);
    if (!number) {
        return std::nullopt;
    }
    const double value = edit.scale ? old * *number : edit.add ? old + *number : *number;
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

Result applyPenetration(const Edit& edit, WeaponState& state, FamilyRows& rows,
                        const FamilyIndex& families) {
    PenetrationSet& table = state.Penetration;
    const std::optional<std::size_t> k = families.find(edit.family);
    if (!k) {
        return "no armour family " + inQuotes(edit.family) + " in the penetration table";
    }
    const std::optional<double> value = tableValue(edit, table.fValues[*k]);
    if (!value) {
        return inQuotes(edit.value) + " " + notANumberReason(ValueKind::Real);
    }
    EditChange change{"penetration." + latin1ToUtf8(table.sFamilies[*k]),
                      numberText(table.fValues[*k]), numberText(*value)};
    const auto row =
        setFamilyValue(state, FamilyTable::Penetration, *k, *value, numberText(*value));
    if (*k < rows.armour.size()) {
        rows.armour[*k] = *row;
    }
    return change;
}

Result applyAccuracy(const Edit& edit, WeaponState& state, FamilyRows& rows,
                     const FamilyIndex& families) {
    AccuracySet& table = state.Accuracy;
    const std::optional<std::size_t> k = families.find(edit.family);
    if (!k) {
        return "no attack family " + inQuotes(edit.family) + " in the accuracy table";
    }
    const std::string family = latin1ToUtf8(table.sFamilies[*k]);
    EditChange change;
    if (edit.target == Edit::Target::AccuracyDamage) {
        const std::optional<double> flag = readNumber(edit.value);
        if (!flag || (*flag != 0 && *flag != 1)) {
            return "the damage flag must be 0 or 1, not " + inQuotes(edit.value);
        }
        change = {"accuracy." + family + ".damage", integerText(table.iAlwaysDamage[*k]),
                  integerText(static_cast<std::int16_t>(*flag))};
        table.iAlwaysDamage[*k] = static_cast<std::int16_t>(*flag);
    } else {
        const std::optional<double> value = tableValue(edit, table.fValues[*k]);
        if (!value) {
            return inQuotes(edit.value) + " " + notANumberReason(ValueKind::Real);
        }
        change = {"accuracy." + family, numberText(table.fValues[*k]), numberText(*value)};
        const auto set =
            setFamilyValue(state, FamilyTable::Accuracy, *k, *value, numberText(*value));
        if (!set) {
            return set.error().message;
        }
    }
    if (*k < rows.attack.size()) {
        rows.attack[*k] = familyRow(state, FamilyTable::Accuracy, *k);
    }
    return change;
}

} // namespace

std::string listedChoices(const ScalarField& field) {
    std::string text;
    for (std::size_t i = 0; i < field.choices.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(i) + " " + std::string(field.choices[i]);
    }
    return text + ", or -1 or empty for none";
}

Expected<EditChange, std::string> applyEdit(const Edit& edit, WeaponState& state, FamilyRows& rows,
                                            const WeaponFamilies& families) {
    switch (edit.target) {
    case Edit::Target::Penetration:
        return applyPenetration(edit, state, rows, families.penetration);
    case Edit::Target::Accuracy:
    case Edit::Target::AccuracyDamage:
        return applyAccuracy(edit, state, rows, families.accuracy);
    case Edit::Target::Field:
        break;
    }
    const ScalarField& field = *edit.field;
    // Texts are quoted so that an empty one still shows.
    const auto shown = [&] {
        const std::string text = fieldText(field, state);
        return field.kind == ValueKind::Text ? inQuotes(text) : text;
    };
    EditChange change{std::string(field.name), shown(), {}};
    if (std::optional<std::string> problem = setField(edit, state)) {
        return *problem;
    }
    change.after = shown();
    return change;
}

} // namespace wepn
