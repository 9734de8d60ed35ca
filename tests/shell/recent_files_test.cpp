#include "editor/wepn_editor_main.h"
#include "shell/path_text.h"
#include "shell/recent_files.h"
#include "shell_fixture.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <filesystem>

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
        recent.add("/w/" + std::to_string(k) + ".wepn");
    }
    recent.add("/w/5.wepn");
    EXPECT_EQ(recent.read(),
              (std::vector<std::string>{"/w/5.wepn", "/w/10.wepn", "/w/9.wepn", "/w/8.wepn",
                                        "/w/7.wepn", "/w/6.wepn", "/w/4.wepn", "/w/3.wepn"}));
}

// Stored as bytes, a name in any encoding opens after a restart; entries
// stored as text by an earlier version still open. An entry shows its "&"
// as such and a long path shortened in the middle, whole in its tooltip.
TEST_F(RecentFilesTest, NamesOfAnyBytesSurviveARestartAndShowWhole) {
    storeDataDirectory(dataDir());
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vyrdesk"))
        .setValue(QStringLiteral("RecentFiles/Files"),
                  QStringList{native("Data/Weapon/ion_lance.wepn")});
    const std::string latin1 = nativeBytes("Data/Weapon/canon_") + "\xE9.wepn";
    const QString ampersand = native("Data/Weapon/R&D.wepn");
    const QString longName = native("Data/Weapon/" + QString(180, QLatin1Char('n')) + ".wepn");
    for (const std::string& copy : {latin1, toFileBytes(ampersand), toFileBytes(longName)}) {
        std::filesystem::copy_file(nativeBytes("Data/Weapon/ion_lance.wepn"), copy);
    }
    app();
    EXPECT_EQ(RecentFiles().read(),
              std::vector<std::string>{nativeBytes("Data/Weapon/ion_lance.wepn")});
    RecentFiles().add(latin1);
    RecentFiles().add(toFileBytes(ampersand));
    RecentFiles().add(toFileBytes(longName));
    restart();
    const QList<QAction*> entries = window().openRecentMenu()->actions();
    ASSERT_GE(entries.size(), 4);
    EXPECT_EQ(entries[1]->text(), "&2 " + QString(ampersand).replace("&", "&&"));
    EXPECT_TRUE(entries[0]->text().contains(QChar(0x2026))) << entries[0]->text().toStdString();
    EXPECT_TRUE(entries[0]->text().endsWith(QStringLiteral("nnn.wepn")));
    EXPECT_EQ(entries[0]->toolTip(), longName);
    EXPECT_EQ(entries[2]->toolTip(), displayText(latin1));
    // Opening the oldest four times goes round: each opens and comes first.
    for (int k = 0; k < 4; ++k) {
        messages.texts.clear();
        window().openRecentMenu()->actions().at(3)->trigger();
        EXPECT_EQ(messages.texts, QStringList()) << k;
    }
    EXPECT_EQ(toFileBytes(window().filePath()), toFileBytes(longName));
    EXPECT_EQ(RecentFiles().read()[1], toFileBytes(ampersand));
    EXPECT_EQ(RecentFiles().read()[2], latin1);
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
    EXPECT_TRUE(RecentFiles().read().empty());
}

} // namespace
} // namespace wepn
