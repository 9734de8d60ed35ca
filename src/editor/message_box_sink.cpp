#include "editor/message_box_sink.h"

#include "editor/window_caption.h"

#include <QMessageBox>
#include <QPushButton>

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

qsizetype MessageBoxSink::ask(const QString& question, const QStringList& answers) {
    QMessageBox box(QMessageBox::NoIcon, WindowCaption::applicationTitle(), question,
                    QMessageBox::NoButton, m_parent);
    QList<QPushButton*> buttons;
    for (const QString& answer : answers) {
        buttons << box.addButton(answer, QMessageBox::ActionRole);
    }
    box.setDefaultButton(buttons.back());
    box.setEscapeButton(buttons.back());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? answers.size() - 1 : chosen;
}

} // namespace wepn
