#pragma once

#include "editor/collect_error.h"
#include "editor/window_controls.h"
#include "model/expected.h"
#include "model/weapon.h"

namespace wepn {

/// Reads every bound scalar field of the window back into a weapon state;
/// the reverse of WeaponPresenter.
class WeaponCollector {
  public:
    explicit WeaponCollector(const WindowControls& controls) : m_controls(controls) {}

    /// `state` with the window's fields stored in it, or the first field that
    /// does not convert. Fields the window does not show keep their values.
    Expected<WeaponState, CollectError> collect(WeaponState state) const;

  private:
    const WindowControls& m_controls;
};

} // namespace wepn
