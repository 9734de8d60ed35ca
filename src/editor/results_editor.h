#pragma once

#include "editor/window_controls.h"
#include "model/weapon.h"

#include <QObject>
#include <optional>

namespace wepn {

class MessageSink;

/// The "Weapon Impact Results" frame: keeps the state's results and the rows
/// of lstWeaponResults in step through Add, Apply and Remove.
class ResultsEditor : public QObject {
    Q_OBJECT
  public:
    ResultsEditor(const ResultControls& controls, WeaponState& state, MessageSink& messages,
                  QObject* parent);

  private:
    void effectChanged(int row);
    void rowSelected();
    void add();
    void apply();
    void remove();
    /// A result from the edit fields, or nothing (after a message) when a
    /// value does not convert.
    std::optional<WeaponResult> resultFromFields(std::string target) const;

    WeaponState& m_state;
    MessageSink& m_messages;
    const ResultControls m_controls;
};

} // namespace wepn
