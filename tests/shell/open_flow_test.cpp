#include "editor/wepn_editor_main.h"
#include "shell/decompiled_data_setting.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <functional>
#include <sys/stat.h>

namespace wepn {
namespace {

class OpenFlowTest : public ShellTest {
  protected:
    QPushButton* button(const char* name) {
        return shell().frmOpen()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void openSample(const QString& name) {
        triggerOpen();
        clickRow(openList(), name);
        QTest::mouseClick(button("cmdOpen"), Qt::LeftButton);
    }
    QStringList fireNames() {
        auto* combo = window().findChild<QComboBox*>(QStringLiteral("cboWeaponEffects"));
        QStringList names;
        for (int i = 0; i < combo->count(); ++i) {
            names << combo->itemText(i);
        }
        return names;
    }
    QStringList familyRows() {
        return rows(window().findChild<QListWidget*>(QStringLiteral("lstArmorFamilies")));
    }
};

// Messages name the native path, with one separator style; only when the
// data directory itself is missing do they say where to choose it.
TEST_F(OpenFlowTest, MissingPathsAreNamedAndNoDialogIsShown) {
    const QString hint = QStringLiteral(
        "\nChoose your Data folder with Settings > Manage Directories > Decompiled Data.");
    struct Case {
        const char* name;
        const char* removed;
        const char* message;
        const char* missing;
        bool hint;
    };
    const Case cases[] = {
        {"weapon-fire folder", "Data/Scripts/Weaponfire", "The folder '%1' does not exist.",
         "Data/Scripts/Weaponfire", false},
        {"family list", "Data/Scripts/familylist.lua", "The file '%1' does not exist.",
         "Data/Scripts/familylist.lua", false},
        {"data directory", "Data", "The folder '%1' does not exist.", "Data/Scripts/Weaponfire",
         true},
    };
    for (const Case& c : cases) {
        copySampleData();
        startOnSampleData();
        restart();
        const QString removed = native(QString::fromLatin1(c.removed));
        QDir(removed).removeRecursively();
        QFile::remove(removed);
        messages.texts.clear();
        triggerOpen();
        const QString expected = QString::fromLatin1(c.message).arg(native(c.missing));
        EXPECT_EQ(messages.texts, QStringList{c.hint ? expected + hint : expected}) << c.name;
        EXPECT_FALSE(shell().frmOpen()->isVisible()) << c.name;
        EXPECT_TRUE(window().isEnabled()) << c.name;
    }
}

// A first run names the default directory as mapped through the Wine prefix.
TEST_F(OpenFlowTest, FirstRunNamesTheMappedDefaultAndWhereToChooseTheData) {
    triggerOpen();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts.front(),
              QStringLiteral("The folder '%1' does not exist.\nChoose your Data folder with "
                             "Settings > Manage Directories > Decompiled Data.")
                  .arg(native("home/.wine/dosdevices/c:/Program Files/Halcyra/Vyrheim 2/Data/"
                              "Scripts/Weaponfire")));
}

// A stored directory in Windows form is mapped once, ignoring letter case.
TEST_F(OpenFlowTest, AWindowsFormDataDirectoryIsMappedThroughTheWinePrefix) {
    QDir().mkpath(native("home/.wine/dosdevices"));
    QFile::link(root(), native("home/.wine/dosdevices/c:"));
    storeDataDirectory(QStringLiteral("c:\\DATA\\"));
    triggerOpen();
    EXPECT_EQ(messages.texts, QStringList());
    EXPECT_EQ(shell().frmOpen()->browser()->path(),
              nativeBytes("home/.wine/dosdevices/c:/Data/Weapon"));
    EXPECT_TRUE(rows(openList()).contains(QStringLiteral("ion_lance.wepn")));
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
    EXPECT_FALSE(window().isEnabled()) << "the main window is disabled while the dialog shows";
}

TEST_F(OpenFlowTest, OpenLoadsTheChosenFile) {
    startOnSampleData();
    openSample(QStringLiteral("ion_lance.wepn"));
    EXPECT_EQ(messages.texts, QStringList());
    EXPECT_EQ(shell().frmOpen()->fileName(), nativeBytes("Data/Weapon/ion_lance.wepn"));
    EXPECT_EQ(window().filePath(), native("Data/Weapon/ion_lance.wepn"));
    EXPECT_FALSE(shell().frmOpen()->isVisible());
    EXPECT_TRUE(window().isEnabled());
    EXPECT_TRUE(window().saveAsAction()->isEnabled());
}

TEST_F(OpenFlowTest, WeaponFireNamesAreTheDotlessEntriesAndAreNotRepeated) {
    QDir(native("Data/Scripts/Weaponfire")).removeRecursively();
    for (const char* dir : {"beam_blue", "BEAM_RED", "beam.old"}) {
        QDir().mkpath(native(QStringLiteral("Data/Scripts/Weaponfire/") + QLatin1String(dir)));
    }
    startOnSampleData();
    openSample(QStringLiteral("ion_lance.wepn"));
    openSample(QStringLiteral("ion_lance.wepn"));
    EXPECT_EQ(fireNames(), (QStringList{QStringLiteral("beam_blue"), QStringLiteral("BEAM_RED")}));
}

TEST_F(OpenFlowTest, CancelAndCloseOpenNothing) {
    startOnSampleData();
    for (const char* how : {"cmdCancel", "cmdOpen without a row", "close"}) {
        triggerOpen();
        if (QLatin1String(how) == QLatin1String("close")) {
            shell().frmOpen()->close();
        } else {
            QTest::mouseClick(button(QLatin1String(how).startsWith(QLatin1String("cmdOpen"))
                                         ? "cmdOpen"
                                         : "cmdCancel"),
                              Qt::LeftButton);
        }
        EXPECT_TRUE(window().isEnabled()) << how;
        EXPECT_FALSE(shell().frmOpen()->isVisible()) << how;
        EXPECT_EQ(window().filePath(), QString()) << how;
    }
}

TEST_F(OpenFlowTest, ACancelledOpenLeavesTheShownWeaponIntact) {
    startOnSampleData();
    openSample(QStringLiteral("ion_lance.wepn"));
    const QStringList families = familyRows();
    const QStringList fires = fireNames();
    writeFile(QStringLiteral("Data/Scripts/familylist.lua"), "armourfamily\nName = \"Only\"\n");
    QDir().mkpath(native("Data/Scripts/Weaponfire/added_later"));
    triggerOpen();
    QTest::mouseClick(button("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(familyRows(), families);
    EXPECT_EQ(fireNames(), fires);
}

TEST_F(OpenFlowTest, AFileThatCannotBeReadIsReported) {
    QDir().mkpath(native("Data/Weapon/folder.wepn"));
    startOnSampleData();
    openSample(QStringLiteral("folder.wepn"));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts.front().startsWith(
        QStringLiteral("Could not read '%1'.").arg(native("Data/Weapon/folder.wepn"))))
        << messages.texts.front().toStdString();
    EXPECT_EQ(window().filePath(), QString());
}

TEST_F(OpenFlowTest, AMissingWeaponDirectoryShowsItsNearestExistingAncestor) {
    QDir(native("Data/Weapon")).removeRecursively();
    startOnSampleData();
    triggerOpen();
    EXPECT_EQ(shell().frmOpen()->browser()->path(), nativeBytes("Data"));
}

TEST_F(OpenFlowTest, AWeaponOnTheCommandLineOpensLikeFileOpen) {
    startOnSampleData();
    app().start({native("Data/Weapon/ion_lance.wepn")});
    EXPECT_EQ(window().filePath(), native("Data/Weapon/ion_lance.wepn"));
    EXPECT_EQ(messages.texts, QStringList());
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

// A family list that is not a file or unreadable is named with its reason,
// and no dialog shows.
TEST_F(OpenFlowTest, FamilyListsThatCannotBeUsedAreNamedAndNoDialogIsShown) {
    startOnSampleData();
    const QString list = native("Data/Scripts/familylist.lua");
    const QString noList = QStringLiteral("The file '%1' does not exist.").arg(list);
    const struct {
        const char* name;
        std::function<void()> arrange;
        QString message;
    } cases[] = {
        {"family list is a directory",
         [&] {
             QFile::remove(list);
             QDir().mkpath(list);
         },
         QStringLiteral("Could not read '%1'.\nis a directory").arg(list)},
        {"family list is a FIFO",
         [&] {
             QFile::remove(list);
             ::mkfifo(QFile::encodeName(list).constData(), 0644);
         },
         QStringLiteral("Could not read '%1'.\nis not an ordinary file").arg(list)},
        {"family list is a dangling link",
         [&] {
             QFile::remove(list);
             QFile::link(native("nowhere"), list);
         },
         noList},
        {"unreadable family list", [&] { ::chmod(QFile::encodeName(list).constData(), 0); },
         QStringLiteral("Could not read '%1'.\nPermission denied").arg(list)},
    };
    for (const auto& c : cases) {
        if (c.message.endsWith(QStringLiteral("denied")) && ::geteuid() == 0) {
            continue; // root reads every file
        }
        QDir(list).removeRecursively();
        QFile::remove(list);
        QFile::copy(QStringLiteral(WEPN_EXAMPLES_DIR "/Scripts/familylist.lua"), list);
        QDir().mkpath(native("Data/Scripts/Weaponfire"));
        c.arrange();
        messages.texts.clear();
        triggerOpen();
        EXPECT_EQ(messages.texts, QStringList{c.message}) << c.name;
        EXPECT_FALSE(shell().frmOpen()->isVisible()) << c.name;
        EXPECT_TRUE(window().isEnabled()) << c.name;
    }
}

// A directory, a link that breaks between the listing and Open, an unreadable
// file: each is named with its reason and the window keeps what it showed.
TEST_F(OpenFlowTest, AWeaponThatCannotBeReadIsNamed) {
    QDir().mkpath(native("Data/Weapon/folder.wepn"));
    QFile::copy(native("Data/Weapon/ion_lance.wepn"), native("target.wepn"));
    QFile::link(native("target.wepn"), native("Data/Weapon/link.wepn"));
    QFile::copy(native("Data/Weapon/ion_lance.wepn"), native("Data/Weapon/locked.wepn"));
    const struct {
        const char* name;
        std::function<void()> beforeOpen;
        const char* reason;
    } cases[] = {
        {"folder.wepn", [] {}, "is a directory"},
        {"link.wepn", [&] { QFile::remove(native("target.wepn")); }, "No such file or directory"},
        {"locked.wepn",
         [&] { ::chmod(QFile::encodeName(native("Data/Weapon/locked.wepn")).constData(), 0); },
         "Permission denied"},
    };
    startOnSampleData();
    for (const auto& c : cases) {
        if (QLatin1String(c.reason) == QLatin1String("Permission denied") && ::geteuid() == 0) {
            continue; // root reads every file
        }
        const QString name = QString::fromLatin1(c.name);
        triggerOpen();
        clickRow(openList(), name);
        c.beforeOpen();
        messages.texts.clear();
        QTest::mouseClick(button("cmdOpen"), Qt::LeftButton);
        EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Could not read '%1'.\n%2")
                                                  .arg(native("Data/Weapon/" + name), c.reason)})
            << c.name;
        EXPECT_EQ(window().filePath(), QString()) << c.name;
    }
}

} // namespace
} // namespace wepn
