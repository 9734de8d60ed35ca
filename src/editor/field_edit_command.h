#pragma once

#include "editor/field_value.h"

#include <QUndoCommand>

namespace wepn {

class FieldEditor;
struct FieldBinding;

/// A change the user made to one scalar field: the value before and after in
/// the weapon state. Typing in one field stays one step for as long as the
/// step is open.
class FieldEditCommand : public QUndoCommand {
  public:
    FieldEditCommand(FieldEditor& editor, const FieldBinding& binding, FieldValue before,
                     FieldValue after, bool continues);

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

  private:
    FieldEditor& m_editor;
    const FieldBinding& m_binding;
    FieldValue m_before;
    FieldValue m_after;
    bool m_continues;
    // When the command is pushed its control shows the new value already.
    bool m_shown = true;
};

} // namespace wepn
