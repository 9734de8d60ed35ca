#include "editor/wepn_editor_main.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell_fixture.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace wepn {
namespace {

class OpenFlowTest : public ShellTest {
  protected:
    void click(const char* name) {
        QTest::mouseClick(shell().frmOpen()->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }
    void openSample(const QString& name) {
        triggerOpen();
        clickRow(openList(), name);
        click("cmdOpen");
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

// A missing weapon-fire folder, and a family list that is missing, not a
// file or unreadable: each is named with its reason, and no dialog shows.
TEST_F(OpenFlowTest, DataFilesThatCannotBeUsedAreNamedAndNoDialogIsShown) {
    startOnSampleData();
    const QString list = native("Data/Scripts/familylist.lua");
    const QString noList =
        QStringLiteral("The file '%1' does not exist.").arg(shell().paths().strFLFile);
    const struct {
        const char* name;
        std::function<void()> arrange;
        QString message;
    } cases[] = {
        {"missing weapon-fire folder",
         [&] { QDir(native("Data/Scripts/Weaponfire")).removeRecursively(); },
         QStringLiteral("The folder '%1' does not exist.").arg(shell().paths().strWFDir)},
        {"missing family list", [&] { QFile::remove(list); }, noList},
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

TEST_F(OpenFlowTest, ListsNamesContainingWepnIgnoringCase) {
    QDir(native("Data/Weapon")).removeRecursively();
    writeFile(QStringLiteral("Data/Weapon/b.wepn.bak"));
    writeFile(QStringLiteral("Data/Weapon/A.WEPN"));
    writeFile(QStringLiteral("Data/Weapon/x.wep"));
    writeFile(QStringLiteral("Data/Weapon/.hidden.wepn"));
    QFile::link(native("nowhere"), native("Data/Weapon/dangling.wepn"));
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
    EXPECT_EQ(shell().frmOpen()->fileName(),
              dataDir() + QStringLiteral("\\Weapon\\ion_lance.wepn"));
    EXPECT_EQ(window().filePath(), native("Data/Weapon/ion_lance.wepn"));
    EXPECT_FALSE(shell().frmOpen()->isVisible());
    EXPECT_TRUE(window().isEnabled());
    EXPECT_TRUE(window().saveAsAction()->isEnabled());
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
        click("cmdOpen");
        EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Could not read '%1'.\n%2")
                                                  .arg(native("Data/Weapon/" + name), c.reason)})
            << c.name;
        EXPECT_EQ(window().filePath(), QString()) << c.name;
    }
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

TEST_F(OpenFlowTest, CancelAndCloseOpenNothingAndKeepTheShownWeapon) {
    startOnSampleData();
    for (const char* how : {"cmdCancel", "cmdOpen", "close"}) {
        triggerOpen();
        if (QLatin1String(how) == QLatin1String("close")) {
            shell().frmOpen()->close();
        } else {
            click(how); // no row is selected: Open cancels
        }
        EXPECT_TRUE(window().isEnabled()) << how;
        EXPECT_FALSE(shell().frmOpen()->isVisible()) << how;
        EXPECT_EQ(window().filePath(), QString()) << how;
    }
    openSample(QStringLiteral("ion_lance.wepn"));
    const QStringList families = familyRows();
    const QStringList fires = fireNames();
    writeFile(QStringLiteral("Data/Scripts/familylist.lua"), "armourfamily\nName = \"Only\"\n");
    QDir().mkpath(native("Data/Scripts/Weaponfire/added_later"));
    triggerOpen();
    click("cmdCancel");
    EXPECT_EQ(familyRows(), families) << "a cancelled Open changes nothing shown";
    EXPECT_EQ(fireNames(), fires);
}

TEST_F(OpenFlowTest, BrowsingDirectoriesAndDrives) {
    writeFile(QStringLiteral("Data/Weapon/sub/inner.wepn"));
    QDir().mkpath(native("home/.wine/dosdevices"));
    QFile::link(native("nowhere"), native("home/.wine/dosdevices/d:"));
    startOnSampleData();
    triggerOpen();
    DirectoryBrowser* browser = shell().frmOpen()->browser();
    const QList<QListWidgetItem*> found =
        browser->directory()->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit browser->directory()->itemActivated(found.front());
    EXPECT_EQ(browser->path(), dataDir() + QStringLiteral("\\Weapon\\sub"));
    EXPECT_EQ(rows(openList()), QStringList{QStringLiteral("inner.wepn")});

    // A drive that is not ready shows an empty list and no message.
    QComboBox* drive = browser->drive();
    const int index = drive->findText(QStringLiteral("D:"));
    ASSERT_GE(index, 0) << "the Wine prefix's drive is offered";
    drive->setCurrentIndex(index);
    emit drive->activated(index);
    EXPECT_EQ(browser->path(), QStringLiteral("D:\\"));
    EXPECT_EQ(rows(openList()), QStringList());
    EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(OpenFlowTest, AMissingWeaponDirectoryShowsItsNearestExistingAncestor) {
    QDir(native("Data/Weapon")).removeRecursively();
    startOnSampleData();
    triggerOpen();
    EXPECT_EQ(shell().frmOpen()->browser()->path(), dataDir());
}

TEST_F(OpenFlowTest, AWeaponOnTheCommandLineOpensLikeFileOpen) {
    startOnSampleData();
    app().start({native("Data/Weapon/ion_lance.wepn")});
    EXPECT_EQ(window().filePath(), native("Data/Weapon/ion_lance.wepn"));
    EXPECT_EQ(messages.texts, QStringList());

    restart();
    QFile::remove(native("Data/Scripts/familylist.lua"));
    app().start({native("Data/Weapon/ion_lance.wepn")});
    EXPECT_EQ(
        messages.texts,
        QStringList{QStringLiteral("The file '%1' does not exist.").arg(shell().paths().strFLFile)})
        << "it needs the data files too";
    EXPECT_EQ(window().filePath(), QString());
}

} // namespace
} // namespace wepn
