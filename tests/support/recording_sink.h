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
    bool answer = false;
    QStringList texts;
};

} // namespace wepn
