#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wepn::game {

struct TableEntry;

/// A value a script passed to one of the game's functions, as the game
/// receives it: numbers as doubles (Lua integers converted), strings as their
/// bytes, tables as their entries.
struct LuaValue {
    enum class Kind {
        Nil,
        Boolean,
        Number,
        String,
        Table,
        Weapon, ///< the NewWeaponType value the game gives every script
        Other,  ///< a function, userdata or coroutine; `text` holds its type name
    };

    Kind kind = Kind::Nil;
    bool boolean = false;
    double number = 0;
    std::string text;
    /// A table's entries ordered by key (see keyLess), so that two tables with
    /// the same entries compare equal whatever order Lua iterates them in.
    std::vector<TableEntry> entries;

    static LuaValue ofNumber(double number);
    static LuaValue ofString(std::string text);
    static LuaValue weapon();

    /// Numbers compare as doubles (NaN equals NaN); tables entry by entry.
    bool operator==(const LuaValue& other) const;
};

struct TableEntry {
    LuaValue key;
    LuaValue value;

    bool operator==(const TableEntry&) const = default;
};

/// The order of table entries: booleans, then numbers by value, then strings
/// by bytes, then other keys.
bool keyLess(const LuaValue& a, const LuaValue& b);

/// Orders a table's entries by key.
void sortEntries(LuaValue& table);

/// The value in script form for messages: 2.5, "text", {Fighter=1.2, damage=1},
/// NewWeaponType, nil. Numbers take their shortest exact form, so that two
/// different doubles never read the same.
std::string describe(const LuaValue& value);

/// The entry under a string key, if the table has one.
const LuaValue* findEntry(const LuaValue& table, std::string_view key);

} // namespace wepn::game
