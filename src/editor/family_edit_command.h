#pragma once

#include "model/family_edit.h"

#include <QUndoCommand>
#include <cstdint>
#include <string>

namespace wepn {

class FamilyEditor;

/// A family's entry of the penetration or accuracy table, with its list row.
struct FamilyEntry {
    double value = 0;
    std::int16_t damage = 0; ///< accuracy only
    std::string row;

    bool operator==(const FamilyEntry&) const = default;
};

/// A family value stored by the Penetration or Accuracy frame's Apply button.
class FamilyEditCommand : public QUndoCommand {
  public:
    FamilyEditCommand(FamilyEditor& editor, const QString& label, FamilyTable table,
                      std::size_t index, FamilyEntry before, FamilyEntry after)
        : QUndoCommand(label), m_editor(editor), m_table(table), m_index(index),
          m_before(std::move(before)), m_after(std::move(after)) {}

    void undo() override;
    void redo() override;

  private:
    FamilyEditor& m_editor;
    FamilyTable m_table;
    std::size_t m_index;
    FamilyEntry m_before;
    FamilyEntry m_after;
};

} // namespace wepn
