#include "shell/directory_browser.h"

#include "files/directory_listing.h"
#include "shell/directory_tree.h"
#include "shell/path_text.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

namespace wepn {
namespace {

constexpr int kBytesRole = Qt::UserRole;

QByteArray toByteArray(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void addRow(QListWidget* list, std::size_t depth, const QString& text, const std::string& bytes) {
    auto* item = new QListWidgetItem(QString(qsizetype(depth) * 2, QLatin1Char(' ')) + text, list);
    item->setData(kBytesRole, toByteArray(bytes));
}

} // namespace

DirectoryBrowser::DirectoryBrowser(QWidget* dialog)
    : QObject(dialog), m_drive(new QComboBox(dialog)), m_directory(new QListWidget(dialog)),
      m_files(new QListWidget(dialog)) {
    m_drive->setObjectName(QStringLiteral("Drive"));
    m_directory->setObjectName(QStringLiteral("Directory"));
    m_files->setObjectName(QStringLiteral("lstFiles"));

    connect(m_drive, &QComboBox::activated, this, &DirectoryBrowser::driveChosen);
    connect(m_directory, &QListWidget::itemClicked, this, &DirectoryBrowser::directoryChosen);
    connect(m_directory, &QListWidget::itemActivated, this, &DirectoryBrowser::directoryChosen);
    m_directory->viewport()->installEventFilter(this);
    for (QWidget* control : {static_cast<QWidget*>(m_drive), static_cast<QWidget*>(m_directory),
                             static_cast<QWidget*>(m_files)}) {
        control->installEventFilter(this);
    }
}

bool DirectoryBrowser::eventFilter(QObject* watched, QEvent* event) {
    // A double click goes to the clicked folder once: its first click went
    // there already, and its second press would land on a row of the new list.
    if (watched == m_directory->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched != m_directory->viewport()) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // Enter on a folder row goes into it; the dialog, which would take
        // Enter as Open or Save, does not see it.
        if (watched == m_directory &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            directoryChosen(m_directory->currentItem());
            return true;
        }
        // The lists and the drive selector would take Alt+Up as a move.
        return navigationKey(key);
    }
    return QObject::eventFilter(watched, event);
}

bool DirectoryBrowser::navigationKey(const QKeyEvent* event) {
    const bool up = (event->key() == Qt::Key_Up && event->modifiers() == Qt::AltModifier) ||
                    (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier);
    if (up) {
        goUp();
    }
    return up;
}

void DirectoryBrowser::goUp() {
    if (m_path != "/") {
        setPath(directory_tree::parentOf(m_path));
    }
}

void DirectoryBrowser::setPath(const std::string& path) {
    m_path = directory_tree::absoluteOf(path);
    fillDrives();
    const std::optional<DriveMatch> drive = driveHolding(m_drives, m_path);
    m_drive->setCurrentIndex(drive ? drive->index : -1);
    // One listing serves both lists.
    const std::vector<DirectoryEntry> entries =
        listNativeEntries(m_path, EntryKinds::FilesAndDirectories);
    fillDirectoryList(drive ? drive->root : std::string("/"), entries);
    fillFileList(entries);
}

std::string DirectoryBrowser::bytesOf(const QListWidgetItem* row) {
    return row->data(kBytesRole).toByteArray().toStdString();
}

void DirectoryBrowser::driveChosen(int index) {
    if (index >= 0 && index < m_drives.size()) {
        setPath(m_drives.at(index).path);
    }
}

void DirectoryBrowser::directoryChosen(const QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    // The list is refilled, and the clicked row deleted, only once the click
    // that chose it has been handled.
    QMetaObject::invokeMethod(
        this, [this, target = bytesOf(item)] { setPath(target); }, Qt::QueuedConnection);
}

void DirectoryBrowser::fillDrives() {
    const QSignalBlocker blocker(m_drive);
    m_drives = availableDrives();
    m_drive->clear();
    for (const DriveEntry& entry : m_drives) {
        m_drive->addItem(entry.label);
    }
}

void DirectoryBrowser::fillDirectoryList(const std::string& root,
                                         const std::vector<DirectoryEntry>& entries) {
    m_directory->clear();
    const std::vector<std::string> ancestors = directory_tree::ancestorsOf(m_path, root);
    addRow(m_directory, 0, displayText(root), root);
    for (std::size_t depth = 1; depth < ancestors.size(); ++depth) {
        const std::string& dir = ancestors[depth];
        addRow(m_directory, depth, displayText(directory_tree::lastNameOf(dir)), dir);
    }
    m_directory->setCurrentRow(m_directory->count() - 1);
    for (const DirectoryEntry& entry : entries) {
        if (entry.directory) {
            addRow(m_directory, ancestors.size(), displayText(entry.name),
                   directory_tree::childOf(m_path, entry.name));
        }
    }
}

void DirectoryBrowser::fillFileList(const std::vector<DirectoryEntry>& entries) {
    // Added in one go and given their bytes afterwards: a folder of thousands
    // of names is listed several times faster than row by row.
    std::vector<const std::string*> names;
    QStringList texts;
    for (const DirectoryEntry& entry : entries) {
        if (isWeaponFileName(entry.name)) {
            names.push_back(&entry.name);
            texts << displayText(entry.name);
        }
    }
    m_files->clear();
    m_files->addItems(texts);
    for (int row = 0; row < m_files->count(); ++row) {
        m_files->item(row)->setData(kBytesRole, toByteArray(*names[std::size_t(row)]));
    }
}

} // namespace wepn
