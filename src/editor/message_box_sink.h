#pragma once

#include "editor/message_sink.h"

class QWidget;

namespace wepn {

/// Shows each message in a modal box with an OK button only, no icon, and the
/// application title as its title.
class MessageBoxSink : public MessageSink {
  public:
    explicit MessageBoxSink(QWidget* parent) : m_parent(parent) {}
    void show(const QString& text) override;
    void showWithDetails(const QString& text, const QString& details) override;
    bool confirm(const QString& question) override;
    qsizetype ask(const QString& question, const QStringList& answers) override;

  private:
    QWidget* m_parent;
};

} // namespace wepn
