#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidgetItem;
class QPushButton;

namespace wepn {

class CustomFSO;
class DirectoryBrowser;

// The save dialog: proposes a file name in a directory and hands the chosen
// path on only through its Save button. The main window is disabled while it
// is shown.
class FrmSave : public QWidget {
    Q_OBJECT
  public:
    FrmSave(QWidget* mainWindow, const CustomFSO& fso);

    void setInitDir(const QString& dir) { m_initDir = dir; }
    QString initDir() const { return m_initDir; }
    // On entry the proposed name; after Save the full path, after Cancel "".
    void setFileName(const QString& name) { m_fileName = name; }
    QString fileName() const { return m_fileName; }

    // Shows the dialog at `initDir` (or the nearest directory that exists) with
    // the proposed name and returns at once.
    void showSave();

    DirectoryBrowser* browser() const { return m_browser; }

    // Asked before Save goes on with a path; false keeps the dialog open.
    void setReplaceCheck(std::function<bool(const QString& windowsPath)> check) {
        m_replaceCheck = std::move(check);
    }

  signals:
    // The user pressed Save with a name; `windowsPath` equals fileName().
    void saveChosen(const QString& windowsPath);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void cmdSave_Click();
    void cmdCancel_Click();
    void lstFiles_Click(QListWidgetItem* item);
    void lstFiles_SelectionChanged();
    void finish();

    QWidget* m_mainWindow;
    const CustomFSO& m_fso;
    DirectoryBrowser* m_browser;
    QPushButton* m_cmdSave;
    QPushButton* m_cmdCancel;
    QLineEdit* m_txtFilename;
    QString m_initDir;
    QString m_fileName;
    std::function<bool(const QString&)> m_replaceCheck;
};

} // namespace wepn
