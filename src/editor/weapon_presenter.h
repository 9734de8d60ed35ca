#pragma once

#include "editor/window_controls.h"

#include <QStringList>
#include <string>
#include <vector>

namespace wepn {

struct FamilyRows;
struct WeaponState;

/// Shows a weapon state in the window's fields and lists.
class WeaponPresenter {
  public:
    explicit WeaponPresenter(const WindowControls& controls) : m_controls(controls) {}

    /// Every bound field of the state in its control, and the burst shots.
    void presentFields(const WeaponState& state) const;
    /// One field's value in its control, showing the value's start.
    void presentField(const FieldBinding& binding, const WeaponState& state) const;
    /// The burst shots for the state's fire delay and burst length; a zero
    /// delay leaves the text as it was.
    void presentBurstShots(const WeaponState& state) const;
    /// The rows of the three lists, with no row selected and no notification.
    void presentRows(const std::vector<std::string>& resultRows,
                     const FamilyRows& familyRows) const;
    /// The rows of the weapon effects drop-down; its text is left to presentFields.
    void presentWeaponFireNames(const QStringList& names) const;

  private:
    const WindowControls& m_controls;
};

} // namespace wepn
