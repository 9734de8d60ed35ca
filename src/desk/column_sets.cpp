#include "desk/column_sets.h"

#include "desk/weapon_table_model.h"
#include "editor/editor_settings.h"

#include <QHeaderView>
#include <QSettings>
#include <algorithm>
#include <utility>
#include <vector>

namespace wepn {
namespace {

const QString kSets = QStringLiteral("WeaponTable/ColumnSets");
const QString kLast = QStringLiteral("WeaponTable/LastColumns");

QString nameOf(const WeaponTableModel& model, int column) {
    // Latin-1 both ways: a family name keeps its bytes.
    return QString::fromLatin1(model.columnName(column));
}

ColumnSet readSet(const QSettings& settings) {
    return {settings.value(QStringLiteral("order")).toStringList(),
            settings.value(QStringLiteral("hidden")).toStringList()};
}

void writeSet(QSettings& settings, const ColumnSet& set) {
    settings.setValue(QStringLiteral("order"), set.order);
    settings.setValue(QStringLiteral("hidden"), set.hidden);
}

} // namespace

ColumnSet ColumnSet::of(const QHeaderView& header, const WeaponTableModel& model) {
    ColumnSet set;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        set.order << nameOf(model, logical);
        if (header.isSectionHidden(logical)) {
            set.hidden << nameOf(model, logical);
        }
    }
    return set;
}

void ColumnSet::applyTo(QHeaderView& header, const WeaponTableModel& model) const {
    int place = 1; // the path stays first
    for (const QString& name : order) {
        const int logical = model.columnNamed(name.toLatin1().toStdString());
        if (logical > 0) {
            header.moveSection(header.visualIndex(logical), place++);
        }
    }
    for (int logical = 1; logical < model.columnCount(); ++logical) {
        header.setSectionHidden(logical, hidden.contains(nameOf(model, logical)));
    }
}

QStringList ColumnSetSetting::names() const {
    EditorSettings store;
    QStringList names;
    const int count = store.beginReadArray(kSets);
    for (int k = 0; k < count; ++k) {
        store.setArrayIndex(k);
        names << store.value(QStringLiteral("name")).toString();
    }
    store.endArray();
    return names;
}

std::optional<ColumnSet> ColumnSetSetting::read(const QString& name) const {
    EditorSettings store;
    const int count = store.beginReadArray(kSets);
    for (int k = 0; k < count; ++k) {
        store.setArrayIndex(k);
        if (store.value(QStringLiteral("name")).toString() == name) {
            return readSet(store);
        }
    }
    return std::nullopt;
}

void ColumnSetSetting::write(const QString& name, const ColumnSet& set) {
    EditorSettings store;
    std::vector<std::pair<QString, ColumnSet>> sets;
    const int count = store.beginReadArray(kSets);
    for (int k = 0; k < count; ++k) {
        store.setArrayIndex(k);
        sets.emplace_back(store.value(QStringLiteral("name")).toString(), readSet(store));
    }
    store.endArray();
    auto same = std::find_if(sets.begin(), sets.end(),
                             [&name](const auto& entry) { return entry.first == name; });
    if (same != sets.end()) {
        same->second = set;
    } else {
        sets.emplace_back(name, set);
    }
    store.beginWriteArray(kSets, static_cast<int>(sets.size()));
    for (std::size_t k = 0; k < sets.size(); ++k) {
        store.setArrayIndex(static_cast<int>(k));
        store.setValue(QStringLiteral("name"), sets[k].first);
        writeSet(store, sets[k].second);
    }
    store.endArray();
    store.sync();
}

std::optional<ColumnSet> ColumnSetSetting::readLast() const {
    EditorSettings store;
    if (!store.contains(kLast + QStringLiteral("/order"))) {
        return std::nullopt;
    }
    store.beginGroup(kLast);
    return readSet(store);
}

void ColumnSetSetting::writeLast(const ColumnSet& set) {
    EditorSettings store;
    store.beginGroup(kLast);
    writeSet(store, set);
    store.endGroup();
    store.sync();
}

} // namespace wepn
