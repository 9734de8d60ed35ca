#pragma once

#include <QString>

namespace wepn {

/// A field whose text could not be stored: its label, the text and why.
struct CollectError {
    QString label;
    QString text;
    QString reason;

    /// One line for a message: the label, the text in single quotes, the reason.
    QString describe() const { return QStringLiteral("%1 '%2' %3.").arg(label, text, reason); }
};

} // namespace wepn
