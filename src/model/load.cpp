#include "model/load.h"

#include "model/availability.h"
#include "model/family_index.h"
#include "model/fields.h"
#include "model/list_rows.h"
#include "model/number_text.h"
#include "model/reader_support.h"
#include "model/save_changes.h"
#include "model/script_reader.h"
#include "model/text_tokens.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace wepn {
namespace {

// The names separated by ", "; past `limit` names, "and N more" instead of the rest.
std::string joined(const std::vector<std::string>& names,
                   std::size_t limit = std::numeric_limits<std::size_t>::max()) {
    std::string text;
    for (std::size_t k = 0; k < names.size() && k < limit; ++k) {
        text += k == 0 ? "" : ", ";
        text += names[k];
    }
    if (names.size() > limit) {
        text += " and " + std::to_string(names.size() - limit) + " more";
    }
    return text;
}

// The warning about families without a row, naming at most `limit` of each table.
std::string familiesWarning(const std::vector<std::string>& armour,
                            const std::vector<std::string>& attack, std::size_t limit) {
    std::string text = "the family list lacks families that the file names; a save drops them:";
    if (!armour.empty()) {
        text += " penetration " + joined(armour, limit) + (attack.empty() ? "" : ";");
    }
    if (!attack.empty()) {
        text += " accuracy " + joined(attack, limit);
    }
    return text;
}

// Names of the file's families that no row has, each once. Sets of folded
// names keep this linear: a file can name hundreds of thousands of families.
std::vector<std::string> familiesWithoutRow(const std::vector<std::string>& families,
                                            const std::vector<std::string>& rows) {
    std::unordered_set<std::string> known;
    for (const std::string& row : rows) {
        known.insert(toLowerLatin1(rowFamily(row)));
    }
    std::unordered_set<std::string> reported;
    std::vector<std::string> missing;
    for (const std::string& family : families) {
        std::string folded = toLowerLatin1(family);
        if (family.empty() || known.contains(folded) ||
            !reported.insert(std::move(folded)).second) {
            continue;
        }
        missing.push_back(family);
    }
    return missing;
}

// Writes the file's values into the rows of the families it names.
void matchRows(const WeaponState& state, FamilyRows& rows) {
    // Without rows (as `wepn check` loads) there is nothing to match.
    const PenetrationSet& penetration = state.Penetration;
    if (rows.armour.empty() && rows.attack.empty()) {
        return;
    }
    const FamilyIndex armour(penetration.sFamilies);
    for (std::string& row : rows.armour) {
        if (const auto k = armour.find(rowFamily(row))) {
            row = penetrationRow(penetration.sFamilies[*k], numberText(penetration.fValues[*k]));
        }
    }
    const AccuracySet& accuracy = state.Accuracy;
    const FamilyIndex attack(accuracy.sFamilies);
    for (std::string& row : rows.attack) {
        if (const auto k = attack.find(rowFamily(row))) {
            row = accuracyRow(accuracy.sFamilies[*k], numberText(accuracy.fValues[*k]),
                              accuracy.iAlwaysDamage[*k]);
        }
    }
}

[[noreturn]] void badRow(std::string_view list, std::string_view row) {
    detail::fail(0, "the " + std::string(list) + " row '" + excerpt(row) +
                        "' does not read as a family and its values");
}

// Gives rows without a value their defaults and rebuilds the tables from the
// rows, one entry per row in row order.
void presentFamilies(WeaponState& state, FamilyRows& rows) {
    PenetrationSet& penetration = state.Penetration;
    penetration.sFamilies.clear();
    penetration.fValues.clear();
    for (std::string& row : rows.armour) {
        std::vector<std::string_view> fields = rowFields(row);
        if (fields.size() >= 2 && fields[1] == kPlaceholderValue) {
            row = penetrationRow(fields[0], numberText(penetration.fDefaultPenetration));
            fields = rowFields(row);
        }
        const auto value = fields.size() >= 2 ? readNumber(fields[1]) : std::nullopt;
        if (!value) {
            badRow("armour family", row);
        }
        penetration.sFamilies.emplace_back(fields[0]);
        penetration.fValues.push_back(*value);
    }
    AccuracySet& accuracy = state.Accuracy;
    accuracy.sFamilies.clear();
    accuracy.fValues.clear();
    accuracy.iAlwaysDamage.clear();
    for (std::string& row : rows.attack) {
        std::vector<std::string_view> fields = rowFields(row);
        if (fields.size() >= 2 && fields[1] == kPlaceholderValue) {
            row = accuracyRow(fields[0], integerText(1), 0);
            fields = rowFields(row);
        }
        const auto value = fields.size() >= 3 ? readNumber(fields[1]) : std::nullopt;
        const auto damage = fields.size() >= 3 ? readInt16(fields[2]) : std::nullopt;
        if (!value || !damage) {
            badRow("attack family", row);
        }
        accuracy.sFamilies.emplace_back(fields[0]);
        accuracy.fValues.push_back(*value);
        accuracy.iAlwaysDamage.push_back(*damage);
    }
}

// "Normal, Special Attack or Normal Only" / "0 (No) or 1 (Yes)"
std::string choices(const ScalarField& field) {
    std::string text;
    for (std::size_t i = 0; i < field.choices.size(); ++i) {
        text += i == 0 ? "" : i + 1 == field.choices.size() ? " or " : ", ";
        if (field.storage == ChoiceStorage::Index) {
            text += integerText(std::int64_t(i)) + " (" + std::string(field.choices[i]) + ")";
        } else {
            text += field.choices[i];
        }
    }
    return text;
}

// Fields with choices must hold one of them, which is what their drop-down
// boxes can show. A choice stored as text is matched ignoring case and takes
// the choice's spelling, which a save writes: the load warns of that.
void checkDropDowns(WeaponState& state, std::size_t line, std::vector<LoadWarning>& warnings) {
    const auto refuse = [line](const ScalarField& field, std::string_view value) {
        detail::fail(line, "'" + excerpt(value) + "' is not a choice of " +
                               std::string(field.name) + ": " + choices(field) + " (argument " +
                               std::to_string(field.argument) + " of StartWeaponConfig)");
    };
    for (const ScalarField& field : scalarFields()) {
        if (field.storage == ChoiceStorage::Text) {
            auto* text = std::get<std::string*>(field.at(state));
            if (text->empty()) {
                continue;
            }
            const auto choice =
                std::find_if(field.choices.begin(), field.choices.end(),
                             [&](std::string_view c) { return equalsIgnoringCase(c, *text); });
            if (choice == field.choices.end()) {
                refuse(field, *text);
            }
            if (*text != *choice) {
                warnings.push_back({LoadWarning::Kind::SaveChangesValues,
                                    "line " + std::to_string(line) + ": " +
                                        std::string(field.name) + " '" + *text +
                                        "' is shown and saved as '" + std::string(*choice) +
                                        "', which the game receives as another text",
                                    {},
                                    {"StartWeaponConfig"}});
            }
            *text = std::string(*choice);
        } else if (field.storage == ChoiceStorage::Index) {
            const std::int16_t index = *std::get<std::int16_t*>(field.at(state));
            if (index < -1 || index >= std::int16_t(field.choices.size())) {
                refuse(field, integerText(index));
            }
        }
    }
}

// The whole load; throws detail::ScriptError.
LoadOutcome load(const WeaponState& current, const std::optional<FamilyRows>& familyList,
                 std::string_view bytes, LoadedTables tables) {
    detail::ScriptRead read = detail::readScript(current, bytes);
    LoadOutcome outcome{std::move(read.state), familyList.value_or(FamilyRows{}), {}, {}, {}};
    WeaponState& state = outcome.state;

    if (familyList) {
        const auto armour = familiesWithoutRow(state.Penetration.sFamilies, outcome.rows.armour);
        const auto attack = familiesWithoutRow(state.Accuracy.sFamilies, outcome.rows.attack);
        if (!armour.empty() || !attack.empty()) {
            constexpr std::size_t kNamesInBrief = 20;
            LoadWarning warning{
                LoadWarning::Kind::FamiliesNotInList,
                familiesWarning(armour, attack, std::numeric_limits<std::size_t>::max()),
                familiesWarning(armour, attack, kNamesInBrief),
                {}};
            for (const auto& [missing, statement] :
                 {std::pair{&armour, "setPenetration"}, std::pair{&attack, "setAccuracy"}}) {
                if (!missing->empty()) {
                    warning.statements.emplace_back(statement);
                }
            }
            if (warning.brief == warning.text) {
                warning.brief.clear();
            }
            outcome.warnings.push_back(std::move(warning));
        }
    }
    matchRows(state, outcome.rows);
    if (!isKnownFireType(state.CurrentWeapon.sWeaponFireType)) {
        outcome.warnings.push_back(
            {LoadWarning::Kind::UnknownFireType,
             unrecognizedFireTypeMessage(state.CurrentWeapon.sWeaponFireType),
             {},
             {}});
    }
    detail::warnOfSaveChanges(state, read.found, familyList && tables == LoadedTables::FromRows,
                              read.unreadSpawns, outcome.warnings);
    if (read.hashLines > 1) {
        outcome.warnings.push_back(
            {LoadWarning::Kind::HashLineRunsOn,
             "lines 1 to " + std::to_string(read.hashLines) +
                 ": the first line starts with \"#\", which Lua skips up to the first line "
                 "feed; these lines end with a lone carriage return, so the game skips them "
                 "all, and so does the editor",
             {},
             {}});
    }
    for (const std::string_view statement : {"setPenetration", "setAccuracy"}) {
        if (const LaterTable* later = laterTable(read.laterTables, statement)) {
            // One before the editor's statement comes after it in a save.
            const bool moves = std::any_of(
                read.laterTables.begin(), read.laterTables.end(),
                [&](const LaterTable& t) { return t.statement == statement && t.beforeFirst; });
            outcome.warnings.push_back(
                {LoadWarning::Kind::LaterTable,
                 "line " + std::to_string(later->firstLine) + ": a second " +
                     std::string(statement) +
                     " sets the table again; the game uses the values of the last one, the "
                     "editor shows the first",
                 {},
                 moves ? std::vector<std::string>{std::string(statement)}
                       : std::vector<std::string>{}});
        }
    }
    outcome.laterTables = std::move(read.laterTables);
    state.CurrentWeapon.sWeaponName = "NewWeaponType";
    checkDropDowns(state, read.configLine, outcome.warnings);
    if (tables == LoadedTables::FromRows) {
        presentFamilies(state, outcome.rows);
    } else {
        // The rows are presented all the same; the tables keep the file's entries.
        PenetrationSet penetration = std::move(state.Penetration);
        AccuracySet accuracy = std::move(state.Accuracy);
        presentFamilies(state, outcome.rows);
        state.Penetration = std::move(penetration);
        state.Accuracy = std::move(accuracy);
    }
    outcome.resultRows.reserve(state.Results.size());
    for (const WeaponResult& result : state.Results) {
        outcome.resultRows.push_back(resultRow(result));
    }
    return outcome;
}

} // namespace

const LaterTable* laterTable(const std::vector<LaterTable>& laterTables,
                             std::string_view statement) {
    const auto found = std::find_if(laterTables.begin(), laterTables.end(),
                                    [&](const LaterTable& t) { return t.statement == statement; });
    return found == laterTables.end() ? nullptr : &*found;
}

std::vector<LaterTable> overriddenTables(const PenetrationSet& penetration,
                                         const AccuracySet& accuracy, const WeaponState& edited,
                                         const std::vector<LaterTable>& laterTables) {
    std::vector<LaterTable> overridden;
    for (const auto& [statement, changed] :
         {std::pair{"setPenetration", penetration != edited.Penetration},
          std::pair{"setAccuracy", accuracy != edited.Accuracy}}) {
        const LaterTable* later = laterTable(laterTables, statement);
        if (changed && later != nullptr) {
            overridden.push_back(*later);
        }
    }
    return overridden;
}

void dropLaterTables(WeaponState& state, const std::vector<LaterTable>& laterTables,
                     std::string_view statement) {
    for (const LaterTable& later : laterTables) {
        for (std::size_t line = later.firstLine;
             later.statement == statement && line <= later.lastLine &&
             line <= state.strLines.size();
             ++line) {
            state.strLines[line - 1].clear();
        }
    }
}

Expected<LoadOutcome, LoadError> loadWeapon(const WeaponState& current,
                                            const std::optional<FamilyRows>& familyList,
                                            std::string_view bytes, LoadedTables tables) {
    try {
        return load(current, familyList, bytes, tables);
    } catch (const detail::ScriptError& error) {
        return LoadError{error.line, error.reason};
    }
}

FamilyRows familyRowsNamedBy(const WeaponState& state) {
    FamilyRows rows;
    for (const std::string& family : familiesWithoutRow(state.Penetration.sFamilies, {})) {
        rows.armour.push_back(penetrationRow(family, kPlaceholderValue));
    }
    for (const std::string& family : familiesWithoutRow(state.Accuracy.sFamilies, {})) {
        rows.attack.push_back(penetrationRow(family, kPlaceholderValue));
    }
    return rows;
}

} // namespace wepn
