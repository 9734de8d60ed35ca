#pragma once

#include <QListWidget>

namespace wepn {

/// The index of the list's selected row, -1 when none is selected.
inline int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.front());
}

} // namespace wepn
