#include "editor/message_box_sink.h"

#include "editor/window_caption.h"

#include <QMessageBox>
#include <QPushButton>

namespace wepn {
namespace {

// Runs of this many characters without a blank get a place to break.
constexpr qsizetype kLongestUnbroken = 40;

// The text with a zero-width space inside every long run without a blank (a
// long file name or path), so the box wraps it and its question stays in
// view instead of running off the box's edge.
QString breakable(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / kLongestUnbroken);
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestUnbroken && !c.isLowSurrogate()) {
            out += QChar(0x200B);
            run = 1;
        }
        out += c;
    }
    return out;
}

void prepare(QMessageBox& box, const QString& text) {
    box.setTextFormat(Qt::PlainText);
    box.setText(breakable(text));
    box.setWindowModality(Qt::ApplicationModal);
}

} // namespace

void MessageBoxSink::show(const QString& text) {
    showWithDetails(text, QString());
}

void MessageBoxSink::showWithDetails(const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, WindowCaption::applicationTitle(), QString(),
                    QMessageBox::Ok, m_parent);
    prepare(box, text);
    // The long form in the box's "Details" part, which scrolls, so the box
    // itself stays the size of a short text.
    box.setDetailedText(details);
    box.exec();
}

bool MessageBoxSink::confirm(const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, WindowCaption::applicationTitle(), QString(),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    prepare(box, question);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

qsizetype MessageBoxSink::ask(const QString& question, const QStringList& answers) {
    QMessageBox box(QMessageBox::NoIcon, WindowCaption::applicationTitle(), QString(),
                    QMessageBox::NoButton, m_parent);
    prepare(box, question);
    QList<QPushButton*> buttons;
    for (const QString& answer : answers) {
        buttons << box.addButton(answer, QMessageBox::ActionRole);
    }
    box.setDefaultButton(buttons.back());
    box.setEscapeButton(buttons.back());
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? answers.size() - 1 : chosen;
}

} // namespace wepn
