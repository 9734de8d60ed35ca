#include "shell/directory_browser.h"

#include "files/directory_listing.h"
#include "shell/directory_tree.h"
#include "shell/path_text.h"

#include <QComboBox>
#include <QListWidget>

namespace wepn {
namespace {

constexpr int kPathRole = Qt::UserRole;

QString indent(qsizetype depth) {
    return QString(depth * 2, QLatin1Char(' '));
}

} // namespace

DirectoryBrowser::DirectoryBrowser(QWidget* dialog, const QRect& driveRect,
                                   const QRect& directoryRect, const QRect& filesRect)
    : QObject(dialog), m_drives(availableDrives()), m_drive(new QComboBox(dialog)),
      m_directory(new QListWidget(dialog)), m_files(new QListWidget(dialog)) {
    m_drive->setObjectName(QStringLiteral("Drive"));
    m_drive->setGeometry(driveRect);
    for (const DriveEntry& entry : m_drives) {
        m_drive->addItem(entry.label, entry.path);
    }
    m_directory->setObjectName(QStringLiteral("Directory"));
    m_directory->setGeometry(directoryRect);
    m_files->setObjectName(QStringLiteral("lstFiles"));
    m_files->setGeometry(filesRect);

    connect(m_drive, &QComboBox::activated, this, &DirectoryBrowser::driveChosen);
    connect(m_directory, &QListWidget::itemActivated, this, &DirectoryBrowser::directoryOpened);
}

void DirectoryBrowser::setPath(const QString& path) {
    if (path == m_path) {
        return;
    }
    m_path = path;
    fillDirectoryList();
    fillFileList();

    int index = driveIndexFor(m_drives, m_path);
    if (index < 0) {
        // A drive letter the machine does not offer still shows as chosen.
        const QString root = m_path.left(2).toUpper();
        m_drives << DriveEntry{root, root + QLatin1Char('\\')};
        m_drive->addItem(root, root + QLatin1Char('\\'));
        index = static_cast<int>(m_drives.size() - 1);
    }
    m_drive->setCurrentIndex(index);
}

void DirectoryBrowser::driveChosen(int index) {
    if (index >= 0 && index < m_drives.size()) {
        setPath(m_drives.at(index).path);
    }
}

void DirectoryBrowser::directoryOpened(QListWidgetItem* item) {
    if (item != nullptr) {
        setPath(item->data(kPathRole).toString());
    }
}

void DirectoryBrowser::fillDirectoryList() {
    m_directory->clear();
    const QStringList ancestors = directory_tree::ancestorsOf(m_path);
    for (qsizetype depth = 0; depth < ancestors.size(); ++depth) {
        const QString& dir = ancestors.at(depth);
        QString name = directory_tree::displayNameOf(dir);
        if (name == QStringLiteral("\\")) {
            name = QStringLiteral("/");
        }
        auto* item = new QListWidgetItem(indent(depth) + name, m_directory);
        item->setData(kPathRole, dir);
    }
    if (m_directory->count() > 0) {
        m_directory->setCurrentRow(m_directory->count() - 1);
    }
    const qsizetype depth = ancestors.size();
    for (const QString& name : directory_tree::subdirectoriesOf(m_path)) {
        auto* item = new QListWidgetItem(indent(depth) + name, m_directory);
        item->setData(kPathRole, directory_tree::childOf(m_path, name));
    }
}

void DirectoryBrowser::fillFileList() {
    m_files->clear();
    QStringList names;
    for (const std::string& name : weaponFileNames(toFileBytes(m_path + QLatin1Char('\\')))) {
        names << fromFileBytes(name);
    }
    m_files->addItems(names);
}

} // namespace wepn
