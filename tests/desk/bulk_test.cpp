#include "desk/bulk_edit_dialog.h"
#include "desk_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace wepn {
namespace {

class BulkTest : public DeskTest {
  protected:
    std::unique_ptr<BulkEditDialog> open(const QStringList& files, const QString& columnName) {
        select(files, columnName);
        return std::unique_ptr<BulkEditDialog>(BulkEditDialog::forSelection(
            model, history, view.selectionModel()->selectedIndexes(), &view, messages));
    }
    static void choose(BulkEditDialog& dialog, const QString& operation, const QString& operand) {
        dialog.findChild<QComboBox*>(QStringLiteral("operation"))->setCurrentText(operation);
        QLineEdit* edit = dialog.findChild<QLineEdit*>(QStringLiteral("operand"));
        edit->clear();
        QTest::keyClicks(edit, operand);
    }
};

TEST_F(BulkTest, ASelectionAcrossColumnsIsRefusedByName) {
    select({QStringLiteral("ion_lance.wepn")}, QStringLiteral("fWeaponFireRange"));
    view.selectionModel()->select(
        viewIndex(row(QStringLiteral("ion_lance.wepn")), column(QStringLiteral("fFireTime"))),
        QItemSelectionModel::Select);
    EXPECT_EQ(BulkEditDialog::forSelection(model, history, view.selectionModel()->selectedIndexes(),
                                           &view, messages),
              nullptr);
    EXPECT_EQ(messages.texts,
              QStringList{QStringLiteral("Select cells of one column to edit them together; the "
                                         "selection spans Firing Range, Fire Delay.")});
}

// Each case: the cells' files, the column, the operation and operand, the step's
// name, then the preview's lines (in the model's row order).
TEST_F(BulkTest, ThePreviewShowsEachOldAndNewAndOkMakesOneStep) {
    for (const QStringList& c : deskCases("bulk_edits.txt")) {
        const std::string name = c.join(u'|').toStdString();
        ASSERT_GE(c.size(), 6) << name;
        auto dialog = open(c[0].split(u','), c[1]);
        ASSERT_NE(dialog, nullptr) << name;
        choose(*dialog, c[2], c[3]);
        EXPECT_EQ(dialog->previewText().split(u'\n', Qt::SkipEmptyParts), c.mid(5)) << name;
        EXPECT_TRUE(allAsLoaded()) << name;
        dialog->accept();
        EXPECT_EQ(history.undoText(), c[4]) << name;
        for (const DeskCellChange& change : dialog->plannedChanges()) {
            EXPECT_EQ(model.cell(change.row, column(QString::fromStdString(change.column))),
                      QString::fromStdString(change.after))
                << name;
        }
        undoAll();
        EXPECT_TRUE(allAsLoaded()) << name;
    }
}

} // namespace
} // namespace wepn
