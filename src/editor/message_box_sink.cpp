#include "editor/message_box_sink.h"

#include "editor/window_caption.h"

#include <QMessageBox>

namespace wepn {

void MessageBoxSink::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, WindowCaption::applicationTitle(), text, QMessageBox::Ok,
                    m_parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace wepn
