// Renders the open, save and data-directory dialogs off screen to PNG files,
// at the scale the run is given (QT_SCALE_FACTOR), on a data directory.
// Usage: wepn_shell_screenshots DATA_DIR OUT_DIR

#include "directory_browser.h"
#include "editor_application.h"
#include "editor_shell.h"
#include "frm_decompiled_data_dir.h"
#include "frm_open.h"
#include "frm_save.h"
#include "message_sink.h"
#include "wepn_editor_main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class PrintingSink : public wepn::MessageSink {
  public:
    void show(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool confirm(const QString& question) override {
        show(question);
        return false;
    }
};

bool save(QWidget& dialog, const QDir& out, const QString& name) {
    const QString path =
        out.filePath(QStringLiteral("%1-scale%2.png").arg(name).arg(dialog.devicePixelRatio()));
    if (!dialog.grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[2]);
        return 1;
    }
    // A settings store of its own, holding the data directory.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    wepn::EditorApplication::seedDataDirectory(
        {QStringLiteral("--seed-data-dir"), QDir(QString::fromLocal8Bit(argv[1])).absolutePath()});

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
    if (!save(*open, out, QStringLiteral("dialog-open"))) {
        return 1;
    }
    open->findChild<QPushButton*>(QStringLiteral("cmdOpen"))->click();

    window.saveAsAction()->trigger();
    if (!save(*editor.shell().frmSave(), out, QStringLiteral("dialog-save"))) {
        return 1;
    }
    editor.shell().frmSave()->close();

    window.decompiledDataAction()->trigger();
    return save(*editor.shell().frmDecompiledDataDir(), out,
                QStringLiteral("dialog-data-directory"))
               ? 0
               : 1;
}
