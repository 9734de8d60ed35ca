#include "desk/desk_saving.h"

#include "desk/desk_revert_command.h"
#include "desk/utf8_text.h"
#include "desk/weapon_table_model.h"
#include "editor/message_box_sink.h"
#include "sheet/desk_save.h"

#include <QUndoStack>

namespace wepn {
namespace {

std::vector<int> changedRows(const WeaponTableModel& model) {
    std::vector<int> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.weapon(row).changed()) {
            rows.push_back(row);
        }
    }
    return rows;
}

QString summary(const DeskSaving::Report& report) {
    QStringList parts;
    parts << QStringLiteral("Saved %1 of %2 changed weapons.")
                 .arg(report.saved.size())
                 .arg(report.saved.size() + report.refused.size() + report.skipped.size());
    if (!report.refused.isEmpty()) {
        parts << QStringLiteral("Not saved (the files cannot hold them):\n") +
                     report.refused.join(u'\n');
    }
    if (!report.skipped.isEmpty()) {
        parts << QStringLiteral("Skipped:\n") + report.skipped.join(u'\n');
    }
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace

DeskSaving::Report DeskSaving::saveAll(QWidget* parent, WeaponTableModel& model,
                                       MessageSink* messages) {
    MessageBoxSink boxes(parent);
    MessageSink& sink = messages != nullptr ? *messages : boxes;
    Report report;
    for (int row : changedRows(model)) {
        DeskWeapon& weapon = model.weaponToChange(row);
        const QString named = utf8(weapon.named);
        if (report.cancelled) {
            report.skipped << named;
            continue;
        }
        DeskSaveResult result = saveDeskWeapon(weapon, false);
        if (result.kind == DeskSaveResult::Kind::ChangedOnDisk) {
            const qsizetype answer = sink.ask(
                QStringLiteral("'%1' has changed on disk since it was loaded. Overwrite it with "
                               "the table's weapon?")
                    .arg(named),
                {QStringLiteral("Overwrite"), QStringLiteral("Skip"), QStringLiteral("Cancel")});
            if (answer == 0) {
                result = saveDeskWeapon(weapon, true);
            } else {
                report.cancelled = answer != 1;
                report.skipped << named + QStringLiteral(": changed on disk");
                continue;
            }
        }
        switch (result.kind) {
        case DeskSaveResult::Kind::Saved:
        case DeskSaveResult::Kind::Unchanged:
            report.saved << named;
            break;
        case DeskSaveResult::Kind::Refused:
            weapon.refused = result.reason;
            report.refused << utf8(result.reason); // it names the file
            break;
        case DeskSaveResult::Kind::ChangedOnDisk:
            report.skipped << named + QStringLiteral(": ") + utf8(result.reason);
            break;
        }
        model.weaponChanged(row);
    }
    if (!report.saved.isEmpty() || !report.refused.isEmpty() || !report.skipped.isEmpty()) {
        sink.show(summary(report));
    }
    return report;
}

void DeskSaving::revertRows(WeaponTableModel& model, QUndoStack& history, std::vector<int> rows) {
    if (rows.empty()) {
        rows = changedRows(model);
    }
    std::erase_if(rows, [&model](int row) {
        const DeskWeapon& weapon = model.weapon(row);
        return !weapon.changed() && weapon.refused.empty();
    });
    if (!rows.empty()) {
        history.push(new DeskRevertCommand(model, std::move(rows)));
    }
}

bool DeskSaving::confirmClose(QWidget* parent, WeaponTableModel& model, MessageSink* messages) {
    MessageBoxSink boxes(parent);
    MessageSink& sink = messages != nullptr ? *messages : boxes;
    const std::vector<int> rows = changedRows(model);
    if (rows.empty()) {
        return true;
    }
    const QString question =
        rows.size() == 1
            ? QStringLiteral("Save changes to '%1'?").arg(utf8(model.weapon(rows.front()).named))
            : QStringLiteral("Save changes to %1 weapons?").arg(rows.size());
    switch (sink.ask(
        question, {QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")})) {
    case 0:
        saveAll(parent, model, &sink);
        return model.changedCount() == 0;
    case 1:
        return true;
    default:
        return false;
    }
}

} // namespace wepn
