#pragma once

#include "editor/family_edit_command.h"
#include "editor/window_controls.h"
#include "model/weapon.h"

#include <QObject>

namespace wepn {

class MessageSink;
class WindowHistory;

/// The "Penetration" and "Accuracy" frames: the value of the selected family
/// row is edited in the field below the list; its Apply button pushes a
/// command that stores the value in the state and the row.
class FamilyEditor : public QObject {
    Q_OBJECT
  public:
    FamilyEditor(const FamilyControls& controls, WeaponState& state, WindowHistory& history,
                 MessageSink& messages, QObject* parent);

    /// Stores an entry of a table in the state and its list.
    void store(FamilyTable table, std::size_t index, const FamilyEntry& entry);

  private:
    void penetrationRowSelected();
    void applyPenetration();
    void accuracyRowSelected();
    void applyAccuracy();
    void push(const char* label, FamilyTable table, std::size_t index, FamilyEntry after);
    FamilyEntry entry(FamilyTable table, std::size_t index) const;
    QListWidget* list(FamilyTable table) const;

    WeaponState& m_state;
    WindowHistory& m_history;
    MessageSink& m_messages;
    const FamilyControls m_controls;
};

} // namespace wepn
