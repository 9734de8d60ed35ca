#include "model/reader_support.h"

#include "model/fields.h"
#include "model/number_text.h"
#include "model/text_tokens.h"

#include <optional>

namespace wepn::detail {
namespace {

template <class Int>
Int toInteger(std::string_view text, const Where& where, std::size_t line,
              std::optional<Int> (*read)(std::string_view), ValueKind kind) {
    if (const std::optional<Int> value = read(text)) {
        return *value;
    }
    toNumber(text, where, line); // reports text that is no number at all
    fail(line, "'" + excerpt(text) + "' " + notANumberReason(kind) + " (" + where.text() + ")");
}

} // namespace

std::string Where::text() const {
    if (argument == kFamily) {
        return std::string(statement) + " of family " + excerpt(family);
    }
    return "argument " + std::to_string(argument) + " of " + std::string(statement);
}

void fail(std::size_t line, std::string reason) {
    throw ScriptError{line, std::move(reason)};
}

double toNumber(std::string_view text, const Where& where, std::size_t line) {
    if (const std::optional<double> value = readNumber(text)) {
        return *value;
    }
    fail(line, "'" + excerpt(text) + "' " + notANumberReason(ValueKind::Real) + " (" +
                   where.text() + ")");
}

std::int16_t toInt16(std::string_view text, const Where& where, std::size_t line) {
    return toInteger<std::int16_t>(text, where, line, readInt16, ValueKind::Int16);
}

std::int32_t toInt32(std::string_view text, const Where& where, std::size_t line) {
    return toInteger<std::int32_t>(text, where, line, readInt32, ValueKind::Int32);
}

} // namespace wepn::detail
