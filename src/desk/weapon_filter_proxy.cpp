#include "desk/weapon_filter_proxy.h"

#include "desk/weapon_table_model.h"

#include <cmath>

namespace wepn {

WeaponFilterProxy::WeaponFilterProxy(WeaponTableModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), m_model(model) {
    setSourceModel(&model);
    setSortRole(WeaponTableModel::SortRole);
}

void WeaponFilterProxy::setRowTest(RowTest test) {
    m_test = std::move(test);
    invalidateRowsFilter();
}

bool WeaponFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return !m_test || m_test(m_model.weapon(sourceRow));
}

bool WeaponFilterProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int column = left.column();
    const QString& leftText = m_model.cell(left.row(), column);
    const QString& rightText = m_model.cell(right.row(), column);
    // Qt reverses the comparison for a descending sort; empties stay last.
    const bool descending = sortOrder() == Qt::DescendingOrder;
    if (leftText.isEmpty() != rightText.isEmpty()) {
        return leftText.isEmpty() == descending;
    }
    const double leftNumber = m_model.sortNumber(left.row(), column);
    const double rightNumber = m_model.sortNumber(right.row(), column);
    const bool leftIsNumber = !std::isnan(leftNumber);
    if (leftIsNumber != !std::isnan(rightNumber)) {
        return leftIsNumber; // numbers before texts
    }
    if (leftIsNumber && leftNumber != rightNumber) {
        return leftNumber < rightNumber;
    }
    // Equal cells keep their order: Qt's sort is stable.
    return leftText.compare(rightText, Qt::CaseInsensitive) < 0;
}

} // namespace wepn
