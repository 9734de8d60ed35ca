#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wepn {

/// The values of a weapon's StartWeaponConfig statement, in argument order.
/// Text fields hold the file's bytes unchanged (8-bit text, no decoding).
struct VyrWeapon {
    std::string sWeaponName;
    std::string sWeaponType;
    std::string sWeaponFireType;
    std::string sWeaponFireName;
    std::string sActivation;
    double fWeaponFireSpeed = 0;
    double fWeaponFireRange = 0;
    double fWeaponFireRadius = 0;
    double fWeaponFireLifetime = 0;
    double fWeaponFireMisc1 = 0;
    std::int16_t iWeaponFireAxis = 0;
    std::int16_t iMaxEffectsSpawned = 0;
    std::int16_t iUseVelocityPred = 0;
    std::int16_t iCheckLineOfFire = 0;
    double fFireTime = 0;
    double fBurstFireTime = 0;
    double fBurstWaitTime = 0;
    std::int16_t iShootAtSecondaries = 0;
    std::int16_t iShootAtSurroundings = 0;
    double fMaxAzimuthSpeed = 0;
    double fMaxDeclinationSpeed = 0;
    double fSpeedMultiplierWhenPointingAtTarget = 0;
    std::string sWeaponShieldPenetration;
    std::int16_t iTrackTargetsOutsideRange = 0;
    double fWaitUntilCodeRedState = 0;
    std::int32_t iInstantHitThreshold = 0;

    bool operator==(const VyrWeapon&) const = default;
};

/// One AddWeaponResult statement.
struct WeaponResult {
    std::string sCondition;
    std::string sEffect;
    std::string sTarget;
    double fMinEffect = 0;
    double fMaxEffect = 0;
    std::string sSpawnedWeaponEffect;

    bool operator==(const WeaponResult&) const = default;
};

/// The setPenetration statement; sFamilies and fValues are parallel.
struct PenetrationSet {
    std::int32_t iFieldPenetration = 0;
    double fDefaultPenetration = 0;
    std::vector<std::string> sFamilies;
    std::vector<double> fValues;

    bool operator==(const PenetrationSet&) const = default;
};

/// The setAccuracy statement; the three arrays are parallel.
struct AccuracySet {
    std::int16_t iLeadingValue = 0;
    std::vector<std::string> sFamilies;
    std::vector<double> fValues;
    std::vector<std::int16_t> iAlwaysDamage;

    bool operator==(const AccuracySet&) const = default;
};

/// Everything the editor holds about the weapon being edited. A freshly made
/// state (empty texts, zeros, empty lists) is the state of a freshly started
/// editor. `Results` is empty when the weapon has no impact results.
struct WeaponState {
    VyrWeapon CurrentWeapon;
    std::vector<WeaponResult> Results;
    double fFiringArc = 0;
    double fLeftRot = 0;
    double fRightRot = 0;
    double fUpRot = 0;
    double fDownRot = 0;
    double fBarrelRecoil = 0;
    double fSlaveFireDelay = 0;
    bool bTurretProperties = false;
    PenetrationSet Penetration;
    AccuracySet Accuracy;
    /// The loaded file's lines in file order; lines the reader used are empty,
    /// so the ones still holding text are the unrecognised lines.
    std::vector<std::string> strLines;
    /// The quoted texts of the loaded file that hold a backslash, as the file
    /// wrote them: the game read them as Lua strings, and a save writes them
    /// back with the same bytes. A text typed with a backslash is refused.
    std::vector<std::string> strLoadedEscapes;
    /// 0 until a file has been loaded completely, then 1.
    std::int16_t intFileRead = 0;

    bool operator==(const WeaponState&) const = default;
};

} // namespace wepn
