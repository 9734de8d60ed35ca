#pragma once

#include "shell/modal_dialog.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace wepn {

class CustomFSO;
class MessageSink;

// The data-directory dialog. It accepts only a directory that exists; Cancel,
// Escape and its close control leave the setting as it was.
class FrmDecompiledDataDir : public ModalDialog {
    Q_OBJECT
  public:
    // `messages` receives the refusal text; without one the dialog shows a
    // message box itself. Starts with `dataDir`, or the default directory when
    // `dataDir` does not exist.
    FrmDecompiledDataDir(QWidget* mainWindow, const CustomFSO& fso, MessageSink* messages,
                         const QString& dataDir);
    ~FrmDecompiledDataDir() override;

    // Disables the main window and shows the dialog without blocking.
    void showDialog() { showModal(); }

    QLineEdit* directoryField() const { return m_txtDataDir; }
    QLabel* instructions() const { return m_lblInstructions; }
    QPushButton* okButton() const { return m_cmdOK; }
    QPushButton* cancelButton() const { return m_cmdCancel; }

  signals:
    // OK was pressed on an existing directory, exactly as typed.
    void confirmed(const QString& directory);

  protected:
    void confirm() override { cmdOK_Click(); }
    void cancel() override { cmdCancel_Click(); }

  private:
    void cmdOK_Click();
    void cmdCancel_Click();

    const CustomFSO& m_fso;
    std::unique_ptr<MessageSink> m_ownMessages;
    MessageSink* m_messages;
    QLineEdit* m_txtDataDir;
    QLabel* m_lblInstructions;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdCancel;
};

} // namespace wepn
