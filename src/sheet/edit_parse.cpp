#include "model/number_text.h"
#include "sheet/edit.h"
#include "sheet/latin1.h"

#include <cmath>

namespace wepn {
namespace {

constexpr std::string_view kPenetrationPrefix = "penetration.";
constexpr std::string_view kAccuracyPrefix = "accuracy.";
constexpr std::string_view kDamageSuffix = ".damage";

// Names the target of a parsed edit: a scalar field or a table family.
std::optional<std::string> resolveName(Edit& edit, std::string_view name) {
    if (name.starts_with(kPenetrationPrefix)) {
        edit.target = Edit::Target::Penetration;
        edit.family = name.substr(kPenetrationPrefix.size());
    } else if (name.starts_with(kAccuracyPrefix)) {
        std::string_view rest = name.substr(kAccuracyPrefix.size());
        edit.target = Edit::Target::Accuracy;
        if (rest.size() > kDamageSuffix.size() && rest.ends_with(kDamageSuffix)) {
            edit.target = Edit::Target::AccuracyDamage;
            rest.remove_suffix(kDamageSuffix.size());
        }
        edit.family = rest;
    } else {
        edit.field = findScalarField(name);
        if (edit.field == nullptr) {
            return "unknown field '" + std::string(name) + "'";
        }
        if (!editableField(*edit.field)) {
            return "sWeaponName cannot be edited: every load resets it";
        }
        return std::nullopt;
    }
    if (edit.family.empty()) {
        return "'" + std::string(name) + "' names no family";
    }
    return std::nullopt;
}

// Scaling, or with `add` adding: only to numbers, by a number.
std::optional<std::string> checkArithmetic(const Edit& edit) {
    const std::string verb = edit.add ? "added to" : "scaled";
    if (edit.target == Edit::Target::AccuracyDamage) {
        return "the damage flag cannot be " + verb;
    }
    if (edit.field != nullptr &&
        (edit.field->kind == ValueKind::Text || edit.field->storage != ChoiceStorage::None)) {
        return std::string(edit.field->name) + " is not a number and cannot be " + verb;
    }
    const std::optional<double> number = readNumber(edit.value);
    if (!number) {
        return (edit.add ? "the number '" : "the factor '") + edit.value + "' is not a number";
    }
    if (edit.add && edit.field != nullptr && edit.field->kind != ValueKind::Real &&
        *number != std::floor(*number)) {
        return "'" + edit.value + "' is a fraction; " + std::string(edit.field->name) +
               " takes whole numbers";
    }
    return std::nullopt;
}

// NAME=VALUE, or NAME followed by `arithmetic` ("*" scales, "+" adds) and
// "=NUMBER".
Expected<Edit, std::string> parsed(std::string_view text, char arithmetic) {
    const std::string given(text);
    // Names and values go into the file, which holds Latin-1 text.
    const std::optional<std::string> bytes = utf8ToLatin1(text);
    if (!bytes) {
        return "'" + given + "' holds a character that the file's Latin-1 text cannot carry";
    }
    const std::size_t equals = bytes->find('=');
    if (equals == std::string::npos || equals == 0) {
        return "'" + given + "' is not an edit: expected NAME=VALUE or NAME*=FACTOR";
    }
    Edit edit;
    edit.text = given;
    edit.value = bytes->substr(equals + 1);
    std::string_view name = std::string_view(*bytes).substr(0, equals);
    if (name.ends_with(arithmetic)) {
        (arithmetic == '+' ? edit.add : edit.scale) = true;
        name.remove_suffix(1);
    }
    if (std::optional<std::string> problem = resolveName(edit, name)) {
        return "'" + given + "': " + latin1ToUtf8(*problem);
    }
    if (edit.scale || edit.add) {
        if (std::optional<std::string> problem = checkArithmetic(edit)) {
            return "'" + given + "': " + latin1ToUtf8(*problem);
        }
    }
    return edit;
}

} // namespace

bool editableField(const ScalarField& field) {
    return field.name != "sWeaponName";
}

Expected<Edit, std::string> parseEdit(std::string_view text) {
    return parsed(text, '*');
}

Expected<Edit, std::string> parseAddition(std::string_view name, std::string_view addend) {
    return parsed(std::string(name) + "+=" + std::string(addend), '+');
}

} // namespace wepn
