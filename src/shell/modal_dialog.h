#pragma once

#include <QWidget>

class QCloseEvent;
class QKeyEvent;

namespace wepn {

// A dialog of the program's own: a window with no parent (a disabled main
// window would disable its child windows too) that keeps the main window
// disabled while it is shown. Enter confirms it and Escape cancels it,
// whichever of its controls has the focus.
class ModalDialog : public QWidget {
    Q_OBJECT
  public:
    ModalDialog(QWidget* mainWindow, const char* objectName, const char* title);

  protected:
    // Disables the main window and shows the dialog in front, without blocking.
    void showModal();
    // Enables the main window again and hides the dialog.
    void finish();

    virtual void confirm() = 0;
    virtual void cancel() = 0;
    // A key the dialog's own controls take before Enter and Escape are looked
    // at; true when taken.
    virtual bool takeKey(const QKeyEvent* /*event*/) { return false; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* m_mainWindow;
};

} // namespace wepn
