#include "shell/decompiled_data_setting.h"

#include <QSettings>

namespace wepn {
namespace {

const QString kOrganisation = QStringLiteral("Vyrdesk");
const QString kKey = QStringLiteral("Directories/Decompiled_Data");

} // namespace

QString DecompiledDataSetting::defaultDirectory() {
    return QStringLiteral("C:\\Program Files\\Halcyra\\Vyrheim 2\\Data");
}

QString DecompiledDataSetting::read() const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    return settings.value(kKey, defaultDirectory()).toString();
}

void DecompiledDataSetting::write(const QString& directory) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    settings.setValue(kKey, directory);
    settings.sync();
}

bool DecompiledDataSetting::isStored() const {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, kOrganisation);
    return settings.contains(kKey);
}

void DecompiledDataSetting::seed(const QString& directory) {
    if (!isStored()) {
        write(directory);
    }
}

} // namespace wepn
