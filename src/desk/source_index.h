#pragma once

#include <QAbstractProxyModel>
#include <QModelIndex>

namespace wepn {

// The index of the model underneath any proxies a view shows it through.
inline QModelIndex sourceIndex(QModelIndex index) {
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model())) {
        index = proxy->mapToSource(index);
    }
    return index;
}

} // namespace wepn
