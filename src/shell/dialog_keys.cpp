#include "shell/dialog_keys.h"

#include <QKeyEvent>

namespace wepn {

bool handleDialogKey(const QKeyEvent* event, const std::function<void()>& confirm,
                     const std::function<void()>& cancel) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirm();
        return true;
    case Qt::Key_Escape:
        cancel();
        return true;
    default:
        return false;
    }
}

} // namespace wepn
