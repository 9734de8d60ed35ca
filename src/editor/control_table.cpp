#include "editor/control_table.h"

#include "model/result_choices.h"

#include <array>

namespace wepn {
namespace {

constexpr std::array<FrameSpec, 6> kFrames{{
    {"fraBasicStats", "Basic Stats", 0},
    {"fraWeaponResults", "Weapon Impact Results", 1},
    {"fraRotations", "Firing Cone and Turret Rotation", 1},
    {"fraTurretProperties", "Additional Turret Properties", 1},
    {"fraPenetration", "Penetration", 2},
    {"fraAccuracy", "Accuracy", 2},
}};

enum Frame { Basic, Results, Rotations, Turret, Penetration, Accuracy };

using W = WidgetKind;
constexpr std::span<const std::string_view> kNone{};
constexpr bool on = true;
constexpr bool off = false;
constexpr ListTextColour plain = ListTextColour::None;
// Captions that several controls share, each written once.
constexpr const char* kValueCaption = "Value:";
constexpr const char* kApplyCaption = "Apply";

// clang-format off
const ControlSpec kControls[] = {
    // Basic Stats
    {Basic, 0, W::Label, "lblML(14)", "Weapon Type:", "How the weapon tracks targets.", "", kNone, on, 0},
    {Basic, 0, W::ReadOnlyTextBox, "Value(0)", "", "", "", kNone, on, 1, plain, "sWeaponType"},
    {Basic, 1, W::Label, "lblML(15)", "Weapon Fire Type:", "Type of projectile.", "", kNone, on, 0},
    {Basic, 1, W::ReadOnlyTextBox, "Value(1)", "", "", "", kNone, on, 2, plain, "sWeaponFireType"},
    {Basic, 2, W::Label, "lblML(16)", "Weapon Effects File:", "Effects file for the wepon.", "", kNone, on, 0},
    {Basic, 2, W::EditableCombo, "cboWeaponEffects", "", "", "", kNone, on, 3, plain, "sWeaponFireName"},
    {Basic, 3, W::Label, "lblML(6)", "Activation:", "When the weapon is used.", "", kNone, on, 0},
    {Basic, 3, W::PickCombo, "cboActivation", "", "", "", kNone, on, 4, plain, "sActivation"},
    {Basic, 4, W::Label, "lblML(0)", "Projectile Velocity:", "How fast the projectile moves, equals 0 for InstantHit weapons (includes Beams.)", "", kNone, on, 0},
    {Basic, 4, W::TextBox, "Value(3)", "", "", "0", kNone, on, 5, plain, "fWeaponFireSpeed"},
    {Basic, 5, W::Label, "lblML(1)", "Firing Range:", "The weapon's firing range, not projectile range.", "", kNone, on, 0},
    {Basic, 5, W::TextBox, "Value(4)", "", "", "0", kNone, on, 6, plain, "fWeaponFireRange"},
    {Basic, 6, W::Label, "lblML(17)", "Blast Radius:", "Only for sphereburst weapons.", "", kNone, on, 0},
    {Basic, 6, W::TextBox, "Value(5)", "", "", "0", kNone, off, 7, plain, "fWeaponFireRadius"},
    {Basic, 7, W::Label, "lblML(18)", "Fire Duration:", "How long the beam is active.", "", kNone, on, 0},
    {Basic, 7, W::TextBox, "Value(6)", "", "", "0", kNone, off, 8, plain, "fWeaponFireLifetime"},
    {Basic, 8, W::Label, "lblML(19)", "Anticipation Time:", "Time between start of firing sequence and appearance of beam.", "", kNone, on, 0},
    {Basic, 8, W::TextBox, "Value(7)", "", "", "0", kNone, off, 9, plain, "fWeaponFireMisc1"},
    {Basic, 9, W::Label, "lblML(7)", "Fire Axis:", "Direction of ejection (for missiles only.)", "", kNone, on, 0},
    {Basic, 9, W::PickCombo, "cboFireAxis", "", "", "", kNone, off, 10, plain, "iWeaponFireAxis"},
    {Basic, 10, W::Label, "lblML(20)", "Max Effects Spawned:", "Max hit effects to spawn over lifetime of weapon.", "", kNone, on, 0},
    {Basic, 10, W::TextBox, "Value(8)", "", "", "0", kNone, on, 11, plain, "iMaxEffectsSpawned"},
    {Basic, 11, W::Label, "lblML(8)", "Use Velocity Prediction:", "Leads targets when enabled.", "", kNone, on, 0},
    {Basic, 11, W::PickCombo, "cboVelocityPredict", "", "", "", kNone, on, 12, plain, "iUseVelocityPred"},
    {Basic, 12, W::Label, "lblML(9)", "Check Line of Fire:", "Checks the line of fire for friendlies before firing.", "", kNone, on, 0},
    {Basic, 12, W::PickCombo, "cboCheckLOF", "", "", "", kNone, on, 13, plain, "iCheckLineOfFire"},
    {Basic, 13, W::Label, "lblML(2)", "Fire Delay:", "Delay between shots, in seconds.", "", kNone, on, 0},
    {Basic, 13, W::TextBox, "Value(9)", "", "", "0", kNone, on, 14, plain, "fFireTime"},
    {Basic, 14, W::Label, "lblML(3)", "Burst Length:", "Burst length, in seconds.", "", kNone, on, 0},
    {Basic, 14, W::TextBox, "Value(10)", "", "", "0", kNone, on, 15, plain, "fBurstFireTime"},
    {Basic, 15, W::Label, "lblBurstShots", "Burst Shots:", "Number of shots in a burst.", "", kNone, on, 0},
    {Basic, 15, W::ReadOnlyTextBox, "Value(11)", "", "", "", kNone, on, 16},
    {Basic, 16, W::Label, "lblML(4)", "Burst Delay:", "Delay between bursts, in seconds.", "", kNone, on, 0},
    {Basic, 16, W::TextBox, "Value(12)", "", "", "0", kNone, on, 17, plain, "fBurstWaitTime"},
    {Basic, 17, W::Label, "lblML(10)", "Shoot at Secondaries:", "Shoots secondary targets if cannot hit main target.", "", kNone, on, 0},
    {Basic, 17, W::PickCombo, "cboShootSecondaries", "", "", "", kNone, on, 18, plain, "iShootAtSecondaries"},
    {Basic, 18, W::Label, "lblML(11)", "Shoot at Surroundings:", "Scans for nearby enemies (SLOW!)", "", kNone, on, 0},
    {Basic, 18, W::PickCombo, "cboShootSurroundings", "", "", "", kNone, on, 19, plain, "iShootAtSurroundings"},
    {Basic, 19, W::Label, "lblML(21)", "Horizontal Tracking Speed:", "", "", kNone, on, 0},
    {Basic, 19, W::TextBox, "Value(13)", "", "", "0", kNone, on, 20, plain, "fMaxAzimuthSpeed"},
    {Basic, 20, W::Label, "lblML(22)", "Vertical Tracking Speed:", "", "", kNone, on, 0},
    {Basic, 20, W::TextBox, "Value(14)", "", "", "0", kNone, on, 21, plain, "fMaxDeclinationSpeed"},
    {Basic, 21, W::Label, "lblML(5)", "Speed Multiplier:", "Tracking speed multiplier when weapon is over target.", "", kNone, on, 0},
    {Basic, 21, W::TextBox, "Value(15)", "", "", "0", kNone, on, 22, plain, "fSpeedMultiplierWhenPointingAtTarget"},
    {Basic, 22, W::Label, "lblML(12)", "Track Distant Targets:", "Track targets outside of firing range.", "", kNone, on, 0},
    {Basic, 22, W::PickCombo, "cboTrackDistantTargets", "", "", "", kNone, on, 23, plain, "iTrackTargetsOutsideRange"},
    {Basic, 23, W::Label, "lblML(23)", "Beam Pass-Thru Health:", "Beam will pass through target if health is below this value.", "", kNone, on, 0},
    {Basic, 23, W::TextBox, "Value(16)", "", "", "0", kNone, off, 24, plain, "iInstantHitThreshold"},

    // Weapon Impact Results
    {Results, 0, W::List, "lstWeaponResults", "", "", "", kNone, on, 25, ListTextColour::Red},
    {Results, 1, W::Label, "lblML(24)", "Condition:", "This effect occurs when...", "", kNone, on, 0},
    {Results, 1, W::PickCombo, "cboCondition", "", "", "", kResultConditions, on, 26},
    {Results, 2, W::Label, "lblML(25)", "Effect:", "Happens when the projectile hits/misses.", "", kNone, on, 0},
    {Results, 2, W::PickCombo, "cboEffect", "", "", "", kResultEffects, on, 27},
    {Results, 3, W::Label, "lblML(26)", "Minimum Effect:", "Minimum value for the effect.", "", kNone, on, 0},
    {Results, 3, W::TextBox, "txtMinEffect", "", "", "0", kNone, on, 28},
    {Results, 4, W::Label, "lblML(27)", "Maximum Effect:", "Maximum value for the effect.", "", kNone, on, 0},
    {Results, 4, W::TextBox, "txtMaxEffect", "", "", "0", kNone, on, 29},
    {Results, 5, W::Label, "lblML(28)", "Spawned FX:", "Graphical effect spawned on hit/miss.", "", kNone, off, 0},
    {Results, 5, W::TextBox, "txtSpawnedWeaponEffect", "", "", "", kNone, off, 30},
    {Results, 6, W::Button, "cmdRemove", "Remove", "", "", kNone, off, 31},
    {Results, 6, W::Button, "cmdAdd", "Add", "Add a new Weapon Impact Result.", "", kNone, off, 32},
    {Results, 6, W::Button, "cmdApply", kApplyCaption, "Apply changes to this Weapon Impact Result.", "", kNone, off, 33},

    // Firing Cone and Turret Rotation
    {Rotations, 0, W::Label, "lblML(31)", "Firing Arc:", "1/2 the weapon's cone of fire.", "", kNone, on, 0},
    {Rotations, 0, W::TextBox, "txtFiringArc", "", "", "0", kNone, on, 34, plain, "fFiringArc"},
    {Rotations, 1, W::Label, "lblML(30)", "Left Rotation:", "Turret's \"left\" rotation (-).", "", kNone, on, 0},
    {Rotations, 1, W::TextBox, "txtLeftRot", "", "", "0", kNone, on, 35, plain, "fLeftRot"},
    {Rotations, 2, W::Label, "lblML(29)", "Right Rotation:", "Turret's \"right\" rotation (+).", "", kNone, on, 0},
    {Rotations, 2, W::TextBox, "txtRightRot", "", "", "0", kNone, on, 36, plain, "fRightRot"},
    {Rotations, 3, W::Label, "lblML(32)", "Down Rotation:", "Turret's \"down\" rotation (-).", "", kNone, on, 0},
    {Rotations, 3, W::TextBox, "txtDownRot", "", "", "0", kNone, on, 37, plain, "fDownRot"},
    {Rotations, 4, W::Label, "lblML(33)", "Up Rotation:", "Turret's \"up\" rotation (+).", "", kNone, on, 0},
    {Rotations, 4, W::TextBox, "txtUpRot", "", "", "0", kNone, on, 38, plain, "fUpRot"},

    // Additional Turret Properties
    {Turret, 0, W::Label, "lblML(13)", "Barrel Recoil Distance:", "Distance the turret's barrel recoils, in meters.", "", kNone, on, 0},
    {Turret, 0, W::TextBox, "txtBarrelRecoil", "", "", "0", kNone, on, 39, plain, "fBarrelRecoil"},
    {Turret, 1, W::Label, "lblML(34)", "Slave Fire Delay:", "Seconds between initial weapon firing and each slave firing.", "", kNone, on, 0},
    {Turret, 1, W::TextBox, "txtSlaveFireDelay", "", "", "0", kNone, on, 40, plain, "fSlaveFireDelay"},

    // Penetration
    {Penetration, 0, W::Label, "lblML(36)", "Shield Penetration:", "Percentage chance of an impact penetrating a defense field.", "", kNone, on, 0},
    {Penetration, 0, W::TextBox, "txtFieldPenetration", "", "", "0", kNone, on, 41, plain, "iFieldPenetration"},
    {Penetration, 1, W::Label, "lblML(38)", "Default Penetration:", "Default fraction of damage applied when a ship is hit.", "", kNone, on, 0},
    {Penetration, 1, W::TextBox, "txtDefaultPenetration", "", "", "0", kNone, on, 42, plain, "fDefaultPenetration"},
    {Penetration, 2, W::Label, "lblML(35)", "Armor Family - Penetration Value:", "", "", kNone, on, 0},
    {Penetration, 3, W::List, "lstArmorFamilies", "", "", "", kNone, on, 43, ListTextColour::Yellow},
    {Penetration, 4, W::Label, "lblML(37)", kValueCaption, "Fraction of damage applied when a ship of the selected armor type is hit.", "", kNone, on, 0},
    {Penetration, 4, W::TextBox, "txtPenetration", "", "", "0", kNone, on, 44},
    {Penetration, 4, W::Button, "cmdPenApply", kApplyCaption, "", "", kNone, on, 45},

    // Accuracy
    {Accuracy, 0, W::Label, "lblML(41)", "Armor Family - Accuracy Value - Always Damage:", "", "", kNone, on, 0},
    {Accuracy, 1, W::List, "lstAccuracy", "", "", "", kNone, on, 46, ListTextColour::Yellow},
    {Accuracy, 2, W::Label, "lblML(40)", kValueCaption, "Fraction of shots that will register with against this armor type.", "", kNone, on, 0},
    {Accuracy, 2, W::TextBox, "txtAccuracy", "", "", "0", kNone, on, 47},
    {Accuracy, 2, W::Button, "cmdAccApply", kApplyCaption, "", "", kNone, on, 49},
    {Accuracy, 3, W::CheckBox, "chkAlwaysDMG", "Always Causes Damage", "", "", kNone, on, 48},
};
// clang-format on

} // namespace

std::span<const FrameSpec> frameSpecs() {
    return kFrames;
}

std::span<const ControlSpec> controlSpecs() {
    return kControls;
}

} // namespace wepn
