#pragma once

#include "editor/controls.h"

#include <string_view>

namespace wepn {

struct WeaponState;

/// Which fields a loaded weapon lets the user edit.
class FieldAvailability {
  public:
    explicit FieldAvailability(const Controls& controls) : m_controls(controls) {}

    /// Enables the six fire-type dependent fields that apply to the fire type
    /// and disables the others (all of them for a type that is not known).
    void applyFireType(std::string_view fireType) const;
    /// After presenting: the impact-result buttons, the frames (the turret
    /// frame only for a weapon with turret values) and the rotation fields.
    void applyAfterLoad(const WeaponState& state) const;

  private:
    void enable(const char* name, bool on) const;

    const Controls& m_controls;
};

} // namespace wepn
