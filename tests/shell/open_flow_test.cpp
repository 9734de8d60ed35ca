#include "editor/wepn_editor_main.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell_fixture.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

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

TEST_F(OpenFlowTest, MissingPathsAreNamedAndNoDialogIsShown) {
    struct Case {
        const char* name;
        const char* removed;
        bool folder;
        const char* message;
    };
    const Case cases[] = {
        {"weapon-fire folder", "Data/Scripts/Weaponfire", true, "The folder '%1' does not exist."},
        {"family list", "Data/Scripts/familylist.lua", false, "The file '%1' does not exist."},
    };
    startOnSampleData();
    for (const Case& c : cases) {
        QDir().mkpath(native("Data/Scripts/Weaponfire"));
        QFile::copy(QStringLiteral(WEPN_EXAMPLES_DIR "/Scripts/familylist.lua"),
                    native("Data/Scripts/familylist.lua"));
        restart();
        const QString removed = native(QString::fromLatin1(c.removed));
        QDir(removed).removeRecursively();
        QFile::remove(removed);
        messages.texts.clear();
        triggerOpen();
        const QString path = c.folder ? shell().paths().strWFDir : shell().paths().strFLFile;
        EXPECT_EQ(messages.texts, QStringList{QString::fromLatin1(c.message).arg(path)}) << c.name;
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
    EXPECT_EQ(shell().frmOpen()->browser()->path(), dataDir());
}

TEST_F(OpenFlowTest, ADriveThatIsNotReadyShowsAnEmptyList) {
    QDir().mkpath(native("home/.wine/dosdevices"));
    QFile::link(native("nowhere"), native("home/.wine/dosdevices/d:"));
    startOnSampleData();
    triggerOpen();
    QComboBox* drive = shell().frmOpen()->browser()->drive();
    const int index = drive->findText(QStringLiteral("D:"));
    ASSERT_GE(index, 0) << "the Wine prefix's drive is offered";
    drive->setCurrentIndex(index);
    emit drive->activated(index);
    EXPECT_EQ(shell().frmOpen()->browser()->path(), QStringLiteral("D:\\"));
    EXPECT_EQ(rows(openList()), QStringList());
    EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(OpenFlowTest, OpeningADirectoryEntryChangesThePath) {
    writeFile(QStringLiteral("Data/Weapon/sub/inner.wepn"));
    startOnSampleData();
    triggerOpen();
    QListWidget* directory = shell().frmOpen()->browser()->directory();
    const QList<QListWidgetItem*> found =
        directory->findItems(QStringLiteral("sub"), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit directory->itemActivated(found.front());
    EXPECT_EQ(shell().frmOpen()->browser()->path(), dataDir() + QStringLiteral("\\Weapon\\sub"));
    EXPECT_EQ(rows(openList()), QStringList{QStringLiteral("inner.wepn")});
}

TEST_F(OpenFlowTest, AWeaponOnTheCommandLineOpensLikeFileOpen) {
    startOnSampleData();
    app().start({native("Data/Weapon/ion_lance.wepn")});
    EXPECT_EQ(window().filePath(), native("Data/Weapon/ion_lance.wepn"));
    EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(OpenFlowTest, ACommandLineWeaponNeedsTheDataFilesToo) {
    startOnSampleData();
    QFile::remove(native("Data/Scripts/familylist.lua"));
    app().start({native("Data/Weapon/ion_lance.wepn")});
    EXPECT_EQ(messages.texts,
              QStringList{
                  QStringLiteral("The file '%1' does not exist.").arg(shell().paths().strFLFile)});
    EXPECT_EQ(window().filePath(), QString());
}

} // namespace
} // namespace wepn
