#include "editor/wepn_editor_main.h"
#include "editor/window_controls.h"
#include "shell/decompiled_data_setting.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell/path_text.h"
#include "shell_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>

namespace wepn {
namespace {

class OpenFlowTest : public ShellTest {
  protected:
    void openSample(const QString& name) {
        triggerOpen();
        clickRow(openList(), name);
        QTest::mouseClick(shell().frmOpen()->openButton(), Qt::LeftButton);
    }
    QStringList fireNames() {
        const QComboBox* combo = window().controls().weaponEffects;
        QStringList names;
        for (int i = 0; i < combo->count(); ++i) {
            names << combo->itemText(i);
        }
        return names;
    }
    QStringList familyRows() { return rows(window().controls().families.penetrationList); }
    // Something at `path` (its bytes) that cannot be used as the file it stands for.
    void arrange(const QString& kind, const std::string& path) {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::remove_all(path, ec);
        if (kind == QLatin1String("folder")) {
            fs::create_directories(path);
        } else if (kind == QLatin1String("fifo")) {
            ::mkfifo(path.c_str(), 0644);
        } else if (kind == QLatin1String("dangling link")) {
            fs::create_symlink(nativeBytes("nowhere"), path);
        } else if (kind == QLatin1String("link broken after listing")) {
            fs::copy_file(nativeBytes("Data/Weapon/ion_lance.wepn"), nativeBytes("target.wepn"));
            fs::create_symlink(nativeBytes("target.wepn"), path);
        } else if (kind == QLatin1String("unreadable")) {
            fs::copy_file(nativeBytes("Data/Weapon/ion_lance.wepn"), path);
            ::chmod(path.c_str(), 0);
        }
    }
};

// Every refusal names the native path with its reason; only when the data
// directory itself is missing does it say where to choose it.
TEST_F(OpenFlowTest, WhatCannotBeReadIsNamedAndNothingOpens) {
    for (const QStringList& cell : table("shell/open_refusals.txt")) {
        const std::string row = cell.join('|').toStdString();
        if (cell[1] == QLatin1String("unreadable") && ::geteuid() == 0) {
            continue; // root reads every file
        }
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vyrdesk")).clear();
        std::filesystem::remove_all(nativeBytes("Data"));
        copySampleData();
        if (cell[1] != QLatin1String("store nothing")) {
            storeDataDirectory(dataDir());
        }
        const std::string path = nativeBytes(QString()) + '/' + bytes(cell[2]);
        arrange(cell[1], path);
        restart();
        messages.texts.clear();
        const bool listed = cell[0] == QLatin1String("listed");
        triggerOpen();
        if (listed) {
            clickRow(openList(), displayText(std::filesystem::path(path).filename().string()));
            std::filesystem::remove(nativeBytes("target.wepn"));
            QTest::mouseClick(shell().frmOpen()->openButton(), Qt::LeftButton);
        }
        EXPECT_EQ(messages.texts,
                  QStringList{QString(cell[3]).replace("{root}", root()).replace("\\n", "\n")})
            << row;
        EXPECT_TRUE(shell().frmOpen() == nullptr || !shell().frmOpen()->isVisible()) << row;
        EXPECT_TRUE(window().isEnabled()) << row;
        EXPECT_EQ(window().filePath(), QString()) << row;
    }
}

TEST_F(OpenFlowTest, ListsNamesContainingWepnIgnoringCase) {
    QDir(native("Data/Weapon")).removeRecursively();
    writeFile(QStringLiteral("Data/Weapon/b.wepn.bak"));
    writeFile(QStringLiteral("Data/Weapon/A.WEPN"));
    writeFile(QStringLiteral("Data/Weapon/x.wep"));
    writeFile(QStringLiteral("Data/Weapon/.hidden.wepn"));
    QDir().mkpath(native("Data/Weapon/c.wepn"));
    startOnSampleData();
    triggerOpen();
    EXPECT_EQ(rows(openList()), (QStringList{QStringLiteral("A.WEPN"), QStringLiteral("b.wepn.bak"),
                                             QStringLiteral("c.wepn")}));
}

TEST_F(OpenFlowTest, OpenLoadsTheChosenFileAndItsWeaponFireNames) {
    QDir(native("Data/Scripts/Weaponfire")).removeRecursively();
    for (const char* dir : {"beam_blue", "BEAM_RED", "beam.old"}) {
        QDir().mkpath(native(QStringLiteral("Data/Scripts/Weaponfire/") + QLatin1String(dir)));
    }
    startOnSampleData();
    openSample(QStringLiteral("ion_lance.wepn"));
    openSample(QStringLiteral("ion_lance.wepn"));
    EXPECT_EQ(messages.texts, QStringList());
    EXPECT_EQ(shell().frmOpen()->fileName(), nativeBytes("Data/Weapon/ion_lance.wepn"));
    EXPECT_EQ(window().filePath(), native("Data/Weapon/ion_lance.wepn"));
    EXPECT_TRUE(window().saveAsAction()->isEnabled());
    EXPECT_EQ(fireNames(), (QStringList{QStringLiteral("beam_blue"), QStringLiteral("BEAM_RED")}))
        << "the dotless folders, not repeated";
}

TEST_F(OpenFlowTest, ACancelledOpenLeavesTheShownWeaponIntact) {
    startOnSampleData();
    openSample(QStringLiteral("ion_lance.wepn"));
    const QStringList families = familyRows();
    const QStringList fires = fireNames();
    writeFile(QStringLiteral("Data/Scripts/familylist.lua"), "armourfamily\nName = \"Only\"\n");
    QDir().mkpath(native("Data/Scripts/Weaponfire/added_later"));
    triggerOpen();
    QTest::mouseClick(shell().frmOpen()->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(familyRows(), families);
    EXPECT_EQ(fireNames(), fires);
}

TEST_F(OpenFlowTest, AMissingWeaponDirectoryShowsItsNearestExistingAncestor) {
    QDir(native("Data/Weapon")).removeRecursively();
    startOnSampleData();
    triggerOpen();
    EXPECT_EQ(shell().frmOpen()->browser()->path(), nativeBytes("Data"));
}

// A weapon asked for on the command line opens whatever the data directory:
// on a first run the data tree around it serves, else it shows the families
// it names, and the status bar says which.
TEST_F(OpenFlowTest, ACommandLineWeaponOpensAndTheStatusBarSaysWithWhichData) {
    const QString wine = native("home/.wine/dosdevices/c:/Program Files/Halcyra/Vyrheim 2/Data");
    for (const QStringList& cell : table("shell/command_line_weapons.txt")) {
        const std::string row = cell.join('|').toStdString();
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vyrdesk")).clear();
        copySampleData();
        QDir().mkpath(native("loose"));
        QFile::copy(native("Data/Weapon/ion_lance.wepn"), native("loose/ion_lance.wepn"));
        QFile::remove(native(cell[2]));
        if (cell[1] != QLatin1String("-")) {
            storeDataDirectory(native(cell[1]));
        }
        restart();
        messages.texts.clear();
        app().start({native(cell[0])});
        EXPECT_EQ(messages.texts, QStringList()) << row;
        EXPECT_EQ(window().filePath(), native(cell[0])) << row;
        const auto* notice = window().statusBar()->findChild<QLabel*>(QStringLiteral("Notice"));
        EXPECT_EQ(notice ? notice->text() : QString(),
                  QString(cell[3]).replace("{Data}", dataDir()).replace("{default}", wine))
            << row;
        EXPECT_FALSE(familyRows().isEmpty()) << row;
        EXPECT_FALSE(familyRows().join('|').contains(QStringLiteral(" - N"))) << row;
        auto* keep =
            window().statusBar()->findChild<QPushButton*>(QStringLiteral("KeepDataFolder"));
        ASSERT_EQ(keep != nullptr, cell[3].startsWith(QStringLiteral("Using"))) << row;
        if (keep != nullptr) {
            EXPECT_FALSE(DecompiledDataSetting().isStored());
            QTest::mouseClick(keep, Qt::LeftButton);
            EXPECT_EQ(DecompiledDataSetting().read(), dataDir());
            EXPECT_EQ(notice->text(),
                      QStringLiteral("'%1' is kept as the data folder; Settings > Manage "
                                     "Directories > Decompiled Data changes it.")
                          .arg(dataDir()));
        }
    }
}

} // namespace
} // namespace wepn
