#pragma once

#include "shell/modal_dialog.h"

#include <string>

class QPushButton;

namespace wepn {

class DirectoryBrowser;

// The open dialog: the program's own small window, not the platform's. It
// hands the chosen path on only through its Open button.
class FrmOpen : public ModalDialog {
    Q_OBJECT
  public:
    explicit FrmOpen(QWidget* mainWindow);

    // The native directory shown when the dialog is shown.
    const std::string& initDir() const { return m_initDir; }
    void setInitDir(const std::string& dir) { m_initDir = dir; }
    // The native path chosen by Open, or "" after Cancel.
    const std::string& fileName() const { return m_fileName; }

    // Shows the dialog at `initDir` (or the nearest directory that exists),
    // listed afresh, and returns at once; the main window stays disabled
    // until it closes.
    void showOpen();

    DirectoryBrowser* browser() const { return m_browser; }
    QPushButton* openButton() const { return m_cmdOpen; }
    QPushButton* cancelButton() const { return m_cmdCancel; }

  signals:
    // The user pressed Open on a listed name; `nativePath` equals fileName().
    void openChosen(const std::string& nativePath);

  protected:
    void confirm() override { cmdOpen_Click(); }
    void cancel() override { cmdCancel_Click(); }
    bool takeKey(const QKeyEvent* event) override;

  private:
    void cmdOpen_Click();
    void cmdCancel_Click();

    DirectoryBrowser* m_browser;
    QPushButton* m_cmdOpen;
    QPushButton* m_cmdCancel;
    std::string m_initDir;
    std::string m_fileName;
};

} // namespace wepn
