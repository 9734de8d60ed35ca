#include "desk/bulk_edit_dialog.h"
#include "desk/cell_edit_delegate.h"
#include "desk/desk_saving.h"
#include "desk/frozen_column_view.h"
#include "desk/table_exchange.h"
#include "desk/weapon_filter_proxy.h"
#include "desk/weapon_table_model.h"
#include "desk/weapon_table_window.h"
#include "editor/message_box_sink.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QMenu>
#include <QUndoStack>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>

// Editing on the table: typing into cells, bulk edits, Save All and Revert,
// export and import, all through the desk's one history.
namespace wepn {

void WeaponTableWindow::buildEditing(QMenu& file, QMenu& edit) {
    m_view->setItemDelegate(new CellEditDelegate(*m_model, *m_history, this));

    const auto add = [this](QMenu& menu, QAction* before, const QString& text,
                            const QKeySequence& keys, void (WeaponTableWindow::*handler)()) {
        auto* action = new QAction(text, &menu);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        menu.insertAction(before, action);
    };
    // Between Open Folder and Close.
    QAction* close = file.actions().constLast();
    add(file, close, QStringLiteral("Save &All"), QKeySequence::Save, &WeaponTableWindow::saveAll);
    add(file, close, QStringLiteral("&Revert Selected Weapons"), {},
        &WeaponTableWindow::revertSelected);
    add(file, close, QStringLiteral("Revert A&ll"), {}, &WeaponTableWindow::revertAll);
    file.insertSeparator(close);
    add(file, close, QStringLiteral("&Export Table..."), {}, &WeaponTableWindow::exportTable);
    add(file, close, QStringLiteral("&Import Table..."), {}, &WeaponTableWindow::importTable);
    file.insertSeparator(close);

    edit.addSeparator();
    add(edit, nullptr, QStringLiteral("&Set, Scale or Add..."), QKeySequence(Qt::CTRL | Qt::Key_B),
        &WeaponTableWindow::bulkEdit);
}

bool WeaponTableWindow::settleChanges() {
    return DeskSaving::confirmClose(this, *m_model, m_messages);
}

std::vector<int> WeaponTableWindow::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedIndexes()) {
        rows.push_back(m_proxy->mapToSource(index).row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void WeaponTableWindow::bulkEdit() {
    MessageBoxSink boxes(this);
    const std::unique_ptr<BulkEditDialog> dialog(BulkEditDialog::forSelection(
        *m_model, *m_history, m_view->selectionModel()->selectedIndexes(), this,
        m_messages != nullptr ? *m_messages : boxes));
    if (dialog) {
        dialog->exec();
    }
}

void WeaponTableWindow::saveAll() {
    std::vector<std::pair<int, std::string>> changed; // rows and the fingerprints they had
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->weapon(row).changed()) {
            changed.emplace_back(row, m_model->weapon(row).source);
        }
    }
    DeskSaving::saveAll(this, *m_model, m_messages);
    // What the checks found in a saved file is found again in what is now on disk.
    for (const auto& [row, source] : changed) {
        if (m_model->weapon(row).source != source) {
            reloadRow(row);
        }
    }
    m_model->refreshColumns();
}

void WeaponTableWindow::revertSelected() {
    const std::vector<int> rows = selectedRows();
    if (!rows.empty()) {
        DeskSaving::revertRows(*m_model, *m_history, rows);
    }
}

void WeaponTableWindow::revertAll() {
    DeskSaving::revertRows(*m_model, *m_history, {});
}

void WeaponTableWindow::exportTable() {
    TableExchange::exportTable(this, *m_model, {}, m_messages);
}

void WeaponTableWindow::importTable() {
    TableExchange::importTable(this, *m_model, *m_history, m_root, m_checks.rows.has_value());
}

} // namespace wepn
