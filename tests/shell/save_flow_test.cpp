#include "editor/wepn_editor_main.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell/frm_save.h"
#include "shell/path_text.h"
#include "shell_fixture.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <utility>

namespace wepn {
namespace {

class SaveFlowTest : public ShellTest {
  protected:
    FrmSave* save() { return shell().frmSave(); }
    QLineEdit* nameField() { return save()->nameField(); }
    void clickSave() { QTest::mouseClick(save()->saveButton(), Qt::LeftButton); }
    void clickCancel() { QTest::mouseClick(save()->cancelButton(), Qt::LeftButton); }
    // Opens a weapon of the weapon directory through the open dialog.
    void openListed(const QString& name) {
        triggerOpen();
        clickRow(shell().frmOpen()->browser()->files(), name);
        QTest::mouseClick(shell().frmOpen()->openButton(), Qt::LeftButton);
    }
    // Opens a weapon kept outside the weapon directory, from the command line.
    void openElsewhere(const QString& folder = QStringLiteral("Data/Mods")) {
        QDir().mkpath(native(folder));
        const QString gun = native(folder + QStringLiteral("/gun.wepn"));
        QFile::copy(native("Data/Weapon/ion_lance.wepn"), gun);
        app().start({gun});
        ASSERT_EQ(window().filePath(), gun);
    }
};

// The current name is proposed in the weapon directory of the last Open, or
// beside the weapon when that lives outside the data directory.
TEST_F(SaveFlowTest, ProposesTheCurrentNameInTheWeaponDirectoryOrBesideAnOutsideWeapon) {
    startOnSampleData();
    for (const auto& [opened, proposed] :
         {std::pair{"Data/Mods", "Data/Weapon"}, std::pair{"mods/x/Weapon", "mods/x/Weapon"}}) {
        openElsewhere(QString::fromLatin1(opened));
        triggerSaveAs();
        EXPECT_EQ(nameField()->text(), QStringLiteral("gun.wepn")) << opened;
        EXPECT_EQ(save()->browser()->path(), nativeBytes(QString::fromLatin1(proposed))) << opened;
        clickCancel();
    }
}

// A name no save can replace is refused before any question, another file
// is asked about, naming its folder; the window's file stays as it was.
TEST_F(SaveFlowTest, NamesThatCannotOrShouldNotBeReplacedAreRefusedOrAskedAbout) {
    QDir().mkpath(native("Data/Weapon/Sub"));
    QFile::link(native("Data/Weapon/Sub"), native("Data/Weapon/Sub.wepn"));
    ::mkfifo(nativeBytes("Data/Weapon/pipe.wepn").c_str(), 0644);
    startOnSampleData();
    openElsewhere();
    const QString folder = native("Data/Weapon");
    for (const QStringList& cell : table("shell/save_names.txt")) {
        const std::string line = cell.join('|').toStdString();
        triggerSaveAs();
        nameField()->setText(cell[0]);
        messages.texts.clear();
        messages.answer = false;
        clickSave();
        EXPECT_EQ(messages.texts,
                  QStringList{QString(cell[2]).replace(QStringLiteral("{folder}"), folder)})
            << line;
        EXPECT_TRUE(save()->isVisible()) << line;
        EXPECT_EQ(window().filePath(), native("Data/Mods/gun.wepn")) << line;
        clickCancel();
    }
}

// A save that fails leaves the window on its file: the caption, Revert to
// Saved and the next Save As still name it.
TEST_F(SaveFlowTest, AFailedSaveKeepsTheWindowsFile) {
    startOnSampleData();
    openElsewhere();
    const QString caption = window().windowTitle();
    QLineEdit* range = window().controls().binding("fWeaponFireRange")->edit;
    const QString saved = range->text();
    range->setFocus();
    QTest::keyClicks(range, QStringLiteral("7"));
    ASSERT_TRUE(window().isModified());
    triggerSaveAs();
    nameField()->setText(QStringLiteral("missing\\new.wepn"));
    messages.texts.clear();
    clickSave();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts.front().startsWith(QStringLiteral("Save failed")));
    EXPECT_EQ(window().filePath(), native("Data/Mods/gun.wepn"));
    EXPECT_EQ(window().windowTitle(), caption);
    triggerSaveAs();
    EXPECT_EQ(nameField()->text(), QStringLiteral("gun.wepn"));
    clickCancel();
    messages.answer = true;
    window().revertAction()->trigger();
    EXPECT_EQ(range->text(), saved) << "Revert reloads the real file";
}

// Focus moving through the list (Tab, Shift+Tab) keeps the typed name; the
// arrow keys, which move the selection, take a listed one.
TEST_F(SaveFlowTest, TabbingThroughTheListKeepsTheTypedName) {
    startOnSampleData();
    openElsewhere();
    triggerSaveAs();
    QApplication::setActiveWindow(save());
    ASSERT_TRUE(QTest::qWaitForWindowActive(save()));
    nameField()->setFocus();
    nameField()->clear();
    QTest::keyClicks(nameField(), QStringLiteral("brand_new.wepn"));
    QTest::keyClick(nameField(), Qt::Key_Backtab);
    ASSERT_TRUE(save()->browser()->files()->hasFocus());
    EXPECT_EQ(nameField()->text(), QStringLiteral("brand_new.wepn")) << "Shift+Tab into the list";
    QTest::keyClick(save()->cancelButton(), Qt::Key_Tab);
    EXPECT_EQ(nameField()->text(), QStringLiteral("brand_new.wepn")) << "Tab into the list";
    QTest::keyClick(save()->browser()->files(), Qt::Key_Down);
    EXPECT_NE(nameField()->text(), QStringLiteral("brand_new.wepn")) << "an arrow key picks a row";
}

// Saving over another existing weapon asks first (No keeps it); the file
// being edited, or a typed name in another letter case, is not asked about.
TEST_F(SaveFlowTest, ReplacingAnotherFileAsksFirst) {
    startOnSampleData();
    openElsewhere();
    const auto bytesOf = [this](const char* name) {
        QFile file(native(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray rail = bytesOf("Data/Weapon/rail_driver.wepn");
    for (const bool answer : {false, true}) {
        triggerSaveAs();
        clickRow(save()->browser()->files(), QStringLiteral("rail_driver.wepn"));
        messages.texts.clear();
        messages.answer = answer;
        clickSave();
        ASSERT_FALSE(messages.texts.isEmpty()) << answer;
        EXPECT_EQ(messages.texts.first(),
                  QStringLiteral("'rail_driver.wepn' already exists in '%1'. Replace it?")
                      .arg(native("Data/Weapon")));
        EXPECT_EQ(save()->isVisible(), !answer) << "No keeps the dialog open";
        EXPECT_EQ(bytesOf("Data/Weapon/rail_driver.wepn") == rail, !answer) << answer;
        if (!answer) {
            clickCancel();
        }
    }
    // Now editing rail_driver.wepn: saving it again is not asked about.
    messages.texts.clear();
    triggerSaveAs();
    clickSave();
    EXPECT_EQ(messages.texts.size(), 1) << "only the success message";
}

// Another program's edit of the open file is not overwritten without a
// question, and is offered for reloading when the window is activated.
TEST_F(SaveFlowTest, AFileChangedOnDiskIsNotLostWithoutAQuestion) {
    const std::string gun = nativeBytes("Data/Weapon/gun.wepn");
    std::filesystem::copy_file(nativeBytes("Data/Weapon/ion_lance.wepn"), gun);
    startOnSampleData();
    openListed(QStringLiteral("gun.wepn"));
    const auto theirEdit = [&] { std::ofstream(gun, std::ios::app) << "theirs()\r\n"; };
    const QString question = QStringLiteral(
        "'gun.wepn' has been changed on disk since it was opened. Overwrite it, or Cancel?");
    for (const qsizetype choice : {-1, 0}) {
        theirEdit();
        messages.texts.clear();
        messages.choice = choice;
        triggerSaveAs();
        clickSave();
        ASSERT_FALSE(messages.texts.isEmpty()) << choice;
        EXPECT_EQ(messages.texts.first(), question) << choice;
        EXPECT_EQ(test::readFile(gun).find("theirs()") != std::string::npos, choice != 0) << choice;
        if (choice != 0) {
            clickCancel();
        }
    }
    theirEdit();
    messages.texts.clear();
    messages.answer = true;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window(), &activate);
    EXPECT_EQ(messages.texts,
              QStringList{QStringLiteral("'gun.wepn' has been changed on disk. Reload it?")});
    QApplication::sendEvent(&window(), &activate);
    EXPECT_EQ(messages.texts.size(), 1) << "asked once for each change";
}

// A file opened by odd bytes is saved back to those bytes: the proposed name
// stands for them while it is shown unchanged; a typed name is literal.
TEST_F(SaveFlowTest, OddNamesAreSavedByTheirOwnBytes) {
    const std::string odd = nativeBytes("Data/Weapon/canon_") + "\xE9.wepn";
    std::filesystem::copy_file(nativeBytes("Data/Weapon/ion_lance.wepn"), odd);
    startOnSampleData();
    openListed(QStringLiteral("canon_\u00E9.wepn"));
    ASSERT_EQ(window().filePath(), displayText(odd));

    std::filesystem::remove(odd);
    messages.texts.clear();
    triggerSaveAs();
    EXPECT_EQ(nameField()->text(), QStringLiteral("canon_\u00E9.wepn"));
    clickSave();
    EXPECT_EQ(messages.texts,
              QStringList{QStringLiteral("Successfully saved to '%1'").arg(displayText(odd))})
        << "no question: it is the file being edited";
    EXPECT_TRUE(std::filesystem::exists(odd));
    EXPECT_FALSE(QFileInfo::exists(native("Data/Weapon/canon_\u00E9.wepn")));
}

TEST_F(SaveFlowTest, TypedNamesAreWrittenAsTyped) {
    QDir().mkpath(native("Data/Weapon/Sub"));
    startOnSampleData();
    openElsewhere();
    for (const QStringList& cell : table("shell/save_typed.txt")) {
        const std::string written = nativeBytes("Data/Weapon/") + bytes(cell[1]);
        triggerSaveAs();
        nameField()->clear();
        nameField()->insert(cell[0]); // keyClicks types ASCII only
        messages.texts.clear();
        clickSave();
        EXPECT_EQ(
            messages.texts,
            QStringList{QStringLiteral("Successfully saved to '%1'").arg(displayText(written))})
            << cell[0].toStdString();
        EXPECT_TRUE(std::filesystem::is_regular_file(written)) << cell[0].toStdString();
        EXPECT_EQ(save()->fileName(), written);
        EXPECT_EQ(toFileBytes(window().filePath()), written);
        EXPECT_FALSE(save()->isVisible());
    }
}

} // namespace
} // namespace wepn
