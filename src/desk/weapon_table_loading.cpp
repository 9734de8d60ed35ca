#include "desk/frozen_column_view.h"
#include "desk/weapon_table_model.h"
#include "desk/weapon_table_window.h"
#include "files/file_identity.h"
#include "sheet/table_root.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>
#include <filesystem>
#include <memory>

// Opening a folder: its weapons listed, loaded on worker threads and added
// to the table in batches while the window stays in use.
namespace wepn {

void WeaponTableWindow::openFolder(const std::string& nativeFolder, const DeskChecks& checks,
                                   const std::string& nativeRoot) {
    m_loader.cancel();
    m_folder = nativeFolder;
    m_checks = checks;
    setWindowTitle(
        QStringLiteral("Weapon Table - %1").arg(QFile::decodeName(nativeFolder.c_str())));
    m_history->clear();
    m_model->setWeapons({});

    struct Listing {
        TableRoot root;
        std::vector<std::string> files;
        DeskChecks checks;
    };
    // Without a root that exists, or for a folder outside it, the folder is
    // its own root, so that a table of its rows applies back to it.
    Expected<TableRoot, std::string> root = TableRoot::at(nativeRoot);
    std::error_code ec;
    if (nativeRoot.empty() || !root || !root->file(std::filesystem::absolute(nativeFolder, ec))) {
        root = TableRoot::at(nativeFolder);
    }
    m_root = root ? root->folder().string() : nativeFolder;
    auto listing = std::make_shared<Listing>(Listing{root ? *root : TableRoot{}, {}, checks});
    listing->files = weaponFileNames(nativeFolder);
    const std::size_t count = listing->files.size();

    m_progress->setRange(0, static_cast<int>(count));
    m_progress->setValue(0);
    m_progress->setVisible(count > 0);
    m_cancel->setVisible(count > 0);
    statusBar()->showMessage(QStringLiteral("Loading %1 weapon files...").arg(count));
    m_loader.start(count, [listing](std::size_t index) {
        const std::string& file = listing->files[index];
        return loadDeskWeapon(file, listing->root.named(file), listing->checks);
    });
}

bool WeaponTableWindow::isLoading() const {
    return m_loader.isRunning();
}

void WeaponTableWindow::cancelLoading() {
    m_loader.cancel();
}

void WeaponTableWindow::reloadRow(int row) {
    const DeskWeapon& weapon = m_model->weapon(row);
    DeskWeapon reloaded = loadDeskWeapon(weapon.file, weapon.named, m_checks);
    m_model->weaponToChange(row) = std::move(reloaded);
    m_model->weaponChanged(row);
}

void WeaponTableWindow::reloadFile(const std::string& nativeFile) {
    const std::optional<FileIdentity> saved = fileIdentity(nativeFile);
    if (!saved || isLoading()) {
        return;
    }
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const DeskWeapon& weapon = m_model->weapon(row);
        if (!weapon.changed() && fileIdentity(weapon.file) == saved) {
            reloadRow(row);
        }
    }
    m_model->refreshColumns();
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
