#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

namespace wepn {

/// The window's controls by objectName ("Value(3)", "cmdAdd", "fraAccuracy").
class Controls {
  public:
    void add(QWidget* widget) { m_byName.insert(widget->objectName(), widget); }

    QWidget* widget(const QString& name) const { return m_byName.value(name); }

    /// The named control as its own type; null when there is no such control
    /// or it is of another type.
    template <class T> T* get(const QString& name) const { return qobject_cast<T*>(widget(name)); }

  private:
    QHash<QString, QWidget*> m_byName;
};

} // namespace wepn
