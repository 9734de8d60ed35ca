#include "shell/frm_open.h"

#include "shell/dialog_button.h"
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
    : ModalDialog(mainWindow, "frmOpen", "Open"), m_browser(new DirectoryBrowser(this)),
      m_cmdOpen(makeDialogButton(this, "cmdOpen", "Open")),
      m_cmdCancel(makeDialogButton(this, "cmdCancel", "Cancel")) {
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
    showModal();
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

bool FrmOpen::takeKey(const QKeyEvent* event) {
    return m_browser->navigationKey(event);
}

} // namespace wepn
