// Renders the open, save and data-directory dialogs off screen to PNG files,
// at the scale the run is given (QT_SCALE_FACTOR), on a data directory.
// Usage: wepn_shell_screenshots DATA_DIR OUT_DIR

#include "shell/directory_browser.h"
#include "shell/editor_application.h"
#include "shell/editor_shell.h"
#include "shell/frm_decompiled_data_dir.h"
#include "shell/frm_open.h"
#include "shell/frm_save.h"
#include "screenshot_tool.h"
#include "editor/wepn_editor_main.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {

bool saveDialog(QWidget& dialog, const QDir& out, const QString& name) {
    return wepn::screenshots::save(
        dialog,
        out.filePath(QStringLiteral("%1-scale%2.png").arg(name).arg(dialog.devicePixelRatio())));
}

} // namespace

int main(int argc, char** argv) {
    using namespace wepn::screenshots;
    const std::optional<Folders> folders = foldersFrom(argc, argv);
    if (!folders) {
        return 2;
    }
    QApplication app(argc, argv);
    const QDir& out = folders->out;
    // A settings store of its own, holding the data directory.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    wepn::EditorApplication::seedDataDirectory(
        {QStringLiteral("--seed-data-dir"), folders->data.absolutePath()});

    PrintingSink messages;
    wepn::EditorApplication editor(&messages);
    editor.start({});
    wepn::WepnEditor_Main& window = editor.window();

    window.openAction()->trigger();
    wepn::FrmOpen* open = editor.shell().frmOpen();
    QListWidget* files = open->browser()->files();
    const QList<QListWidgetItem*> weapon =
        files->findItems(QStringLiteral("autocannon_turret.wepn"), Qt::MatchExactly);
    if (weapon.isEmpty()) {
        std::fprintf(stderr, "no autocannon_turret.wepn in the weapon folder\n");
        return 1;
    }
    files->setCurrentItem(weapon.front());
    if (!saveDialog(*open, out, QStringLiteral("dialog-open"))) {
        return 1;
    }
    open->findChild<QPushButton*>(QStringLiteral("cmdOpen"))->click();

    window.saveAsAction()->trigger();
    if (!saveDialog(*editor.shell().frmSave(), out, QStringLiteral("dialog-save"))) {
        return 1;
    }
    editor.shell().frmSave()->close();

    window.decompiledDataAction()->trigger();
    return saveDialog(*editor.shell().frmDecompiledDataDir(), out,
                      QStringLiteral("dialog-data-directory"))
               ? 0
               : 1;
}
