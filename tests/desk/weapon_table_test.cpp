#include "desk/cell_edit_delegate.h"
#include "desk/frozen_column_view.h"
#include "desk/weapon_filter_proxy.h"
#include "desk/weapon_table_model.h"
#include "desk/weapon_table_window.h"
#include "editor/wepn_editor_main.h"
#include "shell/editor_shell.h"
#include "shell/frm_save.h"
#include "shell_fixture.h"

#include <QAction>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

namespace wepn {
namespace {

constexpr int kLoadTimeoutMs = 20000;

// The table on a few weapon files, one of which fails to load, with the
// sample data directory's checks.
class WeaponTableTest : public ShellTest {
  protected:
    std::unique_ptr<WeaponTableWindow> openFixture() {
        auto table = std::make_unique<WeaponTableWindow>();
        table->openFolder(WEPN_DESK_DIR "/Weapon",
                          *readDeskChecks(std::string(WEPN_EXAMPLES_DIR), false));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !table->isLoading(); }, kLoadTimeoutMs));
        table->show();
        return table;
    }

    static QStringList shownPaths(const WeaponTableWindow& table) {
        QStringList paths;
        for (int row = 0; row < table.proxy().rowCount(); ++row) {
            paths << table.proxy().index(row, 0).data().toString();
        }
        return paths;
    }

    static int columnOf(const WeaponTableWindow& table, const QString& name) {
        return table.model().columnNamed(name.toStdString());
    }

    // The editor on the sample data with the table on its weapons, loaded.
    WeaponTableWindow& sampleTable() {
        startOnSampleData();
        shell().openTable(nativeBytes("Data/Weapon"));
        WeaponTableWindow& table = *shell().table();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !table.isLoading(); }, kLoadTimeoutMs));
        return table;
    }

    int rowOf(const WeaponTableWindow& table, const char* weapon) {
        const int row = table.model().rowOfFile(
            nativeBytes(QStringLiteral("Data/Weapon/") + QString::fromLatin1(weapon)));
        EXPECT_GE(row, 0) << weapon;
        return row;
    }

    static void clickHeading(WeaponTableWindow& table, int column) {
        QHeaderView* header = table.view().horizontalHeader();
        table.view().scrollTo(table.proxy().index(0, column));
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
};

TEST_F(WeaponTableTest, AFileThatFailsToLoadIsARowWithItsLineAndReason) {
    const auto table = openFixture();
    const WeaponTableModel& model = table->model();
    ASSERT_EQ(model.rowCount(), 4);
    const int broken = model.rowOfFile(WEPN_DESK_DIR "/Weapon/broken.wepn");
    ASSERT_GE(broken, 0);
    EXPECT_EQ(model.headerData(broken, Qt::Vertical, Qt::DisplayRole).toString(), "!");
    const QString problems = model.cell(broken, model.columnCount() - 1);
    EXPECT_TRUE(problems.startsWith("line 3: ")) << problems.toStdString();
    EXPECT_TRUE(problems.contains("is not a number")) << problems.toStdString();
    EXPECT_EQ(table->countsText(), "4 weapons, 4 shown, 0 changed, 1 failed");
    EXPECT_EQ(table->windowTitle(), "Weapon Table - " WEPN_DESK_DIR "/Weapon");
}

TEST_F(WeaponTableTest, ClickingAHeadingSortsNumbersAsNumbersAndEmptyCellsLast) {
    const auto table = openFixture();
    for (const QStringList& row : ShellTest::table("desk/sort_cases.txt")) {
        const int column = columnOf(*table, row[0]);
        ASSERT_GT(column, 0) << row[0].toStdString();
        // Equal cells keep the order they had: the paths'.
        table->view().sortByColumn(0, Qt::AscendingOrder);
        clickHeading(*table, column);
        EXPECT_EQ(shownPaths(*table).join(' '), row[1]) << row[0].toStdString() << " ascending";
        clickHeading(*table, column);
        EXPECT_EQ(shownPaths(*table).join(' '), row[2]) << row[0].toStdString() << " descending";
    }
}

TEST_F(WeaponTableTest, TheFilterLineKeepsTheRowsItsConditionsAndWordsMatch) {
    const auto table = openFixture();
    QLineEdit& line = table->filterLine();
    for (const QStringList& row : ShellTest::table("desk/filter_cases.txt")) {
        line.clear();
        QTest::keyClicks(&line, row[0]);
        EXPECT_EQ(shownPaths(*table).join(' '), row[1]) << row[0].toStdString();
        // A line that does not read filters nothing further and says why.
        EXPECT_TRUE(row[2].isEmpty() ? line.toolTip().isEmpty() : line.toolTip().contains(row[2]))
            << row[0].toStdString() << ": " << line.toolTip().toStdString();
        EXPECT_EQ(line.styleSheet().isEmpty(), row[2].isEmpty()) << row[0].toStdString();
    }
    line.clear();
    EXPECT_EQ(table->countsText(), "4 weapons, 4 shown, 0 changed, 1 failed");
}

TEST_F(WeaponTableTest, AHiddenColumnIsKeptInANamedColumnSet) {
    const int speed = [&] {
        const auto table = openFixture();
        const int column = columnOf(*table, "fWeaponFireSpeed");
        table->view().horizontalHeader()->setSectionHidden(column, true);
        table->saveColumnSet("Ranges");
        table->showAllColumns();
        EXPECT_FALSE(table->view().isColumnHidden(column));
        return column;
    }();
    // Another window, as after a restart, offers the set in its View menu.
    const auto table = openFixture();
    EXPECT_FALSE(table->view().isColumnHidden(speed));
    emit table->viewMenu().aboutToShow();
    QStringList entries;
    for (QAction* action : table->viewMenu().actions()) {
        entries << action->text();
    }
    EXPECT_EQ(entries, (QStringList{"&Save Column Set...", "", "Ranges", "&All Columns"}));
    table->viewMenu().actions().at(2)->trigger();
    EXPECT_TRUE(table->view().isColumnHidden(speed));
}

TEST_F(WeaponTableTest, EnterOnARowOpensItsWeaponWithTheTablesChanges) {
    WeaponTableWindow& table = sampleTable();
    const int rail = rowOf(table, "rail_driver.wepn");
    table.model().weaponToChange(rail).state.CurrentWeapon.fWeaponFireRange = 6000;
    table.model().weaponChanged(rail);
    EXPECT_EQ(table.countsText(), "9 weapons, 9 shown, 1 changed, 0 failed");

    const auto openRow = [&](int modelRow) {
        table.view().setCurrentIndex(table.proxy().mapFromSource(table.model().index(modelRow, 1)));
        QTest::keyClick(&table.view(), Qt::Key_Return);
    };
    openRow(rail);
    EXPECT_EQ(window().filePath(), native("Data/Weapon/rail_driver.wepn"));
    EXPECT_EQ(window().state().CurrentWeapon.fWeaponFireRange, 6000);
    EXPECT_TRUE(window().isWindowModified());
    window().history().undo();
    EXPECT_EQ(window().state().CurrentWeapon.fWeaponFireRange, 5200);

    // Another weapon asks about the unsaved change first; Cancel keeps it.
    window().history().redo();
    const int ion = rowOf(table, "ion_lance.wepn");
    openRow(ion);
    EXPECT_EQ(messages.texts.back(), "Save changes to 'rail_driver.wepn'?");
    EXPECT_EQ(window().filePath(), native("Data/Weapon/rail_driver.wepn"));
    messages.choice = 1; // Discard
    openRow(ion);
    EXPECT_EQ(window().filePath(), native("Data/Weapon/ion_lance.wepn"));
    EXPECT_FALSE(window().isWindowModified());
}

TEST_F(WeaponTableTest, ClosingTheEditorAsksAboutTheTablesUnsavedWeaponsFirst) {
    WeaponTableWindow& table = sampleTable();
    const int rail = rowOf(table, "rail_driver.wepn");
    const int range = columnOf(table, QStringLiteral("fWeaponFireRange"));
    // A cell typed into through the window's own view and its history.
    auto* typing = qobject_cast<CellEditDelegate*>(table.view().itemDelegate());
    ASSERT_NE(typing, nullptr);
    EXPECT_TRUE(typing->commit(rail, range, QStringLiteral("6000")));
    EXPECT_EQ(table.history().undoText(), "Edit Firing Range");

    window().close(); // Cancel, the safe answer
    EXPECT_EQ(messages.texts.back(), "Save changes to 'Weapon/rail_driver.wepn'?");
    EXPECT_TRUE(window().isVisible());
    messages.choice = 1; // Discard
    window().close();
    EXPECT_FALSE(window().isVisible());
}

// A weapon saved in the main window is read again in the table.
TEST_F(WeaponTableTest, AWeaponSavedInTheMainWindowIsReadAgainInTheTable) {
    WeaponTableWindow& table = sampleTable();
    const int rail = rowOf(table, "rail_driver.wepn");
    const int range = columnOf(table, QStringLiteral("fWeaponFireRange"));
    table.view().setCurrentIndex(table.proxy().mapFromSource(table.model().index(rail, 1)));
    QTest::keyClick(&table.view(), Qt::Key_Return);
    QLineEdit* edit = window().controls().binding("fWeaponFireRange")->edit;
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("6000"));
    QTest::keyClick(edit, Qt::Key_Return);
    triggerSaveAs();
    QTest::mouseClick(shell().frmSave()->saveButton(), Qt::LeftButton);
    EXPECT_FALSE(window().isWindowModified());
    EXPECT_EQ(table.model().cell(rail, range), QStringLiteral("6000"));
    EXPECT_FALSE(table.model().weapon(rail).changed());
}

TEST_F(WeaponTableTest, AFolderDroppedOnTheMainWindowOpensTheTableOnIt) {
    startOnSampleData();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(native("Data/Weapon"))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    // Straight to the window: the application passes drops on only during a
    // drag the platform started.
    static_cast<QObject&>(window()).event(&drop);
    ASSERT_NE(shell().table(), nullptr);
    EXPECT_EQ(shell().table()->folder(), nativeBytes("Data/Weapon"));
}

} // namespace
} // namespace wepn
