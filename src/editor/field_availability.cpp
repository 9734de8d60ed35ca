#include "editor/field_availability.h"

#include "model/availability.h"
#include "model/weapon.h"

namespace wepn {

void FieldAvailability::enable(const char* name, bool on) const {
    m_controls.widget(QString::fromLatin1(name))->setEnabled(on);
}

void FieldAvailability::applyFireType(std::string_view fireType) const {
    const FireTypeAvailability fields = fireTypeAvailability(fireType);
    enable("Value(3)", fields.projectileVelocity);
    enable("Value(5)", fields.blastRadius);
    enable("Value(6)", fields.fireDuration);
    enable("Value(7)", fields.anticipationTime);
    enable("Value(16)", fields.beamPassThruHealth);
    enable("cboFireAxis", fields.fireAxis);
}

void FieldAvailability::applyAfterLoad(const WeaponState& state) const {
    enable("cmdAdd", true);
    enable("cmdRemove", true);
    for (const char* frame :
         {"fraBasicStats", "fraWeaponResults", "fraRotations", "fraPenetration", "fraAccuracy"}) {
        enable(frame, true);
    }
    enable("fraTurretProperties", state.bTurretProperties);
    const bool rotates = rotationsAvailable(state.CurrentWeapon.sWeaponType);
    for (const char* field : {"txtLeftRot", "txtRightRot", "txtUpRot", "txtDownRot"}) {
        enable(field, rotates);
    }
}

} // namespace wepn
