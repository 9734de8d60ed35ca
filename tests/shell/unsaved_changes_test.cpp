#include "editor/wepn_editor_main.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell/frm_save.h"
#include "shell_fixture.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <functional>
#include <vector>

namespace wepn {
namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Trigger {
    const char* name;
    bool closes; // false: opens rail_driver.wepn instead
    std::function<void()> run;
};

class UnsavedChangesTest : public ShellTest {
  protected:
    // The four ways to leave the weapon being edited.
    std::vector<Trigger> triggers() {
        return {
            {"File > Exit", true, [this] { window().exitAction()->trigger(); }},
            {"close box", true, [this] { window().close(); }},
            {"File > Open", false, [this] { pickInOpenDialog("rail_driver.wepn"); }},
            {"drop", false, [this] { drop(weapon("rail_driver.wepn")); }},
        };
    }
    QString weapon(const char* name) { return native(QStringLiteral("Data/Weapon/") + name); }
    QLineEdit* range() { return window().controls().binding("fWeaponFireRange")->edit; }
    // A fresh run on the sample data with ion_lance.wepn open and edited.
    void openAndEdit() {
        storeDataDirectory(dataDir());
        restart();
        app().start({weapon("ion_lance.wepn")});
        ASSERT_EQ(window().filePath(), weapon("ion_lance.wepn"));
        range()->setFocus();
        QTest::keyClicks(range(), QStringLiteral("7"));
        ASSERT_TRUE(window().isModified());
    }
    void drop(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        // Straight to the window: the application passes drops on only
        // during a drag the platform started.
        static_cast<QObject&>(window()).event(&event);
        EXPECT_TRUE(event.isAccepted());
    }
    void pickInOpenDialog(const char* name) {
        triggerOpen();
        clickRow(openList(), QString::fromLatin1(name));
        QTest::mouseClick(shell().frmOpen()->openButton(), Qt::LeftButton);
    }
};

TEST_F(UnsavedChangesTest, CancelKeepsWindowFileAndCaption) {
    openAndEdit();
    const QString caption = window().windowTitle();
    const QString edited = range()->text();
    const QByteArray onDisk = contents(weapon("ion_lance.wepn"));
    for (const Trigger& trigger : triggers()) {
        messages.texts.clear();
        messages.choice = -1;
        trigger.run();
        EXPECT_EQ(messages.texts, QStringList{"Save changes to 'ion_lance.wepn'?"}) << trigger.name;
        EXPECT_TRUE(window().isVisible()) << trigger.name;
        EXPECT_EQ(window().filePath(), weapon("ion_lance.wepn")) << trigger.name;
        EXPECT_EQ(window().windowTitle(), caption) << trigger.name;
        EXPECT_TRUE(window().isModified()) << trigger.name;
        EXPECT_EQ(range()->text(), edited) << trigger.name;
        EXPECT_EQ(contents(weapon("ion_lance.wepn")), onDisk) << trigger.name;
    }
}

TEST_F(UnsavedChangesTest, DiscardLosesOnlyTheEdit) {
    for (const Trigger& trigger : triggers()) {
        openAndEdit();
        const QByteArray onDisk = contents(weapon("ion_lance.wepn"));
        messages.choice = 1;
        trigger.run();
        EXPECT_EQ(window().isVisible(), !trigger.closes) << trigger.name;
        if (!trigger.closes) {
            EXPECT_EQ(window().filePath(), weapon("rail_driver.wepn")) << trigger.name;
            EXPECT_FALSE(window().isModified()) << trigger.name;
        }
        EXPECT_EQ(contents(weapon("ion_lance.wepn")), onDisk) << trigger.name;
    }
}

TEST_F(UnsavedChangesTest, SaveAsGoesThroughTheSaveDialogThenContinues) {
    for (const Trigger& trigger : triggers()) {
        openAndEdit();
        const QString edited = range()->text();
        messages.choice = 0;
        trigger.run();
        ASSERT_NE(shell().frmSave(), nullptr) << trigger.name;
        ASSERT_TRUE(shell().frmSave()->isVisible()) << trigger.name;
        EXPECT_TRUE(window().isVisible()) << trigger.name << ": nothing goes on before the save";
        QTest::mouseClick(shell().frmSave()->saveButton(), Qt::LeftButton);
        EXPECT_TRUE(contents(weapon("ion_lance.wepn")).contains(edited.toLatin1())) << trigger.name;
        EXPECT_EQ(window().isVisible(), !trigger.closes) << trigger.name;
        if (!trigger.closes) {
            EXPECT_EQ(window().filePath(), weapon("rail_driver.wepn")) << trigger.name;
        }
        copySampleData();
    }
}

TEST_F(UnsavedChangesTest, DropOfOneWeaponOpensItWithoutAQuestionWhenUnchanged) {
    startOnSampleData();
    drop(weapon("rail_driver.wepn"));
    EXPECT_EQ(window().filePath(), weapon("rail_driver.wepn"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('|').toStdString();
    EXPECT_TRUE(WepnEditor_Main::droppedWeapon(nullptr).isEmpty());
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(weapon("a.wepn")), QUrl::fromLocalFile(weapon("b.wepn"))});
    EXPECT_TRUE(WepnEditor_Main::droppedWeapon(&two).isEmpty()) << "one file only";
}

TEST_F(UnsavedChangesTest, RevertAsksAndReloadsFromDisk) {
    openAndEdit();
    const QString edited = range()->text();
    messages.answer = false;
    window().revertAction()->trigger();
    EXPECT_EQ(range()->text(), edited);
    messages.answer = true;
    window().revertAction()->trigger();
    EXPECT_NE(range()->text(), edited);
    EXPECT_FALSE(window().isModified());
}

} // namespace
} // namespace wepn
