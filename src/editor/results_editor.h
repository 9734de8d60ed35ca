#pragma once

#include "editor/controls.h"
#include "model/weapon.h"

#include <QObject>
#include <optional>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wepn {

class MessageSink;

/// The "Weapon Impact Results" frame: keeps the state's results and the rows
/// of lstWeaponResults in step through Add, Apply and Remove.
class ResultsEditor : public QObject {
    Q_OBJECT
  public:
    ResultsEditor(const Controls& controls, WeaponState& state, MessageSink& messages,
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
    QListWidget* m_list;
    QComboBox* m_condition;
    QComboBox* m_effect;
    QLineEdit* m_min;
    QLineEdit* m_max;
    QLineEdit* m_spawned;
    QPushButton* m_apply;
};

} // namespace wepn
