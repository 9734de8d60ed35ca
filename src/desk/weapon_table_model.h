#pragma once

#include "sheet/desk_weapon.h"
#include "sheet/weapon_table.h"

#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

// The desk's weapons as a table: one row per weapon file, the columns of
// `wepn table` (the path first) and the problems last. Cells are made once
// per weapon and again only when it changes, so sorting and filtering many
// rows read prepared texts and numbers.
class WeaponTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // The number of a cell for sorting; NaN for a text or an empty cell.
    static constexpr int SortRole = Qt::UserRole;

    explicit WeaponTableModel(QObject* parent = nullptr);

    // Replaces the weapons; the columns are those their tables name.
    void setWeapons(std::vector<DeskWeapon> weapons);
    // Adds weapons loaded later (in batches while a folder loads), keeping
    // the columns; `refreshColumns` then adds the families they name.
    void appendWeapons(std::vector<DeskWeapon> weapons);
    void refreshColumns();

    std::size_t weaponCount() const { return m_weapons.size(); }
    const std::vector<DeskWeapon>& weapons() const { return m_weapons; }
    const DeskWeapon& weapon(int row) const { return m_weapons[static_cast<std::size_t>(row)]; }
    // For the commands that change a weapon: each tells the model afterwards.
    DeskWeapon& weaponToChange(int row) { return m_weapons[static_cast<std::size_t>(row)]; }
    void weaponChanged(int row);
    // The row of the weapon read from the file, or -1.
    int rowOfFile(const std::string& file) const;

    const std::string& columnName(int column) const;
    // The column's index, or -1.
    int columnNamed(std::string_view name) const;
    bool isPathColumn(int column) const { return column == 0; }
    bool isProblemsColumn(int column) const;
    // Whether the cell was typed into (the column of a field or table value).
    bool isEditableColumn(int column) const;
    // The cell as the weapon was loaded and as it is now.
    QString loadedCell(int row, int column) const;
    const QString& cell(int row, int column) const;
    // The cell's number, NaN for a text or an empty cell (SortRole without a QVariant).
    double sortNumber(int row, int column) const;

    int changedCount() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    struct Cells {
        std::vector<QString> text;
        std::vector<double> number;
        std::vector<bool> changed;
    };

    void setColumns(std::vector<std::string> names);
    Cells cellsOf(const DeskWeapon& weapon) const;
    QString problemsText(const DeskWeapon& weapon) const;

    std::vector<DeskWeapon> m_weapons;
    std::vector<Cells> m_cells;
    std::vector<std::string> m_names;                  // path, table columns, problems
    std::vector<std::optional<TableColumn>> m_columns; // nothing for path and problems
};

} // namespace wepn
