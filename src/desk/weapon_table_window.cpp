#include "desk/weapon_table_window.h"

#include "desk/frozen_column_view.h"
#include "desk/weapon_filter_proxy.h"
#include "desk/weapon_table_model.h"
#include "editor/wepn_editor_main.h"
#include "sheet/row_filter.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>
#include <QVBoxLayout>

// The window's parts, its menus, the filter line and the columns; loading a
// folder is in weapon_table_loading.cpp.
namespace wepn {

WeaponTableWindow::WeaponTableWindow(QWidget* parent)
    : QMainWindow(parent), m_model(new WeaponTableModel(this)),
      m_proxy(new WeaponFilterProxy(*m_model, this)), m_view(new FrozenColumnView),
      m_history(new QUndoStack(this)), m_filter(new QLineEdit) {
    setObjectName(QStringLiteral("WeaponTableWindow"));
    setWindowTitle(QStringLiteral("Weapon Table"));
    setAcceptDrops(true);
    resize(1100, 700);

    m_filter->setObjectName(QStringLiteral("txtTableFilter"));
    m_filter->setPlaceholderText(
        QStringLiteral("Filter: words, or conditions such as fWeaponFireRange > 3000"));
    m_filter->setClearButtonEnabled(true);
    connect(m_filter, &QLineEdit::textChanged, this, &WeaponTableWindow::filterChanged);

    m_view->setObjectName(QStringLiteral("tblWeapons"));
    m_view->setModel(m_proxy);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A double-click opens the weapon; typing or F2 edits a cell.
    m_view->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->sortByColumn(0, Qt::AscendingOrder);
    connect(m_view->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
            &WeaponTableWindow::showHeaderMenu);
    connect(m_view->horizontalHeader(), &QHeaderView::sectionMoved, this,
            &WeaponTableWindow::columnsRearranged);
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        emit weaponActivated(m_proxy->mapToSource(index).row());
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &WeaponTableWindow::columnsReset);
    connect(&m_loader, &DeskLoader::loaded, this, &WeaponTableWindow::batchLoaded);
    connect(&m_loader, &DeskLoader::progress, this, &WeaponTableWindow::loadProgress);
    connect(&m_loader, &DeskLoader::finished, this, &WeaponTableWindow::loadFinished);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(m_filter);
    layout->addWidget(m_view);
    setCentralWidget(central);

    buildMenus();
    buildStatusBar();
    // Counting reads every weapon: at most ten times a second while rows pour in.
    m_countsTimer.setSingleShot(true);
    m_countsTimer.setInterval(100);
    connect(&m_countsTimer, &QTimer::timeout, this, &WeaponTableWindow::showCounts);
    const auto recount = [this] {
        if (!m_countsTimer.isActive()) {
            m_countsTimer.start();
        }
    };
    for (QAbstractItemModel* model :
         {static_cast<QAbstractItemModel*>(m_model), static_cast<QAbstractItemModel*>(m_proxy)}) {
        connect(model, &QAbstractItemModel::rowsInserted, this, recount);
        connect(model, &QAbstractItemModel::rowsRemoved, this, recount);
        connect(model, &QAbstractItemModel::modelReset, this, recount);
        connect(model, &QAbstractItemModel::dataChanged, this, recount);
        connect(model, &QAbstractItemModel::layoutChanged, this, recount);
    }
    m_columns = ColumnSetSetting().readLast().value_or(ColumnSet{});
    showCounts();
}

WeaponTableWindow::~WeaponTableWindow() {
    m_loader.cancel();
}

void WeaponTableWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open Folder..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &WeaponTableWindow::openFolderChosen);
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("&Close"));
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* undo = m_history->createUndoAction(this);
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_history->createRedoAction(this);
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    buildEditing(*file, *edit);

    m_viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    connect(m_viewMenu, &QMenu::aboutToShow, this, &WeaponTableWindow::fillViewMenu);
    fillViewMenu();
}

void WeaponTableWindow::buildStatusBar() {
    m_counts = new QLabel;
    m_counts->setObjectName(QStringLiteral("lblTableCounts"));
    m_progress = new QProgressBar;
    m_progress->setMaximumWidth(220);
    m_progress->setFormat(QStringLiteral("%v of %m"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"));
    m_cancel->setObjectName(QStringLiteral("cmdCancelLoading"));
    connect(m_cancel, &QPushButton::clicked, this, &WeaponTableWindow::cancelLoading);
    statusBar()->addPermanentWidget(m_progress);
    statusBar()->addPermanentWidget(m_cancel);
    statusBar()->addPermanentWidget(m_counts);
    m_progress->hide();
    m_cancel->hide();
}

QString WeaponTableWindow::countsText() const {
    int changed = 0;
    int failed = 0;
    for (std::size_t row = 0; row < m_model->weaponCount(); ++row) {
        const DeskWeapon& weapon = m_model->weapon(static_cast<int>(row));
        failed += weapon.failed() ? 1 : 0;
        changed += weapon.changed() ? 1 : 0;
    }
    return QStringLiteral("%1 weapons, %2 shown, %3 changed, %4 failed")
        .arg(m_model->rowCount())
        .arg(m_proxy->rowCount())
        .arg(changed)
        .arg(failed);
}

void WeaponTableWindow::showCounts() {
    m_counts->setText(countsText());
    // A long message beside it never cuts the counts short.
    m_counts->setMinimumWidth(m_counts->sizeHint().width());
}

void WeaponTableWindow::filterChanged(const QString& text) {
    Expected<RowFilter, std::string> filter = RowFilter::parse(text.toStdString());
    if (!filter) {
        // The rows stay as the last filter that read left them.
        const QString reason = QString::fromStdString(filter.error());
        m_filter->setStyleSheet(QStringLiteral("QLineEdit { background: #ffd8d8; }"));
        m_filter->setToolTip(reason);
        statusBar()->showMessage(reason);
        return;
    }
    m_filter->setStyleSheet({});
    m_filter->setToolTip({});
    statusBar()->clearMessage();
    if (text.trimmed().isEmpty()) {
        m_proxy->setRowTest({});
        return;
    }
    m_proxy->setRowTest(
        [rows = std::move(*filter)](const DeskWeapon& weapon) { return rows.matches(weapon); });
}

void WeaponTableWindow::columnsReset() {
    const QSignalBlocker quiet(m_view->horizontalHeader());
    m_arranging = true;
    m_columns.applyTo(*m_view->horizontalHeader(), *m_model);
    m_arranging = false;
}

void WeaponTableWindow::columnsRearranged() {
    if (m_arranging) {
        return;
    }
    m_columns = ColumnSet::of(*m_view->horizontalHeader(), *m_model);
    ColumnSetSetting().writeLast(m_columns);
}

void WeaponTableWindow::showHeaderMenu(const QPoint& place) {
    QMenu menu(this);
    QHeaderView* header = m_view->horizontalHeader();
    for (int visual = 1; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        QAction* shown = menu.addAction(
            m_model->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString());
        shown->setCheckable(true);
        shown->setChecked(!header->isSectionHidden(logical));
        connect(shown, &QAction::toggled, this, [this, header, logical](bool on) {
            header->setSectionHidden(logical, !on);
            columnsRearranged();
        });
    }
    menu.exec(header->mapToGlobal(place));
}

void WeaponTableWindow::fillViewMenu() {
    m_viewMenu->clear();
    connect(m_viewMenu->addAction(QStringLiteral("&Save Column Set...")), &QAction::triggered, this,
            &WeaponTableWindow::askColumnSetName);
    m_viewMenu->addSeparator();
    for (const QString& name : ColumnSetSetting().names()) {
        connect(m_viewMenu->addAction(name), &QAction::triggered, this,
                [this, name] { useColumnSet(name); });
    }
    connect(m_viewMenu->addAction(QStringLiteral("&All Columns")), &QAction::triggered, this,
            &WeaponTableWindow::showAllColumns);
}

void WeaponTableWindow::askColumnSetName() {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, QStringLiteral("Save Column Set"),
                              QStringLiteral("Name of the column set:"), QLineEdit::Normal, {}, &ok)
            .trimmed();
    if (ok && !name.isEmpty()) {
        saveColumnSet(name);
    }
}

void WeaponTableWindow::saveColumnSet(const QString& name) {
    ColumnSetSetting().write(name, ColumnSet::of(*m_view->horizontalHeader(), *m_model));
    statusBar()->showMessage(QStringLiteral("Column set '%1' saved.").arg(name), 5000);
}

bool WeaponTableWindow::useColumnSet(const QString& name) {
    const std::optional<ColumnSet> set = ColumnSetSetting().read(name);
    if (!set) {
        return false;
    }
    m_columns = *set;
    columnsReset();
    ColumnSetSetting().writeLast(m_columns);
    return true;
}

void WeaponTableWindow::showAllColumns() {
    m_columns.hidden.clear();
    columnsReset();
    ColumnSetSetting().writeLast(m_columns);
}

void WeaponTableWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!WepnEditor_Main::droppedFolder(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void WeaponTableWindow::dropEvent(QDropEvent* event) {
    const QString folder = WepnEditor_Main::droppedFolder(event->mimeData());
    if (!folder.isEmpty()) {
        event->acceptProposedAction();
        if (settleChanges()) {
            openFolder(QFile::encodeName(folder).toStdString(), m_checks, m_root);
        }
    }
}

void WeaponTableWindow::closeEvent(QCloseEvent* event) {
    if (!settleChanges()) {
        event->ignore();
        return;
    }
    m_loader.cancel();
    QMainWindow::closeEvent(event);
}

void WeaponTableWindow::openFolderChosen() {
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Open Folder"),
                                                             QFile::decodeName(m_folder.c_str()));
    if (!folder.isEmpty() && settleChanges()) {
        openFolder(QFile::encodeName(folder).toStdString(), m_checks, m_root);
    }
}

} // namespace wepn
