#include "shell/frm_open.h"

#include "shell/dialog_button.h"
#include "shell/dialog_keys.h"
#include "shell/directory_browser.h"
#include "shell/directory_tree.h"
#include "shell/file_dialog_layout.h"
#include "shell/twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace wepn {

FrmOpen::FrmOpen(QWidget* mainWindow)
    // No parent: a disabled main window would disable its child windows too.
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow), m_browser(new DirectoryBrowser(this)),
      m_cmdOpen(makeDialogButton(this, "cmdOpen", "Open")),
      m_cmdCancel(makeDialogButton(this, "cmdCancel", "Cancel")) {
    setObjectName(QStringLiteral("frmOpen"));
    setWindowTitle(QStringLiteral("Open"));
    layOutFileDialog(this, *m_browser, nullptr, m_cmdOpen, m_cmdCancel);
    setTabOrder(m_browser->drive(), m_browser->directory());
    setTabOrder(m_browser->directory(), m_browser->files());
    setTabOrder(m_browser->files(), m_cmdOpen);
    setTabOrder(m_cmdOpen, m_cmdCancel);

    connect(m_cmdOpen, &QPushButton::clicked, this, &FrmOpen::cmdOpen_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &FrmOpen::cmdCancel_Click);
    // A double-click on a file opens it.
    connect(m_browser->files(), &QListWidget::itemDoubleClicked, this, &FrmOpen::cmdOpen_Click);
}

void FrmOpen::showOpen() {
    m_browser->setPath(directory_tree::nearestExistingDirectory(m_initDir));
    m_mainWindow->setEnabled(false);
    show();
    raise();
    activateWindow();
}

void FrmOpen::cmdOpen_Click() {
    const QListWidgetItem* row = m_browser->files()->currentItem();
    if (row == nullptr || !row->isSelected()) {
        cmdCancel_Click();
        return;
    }
    m_fileName = directory_tree::childOf(m_browser->path(), DirectoryBrowser::bytesOf(row));
    finish();
    emit openChosen(m_fileName);
}

void FrmOpen::cmdCancel_Click() {
    m_fileName.clear();
    finish();
}

void FrmOpen::finish() {
    m_mainWindow->setEnabled(true);
    hide();
}

void FrmOpen::closeEvent(QCloseEvent* event) {
    m_mainWindow->setEnabled(true);
    QWidget::closeEvent(event);
}

void FrmOpen::keyPressEvent(QKeyEvent* event) {
    if (!m_browser->navigationKey(event) &&
        !handleDialogKey(
            event, [this] { cmdOpen_Click(); }, [this] { cmdCancel_Click(); })) {
        QWidget::keyPressEvent(event);
    }
}

} // namespace wepn
