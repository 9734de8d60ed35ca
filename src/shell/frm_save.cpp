#include "shell/frm_save.h"

#include "shell/dialog_button.h"
#include "shell/directory_browser.h"
#include "shell/directory_tree.h"
#include "shell/file_dialog_layout.h"
#include "shell/path_text.h"
#include "shell/twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace wepn {

FrmSave::FrmSave(QWidget* mainWindow)
    : ModalDialog(mainWindow, "frmSave", "Save"), m_browser(new DirectoryBrowser(this)),
      m_cmdSave(makeDialogButton(this, "cmdSave", "Save")),
      m_cmdCancel(makeDialogButton(this, "cmdCancel", "Cancel")),
      m_txtFilename(new QLineEdit(this)) {
    m_txtFilename->setObjectName(QStringLiteral("txtFilename"));
    layOutFileDialog(this, *m_browser, m_txtFilename, m_cmdSave, m_cmdCancel);
    setTabOrder(m_browser->drive(), m_browser->directory());
    setTabOrder(m_browser->directory(), m_cmdSave);
    setTabOrder(m_cmdSave, m_cmdCancel);
    setTabOrder(m_cmdCancel, m_browser->files());
    setTabOrder(m_browser->files(), m_txtFilename);

    connect(m_cmdSave, &QPushButton::clicked, this, &FrmSave::cmdSave_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &FrmSave::cmdCancel_Click);
    connect(m_browser->files(), &QListWidget::itemClicked, this, &FrmSave::lstFiles_Click);
    // Focus entering the list makes its first row current without selecting
    // it; only a click or the user moving the selection takes a listed name.
    connect(m_browser->files(), &QListWidget::itemSelectionChanged, this,
            &FrmSave::lstFiles_SelectionChanged);
    // A double-click on a file takes its name and saves.
    connect(m_browser->files(), &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) {
                lstFiles_Click(item);
                cmdSave_Click();
            });
}

void FrmSave::showSave() {
    m_browser->setPath(directory_tree::nearestExistingDirectory(m_initDir));
    offerName(m_fileName);
    showModal();
}

void FrmSave::lstFiles_Click(QListWidgetItem* item) {
    if (item != nullptr) {
        offerName(DirectoryBrowser::bytesOf(item));
    }
}

void FrmSave::lstFiles_SelectionChanged() {
    const QList<QListWidgetItem*> selected = m_browser->files()->selectedItems();
    if (!selected.isEmpty()) {
        lstFiles_Click(selected.front());
    }
}

void FrmSave::offerName(const std::string& name) {
    m_offeredName = name;
    m_offeredText = displayText(name);
    m_txtFilename->setText(m_offeredText);
}

void FrmSave::cmdSave_Click() {
    const QString text = m_txtFilename->text();
    if (text.isEmpty()) {
        cmdCancel_Click();
        return;
    }
    // A listed or proposed name, as shown, is that file's own bytes.
    const std::string path = text == m_offeredText
                                 ? directory_tree::childOf(m_browser->path(), m_offeredName)
                                 : typedPathIn(m_browser->path(), text);
    if (m_replaceCheck && !m_replaceCheck(path)) {
        // The question's box belongs to the main window, which the window
        // manager brings forward when it closes: come back in front of it.
        raise();
        activateWindow();
        m_txtFilename->setFocus();
        return;
    }
    m_fileName = path;
    finish();
    emit saveChosen(m_fileName);
}

void FrmSave::cmdCancel_Click() {
    m_fileName.clear();
    finish();
}

bool FrmSave::takeKey(const QKeyEvent* event) {
    return m_browser->navigationKey(event);
}

} // namespace wepn
