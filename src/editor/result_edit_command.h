#pragma once

#include "model/weapon.h"

#include <QUndoCommand>
#include <cstddef>
#include <optional>

namespace wepn {

class ResultsEditor;

/// One impact result as it was and as it becomes: nothing before is an added
/// result, nothing after a removed one.
struct ResultChange {
    std::size_t index = 0;
    std::optional<WeaponResult> before;
    std::optional<WeaponResult> after;
};

/// A change made through the impact results' Add, Apply or Remove button.
class ResultEditCommand : public QUndoCommand {
  public:
    ResultEditCommand(ResultsEditor& editor, const QString& label, ResultChange change)
        : QUndoCommand(label), m_editor(editor), m_change(std::move(change)) {}

    void undo() override;
    void redo() override;

  private:
    ResultsEditor& m_editor;
    ResultChange m_change;
    bool m_pushed = true;
};

} // namespace wepn
