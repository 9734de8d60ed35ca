#include "editor/field_availability.h"

#include "model/availability.h"
#include "model/weapon.h"

#include <QGroupBox>
#include <QPushButton>

namespace wepn {

void FieldAvailability::apply(const WeaponState& state) const {
    for (const FieldBinding& binding : m_controls.fields) {
        binding.control()->setEnabled(fieldApplies(*binding.field, state));
    }
    m_controls.results.add->setEnabled(true);
    m_controls.results.remove->setEnabled(true);
    for (QGroupBox* frame : m_controls.frames) {
        frame->setEnabled(frame != m_controls.turretFrame || state.bTurretProperties);
    }
}

} // namespace wepn
