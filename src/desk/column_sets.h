#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QHeaderView;

namespace wepn {

class WeaponTableModel;

// Which columns the table shows and in what order, by column name, so that a
// set made on one folder applies to another whose families differ.
struct ColumnSet {
    QStringList order;  // every column as it stood, left to right
    QStringList hidden; // those not shown

    // The header's columns as they stand now.
    static ColumnSet of(const QHeaderView& header, const WeaponTableModel& model);
    // Orders and hides the header's columns as the set says; columns the set
    // does not name keep their place after those it names and stay shown.
    void applyTo(QHeaderView& header, const WeaponTableModel& model) const;
};

// The named column sets kept in the settings (group "WeaponTable"), and the
// columns as the table last stood.
class ColumnSetSetting {
  public:
    QStringList names() const;
    std::optional<ColumnSet> read(const QString& name) const;
    void write(const QString& name, const ColumnSet& set);
    std::optional<ColumnSet> readLast() const;
    void writeLast(const ColumnSet& set);
};

} // namespace wepn
