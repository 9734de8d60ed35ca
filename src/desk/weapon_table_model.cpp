#include "desk/weapon_table_model.h"

#include "desk/column_headings.h"
#include "desk/utf8_text.h"
#include "model/fields.h"
#include "model/number_text.h"
#include "sheet/desk_columns.h"
#include "sheet/edit.h"
#include "sheet/latin1.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>
#include <cmath>
#include <limits>

namespace wepn {
namespace {

std::vector<const WeaponState*> loadedStates(const std::vector<DeskWeapon>& weapons) {
    std::vector<const WeaponState*> states;
    for (const DeskWeapon& weapon : weapons) {
        if (!weapon.failed()) {
            states.push_back(&weapon.state);
        }
    }
    return states;
}

constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

WeaponTableModel::WeaponTableModel(QObject* parent) : QAbstractTableModel(parent) {
    setColumns(tableColumns({}));
}

void WeaponTableModel::setWeapons(std::vector<DeskWeapon> weapons) {
    beginResetModel();
    m_weapons = std::move(weapons);
    setColumns(tableColumns(loadedStates(m_weapons)));
    endResetModel();
}

void WeaponTableModel::appendWeapons(std::vector<DeskWeapon> weapons) {
    if (weapons.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(weapons.size()) - 1);
    for (DeskWeapon& weapon : weapons) {
        m_cells.push_back(cellsOf(weapon));
        m_weapons.push_back(std::move(weapon));
    }
    endInsertRows();
}

void WeaponTableModel::refreshColumns() {
    std::vector<std::string> names = tableColumns(loadedStates(m_weapons));
    if (std::equal(names.begin(), names.end(), m_names.begin(), m_names.end() - 1)) {
        return;
    }
    beginResetModel();
    setColumns(std::move(names));
    endResetModel();
}

void WeaponTableModel::setColumns(std::vector<std::string> names) {
    names.emplace_back(kProblemsColumn);
    m_names = std::move(names);
    m_columns.clear();
    for (const std::string& name : m_names) {
        m_columns.push_back(TableColumn::named(name));
    }
    m_cells.clear();
    for (const DeskWeapon& weapon : m_weapons) {
        m_cells.push_back(cellsOf(weapon));
    }
}

WeaponTableModel::Cells WeaponTableModel::cellsOf(const DeskWeapon& weapon) const {
    const std::size_t count = m_names.size();
    Cells cells{std::vector<QString>(count), std::vector<double>(count, kNoNumber),
                std::vector<bool>(count, false)};
    cells.text.front() = utf8(nameToUtf8(weapon.named));
    cells.text.back() = problemsText(weapon);
    if (weapon.failed()) {
        return cells;
    }
    const WeaponFamilies families(weapon.state);
    const WeaponFamilies loadedFamilies(weapon.loaded.state);
    for (std::size_t c = 0; c < count; ++c) {
        if (!m_columns[c]) {
            continue;
        }
        const std::string now = m_columns[c]->cell(weapon.state, families);
        cells.changed[c] = now != m_columns[c]->cell(weapon.loaded.state, loadedFamilies);
        if (m_columns[c]->kind() != CellKind::Text) {
            cells.number[c] = readNumber(now).value_or(kNoNumber);
        }
        cells.text[c] = utf8(now);
    }
    return cells;
}

QString WeaponTableModel::problemsText(const DeskWeapon& weapon) const {
    QStringList lines;
    if (weapon.failure) {
        lines << (weapon.failure->line > 0 ? QStringLiteral("line %1: ").arg(weapon.failure->line) +
                                                 utf8(weapon.failure->message)
                                           : utf8(weapon.failure->message));
    }
    if (!weapon.refused.empty()) {
        lines << QStringLiteral("not saved: ") + utf8(weapon.refused);
    }
    for (const std::string& problem : weapon.problems) {
        lines << utf8(problem);
    }
    return lines.join(u'\n');
}

void WeaponTableModel::weaponChanged(int row) {
    m_cells[static_cast<std::size_t>(row)] = cellsOf(weapon(row));
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
}

int WeaponTableModel::rowOfFile(const std::string& file) const {
    for (std::size_t r = 0; r < m_weapons.size(); ++r) {
        if (m_weapons[r].file == file) {
            return static_cast<int>(r);
        }
    }
    return -1;
}

const std::string& WeaponTableModel::columnName(int column) const {
    return m_names[static_cast<std::size_t>(column)];
}

int WeaponTableModel::columnNamed(std::string_view name) const {
    for (std::size_t c = 0; c < m_names.size(); ++c) {
        if (m_names[c] == name) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

bool WeaponTableModel::isProblemsColumn(int column) const {
    return column == columnCount() - 1;
}

bool WeaponTableModel::isEditableColumn(int column) const {
    const std::string& name = columnName(column);
    if (!m_columns[static_cast<std::size_t>(column)] || name == kResultsColumn) {
        return false;
    }
    const ScalarField* field = findScalarField(name);
    return field == nullptr || editableField(*field);
}

QString WeaponTableModel::loadedCell(int row, int column) const {
    const DeskWeapon& desk = weapon(row);
    const auto& resolved = m_columns[static_cast<std::size_t>(column)];
    if (desk.failed() || !resolved) {
        return cell(row, column);
    }
    return utf8(resolved->cell(desk.loaded.state, WeaponFamilies(desk.loaded.state)));
}

const QString& WeaponTableModel::cell(int row, int column) const {
    return m_cells[static_cast<std::size_t>(row)].text[static_cast<std::size_t>(column)];
}

double WeaponTableModel::sortNumber(int row, int column) const {
    return m_cells[static_cast<std::size_t>(row)].number[static_cast<std::size_t>(column)];
}

int WeaponTableModel::changedCount() const {
    int count = 0;
    for (const DeskWeapon& desk : m_weapons) {
        count += desk.changed() ? 1 : 0;
    }
    return count;
}

int WeaponTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_weapons.size());
}

int WeaponTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant WeaponTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Cells& cells = m_cells[static_cast<std::size_t>(index.row())];
    const auto c = static_cast<std::size_t>(index.column());
    const DeskWeapon& desk = weapon(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cells.text[c];
    case SortRole:
        return std::isnan(cells.number[c]) ? QVariant(cells.text[c]) : QVariant(cells.number[c]);
    case Qt::ToolTipRole:
        if (cells.changed[c]) {
            return QStringLiteral("Loaded: ") + loadedCell(index.row(), index.column());
        }
        if (isProblemsColumn(index.column()) || (index.column() == 0 && desk.failed())) {
            return cells.text.back().isEmpty() ? QVariant() : QVariant(cells.text.back());
        }
        return {};
    case Qt::BackgroundRole:
        if (desk.failed()) {
            return QBrush(QColor(255, 221, 221));
        }
        return cells.changed[c] ? QBrush(QColor(255, 240, 170)) : QVariant();
    case Qt::ForegroundRole:
        return desk.refused.empty() ? QVariant() : QBrush(QColor(160, 0, 0));
    case Qt::FontRole:
        if (cells.changed[c]) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant WeaponTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role != Qt::DisplayRole) {
            return {};
        }
        const DeskWeapon& desk = weapon(section);
        // A changed weapon is marked as the main window marks its caption.
        return desk.failed()    ? QStringLiteral("!")
               : desk.changed() ? QStringLiteral("*")
                                : QString();
    }
    if (role == Qt::DisplayRole) {
        return columnHeading(columnName(section));
    }
    if (role == Qt::ToolTipRole) {
        return utf8(columnName(section));
    }
    return {};
}

Qt::ItemFlags WeaponTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && !weapon(index.row()).failed() && isEditableColumn(index.column())) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

} // namespace wepn
