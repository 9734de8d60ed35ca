#include "editor/wepn_editor_main.h"
#include "shell/decompiled_data_setting.h"
#include "shell/editor_application.h"
#include "shell/editor_shell.h"
#include "shell/frm_decompiled_data_dir.h"
#include "shell_fixture.h"

#include <QAction>
#include <QFile>
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
        dialog->directoryField()->clear();
        QTest::keyClicks(dialog->directoryField(), text);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    }
    QString shownText(FrmDecompiledDataDir* dialog) { return dialog->directoryField()->text(); }
};

TEST_F(DataDirectoryTest, FirstRunUsesTheDefaultAndStoresNothing) {
    const QString fallback = QStringLiteral("C:\\Program Files\\Halcyra\\Vyrheim 2\\Data");
    const std::string mapped =
        nativeBytes("home/.wine/dosdevices/c:/Program Files/Halcyra/Vyrheim 2/Data");
    EXPECT_EQ(shell().paths().strDataDir, fallback);
    EXPECT_EQ(shell().paths().strWEPNDir, mapped + "/Weapon");
    EXPECT_EQ(shell().paths().strWFDir, mapped + "/Scripts/Weaponfire");
    EXPECT_EQ(shell().paths().strFLFile, mapped + "/Scripts/familylist.lua");
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

// The folder is stored as typed; the paths derived from it at the next start
// are native, with one "/" between the folder and each name.
TEST_F(DataDirectoryTest, StoresAConfirmedFolderAsTyped) {
    QDir().mkpath(native("home/.wine/dosdevices"));
    QFile::link(root(), native("home/.wine/dosdevices/c:"));
    struct Case {
        QString typed;
        std::string weaponDir;
    };
    const Case cases[] = {
        {QStringLiteral("C:\\data\\"), nativeBytes("home/.wine/dosdevices/c:/Data/Weapon")},
        {dataDir() + QStringLiteral("/"), nativeBytes("Data/Weapon")},
        {dataDir(), nativeBytes("Data/Weapon")},
    };
    for (const Case& c : cases) {
        restart();
        const std::string startUpWeaponDir = shell().paths().strWEPNDir;
        FrmDecompiledDataDir* dialog = openDialog();
        confirm(dialog, c.typed);
        EXPECT_FALSE(dialog->isVisible()) << c.typed.toStdString();
        EXPECT_TRUE(window().isEnabled());
        EXPECT_EQ(shell().paths().strDataDir, c.typed);
        EXPECT_EQ(shell().paths().strWEPNDir, startUpWeaponDir)
            << "derived paths keep their start-up values";
        EXPECT_EQ(DecompiledDataSetting().read(), c.typed);

        restart();
        EXPECT_EQ(shell().paths().strWEPNDir, c.weaponDir) << c.typed.toStdString();
    }
}

// scripts/run seeds the sample directory through the program, so QSettings
// reads back any path it was given; a stored directory is kept.
TEST_F(DataDirectoryTest, ASeededDirectoryRoundTripsAndNeverReplacesAStoredOne) {
    const QString odd = QStringLiteral("/src/a,b\\C:\\Games\\Data; x=\"y\" %41");
    EXPECT_EQ(EditorApplication::seedDataDirectory(
                  {QStringLiteral("--seed-data-dir"), odd, QStringLiteral("gun.wepn")}),
              QStringList{QStringLiteral("gun.wepn")});
    EXPECT_EQ(DecompiledDataSetting().read(), odd);
    EditorApplication::seedDataDirectory({QStringLiteral("--seed-data-dir"), dataDir()});
    EXPECT_EQ(DecompiledDataSetting().read(), odd) << "the stored directory is kept";
}

} // namespace
} // namespace wepn
