#pragma once

// The lines of a weapon script as the reader works through them: views into
// the file's bytes, each with the statement keywords it holds. Reading a
// statement consumes its lines; what is left are the unrecognised lines.

#include "model/reader_support.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wepn {

/// The largest weapon script a load accepts, in lines and in bytes.
inline constexpr std::size_t kMaxScriptLines = 32768;
inline constexpr std::size_t kMaxScriptBytes = 16 * 1024 * 1024;

} // namespace wepn

namespace wepn::detail {

class ScriptLines {
  public:
    /// Splits the bytes (which must outlive this) and consumes what Lua skips:
    /// comment lines (long comments up to their closing bracket; code after it
    /// stays), a first line starting with "#"; a byte-order mark at the start
    /// is no part of a line. Throws ScriptError for an empty or oversized file.
    explicit ScriptLines(std::string_view bytes);

    std::size_t size() const { return m_lines.size(); }
    /// The line's text; empty once consumed.
    std::string_view operator[](std::size_t i) const { return m_lines[i]; }
    /// How many lines a "#" first line covers: 0 without one, more than 1
    /// when lines ending with a lone carriage return run on with it.
    std::size_t hashLines() const { return m_hashLines; }
    /// True for an unconsumed line that holds the keyword; for a table, one
    /// that starts the table's statement.
    bool holds(std::size_t i, Keyword keyword) const { return (m_kinds[i] & keyword) != 0; }
    /// True for a line that calls the table function of `keyword` after
    /// other code on it ("x = setAccuracy(...)"): no statement of the reader.
    bool callsElsewhere(std::size_t i, Keyword keyword) const {
        return (m_elsewhere[i] & keyword) != 0;
    }
    /// The number of unconsumed lines that hold the keyword.
    std::size_t count(Keyword keyword) const {
        return std::size_t(std::count_if(m_kinds.begin(), m_kinds.end(),
                                         [keyword](std::uint8_t kind) { return kind & keyword; }));
    }
    void consume(std::size_t i) {
        // Empty, but still where the line was: the keyword scan walks by address.
        m_lines[i] = m_lines[i].substr(0, 0);
        m_kinds[i] = 0;
    }
    /// Every line in file order, consumed ones empty.
    std::vector<std::string> remaining() const;

  private:
    void skipComments();
    /// Sets the kinds of every line from the keywords in the bytes it views.
    void markKeywords(std::string_view bytes);

    std::vector<std::string_view> m_lines;
    std::vector<std::uint8_t> m_kinds;
    std::vector<std::uint8_t> m_elsewhere;
    std::size_t m_hashLines = 0;
};

} // namespace wepn::detail
