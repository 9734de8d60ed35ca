#pragma once

#include "editor/result_edit_command.h"
#include "editor/window_controls.h"
#include "model/weapon.h"

#include <QObject>
#include <optional>

namespace wepn {

class MessageSink;
class WindowHistory;

/// The "Weapon Impact Results" frame: Add, Apply and Remove push a command
/// that changes the state's results and the rows of the list alike.
class ResultsEditor : public QObject {
    Q_OBJECT
  public:
    ResultsEditor(const ResultControls& controls, WeaponState& state, WindowHistory& history,
                  MessageSink& messages, QObject* parent);

    /// Makes the change in the state and the list; a change the history
    /// makes again leaves no row selected.
    void change(const ResultChange& change, bool fromHistory);

  private:
    void effectChanged(int row);
    void rowSelected();
    void add();
    void apply();
    void remove();
    /// A result from the edit fields, or nothing (after a message) when a
    /// value does not convert.
    std::optional<WeaponResult> resultFromFields(std::string target) const;
    void push(const char* label, ResultChange change);

    WeaponState& m_state;
    WindowHistory& m_history;
    MessageSink& m_messages;
    const ResultControls m_controls;
};

} // namespace wepn
