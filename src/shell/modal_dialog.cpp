#include "shell/modal_dialog.h"

#include <QKeyEvent>

namespace wepn {

ModalDialog::ModalDialog(QWidget* mainWindow, const char* objectName, const char* title)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromLatin1(title));
}

void ModalDialog::showModal() {
    m_mainWindow->setEnabled(false);
    show();
    raise();
    activateWindow();
}

void ModalDialog::finish() {
    m_mainWindow->setEnabled(true);
    hide();
}

void ModalDialog::closeEvent(QCloseEvent* event) {
    m_mainWindow->setEnabled(true);
    QWidget::closeEvent(event);
}

void ModalDialog::keyPressEvent(QKeyEvent* event) {
    if (takeKey(event)) {
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirm();
        return;
    case Qt::Key_Escape:
        cancel();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace wepn
