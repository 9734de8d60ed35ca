#include "game/lua_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace wepn::game {
namespace {

int kindRank(LuaValue::Kind kind) {
    switch (kind) {
    case LuaValue::Kind::Boolean:
        return 0;
    case LuaValue::Kind::Number:
        return 1;
    case LuaValue::Kind::String:
        return 2;
    default:
        return 3;
    }
}

std::string numberForm(double number) {
    if (std::isnan(number)) {
        return "nan";
    }
    if (std::isinf(number)) {
        return number < 0 ? "-inf" : "inf";
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    return std::string(buffer, end);
}

bool isName(std::string_view text) {
    if (text.empty() || (text[0] >= '0' && text[0] <= '9')) {
        return false;
    }
    for (const char c : text) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        if (!letter && !(c >= '0' && c <= '9')) {
            return false;
        }
    }
    return true;
}

} // namespace

LuaValue LuaValue::ofNumber(double number) {
    LuaValue value;
    value.kind = Kind::Number;
    value.number = number;
    return value;
}

LuaValue LuaValue::ofString(std::string text) {
    LuaValue value;
    value.kind = Kind::String;
    value.text = std::move(text);
    return value;
}

LuaValue LuaValue::weapon() {
    LuaValue value;
    value.kind = Kind::Weapon;
    return value;
}

bool LuaValue::operator==(const LuaValue& other) const {
    if (kind != other.kind) {
        return false;
    }
    switch (kind) {
    case Kind::Nil:
    case Kind::Weapon:
        return true;
    case Kind::Boolean:
        return boolean == other.boolean;
    case Kind::Number:
        return number == other.number || (std::isnan(number) && std::isnan(other.number));
    case Kind::String:
    case Kind::Other:
        return text == other.text;
    case Kind::Table:
        return entries == other.entries;
    }
    return false;
}

bool keyLess(const LuaValue& a, const LuaValue& b) {
    const int rankA = kindRank(a.kind);
    const int rankB = kindRank(b.kind);
    if (rankA != rankB) {
        return rankA < rankB;
    }
    switch (a.kind) {
    case LuaValue::Kind::Boolean:
        return a.boolean < b.boolean;
    case LuaValue::Kind::Number:
        return a.number < b.number;
    case LuaValue::Kind::String:
        return a.text < b.text;
    default:
        return false;
    }
}

void sortEntries(LuaValue& table) {
    std::stable_sort(
        table.entries.begin(), table.entries.end(),
        [](const TableEntry& a, const TableEntry& b) { return keyLess(a.key, b.key); });
}

std::string describe(const LuaValue& value) {
    switch (value.kind) {
    case LuaValue::Kind::Nil:
        return "nil";
    case LuaValue::Kind::Boolean:
        return value.boolean ? "true" : "false";
    case LuaValue::Kind::Number:
        return numberForm(value.number);
    case LuaValue::Kind::String:
        return '"' + value.text + '"';
    case LuaValue::Kind::Weapon:
        return "NewWeaponType";
    case LuaValue::Kind::Other:
        return "a " + value.text;
    case LuaValue::Kind::Table:
        break;
    }
    std::string text = "{";
    for (const TableEntry& entry : value.entries) {
        text += text.size() == 1 ? "" : ", ";
        const bool bare = entry.key.kind == LuaValue::Kind::String && isName(entry.key.text);
        text += bare ? entry.key.text : "[" + describe(entry.key) + "]";
        text += "=" + describe(entry.value);
    }
    return text + "}";
}

const LuaValue* findEntry(const LuaValue& table, std::string_view key) {
    for (const TableEntry& entry : table.entries) {
        if (entry.key.kind == LuaValue::Kind::String && entry.key.text == key) {
            return &entry.value;
        }
    }
    return nullptr;
}

} // namespace wepn::game
