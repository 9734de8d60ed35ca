#include "shell/decompiled_data_setting.h"

#include "editor/editor_settings.h"

namespace wepn {
namespace {

const QString kDataKey = QStringLiteral("Directories/Decompiled_Data");

} // namespace

QString DecompiledDataSetting::defaultDirectory() {
    return QStringLiteral("C:\\Program Files\\Halcyra\\Vyrheim 2\\Data");
}

QString DecompiledDataSetting::read() const {
    const EditorSettings settings;
    return settings.value(kDataKey, defaultDirectory()).toString();
}

void DecompiledDataSetting::write(const QString& directory) {
    EditorSettings settings;
    settings.setValue(kDataKey, directory);
    settings.sync();
}

bool DecompiledDataSetting::isStored() const {
    const EditorSettings settings;
    return settings.contains(kDataKey);
}

void DecompiledDataSetting::seed(const QString& directory) {
    if (!isStored()) {
        write(directory);
    }
}

} // namespace wepn
