#include "editor/wepn_editor_main.h"
#include "shell/decompiled_data_setting.h"
#include "shell/directory_browser.h"
#include "shell/directory_tree.h"
#include "shell/editor_shell.h"
#include "shell/frm_decompiled_data_dir.h"
#include "shell/frm_open.h"
#include "shell/frm_save.h"
#include "shell_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace wepn {
namespace {

class DialogKeysTest : public ShellTest {
  protected:
    QString weapon(const char* name) { return native(QStringLiteral("Data/Weapon/") + name); }
    void doubleClickRow(QListWidget* list, const QString& text) {
        clickRow(list, text);
        const QRect rect = list->visualItemRect(list->findItems(text, Qt::MatchExactly).front());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

// Enter confirms each dialog, whichever control has the focus; a double click
// on a listed file opens it, or saves under its name.
TEST_F(DialogKeysTest, EnterAndDoubleClickConfirm) {
    startOnSampleData();
    triggerOpen();
    clickRow(openList(), QStringLiteral("ion_lance.wepn"));
    QTest::keyClick(openList(), Qt::Key_Return);
    EXPECT_FALSE(shell().frmOpen()->isVisible());
    EXPECT_EQ(window().filePath(), weapon("ion_lance.wepn"));

    triggerOpen();
    doubleClickRow(openList(), QStringLiteral("flak_burst.wepn"));
    EXPECT_FALSE(shell().frmOpen()->isVisible());
    EXPECT_EQ(window().filePath(), weapon("flak_burst.wepn"));

    triggerSaveAs();
    QLineEdit* name = shell().frmSave()->nameField();
    name->clear();
    QTest::keyClicks(name, QStringLiteral("copy.wepn"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_FALSE(shell().frmSave()->isVisible());
    EXPECT_TRUE(QFile::exists(weapon("copy.wepn")));

    triggerSaveAs();
    messages.answer = true; // replace rail_driver.wepn
    doubleClickRow(shell().frmSave()->browser()->files(), QStringLiteral("rail_driver.wepn"));
    EXPECT_FALSE(shell().frmSave()->isVisible());
    EXPECT_EQ(window().filePath(), weapon("rail_driver.wepn"));

    window().decompiledDataAction()->trigger();
    QLineEdit* field = shell().frmDecompiledDataDir()->directoryField();
    field->setText(QDir::tempPath());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(shell().frmDecompiledDataDir()->isVisible());
    EXPECT_EQ(DecompiledDataSetting().read(), QDir::tempPath());
}

// A keyboard user enters folders and goes up in both file dialogs; Enter on
// a folder row does not close the dialog.
TEST_F(DialogKeysTest, FoldersAreEnteredAndLeftByKeyboard) {
    QDir().mkpath(weapon("Sub"));
    startOnSampleData();
    app().start({weapon("ion_lance.wepn")});
    for (const char* dialog : {"open", "save"}) {
        const bool save = QLatin1String(dialog) == QLatin1String("save");
        save ? triggerSaveAs() : triggerOpen();
        QWidget* shown = save ? static_cast<QWidget*>(shell().frmSave())
                              : static_cast<QWidget*>(shell().frmOpen());
        DirectoryBrowser* browser =
            save ? shell().frmSave()->browser() : shell().frmOpen()->browser();
        for (const QStringList& cell : table("shell/dialog_folder_keys.txt")) {
            if (cell[0] != QLatin1String("both") && cell[0] != QLatin1String(dialog)) {
                continue;
            }
            const std::string step = dialog + (" " + cell.join('|').toStdString());
            auto* control = shown->findChild<QWidget*>(cell[1]);
            ASSERT_NE(control, nullptr) << step;
            const QKeyCombination key = QKeySequence::fromString(cell[2])[0];
            QTest::keyClick(control, key.key(), key.keyboardModifiers());
            QCoreApplication::processEvents();
            EXPECT_EQ(browser->path(), directory_tree::absoluteOf(nativeBytes(cell[3]))) << step;
            EXPECT_TRUE(shown->isVisible()) << step;
        }
        QTest::keyClick(shown, Qt::Key_Escape);
    }
}

} // namespace
} // namespace wepn
