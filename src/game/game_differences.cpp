#include "game/game_differences.h"

#include "game/editor_calls.h"

#include <algorithm>
#include <optional>

namespace wepn::game {
namespace {

using Kind = LuaValue::Kind;

constexpr std::array<GameFunction, 5> kSingleCalls{
    GameFunction::StartWeaponConfig, GameFunction::setAngles, GameFunction::setMiscValues,
    GameFunction::setPenetration, GameFunction::setAccuracy};

std::string at(const GameCall& call) {
    return call.line != 0 ? " (line " + std::to_string(call.line) + ")" : "";
}

// "1 call", "2 calls", "0 families".
std::string counted(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

bool isDamageKey(const LuaValue& key) {
    return key.kind == Kind::String && key.text == "damage";
}

// The family tables of a table call: every argument after the leading numbers
// but empty tables. The game's damage=0 entries are dropped: 0 is no damage.
std::vector<LuaValue> familyArguments(const GameCall& call) {
    std::vector<LuaValue> families;
    const auto& arguments = call.arguments;
    for (std::size_t k = tableCallLeadingArguments(call.function); k < arguments.size(); ++k) {
        LuaValue family = arguments[k];
        if (family.kind == Kind::Table && call.function == GameFunction::setAccuracy) {
            std::erase_if(family.entries, [](const TableEntry& entry) {
                return isDamageKey(entry.key) && entry.value == LuaValue::ofNumber(0);
            });
        }
        if (family.kind != Kind::Table || !family.entries.empty()) {
            families.push_back(std::move(family));
        }
    }
    return families;
}

// The damage part of a family table: 0 when it has none.
LuaValue damageOf(const LuaValue& table, const TableEntry& family) {
    const LuaValue* damage = isDamageKey(family.key) ? nullptr : findEntry(table, "damage");
    return damage != nullptr ? *damage : LuaValue::ofNumber(0);
}

class Differences {
  public:
    void add(std::string text) { m_texts.push_back(std::move(text)); }
    std::vector<std::string> take() { return std::move(m_texts); }

    // Arguments from..to of two calls of one function, a missing one as nil.
    void arguments(const GameCall& editor, const GameCall& game, std::size_t from, std::size_t to,
                   const std::string& prefix) {
        const LuaValue nil;
        for (std::size_t k = from; k < to; ++k) {
            const bool edited = k < editor.arguments.size();
            const LuaValue& e = edited ? editor.arguments[k] : nil;
            const LuaValue& g = k < game.arguments.size() ? game.arguments[k] : nil;
            if (e != g) {
                add(prefix + argumentName(game.function, k) + at(game) + ": the game receives " +
                    describe(g) + ", the editor shows " + (edited ? describe(e) : "nothing"));
            }
        }
    }

    void call(const GameCall& editor, const GameCall& game, const std::string& prefix = {}) {
        const std::size_t lead = tableCallLeadingArguments(game.function);
        const std::size_t all = std::max(editor.arguments.size(), game.arguments.size());
        arguments(editor, game, 0, lead != 0 ? lead : all, prefix);
        if (lead != 0) {
            families(editor, game);
        }
    }

  private:
    void families(const GameCall& editor, const GameCall& game) {
        const std::vector<LuaValue> e = familyArguments(editor);
        const std::vector<LuaValue> g = familyArguments(game);
        const std::string name(functionName(game.function));
        if (e.size() != g.size()) {
            add(name + at(game) + ": the game receives " +
                counted(g.size(), "family table", "family tables") + ", the editor shows " +
                counted(e.size(), "family", "families"));
        }
        for (std::size_t i = 0; i < std::min(e.size(), g.size()); ++i) {
            if (e[i] != g[i]) {
                family("family " + std::to_string(i + 1) + " of " + name + at(game), e[i], g[i]);
            }
        }
    }

    // The entry of a family table that names the family: its one entry, or
    // its one entry besides damage.
    static std::optional<TableEntry> familyEntry(const LuaValue& table) {
        if (table.kind != Kind::Table) {
            return std::nullopt;
        }
        std::optional<TableEntry> found;
        for (const TableEntry& entry : table.entries) {
            if (isDamageKey(entry.key) && table.entries.size() == 2) {
                continue;
            }
            if (found) {
                return std::nullopt;
            }
            found = entry;
        }
        return found;
    }

    void family(const std::string& what, const LuaValue& editor, const LuaValue& game) {
        const std::optional<TableEntry> e = familyEntry(editor);
        const std::optional<TableEntry> g = familyEntry(game);
        if (!e || !g) {
            add(what + ": the game receives " + describe(game) + ", the editor shows " +
                describe(editor));
            return;
        }
        if (e->key != g->key) {
            const bool named = g->key.kind == Kind::String;
            add(what + ": the game reads " +
                (named ? "the family name " + g->key.text
                       : "no family name but the key " + describe(g->key)) +
                ", the editor reads the family name " + e->key.text);
        }
        if (e->value != g->value) {
            add(what + " (" + e->key.text + "): the game receives " + describe(g->value) +
                ", the editor shows " + describe(e->value));
        }
        const LuaValue eDamage = damageOf(editor, *e);
        const LuaValue gDamage = damageOf(game, *g);
        if (eDamage != gDamage) {
            add(what + " (" + e->key.text + "): the game receives damage=" + describe(gDamage) +
                ", the editor shows damage " + describe(eDamage));
        }
    }

    std::vector<std::string> m_texts;
};

std::vector<const GameCall*> callsOf(const std::vector<GameCall>& calls, GameFunction function) {
    std::vector<const GameCall*> found;
    for (const GameCall& call : calls) {
        if (call.function == function) {
            found.push_back(&call);
        }
    }
    return found;
}

} // namespace

std::string describeCall(const GameCall& call) {
    std::string text = std::string(functionName(call.function)) + "(";
    for (std::size_t k = 0; k < call.arguments.size(); ++k) {
        text += (k == 0 ? "" : ", ") + describe(call.arguments[k]);
    }
    return text + ")";
}

std::vector<std::string> gameDifferences(const WeaponState& state,
                                         const std::vector<GameCall>& calls) {
    const std::vector<GameCall> expected = editorCalls(state);
    Differences differences;
    for (const GameFunction function : kSingleCalls) {
        const std::vector<const GameCall*> editor = callsOf(expected, function);
        const std::vector<const GameCall*> game = callsOf(calls, function);
        const std::string name(functionName(function));
        if (editor.empty() && game.empty()) {
            continue;
        }
        if (game.empty()) {
            differences.add(name + ": the game receives no call, the editor shows " +
                            describeCall(*editor.front()));
        } else if (editor.empty()) {
            differences.add(name + at(*game.back()) +
                            ": the game receives a call that the editor does not read: " +
                            describeCall(*game.back()));
        } else {
            differences.call(*editor.front(), *game.back());
        }
    }
    const auto editorResults = callsOf(expected, GameFunction::AddWeaponResult);
    const auto gameResults = callsOf(calls, GameFunction::AddWeaponResult);
    if (editorResults.size() != gameResults.size()) {
        differences.add("AddWeaponResult: the game receives " +
                        counted(gameResults.size(), "call", "calls") + ", the editor shows " +
                        counted(editorResults.size(), "impact result", "impact results"));
    }
    for (std::size_t i = 0; i < std::min(editorResults.size(), gameResults.size()); ++i) {
        differences.call(*editorResults[i], *gameResults[i],
                         "impact result " + std::to_string(i + 1) + ", ");
    }
    return differences.take();
}

} // namespace wepn::game
