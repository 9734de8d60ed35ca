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
// checks the cell, the step and the message; undoing gives the weapon back
// exactly as loaded.
TEST_F(EditTest, TypedCellsAreCheckedAsTheWindowChecksTheField) {
    for (const QStringList& c : deskCases("typed_cells.txt")) {
        const std::string name = c.join(u'|').toStdString();
        ASSERT_EQ(c.size(), 6) << name;
        messages.texts.clear();
        type(row(c[0]), column(c[1]), c[2]);
        EXPECT_EQ(cell(c[0], c[1]), c[3]) << name;
        EXPECT_EQ(history.undoText(), c[4]) << name;
        EXPECT_EQ(messages.texts.join(u'\n'), c[5]) << name;
        undoAll();
        EXPECT_TRUE(allAsLoaded()) << name;
    }
}

// Cells of several weapons in one step; redo after undo sets them again.
TEST_F(EditTest, OneStepOfManyCellsUndoesToTheLoadedStates) {
    const int lance = row(QStringLiteral("ion_lance.wepn"));
    const int mine = row(QStringLiteral("proximity_mine.wepn"));
    history.push(new DeskEditCommand(model, QStringLiteral("Import"),
                                     {{mine, "fWeaponFireRange", "", "123.5"},
                                      {lance, "fWeaponFireRange", "", "4000"},
                                      {lance, "penetration.Fighter", "", "0.25"}}));
    const auto cells = [&] {
        return QStringList{model.cell(lance, column(QStringLiteral("fWeaponFireRange"))),
                           model.cell(mine, column(QStringLiteral("fWeaponFireRange"))),
                           model.cell(lance, column(QStringLiteral("penetration.Fighter")))};
    };
    EXPECT_EQ(cells(), (QStringList{"4000", "123.5", "0.25"}));
    history.undo();
    EXPECT_TRUE(allAsLoaded());
    history.redo();
    EXPECT_EQ(cells(), (QStringList{"4000", "123.5", "0.25"}));
}

} // namespace
} // namespace wepn
