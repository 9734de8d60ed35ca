// What the three dialogs share: the main window is disabled while one shows,
// and every way out but the confirming one changes nothing.
#include "editor/wepn_editor_main.h"
#include "shell/decompiled_data_setting.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_decompiled_data_dir.h"
#include "shell/frm_open.h"
#include "shell/frm_save.h"
#include "shell_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace wepn {
namespace {

TEST_F(ShellTest, EveryWayOutOfADialogButConfirmingChangesNothing) {
    startOnSampleData();
    const QString weapon = native("Data/Weapon/ion_lance.wepn");
    app().start({weapon});
    const QStringList folder = QDir(native("Data/Weapon")).entryList();
    const QString stored = DecompiledDataSetting().read();
    for (const QStringList& cell : table("shell/dialog_dismissals.txt")) {
        const std::string row = cell.join('|').toStdString();
        QWidget* dialog = nullptr;
        QWidget* focused = nullptr;
        QPushButton* cancel = nullptr;
        std::function<void()> confirmEmpty;
        if (cell[0] == QLatin1String("open")) {
            triggerOpen();
            FrmOpen* open = shell().frmOpen();
            clickRow(openList(), QStringLiteral("rail_driver.wepn"));
            dialog = open;
            focused = openList();
            cancel = open->cancelButton();
            confirmEmpty = [open] {
                open->browser()->files()->clearSelection();
                QTest::mouseClick(open->openButton(), Qt::LeftButton);
            };
        } else if (cell[0] == QLatin1String("save")) {
            triggerSaveAs();
            FrmSave* save = shell().frmSave();
            save->nameField()->setText(QStringLiteral("copy.wepn"));
            dialog = save;
            focused = save->nameField();
            cancel = save->cancelButton();
            confirmEmpty = [save] {
                save->nameField()->clear();
                QTest::mouseClick(save->saveButton(), Qt::LeftButton);
            };
        } else {
            window().decompiledDataAction()->trigger();
            FrmDecompiledDataDir* data = shell().frmDecompiledDataDir();
            data->directoryField()->setText(QDir::tempPath());
            dialog = data;
            focused = data->directoryField();
            cancel = data->cancelButton();
        }
        ASSERT_TRUE(dialog->isVisible()) << row;
        EXPECT_FALSE(window().isEnabled()) << row << ": disabled while the dialog shows";
        messages.texts.clear();
        if (cell[1] == QLatin1String("Cancel")) {
            QTest::mouseClick(cancel, Qt::LeftButton);
        } else if (cell[1] == QLatin1String("Escape")) {
            QTest::keyClick(focused, Qt::Key_Escape);
        } else if (cell[1] == QLatin1String("close box")) {
            dialog->close();
        } else {
            confirmEmpty();
        }
        EXPECT_FALSE(dialog->isVisible()) << row;
        EXPECT_TRUE(window().isEnabled()) << row;
        EXPECT_EQ(messages.texts, QStringList()) << row;
        EXPECT_EQ(window().filePath(), weapon) << row;
        EXPECT_FALSE(window().isModified()) << row;
        EXPECT_EQ(QDir(native("Data/Weapon")).entryList(), folder) << row;
        EXPECT_EQ(DecompiledDataSetting().read(), stored) << row;
    }
}

} // namespace
} // namespace wepn
