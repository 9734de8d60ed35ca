#pragma once

#include "desk/weapon_table_model.h"
#include "recording_sink.h"
#include "test_support.h"

#include <QSortFilterProxyModel>
#include <QStringList>
#include <QTableView>
#include <QUndoStack>
#include <gtest/gtest.h>
#include <ostream>
#include <qstring_print.h>
#include <string>
#include <vector>

namespace wepn {

// The cells of each line of tests/data/desk/`name` that is not a comment,
// cut at " | ".
std::vector<QStringList> deskCases(const char* name);

// The sample weapons copied to a temporary data directory and loaded on the
// desk, shown in a table view through a proxy sorted by name backwards (so
// that a view's rows are not the model's).
class DeskTest : public ::testing::Test {
  protected:
    DeskTest();

    // The model's row of a sample file, e.g. "ion_lance.wepn".
    int row(const QString& file) const;
    int column(const QString& name) const;
    QString cell(const QString& file, const QString& columnName) const;
    // The view's index of a model cell.
    QModelIndex viewIndex(int row, int column) const;
    // Selects the cells of a column in the view, for the given files.
    void select(const QStringList& files, const QString& columnName);
    // Every weapon's state and family rows as loaded.
    bool allAsLoaded() const;
    // Undoes every step and forgets them.
    void undoAll();

    test::TempDir dir;
    std::string weaponDir;
    WeaponTableModel model;
    QSortFilterProxyModel proxy;
    QTableView view;
    QUndoStack history;
    RecordingSink messages;
};

} // namespace wepn
