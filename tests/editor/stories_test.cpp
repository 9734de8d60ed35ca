#include "editor_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>

namespace wepn {
namespace {

TEST_F(EditorTest, TheWindowDoesWhatTheStoriesSay) {
    for (const QStringList& story : dataLines("stories.txt")) {
        SCOPED_TRACE(story[0].toStdString());
        ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet")));
        run(story[1]);
    }
}

TEST_F(EditorTest, UnknownConditionIsReportedAndKeepsTheSelection) {
    QByteArray script = scriptWith("Fixed", "Bullet");
    script.replace("(NewWeaponType,\"Hit\",\"Push\"", "(NewWeaponType,\"hit\",\"Push\"");
    ASSERT_TRUE(openScript(script));
    run("pick Condition Miss; row ResultList 1; said Unknown condition 'hit'; shows Condition "
        "Miss");
}

TEST_F(EditorTest, LoadOpensTheFramesAndTurretValuesFollowTheFile) {
    ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet")));
    for (QGroupBox* frame : c().frames) {
        EXPECT_TRUE(frame->isEnabled()) << frame->title().toStdString();
    }
    run("on Add Remove; off Apply");              // Apply until a row is clicked
    openSample(QStringLiteral("ion_lance.wepn")); // no setMiscValues
    EXPECT_FALSE(c().turretFrame->isEnabled());
}

} // namespace
} // namespace wepn
