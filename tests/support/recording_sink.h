#pragma once

#include "editor/message_sink.h"

#include <QStringList>

namespace wepn {

/// Keeps the message texts instead of showing message boxes.
class RecordingSink : public MessageSink {
  public:
    void show(const QString& text) override { texts << text; }
    // Records the question as a text and answers it with `answer`.
    bool confirm(const QString& question) override {
        texts << question;
        return answer;
    }
    // Records the question and answers with `choice`; -1 is the safe answer.
    qsizetype ask(const QString& question, const QStringList& answers) override {
        texts << question;
        return choice < 0 ? answers.size() - 1 : choice;
    }
    bool answer = false;
    qsizetype choice = -1;
    QStringList texts;
};

} // namespace wepn
