#include "sheet/bulk_edit.h"

#include "model/family_index.h"
#include "model/number_text.h"
#include "sheet/cell_check.h"
#include "sheet/weapon_table.h"

#include <charconv>
#include <variant>

namespace wepn {
namespace {

std::string failedRow(const DeskWeapon& weapon) {
    const Failure& failure = *weapon.failure;
    return "the file did not load (" +
           (failure.line == 0 ? "" : "line " + std::to_string(failure.line) + ": ") +
           failure.message + ")";
}

// The column an edit may change, or why not.
Expected<TableColumn, std::string> editableColumn(std::string_view column) {
    if (column == kResultsColumn) {
        return std::string("the results column counts impact results and cannot be edited");
    }
    std::optional<TableColumn> resolved = TableColumn::named(column);
    if (!resolved) {
        return "unknown column '" + std::string(column) + "'";
    }
    return *resolved;
}

// Set as `wepn set` does, but refusing a fraction that a whole-number field would round.
Expected<Edit, std::string> setEdit(std::string_view column, const TableColumn& resolved,
                                    std::string_view value) {
    if (std::optional<std::string> problem = fractionProblem(resolved.kind(), value)) {
        return *problem;
    }
    return parseEdit(std::string(column) + "=" + std::string(value));
}

// The one edit the operation makes on every weapon.
Expected<Edit, std::string> bulkEdit(std::string_view column, const TableColumn& resolved,
                                     BulkOperation op, std::string_view operand) {
    switch (op) {
    case BulkOperation::Set:
        return setEdit(column, resolved, operand);
    case BulkOperation::Add:
        return parseAddition(column, operand);
    case BulkOperation::Scale:
        break;
    }
    const std::optional<double> percent = readNumber(operand);
    if (!percent) {
        return "'" + std::string(operand) +
               "' is not a number: Scale takes a percentage, e.g. 10 or -25";
    }
    // The shortest text that reads back as the factor, so nothing is rounded twice.
    char factor[32];
    const auto end = std::to_chars(factor, factor + sizeof factor, 1 + *percent / 100).ptr;
    return parseEdit(std::string(column) + "*=" + std::string(factor, end));
}

// What an edit may change of a state, copied without the lines, results and
// escapes that no edit touches (copying those would dominate a plan).
void copyValues(const WeaponState& from, WeaponState& to) {
    to.CurrentWeapon = from.CurrentWeapon;
    to.fFiringArc = from.fFiringArc;
    to.fLeftRot = from.fLeftRot;
    to.fRightRot = from.fRightRot;
    to.fUpRot = from.fUpRot;
    to.fDownRot = from.fDownRot;
    to.fBarrelRecoil = from.fBarrelRecoil;
    to.fSlaveFireDelay = from.fSlaveFireDelay;
    to.bTurretProperties = from.bTurretProperties;
    to.Penetration = from.Penetration;
    to.Accuracy = from.Accuracy;
}

// After an edit that set the cell back to its loaded text: the loaded value
// and family row exactly, though the text shows fewer digits than were read.
void restoreLoaded(const Edit& edit, DeskWeapon& weapon, const WeaponFamilies& families) {
    WeaponState& state = weapon.state;
    const WeaponState& loaded = weapon.loaded.state;
    if (edit.target == Edit::Target::Field) {
        std::visit(
            [&](auto* value) { *value = *std::get<decltype(value)>(edit.field->at(loaded)); },
            edit.field->at(state));
        return;
    }
    const bool penetration = edit.target == Edit::Target::Penetration;
    const std::optional<std::size_t> k =
        (penetration ? families.penetration : families.accuracy).find(edit.family);
    if (!k) {
        return;
    }
    std::vector<std::string>& rows = penetration ? weapon.rows.armour : weapon.rows.attack;
    const std::vector<std::string>& loadedRows =
        penetration ? weapon.loaded.rows.armour : weapon.loaded.rows.attack;
    bool same = false;
    if (penetration) {
        state.Penetration.fValues[*k] = loaded.Penetration.fValues[*k];
        same = true;
    } else {
        if (edit.target == Edit::Target::Accuracy) {
            state.Accuracy.fValues[*k] = loaded.Accuracy.fValues[*k];
        } else {
            state.Accuracy.iAlwaysDamage[*k] = loaded.Accuracy.iAlwaysDamage[*k];
        }
        same = state.Accuracy.fValues[*k] == loaded.Accuracy.fValues[*k] &&
               state.Accuracy.iAlwaysDamage[*k] == loaded.Accuracy.iAlwaysDamage[*k];
    }
    if (same && *k < rows.size() && *k < loadedRows.size()) {
        rows[*k] = loadedRows[*k];
    }
}

} // namespace

std::vector<BulkChange> planBulkEdit(const std::vector<DeskWeapon*>& weapons,
                                     std::string_view column, BulkOperation op,
                                     std::string_view operand) {
    std::vector<BulkChange> plan(weapons.size());
    const Expected<TableColumn, std::string> resolved = editableColumn(column);
    const Expected<Edit, std::string> edit = resolved
                                                 ? bulkEdit(column, *resolved, op, operand)
                                                 : Expected<Edit, std::string>(resolved.error());
    WeaponState scratch;
    FamilyRows rows;
    for (std::size_t i = 0; i < weapons.size(); ++i) {
        BulkChange& change = plan[i];
        change.index = i;
        const DeskWeapon& weapon = *weapons[i];
        if (weapon.failed()) {
            change.problem = failedRow(weapon);
            continue;
        }
        const WeaponFamilies families(weapon.state);
        if (resolved) {
            change.before = resolved->cell(weapon.state, families);
        }
        if (!edit) {
            change.problem = edit.error();
            continue;
        }
        copyValues(weapon.state, scratch);
        rows = weapon.rows;
        Expected<EditChange, std::string> applied = applyEdit(*edit, scratch, rows, families);
        if (!applied) {
            change.problem = std::move(applied.error());
            continue;
        }
        change.after = resolved->cell(scratch, families);
    }
    return plan;
}

Expected<EditChange, std::string> setDeskCell(DeskWeapon& weapon, std::string_view column,
                                              std::string_view value) {
    if (weapon.failed()) {
        return failedRow(weapon);
    }
    const Expected<TableColumn, std::string> resolved = editableColumn(column);
    if (!resolved) {
        return resolved.error();
    }
    const Expected<Edit, std::string> edit = setEdit(column, *resolved, value);
    if (!edit) {
        return edit.error();
    }
    const WeaponFamilies families(weapon.state);
    Expected<EditChange, std::string> change =
        applyEdit(*edit, weapon.state, weapon.rows, families);
    if (change && value == resolved->cell(weapon.loaded.state, families)) {
        restoreLoaded(*edit, weapon, families);
    }
    return change;
}

} // namespace wepn
