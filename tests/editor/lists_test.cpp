#include "editor_fixture.h"

#include <QComboBox>
#include <QListWidget>

namespace wepn {
namespace {

TEST_F(EditorTest, ListEditorsDoWhatTheStoriesSay) {
    for (const QStringList& story : dataLines("lists.txt")) {
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

} // namespace
} // namespace wepn
