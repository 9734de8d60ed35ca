#pragma once

#include <QSettings>

namespace wepn {

// The editor's settings: INI form at user scope, under the organisation
// every part of the editor shares.
class EditorSettings : public QSettings {
  public:
    EditorSettings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vyrdesk")) {}
};

} // namespace wepn
