#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

namespace wepn {

class CustomFSO;
class DirectoryBrowser;

// The open dialog: the program's own small window, not the platform's. While
// it is shown the main window is disabled; it hands the chosen path on only
// through its Open button.
class FrmOpen : public QWidget {
    Q_OBJECT
  public:
    FrmOpen(QWidget* mainWindow, const CustomFSO& fso);

    QString initDir() const { return m_initDir; }
    void setInitDir(const QString& dir) { m_initDir = dir; }
    // The full path chosen by Open, or "" after Cancel.
    QString fileName() const { return m_fileName; }

    // Shows the dialog at `initDir` (or the nearest directory that exists) and
    // returns at once; the main window stays disabled until it closes.
    void showOpen();

    DirectoryBrowser* browser() const { return m_browser; }

  signals:
    // The user pressed Open on a listed name; `windowsPath` equals fileName().
    void openChosen(const QString& windowsPath);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void cmdOpen_Click();
    void cmdCancel_Click();
    void finish();

    QWidget* m_mainWindow;
    const CustomFSO& m_fso;
    DirectoryBrowser* m_browser;
    QPushButton* m_cmdOpen;
    QPushButton* m_cmdCancel;
    QString m_initDir;
    QString m_fileName;
};

} // namespace wepn
