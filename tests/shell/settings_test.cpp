#include "editor/wepn_editor_main.h"
#include "shell/decompiled_data_setting.h"
#include "shell/editor_shell.h"
#include "shell/frm_decompiled_data_dir.h"
#include "shell_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace wepn {
namespace {

class DataDirectoryTest : public ShellTest {
  protected:
    FrmDecompiledDataDir* openDialog() {
        window().decompiledDataAction()->trigger();
        return shell().frmDecompiledDataDir();
    }
    void confirm(FrmDecompiledDataDir* dialog, const QString& text) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("txtDataDir"));
        field->clear();
        QTest::keyClicks(field, text);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    }
    QString shownText(FrmDecompiledDataDir* dialog) {
        return dialog->findChild<QLineEdit*>(QStringLiteral("txtDataDir"))->text();
    }
};

TEST_F(DataDirectoryTest, FirstRunUsesTheDefaultAndStoresNothing) {
    const QString fallback = QStringLiteral("C:\\Program Files\\Halcyra\\Vyrheim 2\\Data");
    EXPECT_EQ(shell().paths().strDataDir, fallback);
    EXPECT_EQ(shell().paths().strWEPNDir, fallback + QStringLiteral("\\Weapon"));
    EXPECT_EQ(shell().paths().strWFDir, fallback + QStringLiteral("\\Scripts\\Weaponfire"));
    EXPECT_EQ(shell().paths().strFLFile, fallback + QStringLiteral("\\Scripts\\familylist.lua"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Vyr Weapon Editor 1.4.4"));
    EXPECT_FALSE(settingsFileExists()) << "nothing is written at start-up";
}

TEST_F(DataDirectoryTest, DialogShowsTheStoredDirectoryOrTheDefaultWhenItIsMissing) {
    startOnSampleData();
    EXPECT_EQ(shownText(openDialog()), dataDir());
    storeDataDirectory(dataDir() + QStringLiteral("\\gone"));
    restart();
    EXPECT_EQ(shownText(openDialog()), DecompiledDataSetting::defaultDirectory());
}

TEST_F(DataDirectoryTest, MainWindowIsDisabledUntilTheDialogCloses) {
    FrmDecompiledDataDir* dialog = openDialog();
    EXPECT_FALSE(window().isEnabled()) << "while shown";
    EXPECT_TRUE(dialog->isVisible());
    dialog->close();
    EXPECT_TRUE(window().isEnabled()) << "after closing";
    EXPECT_FALSE(settingsFileExists()) << "closing is cancelling";
}

TEST_F(DataDirectoryTest, RefusesAMissingFolder) {
    FrmDecompiledDataDir* dialog = openDialog();
    const QString missing = dataDir() + QStringLiteral("\\nowhere");
    confirm(dialog, missing);
    EXPECT_EQ(messages.texts,
              QStringList{QStringLiteral("That folder does not exist, please try again.")});
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
    EXPECT_EQ(shownText(dialog), missing) << "the text stays as typed";
    EXPECT_FALSE(settingsFileExists());
}

TEST_F(DataDirectoryTest, StoresAConfirmedFolderWithItsTrailingBackslash) {
    FrmDecompiledDataDir* dialog = openDialog();
    const QString typed = dataDir() + QStringLiteral("\\");
    confirm(dialog, typed);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window().isEnabled());
    EXPECT_EQ(shell().paths().strDataDir, typed);
    EXPECT_EQ(shell().paths().strWEPNDir,
              DecompiledDataSetting::defaultDirectory() + QStringLiteral("\\Weapon"))
        << "derived paths keep their start-up values";
    EXPECT_EQ(DecompiledDataSetting().read(), typed);

    restart();
    EXPECT_EQ(shell().paths().strWEPNDir, dataDir() + QStringLiteral("\\\\Weapon"))
        << "after the next start";
}

} // namespace
} // namespace wepn
