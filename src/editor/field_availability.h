#pragma once

#include "editor/window_controls.h"

namespace wepn {

struct WeaponState;

/// Which parts of the window a loaded weapon lets the user edit.
class FieldAvailability {
  public:
    explicit FieldAvailability(const WindowControls& controls) : m_controls(controls) {}

    /// Enables the frames (the turret frame only for a weapon with turret
    /// values), the impact-result buttons, and each field that applies to
    /// the weapon, disabling those that do not.
    void apply(const WeaponState& state) const;

  private:
    const WindowControls& m_controls;
};

} // namespace wepn
