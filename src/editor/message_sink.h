#pragma once

#include <QString>
#include <QStringList>

namespace wepn {

/// Where the window sends the texts of its message boxes. The application
/// shows each in a modal box; tests record them.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    /// Shows `text` and returns when the user has acknowledged it.
    virtual void show(const QString& text) = 0;
    /// Shows `text` with `details`, the longer form, on demand.
    virtual void showWithDetails(const QString& text, const QString& details) {
        (void)details;
        show(text);
    }
    /// Asks a yes-or-no question whose safe answer is No, the default.
    virtual bool confirm(const QString& question) = 0;
    /// Asks a question with several answers; the last is the safe one, the
    /// default and what Escape gives. Returns the index of the answer given.
    /// A sink that cannot ask gives the safe answer.
    virtual qsizetype ask(const QString& question, const QStringList& answers) {
        (void)question;
        return answers.size() - 1;
    }
};

} // namespace wepn
