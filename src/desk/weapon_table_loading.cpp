#include "desk/frozen_column_view.h"
#include "desk/weapon_table_model.h"
#include "desk/weapon_table_window.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>
#include <memory>

// Opening a folder: its weapons listed, loaded on worker threads and added
// to the table in batches while the window stays in use.
namespace wepn {

void WeaponTableWindow::openFolder(const std::string& nativeFolder, const DeskChecks& checks) {
    m_loader.cancel();
    m_folder = nativeFolder;
    m_checks = checks;
    setWindowTitle(
        QStringLiteral("Weapon Table - %1").arg(QFile::decodeName(nativeFolder.c_str())));
    m_history->clear();
    m_model->setWeapons({});

    struct Listing {
        std::size_t folderLength;
        std::vector<std::string> files;
        DeskChecks checks;
    };
    auto listing = std::make_shared<Listing>();
    listing->files = weaponFileNames(nativeFolder);
    listing->checks = checks;
    const std::size_t count = listing->files.size();
    // The files are the folder and "/" before each name.
    listing->folderLength = count == 0 ? 0 : listing->files.front().rfind('/') + 1;

    m_progress->setRange(0, static_cast<int>(count));
    m_progress->setValue(0);
    m_progress->setVisible(count > 0);
    m_cancel->setVisible(count > 0);
    statusBar()->showMessage(QStringLiteral("Loading %1 weapon files...").arg(count));
    m_loader.start(count, [listing](std::size_t index) {
        const std::string& file = listing->files[index];
        return loadDeskWeapon(file, file.substr(listing->folderLength), listing->checks);
    });
}

bool WeaponTableWindow::isLoading() const {
    return m_loader.isRunning();
}

void WeaponTableWindow::cancelLoading() {
    m_loader.cancel();
}

void WeaponTableWindow::batchLoaded(std::vector<DeskWeapon>& batch) {
    m_model->appendWeapons(std::move(batch));
}

void WeaponTableWindow::loadProgress(qsizetype done, qsizetype) {
    m_progress->setValue(static_cast<int>(done));
}

void WeaponTableWindow::loadFinished(bool cancelled) {
    m_progress->hide();
    m_cancel->hide();
    m_model->refreshColumns();
    m_view->resizeColumnToContents(0);
    const int loaded = m_model->rowCount();
    statusBar()->showMessage(
        cancelled ? QStringLiteral("Loading cancelled: %1 of %2 weapon files loaded.")
                        .arg(loaded)
                        .arg(m_progress->maximum())
                  : QStringLiteral("%1 weapon files loaded.").arg(loaded));
    showCounts();
}

} // namespace wepn
