#pragma once

#include "editor/message_sink.h"

#include <QStringList>

namespace wepn {

/// Keeps the message texts instead of showing message boxes.
class RecordingSink : public MessageSink {
  public:
    void show(const QString& text) override { texts << text; }
    QStringList texts;
};

} // namespace wepn
