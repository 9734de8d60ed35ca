// The application's File > Open given what cannot be read: a directory, a
// link that breaks between the listing and Open, an unreadable file, and a
// family list that is a directory, a dangling link or unreadable. Each is
// named in a message and the window keeps what it showed.
#include "editor_shell.h"
#include "frm_open.h"
#include "hardening_fixture.h"
#include "shell_fixture.h"
#include "wepn_editor_main.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <sys/stat.h>

namespace wepn {
namespace {

class ShellOpenFault : public ShellTest {
  protected:
    // Chooses `name` in the open dialog and presses Open; `beforeOpen` runs
    // after the name was listed and selected. Returns the messages shown.
    QStringList chooseAndOpen(const QString& name, const std::function<void()>& beforeOpen = {}) {
        startOnSampleData();
        triggerOpen();
        clickRow(openList(), name);
        if (beforeOpen) {
            beforeOpen();
        }
        messages.texts.clear();
        QTest::mouseClick(shell().frmOpen()->findChild<QPushButton*>(QStringLiteral("cmdOpen")),
                          Qt::LeftButton);
        return messages.texts;
    }
    QString couldNotRead(const QString& relative, const char* reason) const {
        return QStringLiteral("Could not read '%1'.\n%2").arg(native(relative), reason);
    }
};

TEST_F(ShellOpenFault, ADirectoryChosenAsWeaponIsNamed) {
    QDir().mkpath(native("Data/Weapon/folder.wepn"));
    EXPECT_EQ(chooseAndOpen(QStringLiteral("folder.wepn")),
              QStringList{couldNotRead("Data/Weapon/folder.wepn", "is a directory")});
    EXPECT_EQ(window().filePath(), QString());
}

TEST_F(ShellOpenFault, ALinkBrokenAfterListingIsNamed) {
    QFile::copy(native("Data/Weapon/ion_lance.wepn"), native("target.wepn"));
    QFile::link(native("target.wepn"), native("Data/Weapon/link.wepn"));
    EXPECT_EQ(chooseAndOpen(QStringLiteral("link.wepn"),
                            [this] { QFile::remove(native("target.wepn")); }),
              QStringList{couldNotRead("Data/Weapon/link.wepn", "No such file or directory")});
    EXPECT_EQ(window().filePath(), QString());
}

TEST_F(ShellOpenFault, ADanglingLinkIsNotOffered) {
    QFile::link(native("nowhere"), native("Data/Weapon/dangling.wepn"));
    startOnSampleData();
    triggerOpen();
    EXPECT_FALSE(rows(openList()).contains(QStringLiteral("dangling.wepn")));
}

TEST_F(ShellOpenFault, AnUnreadableWeaponIsNamed) {
    if (hardening::runningAsRoot()) {
        GTEST_SKIP() << "root reads every file";
    }
    ::chmod(QFile::encodeName(native("Data/Weapon/ion_lance.wepn")).constData(), 0);
    EXPECT_EQ(chooseAndOpen(QStringLiteral("ion_lance.wepn")),
              QStringList{couldNotRead("Data/Weapon/ion_lance.wepn", "Permission denied")});
    EXPECT_EQ(window().filePath(), QString());
}

TEST_F(ShellOpenFault, AFamilyListThatCannotBeReadStopsTheOpen) {
    const QString list = native("Data/Scripts/familylist.lua");
    const char* const kinds[] = {"directory", "dangling link", "FIFO", "unreadable file"};
    const char* const reasons[] = {"is a directory", "", "is not an ordinary file",
                                   "Permission denied"};
    startOnSampleData();
    for (int k = 0; k < 4; ++k) {
        const char* kind = kinds[k];
        const bool unreadable = k == 3;
        if (unreadable && hardening::runningAsRoot()) {
            continue; // root reads every file
        }
        QDir(list).removeRecursively();
        QFile::remove(list);
        if (k == 0) {
            QDir().mkpath(list);
        } else if (k == 1) {
            QFile::link(native("nowhere"), list);
        } else if (k == 2) {
            ::mkfifo(QFile::encodeName(list).constData(), 0644);
        } else {
            QFile::copy(QStringLiteral(WEPN_EXAMPLES_DIR "/Scripts/familylist.lua"), list);
            ::chmod(QFile::encodeName(list).constData(), 0);
        }
        messages.texts.clear();
        triggerOpen();
        const QString expected =
            k == 1 ? QStringLiteral("The file '%1' does not exist.").arg(list)
                   : QStringLiteral("Could not read '%1'.\n%2").arg(list, reasons[k]);
        EXPECT_EQ(messages.texts, QStringList{expected}) << kind;
        EXPECT_FALSE(shell().frmOpen()->isVisible()) << kind;
        EXPECT_TRUE(window().isEnabled()) << kind;
    }
}

} // namespace
} // namespace wepn
