#include "editor_fixture.h"

#include <QGroupBox>

namespace wepn {
namespace {

struct FireTypeCase {
    const char* fireType;
    // Value(3), Value(5), Value(6), Value(7), Value(16), cboFireAxis
    std::array<bool, 6> enabled;
    bool unrecognised;
};

const char* const kFireTypeFields[] = {"Value(3)", "Value(5)",  "Value(6)",
                                       "Value(7)", "Value(16)", "cboFireAxis"};

TEST_F(EditorTest, FireTypeDecidesWhichFieldsApply) {
    const FireTypeCase cases[] = {
        {"InstantHit", {false, false, true, true, true, false}, false},
        {"instanthit", {false, false, true, true, true, false}, false},
        {"Bullet", {true, false, false, false, false, false}, false},
        {"Mine", {true, false, false, false, false, false}, false},
        {"MISSILE", {true, false, false, false, false, true}, false},
        {"SphereBurst", {true, true, false, false, false, false}, false},
        {"Bullet ", {false, false, false, false, false, false}, true},
        {"Laser", {false, false, false, false, false, false}, true},
        {"", {false, false, false, false, false, false}, true},
    };
    for (const FireTypeCase& c : cases) {
        messages.texts.clear();
        ASSERT_TRUE(openScript(scriptWith("Fixed", c.fireType))) << c.fireType;
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(find<QWidget>(kFireTypeFields[i])->isEnabled(), c.enabled[i])
                << "'" << c.fireType << "' " << kFireTypeFields[i];
        }
        const QStringList expected =
            c.unrecognised ? QStringList{QStringLiteral("Unrecognized weapon type: '%1' -- Please "
                                                        "notify BrEnN.")
                                             .arg(QString::fromLatin1(c.fireType))}
                           : QStringList{};
        EXPECT_EQ(messages.texts, expected) << "'" << c.fireType << "'";
    }
}

TEST_F(EditorTest, OnlyAnimatedTurretsRotate) {
    const std::pair<const char*, bool> cases[] = {
        {"AnimatedTurret", true}, {"animatedturret", true}, {"Fixed", false}, {"Turret", false}};
    for (const auto& [weaponType, rotates] : cases) {
        ASSERT_TRUE(openScript(scriptWith(weaponType, "Bullet"))) << weaponType;
        for (const char* field : {"txtLeftRot", "txtRightRot", "txtUpRot", "txtDownRot"}) {
            EXPECT_EQ(find<QWidget>(field)->isEnabled(), rotates) << weaponType << " " << field;
        }
        EXPECT_TRUE(find<QWidget>("txtFiringArc")->isEnabled()) << weaponType;
    }
}

TEST_F(EditorTest, LoadOpensTheFramesAndTurretValuesFollowTheFile) {
    ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet")));
    for (const char* frame : {"fraBasicStats", "fraWeaponResults", "fraRotations",
                              "fraTurretProperties", "fraPenetration", "fraAccuracy"}) {
        EXPECT_TRUE(find<QGroupBox>(frame)->isEnabled()) << frame;
    }
    EXPECT_TRUE(find<QWidget>("cmdAdd")->isEnabled());
    EXPECT_TRUE(find<QWidget>("cmdRemove")->isEnabled());
    EXPECT_FALSE(find<QWidget>("cmdApply")->isEnabled()) << "until a row is clicked";

    openSample(QStringLiteral("ion_lance.wepn")); // no setMiscValues
    EXPECT_FALSE(find<QGroupBox>("fraTurretProperties")->isEnabled());
}

} // namespace
} // namespace wepn
