#include "editor/control_table.h"

#include "model/result_choices.h"

#include <array>

namespace wepn {
namespace {

constexpr std::array<FrameSpec, 6> kFrames{{
    {"fraBasicStats", "Basic Stats", 0},
    {"fraWeaponResults", "Weapon Impact Results", 1},
    {"fraRotations", "Firing Cone and Turret Rotation", 1},
    {"fraTurretProperties", "Additional Turret Properties", 1, true},
    {"fraPenetration", "Penetration", 2},
    {"fraAccuracy", "Accuracy", 2},
}};

enum Frame { Basic, Results, Rotations, Turret, Penetration, Accuracy };

using W = WidgetKind;
using L = ListTextColour;
using R = ControlRole;
// Captions that several controls share, each written once.
constexpr const char* kValueCaption = "Value:";
constexpr const char* kApplyCaption = "Apply";

// clang-format off
const ControlSpec kControls[] = {
    // Basic Stats
    {.frame = Basic, .row = 0, .kind = W::Label, .name = "lblML(14)", .caption = "Weapon Type:", .tooltip = "How the weapon tracks targets."},
    {.frame = Basic, .row = 0, .kind = W::ReadOnlyTextBox, .name = "Value(0)", .tab = 1, .field = "sWeaponType"},
    {.frame = Basic, .row = 1, .kind = W::Label, .name = "lblML(15)", .caption = "Weapon Fire Type:", .tooltip = "Type of projectile."},
    {.frame = Basic, .row = 1, .kind = W::ReadOnlyTextBox, .name = "Value(1)", .tab = 2, .field = "sWeaponFireType"},
    {.frame = Basic, .row = 2, .kind = W::Label, .name = "lblML(16)", .caption = "Weapon Effects File:", .tooltip = "Effects file for the wepon."},
    {.frame = Basic, .row = 2, .kind = W::EditableCombo, .name = "cboWeaponEffects", .tab = 3, .field = "sWeaponFireName", .role = R::WeaponEffects},
    {.frame = Basic, .row = 3, .kind = W::Label, .name = "lblML(6)", .caption = "Activation:", .tooltip = "When the weapon is used."},
    {.frame = Basic, .row = 3, .kind = W::PickCombo, .name = "cboActivation", .tab = 4, .field = "sActivation"},
    {.frame = Basic, .row = 4, .kind = W::Label, .name = "lblML(0)", .caption = "Projectile Velocity:", .tooltip = "How fast the projectile moves, equals 0 for InstantHit weapons (includes Beams.)"},
    {.frame = Basic, .row = 4, .kind = W::TextBox, .name = "Value(3)", .text = "0", .tab = 5, .field = "fWeaponFireSpeed"},
    {.frame = Basic, .row = 5, .kind = W::Label, .name = "lblML(1)", .caption = "Firing Range:", .tooltip = "The weapon's firing range, not projectile range."},
    {.frame = Basic, .row = 5, .kind = W::TextBox, .name = "Value(4)", .text = "0", .tab = 6, .field = "fWeaponFireRange"},
    {.frame = Basic, .row = 6, .kind = W::Label, .name = "lblML(17)", .caption = "Blast Radius:", .tooltip = "Only for sphereburst weapons."},
    {.frame = Basic, .row = 6, .kind = W::TextBox, .name = "Value(5)", .text = "0", .enabled = false, .tab = 7, .field = "fWeaponFireRadius"},
    {.frame = Basic, .row = 7, .kind = W::Label, .name = "lblML(18)", .caption = "Fire Duration:", .tooltip = "How long the beam is active."},
    {.frame = Basic, .row = 7, .kind = W::TextBox, .name = "Value(6)", .text = "0", .enabled = false, .tab = 8, .field = "fWeaponFireLifetime"},
    {.frame = Basic, .row = 8, .kind = W::Label, .name = "lblML(19)", .caption = "Anticipation Time:", .tooltip = "Time between start of firing sequence and appearance of beam."},
    {.frame = Basic, .row = 8, .kind = W::TextBox, .name = "Value(7)", .text = "0", .enabled = false, .tab = 9, .field = "fWeaponFireMisc1"},
    {.frame = Basic, .row = 9, .kind = W::Label, .name = "lblML(7)", .caption = "Fire Axis:", .tooltip = "Direction of ejection (for missiles only.)"},
    {.frame = Basic, .row = 9, .kind = W::PickCombo, .name = "cboFireAxis", .enabled = false, .tab = 10, .field = "iWeaponFireAxis"},
    {.frame = Basic, .row = 10, .kind = W::Label, .name = "lblML(20)", .caption = "Max Effects Spawned:", .tooltip = "Max hit effects to spawn over lifetime of weapon."},
    {.frame = Basic, .row = 10, .kind = W::TextBox, .name = "Value(8)", .text = "0", .tab = 11, .field = "iMaxEffectsSpawned"},
    {.frame = Basic, .row = 11, .kind = W::Label, .name = "lblML(8)", .caption = "Use Velocity Prediction:", .tooltip = "Leads targets when enabled."},
    {.frame = Basic, .row = 11, .kind = W::PickCombo, .name = "cboVelocityPredict", .tab = 12, .field = "iUseVelocityPred"},
    {.frame = Basic, .row = 12, .kind = W::Label, .name = "lblML(9)", .caption = "Check Line of Fire:", .tooltip = "Checks the line of fire for friendlies before firing."},
    {.frame = Basic, .row = 12, .kind = W::PickCombo, .name = "cboCheckLOF", .tab = 13, .field = "iCheckLineOfFire"},
    {.frame = Basic, .row = 13, .kind = W::Label, .name = "lblML(2)", .caption = "Fire Delay:", .tooltip = "Delay between shots, in seconds."},
    {.frame = Basic, .row = 13, .kind = W::TextBox, .name = "Value(9)", .text = "0", .tab = 14, .field = "fFireTime", .role = R::FireDelay},
    {.frame = Basic, .row = 14, .kind = W::Label, .name = "lblML(3)", .caption = "Burst Length:", .tooltip = "Burst length, in seconds."},
    {.frame = Basic, .row = 14, .kind = W::TextBox, .name = "Value(10)", .text = "0", .tab = 15, .field = "fBurstFireTime", .role = R::BurstLength},
    {.frame = Basic, .row = 15, .kind = W::Label, .name = "lblBurstShots", .caption = "Burst Shots:", .tooltip = "Number of shots in a burst.", .role = R::BurstShotsLabel},
    {.frame = Basic, .row = 15, .kind = W::ReadOnlyTextBox, .name = "Value(11)", .tab = 16, .role = R::BurstShots},
    {.frame = Basic, .row = 16, .kind = W::Label, .name = "lblML(4)", .caption = "Burst Delay:", .tooltip = "Delay between bursts, in seconds."},
    {.frame = Basic, .row = 16, .kind = W::TextBox, .name = "Value(12)", .text = "0", .tab = 17, .field = "fBurstWaitTime"},
    {.frame = Basic, .row = 17, .kind = W::Label, .name = "lblML(10)", .caption = "Shoot at Secondaries:", .tooltip = "Shoots secondary targets if cannot hit main target."},
    {.frame = Basic, .row = 17, .kind = W::PickCombo, .name = "cboShootSecondaries", .tab = 18, .field = "iShootAtSecondaries"},
    {.frame = Basic, .row = 18, .kind = W::Label, .name = "lblML(11)", .caption = "Shoot at Surroundings:", .tooltip = "Scans for nearby enemies (SLOW!)"},
    {.frame = Basic, .row = 18, .kind = W::PickCombo, .name = "cboShootSurroundings", .tab = 19, .field = "iShootAtSurroundings"},
    {.frame = Basic, .row = 19, .kind = W::Label, .name = "lblML(21)", .caption = "Horizontal Tracking Speed:"},
    {.frame = Basic, .row = 19, .kind = W::TextBox, .name = "Value(13)", .text = "0", .tab = 20, .field = "fMaxAzimuthSpeed"},
    {.frame = Basic, .row = 20, .kind = W::Label, .name = "lblML(22)", .caption = "Vertical Tracking Speed:"},
    {.frame = Basic, .row = 20, .kind = W::TextBox, .name = "Value(14)", .text = "0", .tab = 21, .field = "fMaxDeclinationSpeed"},
    {.frame = Basic, .row = 21, .kind = W::Label, .name = "lblML(5)", .caption = "Speed Multiplier:", .tooltip = "Tracking speed multiplier when weapon is over target."},
    {.frame = Basic, .row = 21, .kind = W::TextBox, .name = "Value(15)", .text = "0", .tab = 22, .field = "fSpeedMultiplierWhenPointingAtTarget"},
    {.frame = Basic, .row = 22, .kind = W::Label, .name = "lblML(12)", .caption = "Track Distant Targets:", .tooltip = "Track targets outside of firing range."},
    {.frame = Basic, .row = 22, .kind = W::PickCombo, .name = "cboTrackDistantTargets", .tab = 23, .field = "iTrackTargetsOutsideRange"},
    {.frame = Basic, .row = 23, .kind = W::Label, .name = "lblML(23)", .caption = "Beam Pass-Thru Health:", .tooltip = "Beam will pass through target if health is below this value."},
    {.frame = Basic, .row = 23, .kind = W::TextBox, .name = "Value(16)", .text = "0", .enabled = false, .tab = 24, .field = "iInstantHitThreshold"},

    // Weapon Impact Results
    {.frame = Results, .row = 0, .kind = W::List, .name = "lstWeaponResults", .tab = 25, .listColour = L::Red, .role = R::ResultList},
    {.frame = Results, .row = 1, .kind = W::Label, .name = "lblML(24)", .caption = "Condition:", .tooltip = "This effect occurs when..."},
    {.frame = Results, .row = 1, .kind = W::PickCombo, .name = "cboCondition", .rows = kResultConditions, .tab = 26, .role = R::Condition},
    {.frame = Results, .row = 2, .kind = W::Label, .name = "lblML(25)", .caption = "Effect:", .tooltip = "Happens when the projectile hits/misses."},
    {.frame = Results, .row = 2, .kind = W::PickCombo, .name = "cboEffect", .rows = kResultEffects, .tab = 27, .role = R::Effect},
    {.frame = Results, .row = 3, .kind = W::Label, .name = "lblML(26)", .caption = "Minimum Effect:", .tooltip = "Minimum value for the effect."},
    {.frame = Results, .row = 3, .kind = W::TextBox, .name = "txtMinEffect", .text = "0", .tab = 28, .role = R::MinEffect},
    {.frame = Results, .row = 4, .kind = W::Label, .name = "lblML(27)", .caption = "Maximum Effect:", .tooltip = "Maximum value for the effect."},
    {.frame = Results, .row = 4, .kind = W::TextBox, .name = "txtMaxEffect", .text = "0", .tab = 29, .role = R::MaxEffect},
    {.frame = Results, .row = 5, .kind = W::Label, .name = "lblML(28)", .caption = "Spawned FX:", .tooltip = "Graphical effect spawned on hit/miss.", .enabled = false},
    {.frame = Results, .row = 5, .kind = W::TextBox, .name = "txtSpawnedWeaponEffect", .enabled = false, .tab = 30, .role = R::SpawnedEffect},
    {.frame = Results, .row = 6, .kind = W::Button, .name = "cmdRemove", .caption = "Remove", .enabled = false, .tab = 31, .role = R::Remove},
    {.frame = Results, .row = 6, .kind = W::Button, .name = "cmdAdd", .caption = "Add", .tooltip = "Add a new Weapon Impact Result.", .enabled = false, .tab = 32, .role = R::Add},
    {.frame = Results, .row = 6, .kind = W::Button, .name = "cmdApply", .caption = kApplyCaption, .tooltip = "Apply changes to this Weapon Impact Result.", .enabled = false, .tab = 33, .role = R::Apply},

    // Firing Cone and Turret Rotation
    {.frame = Rotations, .row = 0, .kind = W::Label, .name = "lblML(31)", .caption = "Firing Arc:", .tooltip = "1/2 the weapon's cone of fire."},
    {.frame = Rotations, .row = 0, .kind = W::TextBox, .name = "txtFiringArc", .text = "0", .tab = 34, .field = "fFiringArc"},
    {.frame = Rotations, .row = 1, .kind = W::Label, .name = "lblML(30)", .caption = "Left Rotation:", .tooltip = "Turret's \"left\" rotation (-)."},
    {.frame = Rotations, .row = 1, .kind = W::TextBox, .name = "txtLeftRot", .text = "0", .tab = 35, .field = "fLeftRot"},
    {.frame = Rotations, .row = 2, .kind = W::Label, .name = "lblML(29)", .caption = "Right Rotation:", .tooltip = "Turret's \"right\" rotation (+)."},
    {.frame = Rotations, .row = 2, .kind = W::TextBox, .name = "txtRightRot", .text = "0", .tab = 36, .field = "fRightRot"},
    {.frame = Rotations, .row = 3, .kind = W::Label, .name = "lblML(32)", .caption = "Down Rotation:", .tooltip = "Turret's \"down\" rotation (-)."},
    {.frame = Rotations, .row = 3, .kind = W::TextBox, .name = "txtDownRot", .text = "0", .tab = 37, .field = "fDownRot"},
    {.frame = Rotations, .row = 4, .kind = W::Label, .name = "lblML(33)", .caption = "Up Rotation:", .tooltip = "Turret's \"up\" rotation (+)."},
    {.frame = Rotations, .row = 4, .kind = W::TextBox, .name = "txtUpRot", .text = "0", .tab = 38, .field = "fUpRot"},

    // Additional Turret Properties
    {.frame = Turret, .row = 0, .kind = W::Label, .name = "lblML(13)", .caption = "Barrel Recoil Distance:", .tooltip = "Distance the turret's barrel recoils, in meters."},
    {.frame = Turret, .row = 0, .kind = W::TextBox, .name = "txtBarrelRecoil", .text = "0", .tab = 39, .field = "fBarrelRecoil"},
    {.frame = Turret, .row = 1, .kind = W::Label, .name = "lblML(34)", .caption = "Slave Fire Delay:", .tooltip = "Seconds between initial weapon firing and each slave firing."},
    {.frame = Turret, .row = 1, .kind = W::TextBox, .name = "txtSlaveFireDelay", .text = "0", .tab = 40, .field = "fSlaveFireDelay"},

    // Penetration
    {.frame = Penetration, .row = 0, .kind = W::Label, .name = "lblML(36)", .caption = "Shield Penetration:", .tooltip = "Percentage chance of an impact penetrating a defense field."},
    {.frame = Penetration, .row = 0, .kind = W::TextBox, .name = "txtFieldPenetration", .text = "0", .tab = 41, .field = "iFieldPenetration"},
    {.frame = Penetration, .row = 1, .kind = W::Label, .name = "lblML(38)", .caption = "Default Penetration:", .tooltip = "Default fraction of damage applied when a ship is hit."},
    {.frame = Penetration, .row = 1, .kind = W::TextBox, .name = "txtDefaultPenetration", .text = "0", .tab = 42, .field = "fDefaultPenetration"},
    {.frame = Penetration, .row = 2, .kind = W::Label, .name = "lblML(35)", .caption = "Armor Family - Penetration Value:"},
    {.frame = Penetration, .row = 3, .kind = W::List, .name = "lstArmorFamilies", .tab = 43, .listColour = L::Yellow, .role = R::PenetrationList},
    {.frame = Penetration, .row = 4, .kind = W::Label, .name = "lblML(37)", .caption = kValueCaption, .tooltip = "Fraction of damage applied when a ship of the selected armor type is hit."},
    {.frame = Penetration, .row = 4, .kind = W::TextBox, .name = "txtPenetration", .text = "0", .tab = 44, .role = R::PenetrationValue},
    {.frame = Penetration, .row = 4, .kind = W::Button, .name = "cmdPenApply", .caption = kApplyCaption, .tab = 45, .role = R::PenetrationApply},

    // Accuracy
    {.frame = Accuracy, .row = 0, .kind = W::Label, .name = "lblML(41)", .caption = "Armor Family - Accuracy Value - Always Damage:"},
    {.frame = Accuracy, .row = 1, .kind = W::List, .name = "lstAccuracy", .tab = 46, .listColour = L::Yellow, .role = R::AccuracyList},
    {.frame = Accuracy, .row = 2, .kind = W::Label, .name = "lblML(40)", .caption = kValueCaption, .tooltip = "Fraction of shots that will register with against this armor type."},
    {.frame = Accuracy, .row = 2, .kind = W::TextBox, .name = "txtAccuracy", .text = "0", .tab = 47, .role = R::AccuracyValue},
    {.frame = Accuracy, .row = 2, .kind = W::Button, .name = "cmdAccApply", .caption = kApplyCaption, .tab = 49, .role = R::AccuracyApply},
    {.frame = Accuracy, .row = 3, .kind = W::CheckBox, .name = "chkAlwaysDMG", .caption = "Always Causes Damage", .tab = 48, .role = R::AlwaysDamage},
};
// clang-format on

constexpr std::array<const char*, 22> kRoleNames{"None",
                                                 "WeaponEffects",
                                                 "FireDelay",
                                                 "BurstLength",
                                                 "BurstShots",
                                                 "BurstShotsLabel",
                                                 "ResultList",
                                                 "Condition",
                                                 "Effect",
                                                 "MinEffect",
                                                 "MaxEffect",
                                                 "SpawnedEffect",
                                                 "Add",
                                                 "Apply",
                                                 "Remove",
                                                 "PenetrationList",
                                                 "PenetrationValue",
                                                 "PenetrationApply",
                                                 "AccuracyList",
                                                 "AccuracyValue",
                                                 "AlwaysDamage",
                                                 "AccuracyApply"};

} // namespace

std::span<const FrameSpec> frameSpecs() {
    return kFrames;
}

std::span<const ControlSpec> controlSpecs() {
    return kControls;
}

const char* roleName(ControlRole role) {
    return kRoleNames[static_cast<std::size_t>(role)];
}

} // namespace wepn
