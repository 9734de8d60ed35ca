#include "editor/digit_key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace wepn {
namespace {

bool isDigits(const QString& text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

} // namespace

void DigitKeyFilter::install(QLineEdit* edit) {
    // Text that arrives by other ways than typing is refused as well.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->setDragEnabled(false);
    edit->installEventFilter(new DigitKeyFilter(edit));
}

bool DigitKeyFilter::swallows(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
        event.matches(QKeySequence::Paste)) {
        return true;
    }
    if (event.key() == Qt::Key_Backspace) {
        return false;
    }
    const QString text = event.text();
    if (!text.isEmpty() && text.front().isPrint()) {
        return !isDigits(text);
    }
    // Control with a letter makes a control character even where the platform
    // reports no text for it.
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        return true;
    }
    return !text.isEmpty() && text.front().unicode() < 0x20 && event.key() != Qt::Key_Tab &&
           event.key() != Qt::Key_Backtab && event.key() != Qt::Key_Return &&
           event.key() != Qt::Key_Enter && event.key() != Qt::Key_Escape;
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return swallows(*static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
        return !isDigits(static_cast<QInputMethodEvent*>(event)->commitString());
    case QEvent::MouseButtonRelease:
        // Middle-click pastes the selection on some platforms.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace wepn
