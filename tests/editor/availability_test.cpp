#include "editor_fixture.h"

#include <QGroupBox>
#include <QPushButton>

namespace wepn {
namespace {

TEST_F(EditorTest, FireTypeDecidesWhichFieldsApply) {
    const char* const fields[] = {"fWeaponFireSpeed", "fWeaponFireRadius",    "fWeaponFireLifetime",
                                  "fWeaponFireMisc1", "iInstantHitThreshold", "iWeaponFireAxis"};
    const std::tuple<const char*, std::array<bool, 6>, bool> cases[] = {
        {"InstantHit", {false, false, true, true, true, false}, false},
        {"instanthit", {false, false, true, true, true, false}, false},
        {"Bullet", {true, false, false, false, false, false}, false},
        {"Mine", {true, false, false, false, false, false}, false},
        {"MISSILE", {true, false, false, false, false, true}, false},
        {"SphereBurst", {true, true, false, false, false, false}, false},
        {"Bullet ", {}, true},
        {"Laser", {}, true},
        {"", {}, true},
    };
    for (const auto& [fireType, enabled, unrecognised] : cases) {
        messages.texts.clear();
        ASSERT_TRUE(openScript(scriptWith("Fixed", fireType))) << fireType;
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(field(fields[i])->isEnabled(), enabled[i]) << fireType << " " << fields[i];
        }
        const QStringList expected =
            unrecognised ? QStringList{QStringLiteral("Unrecognized weapon type: '%1' -- Please "
                                                      "notify BrEnN.")
                                           .arg(QString::fromLatin1(fireType))}
                         : QStringList{};
        EXPECT_EQ(messages.texts, expected) << "'" << fireType << "'";
    }
}

TEST_F(EditorTest, OnlyAnimatedTurretsRotate) {
    const std::pair<const char*, bool> cases[] = {
        {"AnimatedTurret", true}, {"animatedturret", true}, {"Fixed", false}, {"Turret", false}};
    for (const auto& [weaponType, rotates] : cases) {
        ASSERT_TRUE(openScript(scriptWith(weaponType, "Bullet"))) << weaponType;
        for (const char* rotation : {"fLeftRot", "fRightRot", "fUpRot", "fDownRot"}) {
            EXPECT_EQ(field(rotation)->isEnabled(), rotates) << weaponType << " " << rotation;
        }
        EXPECT_TRUE(field("fFiringArc")->isEnabled()) << weaponType;
    }
}

TEST_F(EditorTest, LoadOpensTheFramesAndTurretValuesFollowTheFile) {
    ASSERT_TRUE(openScript(scriptWith("Fixed", "Bullet")));
    for (QGroupBox* frame : c().frames) {
        EXPECT_TRUE(frame->isEnabled()) << frame->title().toStdString();
    }
    EXPECT_TRUE(c().results.add->isEnabled());
    EXPECT_TRUE(c().results.remove->isEnabled());
    EXPECT_FALSE(c().results.apply->isEnabled()) << "until a row is clicked";

    openSample(QStringLiteral("ion_lance.wepn")); // no setMiscValues
    EXPECT_FALSE(c().turretFrame->isEnabled());
}

} // namespace
} // namespace wepn
