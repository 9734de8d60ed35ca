#pragma once

#include "shell/modal_dialog.h"

#include <QString>
#include <functional>
#include <string>

class QLineEdit;
class QListWidgetItem;
class QPushButton;

namespace wepn {

class DirectoryBrowser;

// The save dialog: proposes a file name in a directory and hands the chosen
// path on only through its Save button.
class FrmSave : public ModalDialog {
    Q_OBJECT
  public:
    explicit FrmSave(QWidget* mainWindow);

    // The native directory shown when the dialog is shown.
    void setInitDir(const std::string& dir) { m_initDir = dir; }
    const std::string& initDir() const { return m_initDir; }
    // On entry the proposed name's bytes; after Save the native path chosen,
    // after Cancel "".
    void setFileName(const std::string& name) { m_fileName = name; }
    const std::string& fileName() const { return m_fileName; }

    // Shows the dialog at `initDir` (or the nearest directory that exists),
    // listed afresh, with the proposed name, and returns at once.
    void showSave();

    DirectoryBrowser* browser() const { return m_browser; }
    QPushButton* saveButton() const { return m_cmdSave; }
    QPushButton* cancelButton() const { return m_cmdCancel; }
    QLineEdit* nameField() const { return m_txtFilename; }

    // Asked before Save goes on with a path; false keeps the dialog open.
    void setReplaceCheck(std::function<bool(const std::string& nativePath)> check) {
        m_replaceCheck = std::move(check);
    }

  signals:
    // The user pressed Save with a name; `nativePath` equals fileName().
    void saveChosen(const std::string& nativePath);

  protected:
    void confirm() override { cmdSave_Click(); }
    void cancel() override { cmdCancel_Click(); }
    bool takeKey(const QKeyEvent* event) override;

  private:
    void cmdSave_Click();
    void cmdCancel_Click();
    void lstFiles_Click(QListWidgetItem* item);
    void lstFiles_SelectionChanged();
    // Shows a name in `txtFilename`, keeping its bytes for as long as the
    // text stays as shown.
    void offerName(const std::string& name);

    DirectoryBrowser* m_browser;
    QPushButton* m_cmdSave;
    QPushButton* m_cmdCancel;
    QLineEdit* m_txtFilename;
    std::string m_initDir;
    std::string m_fileName;
    std::string m_offeredName;
    QString m_offeredText;
    std::function<bool(const std::string&)> m_replaceCheck;
};

} // namespace wepn
