#include "model/load.h"
#include "model/saved_script.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <limits>

using namespace wepn;

namespace {

WeaponState smallWeapon() {
    WeaponState state;
    state.CurrentWeapon.sWeaponName = "NewWeaponType";
    state.CurrentWeapon.sWeaponType = "Fixed";
    state.CurrentWeapon.sWeaponFireType = "Bullet";
    state.Results = {{"Hit", "DamageHealth", "Target", 10, 20, ""}};
    state.Penetration = {5, 0.5, {"Fighter"}, {0.5}};
    state.Accuracy = {1, {"Small"}, {0.25}, {0}};
    return state;
}

} // namespace

// A save never writes what it could not load again: each kind of number
// position refuses a value whose 15-digit text is beyond the largest double,
// and a weapon past the reader's limits is refused in the reader's words.
TEST(SavedScript, RefusesWhatWouldNotLoadBack) {
    const struct {
        const char* name;
        void (*change)(WeaponState&);
        const char* field;  // "" for the whole weapon
        const char* reason; // the start of the reason
    } cases[] = {
        {"config number", [](WeaponState& s) { s.CurrentWeapon.fWeaponFireRange = DBL_MAX; },
         "fWeaponFireRange", "the value 1.79769313486232E+308 is larger than the largest number"},
        {"negative", [](WeaponState& s) { s.CurrentWeapon.fFireTime = -DBL_MAX; }, "fFireTime",
         "the value -1.79769313486232E+308 is larger"},
        {"angle", [](WeaponState& s) { s.fUpRot = DBL_MAX; }, "fUpRot", "the value"},
        {"turret value",
         [](WeaponState& s) {
             s.bTurretProperties = true;
             s.fSlaveFireDelay = DBL_MAX;
         },
         "fSlaveFireDelay", "the value"},
        {"result", [](WeaponState& s) { s.Results[0].fMaxEffect = DBL_MAX; },
         "fMaxEffect of impact result 1", "the value"},
        {"table default", [](WeaponState& s) { s.Penetration.fDefaultPenetration = DBL_MAX; },
         "fDefaultPenetration", "the value"},
        {"table entry", [](WeaponState& s) { s.Accuracy.fValues[0] = DBL_MAX; },
         "accuracy family Small", "the value"},
        {"too many lines",
         [](WeaponState& s) {
             s.Penetration.sFamilies.assign(40000, "F");
             s.Penetration.fValues.assign(40000, 1);
         },
         "", "the saved file would not load again: the file has more than 32768 lines"},
        {"too many bytes",
         [](WeaponState& s) { s.strLines.assign(2, "-- " + std::string(9 << 20, 'x')); }, "",
         "the saved file would not load again: the file is larger than 16 MiB"},
    };
    for (const auto& c : cases) {
        WeaponState state = smallWeapon();
        c.change(state);
        const auto result = savedScript(state);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.error().field, c.field) << c.name;
        EXPECT_TRUE(result.error().reason.starts_with(c.reason))
            << c.name << ": " << result.error().reason;
    }
}

// Values at the edges that do have a text are saved and load back unchanged.
TEST(SavedScript, EdgeValuesThatFitAreSavedExactly) {
    const double largestWritable = 1.79769313486231e308;
    const double subnormal = std::numeric_limits<double>::denorm_min();
    WeaponState state = smallWeapon();
    state.CurrentWeapon.fWeaponFireRange = largestWritable;
    state.CurrentWeapon.fWeaponFireSpeed = subnormal;
    state.bTurretProperties = false;
    state.fBarrelRecoil = DBL_MAX; // not written without turret values
    const auto text = savedScript(state);
    ASSERT_TRUE(text.ok()) << text.error().field << ": " << text.error().reason;
    const auto reread = readWeaponScript(state, *text);
    ASSERT_TRUE(reread.ok());
    EXPECT_EQ(reread->CurrentWeapon.fWeaponFireRange, largestWritable);
    EXPECT_EQ(reread->CurrentWeapon.fWeaponFireSpeed, subnormal);
}
