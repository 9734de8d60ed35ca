#pragma once

#include "model/expected.h"
#include "model/script_writer.h"
#include "model/weapon.h"

#include <string>

namespace wepn {

/// The text every save writes for the state, proven to load back into the
/// same weapon before any byte reaches a disk: the text is read again and
/// written again, and both writes must agree. Refused (with the field and the
/// reason) are what `writeWeaponScript` refuses, a number whose 15-digit text
/// is beyond the largest double, and a weapon whose text the reader would
/// not take (field empty; the reason is the reader's, e.g. the line limit).
Expected<std::string, WriteError> savedScript(const WeaponState& state);

} // namespace wepn
