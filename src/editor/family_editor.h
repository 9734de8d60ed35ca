#pragma once

#include "editor/window_controls.h"
#include "model/weapon.h"

#include <QObject>

namespace wepn {

class MessageSink;

/// The "Penetration" and "Accuracy" frames: the value of the selected family
/// row is edited in the field below the list and stored by its Apply button.
class FamilyEditor : public QObject {
    Q_OBJECT
  public:
    FamilyEditor(const FamilyControls& controls, WeaponState& state, MessageSink& messages,
                 QObject* parent);

  private:
    void penetrationRowSelected();
    void applyPenetration();
    void accuracyRowSelected();
    void applyAccuracy();

    WeaponState& m_state;
    MessageSink& m_messages;
    const FamilyControls m_controls;
};

} // namespace wepn
