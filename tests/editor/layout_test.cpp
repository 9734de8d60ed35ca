#include "editor_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace wepn {
namespace {

struct LabelCase {
    const char* name;
    const char* caption;
    const char* tooltip;
};

const LabelCase kLabels[] = {
    {"lblML(14)", "Weapon Type:", "How the weapon tracks targets."},
    {"lblML(15)", "Weapon Fire Type:", "Type of projectile."},
    {"lblML(16)", "Weapon Effects File:", "Effects file for the wepon."},
    {"lblML(6)", "Activation:", "When the weapon is used."},
    {"lblML(0)", "Projectile Velocity:",
     "How fast the projectile moves, equals 0 for InstantHit weapons (includes Beams.)"},
    {"lblML(1)", "Firing Range:", "The weapon's firing range, not projectile range."},
    {"lblML(17)", "Blast Radius:", "Only for sphereburst weapons."},
    {"lblML(18)", "Fire Duration:", "How long the beam is active."},
    {"lblML(19)",
     "Anticipation Time:", "Time between start of firing sequence and appearance of beam."},
    {"lblML(7)", "Fire Axis:", "Direction of ejection (for missiles only.)"},
    {"lblML(20)", "Max Effects Spawned:", "Max hit effects to spawn over lifetime of weapon."},
    {"lblML(8)", "Use Velocity Prediction:", "Leads targets when enabled."},
    {"lblML(9)", "Check Line of Fire:", "Checks the line of fire for friendlies before firing."},
    {"lblML(2)", "Fire Delay:", "Delay between shots, in seconds."},
    {"lblML(3)", "Burst Length:", "Burst length, in seconds."},
    {"lblBurstShots", "Burst Shots:", "Number of shots in a burst."},
    {"lblML(4)", "Burst Delay:", "Delay between bursts, in seconds."},
    {"lblML(10)", "Shoot at Secondaries:", "Shoots secondary targets if cannot hit main target."},
    {"lblML(11)", "Shoot at Surroundings:", "Scans for nearby enemies (SLOW!)"},
    {"lblML(21)", "Horizontal Tracking Speed:", ""},
    {"lblML(22)", "Vertical Tracking Speed:", ""},
    {"lblML(5)", "Speed Multiplier:", "Tracking speed multiplier when weapon is over target."},
    {"lblML(12)", "Track Distant Targets:", "Track targets outside of firing range."},
    {"lblML(23)",
     "Beam Pass-Thru Health:", "Beam will pass through target if health is below this value."},
    {"lblML(24)", "Condition:", "This effect occurs when..."},
    {"lblML(25)", "Effect:", "Happens when the projectile hits/misses."},
    {"lblML(26)", "Minimum Effect:", "Minimum value for the effect."},
    {"lblML(27)", "Maximum Effect:", "Maximum value for the effect."},
    {"lblML(28)", "Spawned FX:", "Graphical effect spawned on hit/miss."},
    {"lblML(31)", "Firing Arc:", "1/2 the weapon's cone of fire."},
    {"lblML(30)", "Left Rotation:", "Turret's \"left\" rotation (-)."},
    {"lblML(29)", "Right Rotation:", "Turret's \"right\" rotation (+)."},
    {"lblML(32)", "Down Rotation:", "Turret's \"down\" rotation (-)."},
    {"lblML(33)", "Up Rotation:", "Turret's \"up\" rotation (+)."},
    {"lblML(13)", "Barrel Recoil Distance:", "Distance the turret's barrel recoils, in meters."},
    {"lblML(34)",
     "Slave Fire Delay:", "Seconds between initial weapon firing and each slave firing."},
    {"lblML(36)",
     "Shield Penetration:", "Percentage chance of an impact penetrating a defense field."},
    {"lblML(38)", "Default Penetration:", "Default fraction of damage applied when a ship is hit."},
    {"lblML(35)", "Armor Family - Penetration Value:", ""},
    {"lblML(37)",
     "Value:", "Fraction of damage applied when a ship of the selected armor type is hit."},
    {"lblML(41)", "Armor Family - Accuracy Value - Always Damage:", ""},
    {"lblML(40)", "Value:", "Fraction of shots that will register with against this armor type."},
};

TEST_F(EditorTest, LabelsShowTheirCaptionAndTooltip) {
    for (const LabelCase& c : kLabels) {
        auto* label = find<QLabel>(c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), c.caption) << c.name;
        EXPECT_EQ(label->toolTip().toStdString(), c.tooltip) << c.name;
        EXPECT_GE(label->width(), label->sizeHint().width()) << c.name << " is cut off";
    }
    EXPECT_FALSE(find<QLabel>("lblML(28)")->isEnabled()) << "Spawned FX: label";
}

// Focusable controls in tab order, with their initial text ("*" for a control
// without text), whether they start enabled and whether they are read-only.
struct FieldCase {
    const char* name;
    const char* text;
    bool enabled;
    bool readOnly;
};

const FieldCase kTabOrder[] = {
    {"Value(0)", "", true, true},
    {"Value(1)", "", true, true},
    {"cboWeaponEffects", "", true, false},
    {"cboActivation", "", true, false},
    {"Value(3)", "0", true, false},
    {"Value(4)", "0", true, false},
    {"Value(5)", "0", false, false},
    {"Value(6)", "0", false, false},
    {"Value(7)", "0", false, false},
    {"cboFireAxis", "", false, false},
    {"Value(8)", "0", true, false},
    {"cboVelocityPredict", "", true, false},
    {"cboCheckLOF", "", true, false},
    {"Value(9)", "0", true, false},
    {"Value(10)", "0", true, false},
    {"Value(11)", "", true, true},
    {"Value(12)", "0", true, false},
    {"cboShootSecondaries", "", true, false},
    {"cboShootSurroundings", "", true, false},
    {"Value(13)", "0", true, false},
    {"Value(14)", "0", true, false},
    {"Value(15)", "0", true, false},
    {"cboTrackDistantTargets", "", true, false},
    {"Value(16)", "0", false, false},
    {"lstWeaponResults", "*", true, false},
    {"cboCondition", "Hit", true, false},
    {"cboEffect", "DamageHealth", true, false},
    {"txtMinEffect", "0", true, false},
    {"txtMaxEffect", "0", true, false},
    {"txtSpawnedWeaponEffect", "", false, false},
    {"cmdRemove", "Remove", false, false},
    {"cmdAdd", "Add", false, false},
    {"cmdApply", "Apply", false, false},
    {"txtFiringArc", "0", true, false},
    {"txtLeftRot", "0", true, false},
    {"txtRightRot", "0", true, false},
    {"txtDownRot", "0", true, false},
    {"txtUpRot", "0", true, false},
    {"txtBarrelRecoil", "0", true, false},
    {"txtSlaveFireDelay", "0", true, false},
    {"txtFieldPenetration", "0", true, false},
    {"txtDefaultPenetration", "0", true, false},
    {"lstArmorFamilies", "*", true, false},
    {"txtPenetration", "0", true, false},
    {"cmdPenApply", "Apply", true, false},
    {"lstAccuracy", "*", true, false},
    {"txtAccuracy", "0", true, false},
    {"chkAlwaysDMG", "Always Causes Damage", true, false},
    {"cmdAccApply", "Apply", true, false},
};

QString shownText(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return combo->currentText();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text();
    }
    return QStringLiteral("*");
}

TEST_F(EditorTest, FieldsStartWithTheirTextAndState) {
    for (const FieldCase& c : kTabOrder) {
        auto* w = find<QWidget>(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(shownText(w).toStdString(), c.text) << c.name;
        // Every frame starts disabled, so the control's own flag is what counts.
        EXPECT_EQ(w->testAttribute(Qt::WA_ForceDisabled), !c.enabled) << c.name;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(edit->isReadOnly(), c.readOnly) << c.name;
        }
    }
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Value(2)")), nullptr);
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("lblML(39)")), nullptr);
}

TEST_F(EditorTest, TabWalksTheFieldsInOrder) {
    std::vector<std::string> walked;
    QWidget* w = find<QWidget>("Value(0)");
    for (int i = 0; i < 200 && walked.size() < std::size(kTabOrder); ++i) {
        // The edit field inside the editable drop-down is reached through it.
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) {
            walked.push_back(w->objectName().toStdString());
        }
        w = w->nextInFocusChain();
    }
    std::vector<std::string> expected;
    for (const FieldCase& c : kTabOrder) {
        expected.push_back(c.name);
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(EditorTest, DropDownsListTheirRowsWithNoneSelected) {
    const std::pair<const char*, QStringList> cases[] = {
        {"cboActivation", {"Normal", "Special Attack", "Normal Only"}},
        {"cboFireAxis", {"Forward", "Left", "Up"}},
        {"cboVelocityPredict", {"No", "Yes"}},
        {"cboCheckLOF", {"No", "Yes"}},
        {"cboShootSecondaries", {"No", "Yes"}},
        {"cboShootSurroundings", {"No", "Yes"}},
        {"cboTrackDistantTargets", {"No", "Yes"}},
        {"cboCondition", {"Hit", "Miss"}},
        {"cboEffect", {"DamageHealth", "Disable", "Push", "SpawnWeaponFire"}},
        {"cboWeaponEffects", {}},
    };
    for (const auto& [name, rows] : cases) {
        auto* combo = find<QComboBox>(name);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) {
            shown << combo->itemText(i);
        }
        EXPECT_EQ(shown, rows) << name;
        const bool startsSelected = rows.size() > 0 && (QLatin1String(name) == "cboCondition" ||
                                                        QLatin1String(name) == "cboEffect");
        EXPECT_EQ(combo->currentIndex(), startsSelected ? 0 : -1) << name;
        EXPECT_EQ(combo->isEditable(), QLatin1String(name) == "cboWeaponEffects") << name;
    }
}

TEST_F(EditorTest, FramesStartDisabledWithTheirCaptions) {
    const std::pair<const char*, const char*> frames[] = {
        {"fraBasicStats", "Basic Stats"},
        {"fraWeaponResults", "Weapon Impact Results"},
        {"fraRotations", "Firing Cone and Turret Rotation"},
        {"fraTurretProperties", "Additional Turret Properties"},
        {"fraPenetration", "Penetration"},
        {"fraAccuracy", "Accuracy"},
    };
    for (const auto& [name, caption] : frames) {
        auto* frame = find<QGroupBox>(name);
        EXPECT_EQ(frame->title().toStdString(), caption) << name;
        EXPECT_FALSE(frame->isEnabled()) << name;
    }
}

TEST_F(EditorTest, MenusCarryAccessKeysAndShortcuts) {
    struct MenuCase {
        QAction* action;
        const char* caption;
        QKeySequence shortcut;
        bool enabled;
    };
    const MenuCase cases[] = {
        {window.openAction(), "&Open", QKeySequence(QStringLiteral("Ctrl+O")), true},
        {window.saveAsAction(), "&Save As...", QKeySequence(QStringLiteral("Ctrl+S")), false},
        {window.exitAction(), "E&xit", QKeySequence(QStringLiteral("Ctrl+Q")), true},
        {window.decompiledDataAction(), "&Decompiled Data", QKeySequence(), true},
    };
    for (const MenuCase& c : cases) {
        EXPECT_EQ(c.action->text().toStdString(), c.caption) << c.caption;
        EXPECT_EQ(c.action->shortcut(), c.shortcut) << c.caption;
        EXPECT_EQ(c.action->isEnabled(), c.enabled) << c.caption;
    }
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Settings"}));
}

TEST_F(EditorTest, WindowOpensWithVersionCaptionAndDefaultSize) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vyr Weapon Editor 1.4.4"));
    EXPECT_EQ(window.objectName(), QStringLiteral("WepnEditor_Main"));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.centralWidget()->width(), 824) << "client width at 96 dpi";
    EXPECT_EQ(window.centralWidget()->height(), 599) << "client height at 96 dpi";
}

} // namespace
} // namespace wepn
