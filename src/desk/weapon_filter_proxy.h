#pragma once

#include <QSortFilterProxyModel>
#include <functional>

namespace wepn {

struct DeskWeapon;
class WeaponTableModel;

// The table's rows as shown: those the filter line accepts, sorted by a
// column's numbers as numbers and its texts as texts, empty cells last in
// either direction.
class WeaponFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    using RowTest = std::function<bool(const DeskWeapon&)>;

    explicit WeaponFilterProxy(WeaponTableModel& model, QObject* parent = nullptr);

    // Shows only the weapons `test` accepts; an empty test shows every row.
    void setRowTest(RowTest test);

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    WeaponTableModel& m_model;
    RowTest m_test;
};

} // namespace wepn
