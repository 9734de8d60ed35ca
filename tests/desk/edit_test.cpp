#include "desk/cell_edit_delegate.h"
#include "desk/desk_edit_command.h"
#include "desk_fixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

namespace wepn {
namespace {

class EditTest : public DeskTest {
  protected:
    EditTest() { view.setItemDelegate(&delegate); }

    // Types into a cell as the user does and commits it with Enter.
    void type(int modelRow, int modelColumn, const QString& keys) {
        const QModelIndex index = viewIndex(modelRow, modelColumn);
        view.setCurrentIndex(index);
        view.edit(index);
        QWidget* editor = view.viewport()->findChild<QLineEdit*>();
        if (editor == nullptr) {
            editor = view.viewport()->findChild<QComboBox*>();
        }
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits and closes the editor through queued calls.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CellEditDelegate delegate{model, history, &view, &messages};
};

// Each case types into a cell through a view sorted unlike the model, and
// checks the cell, the message and the step; undoing gives the weapon back
// exactly as loaded.
TEST_F(EditTest, TypedCellsAreCheckedAsTheWindowChecksTheField) {
    for (const QStringList& c : deskCases("typed_cells.txt")) {
        ASSERT_EQ(c.size(), 5) << c.join(u'|').toStdString();
        const QString name = c[0] + QLatin1Char(' ') + c[1] + QLatin1Char(' ') + c[2];
        messages.texts.clear();
        type(row(c[0]), column(c[1]), c[2]);
        EXPECT_EQ(cell(c[0], c[1]), c[3]) << name.toStdString();
        EXPECT_EQ(messages.texts.join(u'\n'), c[4]) << name.toStdString();
        const bool changed = c[4].isEmpty() && c[3] != model.loadedCell(row(c[0]), column(c[1]));
        EXPECT_EQ(history.count(), changed ? 1 : 0) << name.toStdString();
        if (changed) {
            EXPECT_EQ(history.undoText(), DeskEditCommand::typedStepText(c[1].toStdString()));
        }
        while (history.canUndo()) {
            history.undo();
        }
        history.clear();
        EXPECT_TRUE(allAsLoaded()) << name.toStdString();
    }
}

TEST_F(EditTest, StepsAreNamedByColumnVerbAndCount) {
    EXPECT_EQ(DeskEditCommand::stepText(QStringLiteral("Scale"), "fWeaponFireRange",
                                        QStringLiteral(" x1.1"), 12),
              QStringLiteral("Scale Firing Range x1.1 (12 weapons)"));
    EXPECT_EQ(DeskEditCommand::stepText(QStringLiteral("Set"), "fWeaponFireRange", {}, 1),
              QStringLiteral("Set Firing Range (1 weapon)"));
    EXPECT_EQ(DeskEditCommand::typedStepText("fWeaponFireRange"),
              QStringLiteral("Edit Firing Range"));
}

// Several cells of several weapons in one step: redo after undo sets them
// again, undo gives back the loaded states.
TEST_F(EditTest, OneStepOfManyCellsUndoesToTheLoadedStates) {
    const int lance = row(QStringLiteral("ion_lance.wepn"));
    const int mine = row(QStringLiteral("proximity_mine.wepn"));
    const int range = column(QStringLiteral("fWeaponFireRange"));
    const int fighter = column(QStringLiteral("penetration.Fighter"));
    history.push(new DeskEditCommand(model, QStringLiteral("Import"),
                                     {{mine, "fWeaponFireRange", "", "123.5"},
                                      {lance, "fWeaponFireRange", "", "4000"},
                                      {lance, "penetration.Fighter", "", "0.25"}}));
    const QStringList after{model.cell(lance, range), model.cell(mine, range),
                            model.cell(lance, fighter)};
    EXPECT_EQ(after, (QStringList{"4000", "123.5", "0.25"}));
    EXPECT_EQ(model.headerData(lance, Qt::Vertical, Qt::DisplayRole), QStringLiteral("*"));
    history.undo();
    EXPECT_TRUE(allAsLoaded());
    EXPECT_EQ(model.changedCount(), 0);
    history.redo();
    EXPECT_EQ((QStringList{model.cell(lance, range), model.cell(mine, range),
                           model.cell(lance, fighter)}),
              after);
}

} // namespace
} // namespace wepn
