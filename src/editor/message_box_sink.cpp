#include "editor/message_box_sink.h"

#include "editor/window_caption.h"

#include <QMessageBox>

namespace wepn {

void MessageBoxSink::show(const QString& text) {
    showWithDetails(text, QString());
}

void MessageBoxSink::showWithDetails(const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, WindowCaption::applicationTitle(), text, QMessageBox::Ok,
                    m_parent);
    // The long form in the box's "Details" part, which scrolls, so the box
    // itself stays the size of a short text.
    box.setDetailedText(details);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool MessageBoxSink::confirm(const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, WindowCaption::applicationTitle(), question,
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

} // namespace wepn
