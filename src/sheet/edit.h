#pragma once

#include "model/expected.h"
#include "model/family_index.h"
#include "model/family_list.h"
#include "model/fields.h"
#include "model/weapon.h"

#include <string>
#include <string_view>

namespace wepn {

// One batch edit of `wepn set`: NAME=VALUE or NAME*=FACTOR, where NAME is a
// scalar field, penetration.FAMILY, accuracy.FAMILY or accuracy.FAMILY.damage.
struct Edit {
    enum class Target { Field, Penetration, Accuracy, AccuracyDamage };

    std::string text; // the edit as given, for messages
    Target target = Target::Field;
    const ScalarField* field = nullptr; // Target::Field only
    std::string family;                 // the table targets only
    bool scale = false;                 // NAME*=FACTOR
    bool add = false;                   // the window's bulk Add (see parseAddition)
    std::string value;                  // VALUE, FACTOR when scaling, the addend when adding

    bool needsFamilyList() const { return target != Target::Field; }
};

// What one edit changed, as the window would show the value.
struct EditChange {
    std::string name;
    std::string before;
    std::string after;
};

// Whether `set` may edit the field: every load resets sWeaponName.
bool editableField(const ScalarField& field);

// Parses an edit. Fails (with a reason fit for a usage error) on a malformed
// edit, an unknown name, a field that cannot be edited or scaling a value
// that is not a number.
Expected<Edit, std::string> parseEdit(std::string_view text);

// An edit that adds `addend` to a number field or table value, as the
// window's bulk Add does; refused as parseEdit refuses scaling, and for a
// fraction added to a whole-number field.
Expected<Edit, std::string> parseAddition(std::string_view name, std::string_view addend);

// The choices an edit of the field accepts, e.g. "0 No, 1 Yes, or -1 or
// empty for none" (by index, or by text ignoring case).
std::string listedChoices(const ScalarField& field);

// Applies the edit to a loaded state, finding families through `families`,
// made once per weapon (edits change values, never family names). The family
// rows are kept in step with the table arrays. Fails, leaving state and rows
// untouched, when the value does not convert by the window's rules or the
// family is not in the table. Reasons are in UTF-8.
Expected<EditChange, std::string> applyEdit(const Edit& edit, WeaponState& state, FamilyRows& rows,
                                            const WeaponFamilies& families);

} // namespace wepn
