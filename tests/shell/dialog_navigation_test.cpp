// The open dialog's drive selector, directory list and file list on a Linux
// machine: real drives only, ancestors to click, a fresh listing every time,
// and names with any bytes listed, entered and opened.
#include "editor/wepn_editor_main.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell/path_text.h"
#include "shell_fixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

namespace wepn {
namespace {

class DialogNavigationTest : public ShellTest {
  protected:
    DirectoryBrowser* browser() { return shell().frmOpen()->browser(); }
    QStringList drives() {
        QStringList labels;
        for (int i = 0; i < browser()->drive()->count(); ++i) {
            labels << browser()->drive()->itemText(i);
        }
        return labels;
    }
    QStringList directoryNames() {
        QStringList names;
        for (const QString& row : rows(browser()->directory())) {
            names << row.trimmed();
        }
        return names;
    }
    // Clicks the directory row showing `text` (indentation left out) and lets
    // the dialog go there.
    void clickDirectory(const QString& text) {
        QListWidget* list = browser()->directory();
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->text().trimmed() == text) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(i)).center());
                QCoreApplication::processEvents();
                return;
            }
        }
        ADD_FAILURE() << "no directory row " << text.toStdString();
    }
    void pressOpen() { QTest::mouseClick(shell().frmOpen()->openButton(), Qt::LeftButton); }
    // A copy of a sample weapon at a path given as bytes.
    void copyWeaponTo(const std::string& path) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::filesystem::copy_file(nativeBytes("Data/Weapon/ion_lance.wepn"), path);
    }
};

// "/", the home folder, and each Wine drive with the folder it maps to; the
// one holding the shown folder is selected, and nothing is ever added.
TEST_F(DialogNavigationTest, DrivesAreTheRootTheHomeAndTheWineDrives) {
    QDir().mkpath(native("home/.wine/drive_c/Data"));
    QDir().mkpath(native("home/.wine/dosdevices"));
    QFile::link(QStringLiteral("../drive_c"), native("home/.wine/dosdevices/c:"));
    QFile::link(native("nowhere"), native("home/.wine/dosdevices/d:"));
    QDir().mkpath(native("home/games"));
    QFile::link(dataDir(), native("home/games/Data"));
    QFile::link(dataDir(), native("home/.wine/drive_c/Data/Data"));
    const QStringList expected{QStringLiteral("/"), native("home"),
                               QStringLiteral("C: ") + native("home/.wine/drive_c"),
                               QStringLiteral("D: ") + native("nowhere")};
    struct Case {
        QString dataDir;
        int selected;
    };
    const Case cases[] = {
        {dataDir(), 0},
        {native("home/games/Data"), 1},
        {QStringLiteral("C:\\Data\\Data"), 2},
        {native("home/.wine/drive_c/Data/Data"), 2},
    };
    for (const Case& c : cases) {
        storeDataDirectory(c.dataDir);
        restart();
        triggerOpen();
        EXPECT_EQ(drives(), expected) << c.dataDir.toStdString();
        EXPECT_EQ(browser()->drive()->currentIndex(), c.selected) << c.dataDir.toStdString();
        clickDirectory(QStringLiteral("Data"));
        EXPECT_EQ(drives(), expected) << "after a change, " << c.dataDir.toStdString();
        shell().frmOpen()->close();
    }
    // A drive that is not ready shows an empty list, without a message.
    triggerOpen();
    browser()->drive()->setCurrentIndex(3);
    emit browser()->drive()->activated(3);
    EXPECT_EQ(browser()->path(), nativeBytes("home/.wine/dosdevices/d:"));
    EXPECT_EQ(rows(openList()), QStringList());
    EXPECT_EQ(messages.texts, QStringList());
}

// The shown folder's ancestors from the drive's root down, one indented row
// each, then its sub-folders; a click on any of them goes there.
TEST_F(DialogNavigationTest, TheDirectoryListShowsAncestorsAndSubfolders) {
    QDir().mkpath(native("home/games"));
    QDir(native("Data")).rename(native("Data"), native("home/games/Data"));
    writeFile(QStringLiteral("home/games/Data/Weapon/sub/inner.wepn"));
    QDir().mkpath(native("home/games/Data/Weapon/Beta"));
    storeDataDirectory(native("home/games/Data"));
    triggerOpen();
    EXPECT_EQ(rows(browser()->directory()),
              (QStringList{native("home"), QStringLiteral("  games"), QStringLiteral("    Data"),
                           QStringLiteral("      Weapon"), QStringLiteral("        Beta"),
                           QStringLiteral("        sub")}));
    EXPECT_EQ(browser()->directory()->currentRow(), 3) << "the shown folder is the current row";

    clickDirectory(QStringLiteral("sub"));
    EXPECT_EQ(browser()->path(), nativeBytes("home/games/Data/Weapon/sub"));
    EXPECT_EQ(rows(openList()), QStringList{QStringLiteral("inner.wepn")});

    clickDirectory(QStringLiteral("games"));
    EXPECT_EQ(browser()->path(), nativeBytes("home/games"));
    EXPECT_EQ(rows(browser()->directory()),
              (QStringList{native("home"), QStringLiteral("  games"), QStringLiteral("    Data")}));

    clickDirectory(native("home"));
    EXPECT_EQ(browser()->path(), nativeBytes("home"));
}

// A double click is a click and a second press on the refilled list, where
// another folder may now lie under the pointer: it goes one level only.
TEST_F(DialogNavigationTest, ADoubleClickGoesToTheFolderOnce) {
    std::filesystem::create_directories(nativeBytes("Data/Weapon/deeper"));
    startOnSampleData();
    triggerOpen();
    clickDirectory(QStringLiteral("Data"));
    QListWidget* list = browser()->directory();
    const QList<QListWidgetItem*> weapon =
        list->findItems(QStringLiteral("Weapon"), Qt::MatchEndsWith);
    ASSERT_EQ(weapon.size(), 1);
    const QPoint at = list->visualItemRect(weapon.front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    ASSERT_EQ(browser()->path(), nativeBytes("Data/Weapon"));
    ASSERT_EQ(list->itemAt(at)->text().trimmed(), QStringLiteral("deeper"))
        << "the second press lands on a sub-folder";
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    EXPECT_EQ(browser()->path(), nativeBytes("Data/Weapon"));
}

// Every showing lists the folder afresh, also when it is the same folder.
TEST_F(DialogNavigationTest, EveryShowingListsTheFolderAfresh) {
    startOnSampleData();
    triggerOpen();
    ASSERT_TRUE(rows(openList()).contains(QStringLiteral("ion_lance.wepn")));
    shell().frmOpen()->close();
    writeFile(QStringLiteral("Data/Weapon/just_saved.wepn"));
    QFile::remove(native("Data/Weapon/ion_lance.wepn"));
    QDir().mkpath(native("Data/Weapon/new_folder"));
    triggerOpen();
    EXPECT_TRUE(rows(openList()).contains(QStringLiteral("just_saved.wepn")));
    EXPECT_FALSE(rows(openList()).contains(QStringLiteral("ion_lance.wepn")));
    EXPECT_TRUE(directoryNames().contains(QStringLiteral("new_folder")));
}

// Names with any bytes are shown for the eye and opened by their own bytes,
// in folders whose names are just as odd.
TEST_F(DialogNavigationTest, OddNamesAreListedEnteredAndOpened) {
    startOnSampleData();
    for (const QStringList& cell : table("shell/odd_names.txt")) {
        const std::string row = cell.join('|').toStdString();
        const bool sub = cell[0] != QLatin1String("-");
        const std::string folder = nativeBytes("Data/Weapon") + (sub ? "/" + bytes(cell[0]) : "");
        const std::string path = folder + "/" + bytes(cell[1]);
        copyWeaponTo(path);
        messages.texts.clear();
        triggerOpen();
        if (sub) {
            clickDirectory(cell[2]);
            EXPECT_EQ(browser()->path(), folder) << row;
        }
        clickRow(openList(), cell[3]);
        pressOpen();
        EXPECT_EQ(messages.texts, QStringList()) << row;
        EXPECT_EQ(shell().frmOpen()->fileName(), path) << row;
        EXPECT_EQ(window().filePath(), displayText(path)) << row;
        std::filesystem::remove(path);
    }
}

} // namespace
} // namespace wepn
