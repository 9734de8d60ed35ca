#pragma once

#include "editor/controls.h"
#include "model/weapon.h"

#include <QObject>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace wepn {

class MessageSink;

/// The "Penetration" and "Accuracy" frames: the value of the selected family
/// row is edited in the field below the list and stored by its Apply button.
class FamilyEditor : public QObject {
    Q_OBJECT
  public:
    FamilyEditor(const Controls& controls, WeaponState& state, MessageSink& messages,
                 QObject* parent);

  private:
    void penetrationRowSelected();
    void applyPenetration();
    void accuracyRowSelected();
    void applyAccuracy();

    WeaponState& m_state;
    MessageSink& m_messages;
    QListWidget* m_penetrationList;
    QLineEdit* m_penetration;
    QListWidget* m_accuracyList;
    QLineEdit* m_accuracy;
    QCheckBox* m_alwaysDamage;
};

} // namespace wepn
