#pragma once

#include "model/family_list.h"
#include "model/weapon.h"

#include <QUndoCommand>
#include <string>
#include <vector>

namespace wepn {

class WeaponTableModel;

// A step of the desk's history that changes whole weapons. Undo gives each
// weapon it changed back exactly what it held before (state, family rows and
// the reason of a refused save), never a value read again from text.
class DeskRowsCommand : public QUndoCommand {
  public:
    void undo() override;

  protected:
    DeskRowsCommand(WeaponTableModel& model, const QString& text);

    // Notes the weapon as it is, once per row and only on the first redo.
    void keep(int row);
    bool kept() const { return !m_before.empty(); }

    WeaponTableModel& m_model;

  private:
    struct Before {
        int row;
        WeaponState state;
        FamilyRows rows;
        std::string refused;
    };

    std::vector<Before> m_before;
};

} // namespace wepn
