#include "editor/wepn_editor_main.h"
#include "shell/recent_files.h"
#include "shell_fixture.h"

#include <QAction>
#include <QMenu>

namespace wepn {
namespace {

class RecentFilesTest : public ShellTest {
  protected:
    QStringList menuTexts() {
        QStringList texts;
        for (const QAction* action : window().openRecentMenu()->actions()) {
            if (!action->isSeparator()) {
                texts << action->text();
            }
        }
        return texts;
    }
};

TEST_F(RecentFilesTest, KeepsTheNewestEightFirstWithoutRepeats) {
    RecentFiles recent;
    for (int k = 1; k <= 10; ++k) {
        recent.add(QStringLiteral("/w/%1.wepn").arg(k));
    }
    recent.add(QStringLiteral("/w/5.wepn"));
    EXPECT_EQ(recent.read(), (QStringList{"/w/5.wepn", "/w/10.wepn", "/w/9.wepn", "/w/8.wepn",
                                          "/w/7.wepn", "/w/6.wepn", "/w/4.wepn", "/w/3.wepn"}));
}

TEST_F(RecentFilesTest, OpeningAddsToTheMenuAndAMissingFileIsRemovedWithAMessage) {
    startOnSampleData();
    const QString ion = native("Data/Weapon/ion_lance.wepn");
    const QString rail = native("Data/Weapon/rail_driver.wepn");
    app().start({ion});
    app().start({rail});
    EXPECT_EQ(menuTexts(), (QStringList{"&1 " + rail, "&2 " + ion, "Clear Menu"}));

    QFile::remove(ion);
    messages.texts.clear();
    window().openRecentMenu()->actions().at(1)->trigger();
    EXPECT_EQ(messages.texts,
              QStringList{"The file '" + ion +
                          "' no longer exists. It has been removed from the recent files."});
    EXPECT_EQ(menuTexts(), (QStringList{"&1 " + rail, "Clear Menu"}));
    EXPECT_EQ(window().filePath(), rail);

    window().openRecentMenu()->actions().back()->trigger();
    EXPECT_EQ(menuTexts(), QStringList{"Clear Menu"});
    EXPECT_TRUE(RecentFiles().read().isEmpty());
}

} // namespace
} // namespace wepn
