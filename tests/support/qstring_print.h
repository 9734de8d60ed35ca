#pragma once

#include <QString>
#include <ostream>

// gtest shows a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
