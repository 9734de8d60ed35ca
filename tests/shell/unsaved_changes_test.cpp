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

// Each way to leave an edited weapon asks first: Cancel keeps the window, its
// file, caption and edit; Discard loses only the edit; Save goes through the
// save dialog, then goes on.
TEST_F(UnsavedChangesTest, LeavingAnEditedWeaponAsksFirst) {
    for (const Trigger& trigger : triggers()) {
        for (const qsizetype choice : {-1, 1, 0}) {
            const std::string what = trigger.name + (" " + std::to_string(choice));
            openAndEdit();
            const QString caption = window().windowTitle();
            const QString edited = range()->text();
            const QByteArray onDisk = contents(weapon("ion_lance.wepn"));
            messages.texts.clear();
            messages.choice = choice;
            trigger.run();
            EXPECT_EQ(messages.texts, QStringList{"Save changes to 'ion_lance.wepn'?"}) << what;
            if (choice == 0) {
                ASSERT_TRUE(shell().frmSave() != nullptr && shell().frmSave()->isVisible()) << what;
                EXPECT_TRUE(window().isVisible()) << what << ": nothing goes on before the save";
                QTest::mouseClick(shell().frmSave()->saveButton(), Qt::LeftButton);
            }
            EXPECT_EQ(contents(weapon("ion_lance.wepn")).contains(edited.toLatin1()), choice == 0)
                << what;
            EXPECT_EQ(window().isVisible(), choice == -1 || !trigger.closes) << what;
            if (choice == -1) {
                EXPECT_EQ(window().filePath(), weapon("ion_lance.wepn")) << what;
                EXPECT_EQ(window().windowTitle(), caption) << what;
                EXPECT_TRUE(window().isModified()) << what;
                EXPECT_EQ(range()->text(), edited) << what;
            } else if (!trigger.closes) {
                EXPECT_EQ(window().filePath(), weapon("rail_driver.wepn")) << what;
                EXPECT_FALSE(window().isModified()) << what;
            }
            if (choice != 0) {
                EXPECT_EQ(contents(weapon("ion_lance.wepn")), onDisk) << what;
            }
        }
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
