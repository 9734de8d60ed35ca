#pragma once

#include <QWidget>
#include <string>

class QPushButton;

namespace wepn {

class DirectoryBrowser;

// The open dialog: the program's own small window, not the platform's. While
// it is shown the main window is disabled; it hands the chosen path on only
// through its Open button.
class FrmOpen : public QWidget {
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

  signals:
    // The user pressed Open on a listed name; `nativePath` equals fileName().
    void openChosen(const std::string& nativePath);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cmdOpen_Click();
    void cmdCancel_Click();
    void finish();

    QWidget* m_mainWindow;
    DirectoryBrowser* m_browser;
    QPushButton* m_cmdOpen;
    QPushButton* m_cmdCancel;
    std::string m_initDir;
    std::string m_fileName;
};

} // namespace wepn
