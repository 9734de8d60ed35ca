#include "shell/editor_application.h"

#include "editor/wepn_editor_main.h"
#include "shell/decompiled_data_setting.h"
#include "shell/editor_shell.h"
#include "shell/path_text.h"

#include <QFileInfo>

namespace wepn {

EditorApplication::EditorApplication(MessageSink* messages)
    : m_window(std::make_unique<WepnEditor_Main>(messages)),
      m_shell(std::make_unique<EditorShell>(*m_window, messages)) {}

EditorApplication::~EditorApplication() {
    // The shell watches the window, so it goes first.
    m_shell.reset();
}

QString EditorApplication::weaponArgument(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument.endsWith(QStringLiteral(".wepn"), Qt::CaseInsensitive)) {
            return QFileInfo(argument).absoluteFilePath();
        }
    }
    return {};
}

QString EditorApplication::folderArgument(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-')) && QFileInfo(argument).isDir()) {
            return QFileInfo(argument).absoluteFilePath();
        }
    }
    return {};
}

QStringList EditorApplication::seedDataDirectory(QStringList arguments) {
    const qsizetype option = arguments.indexOf(QStringLiteral("--seed-data-dir"));
    if (option >= 0 && option + 1 < arguments.size()) {
        DecompiledDataSetting().seed(arguments.at(option + 1));
        arguments.remove(option, 2);
    }
    return arguments;
}

void EditorApplication::start(const QStringList& arguments) {
    m_shell->restoreWindowGeometry();
    m_window->show();
    const QString weapon = weaponArgument(arguments);
    if (!weapon.isEmpty()) {
        m_shell->openFromCommandLine(weapon);
    }
    const QString folder = folderArgument(arguments);
    if (!folder.isEmpty()) {
        m_shell->openTable(toFileBytes(folder));
    }
}

} // namespace wepn
