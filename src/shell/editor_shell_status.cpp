#include "editor/wepn_editor_main.h"
#include "shell/decompiled_data_setting.h"
#include "shell/editor_shell.h"
#include "shell/path_text.h"
#include "shell/recent_files.h"
#include "shell/window_geometry_setting.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

// What the shell shows beside the weapon: notices in the status bar and the
// recent-files menu.
namespace wepn {
namespace {

// The widest a recent file's menu entry gets, in average characters.
constexpr int kRecentEntryChars = 80;

} // namespace

void EditorShell::offerDataDirectory() {
    const QString dir = m_paths.strDataDir;
    auto* keep = new QPushButton(QStringLiteral("&Keep It"), m_window.statusBar());
    keep->setObjectName(QStringLiteral("KeepDataFolder"));
    m_window.statusBar()->addPermanentWidget(keep);
    connect(keep, &QPushButton::clicked, this, [this, keep, dir] {
        DecompiledDataSetting().write(dir);
        notify(QStringLiteral("'%1' is kept as the data folder; Settings > Manage Directories > "
                              "Decompiled Data changes it.")
                   .arg(dir));
        keep->deleteLater();
    });
    notify(QStringLiteral("Using '%1', which holds this weapon's folder, as the data folder for "
                          "this run.")
               .arg(dir));
}

void EditorShell::notify(const QString& text) {
    QStatusBar* bar = m_window.statusBar();
    auto* label = bar->findChild<QLabel*>(QStringLiteral("Notice"));
    if (label == nullptr) {
        label = new QLabel(bar);
        label->setObjectName(QStringLiteral("Notice"));
        // Two lines hold a notice that names a long path; the whole text is
        // the tooltip.
        label->setWordWrap(true);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        label->setFixedHeight(label->fontMetrics().lineSpacing() * 2);
        bar->addWidget(label, 1);
        // The status bar takes room of its own, not the designed layout's.
        m_window.resize(m_window.size() + QSize(0, bar->sizeHint().height()));
        WindowGeometrySetting::fitToScreen(m_window);
    }
    label->setText(text);
    label->setToolTip(text);
}

void EditorShell::refreshRecentMenu() {
    QMenu* menu = m_window.openRecentMenu();
    menu->clear();
    menu->setToolTipsVisible(true);
    const std::vector<std::string> paths = RecentFiles().read();
    // A long path is shortened in its middle, where its folders are; the
    // whole path shows as the entry's tooltip.
    const QFontMetrics metrics(menu->font());
    const int width = metrics.averageCharWidth() * kRecentEntryChars;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        const std::string path = paths[k];
        const QString shown = displayText(path);
        QString entry = metrics.elidedText(shown, Qt::ElideMiddle, width);
        entry.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(entry));
        action->setToolTip(shown);
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    menu->addSeparator();
    QAction* clear = menu->addAction(QStringLiteral("Clear Menu"));
    clear->setObjectName(QStringLiteral("ClearRecent"));
    clear->setEnabled(!paths.empty());
    connect(clear, &QAction::triggered, this, [this] {
        RecentFiles().clear();
        refreshRecentMenu();
    });
}

void EditorShell::rememberFile(const std::string& nativePath) {
    RecentFiles().add(nativePath);
    refreshRecentMenu();
}

} // namespace wepn
