#pragma once

#include "editor/window_controls.h"

#include <QStringList>
#include <string>
#include <vector>

namespace wepn {

struct FamilyRows;
struct WeaponState;

/// Shows a weapon state in the window's fields and lists; the reverse of
/// WeaponCollector.
class WeaponPresenter {
  public:
    explicit WeaponPresenter(const WindowControls& controls) : m_controls(controls) {}

    /// Every bound field of the state in its control, in the field table's
    /// order (fire delay before burst length, so burst shots follows both).
    void presentFields(const WeaponState& state) const;
    /// The rows of the three lists, with no row selected and no notification.
    void presentRows(const std::vector<std::string>& resultRows,
                     const FamilyRows& familyRows) const;
    /// The rows of the weapon effects drop-down; its text is left to presentFields.
    void presentWeaponFireNames(const QStringList& names) const;

  private:
    const WindowControls& m_controls;
};

} // namespace wepn
