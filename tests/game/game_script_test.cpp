#include "game/game_script.h"

#include <gtest/gtest.h>

namespace wepn::game {
namespace {

LuaValue num(double n) {
    return LuaValue::ofNumber(n);
}
LuaValue str(std::string s) {
    return LuaValue::ofString(std::move(s));
}
LuaValue boolean(bool b) {
    LuaValue value;
    value.kind = LuaValue::Kind::Boolean;
    value.boolean = b;
    return value;
}
LuaValue table(std::vector<TableEntry> entries) {
    LuaValue value;
    value.kind = LuaValue::Kind::Table;
    value.entries = std::move(entries);
    return value;
}
const LuaValue W = LuaValue::weapon();

std::vector<GameCall> run(const std::string& script) {
    const auto calls = runAsGame(script);
    EXPECT_TRUE(calls.ok()) << script << ": "
                            << (calls.ok() ? ""
                                           : std::to_string(calls.error().line) + ": " +
                                                 calls.error().message);
    return calls.ok() ? *calls : std::vector<GameCall>{};
}

std::string described(const std::vector<GameCall>& calls) {
    std::string text;
    for (const GameCall& call : calls) {
        text += functionName(call.function);
        for (const LuaValue& argument : call.arguments) {
            text += " " + describe(argument);
        }
        text += "\n";
    }
    return text;
}

TEST(GameScript, RecordsWhatEachFunctionReceives) {
    using F = GameFunction;
    const struct {
        const char* name;
        std::string script;
        std::vector<GameCall> calls;
    } cases[] = {
        {"StartWeaponConfig: strings as bytes, integers and reals as doubles",
         "StartWeaponConfig(NewWeaponType,\"Fixed\",\"caf\xE9\",2500,0.25,-1,1E+15,5E-05)",
         {{F::StartWeaponConfig,
           {W, str("Fixed"), str("caf\xE9"), num(2500), num(0.25), num(-1), num(1e15),
            num(5e-5)}}}},
        {"AddWeaponResult",
         "AddWeaponResult(NewWeaponType,\"Hit\",\"Push\",\"Target\",5,10,\"\")",
         {{F::AddWeaponResult,
           {W, str("Hit"), str("Push"), str("Target"), num(5), num(10), str("")}}}},
        {"setAngles",
         "setAngles(NewWeaponType,20,-160,160,-5,80)",
         {{F::setAngles, {W, num(20), num(-160), num(160), num(-5), num(80)}}}},
        {"setMiscValues",
         "setMiscValues(NewWeaponType,1.5,0.1)",
         {{F::setMiscValues, {W, num(1.5), num(0.1)}}}},
        {"setPenetration: one table per family",
         "setPenetration(NewWeaponType,5,1,\r\n{Fighter=1.2,},\r\n{Corvette=1,})",
         {{F::setPenetration,
           {W, num(5), num(1), table({{str("Fighter"), num(1.2)}}),
            table({{str("Corvette"), num(1)}})}}}},
        {"setAccuracy: entries ordered by key, a damage part on its own line",
         "setAccuracy(NewWeaponType,1,\n{damage=1, BigShips=0.9},\n{Frigate=0.8,\ndamage=1,})",
         {{F::setAccuracy,
           {W, num(1), table({{str("BigShips"), num(0.9)}, {str("damage"), num(1)}}),
            table({{str("Frigate"), num(0.8)}, {str("damage"), num(1)}})}}}},
        {"other values",
         "setAngles(nil, true, {1, x={2}}, setAngles, NewWeaponType == nil)",
         {{F::setAngles,
           {{},
            boolean(true),
            table({{num(1), num(1)}, {str("x"), table({{num(1), num(2)}})}}),
            LuaValue{LuaValue::Kind::Other, false, 0, "function", {}},
            boolean(false)}}}},
        {"every call in order, repeated ones too",
         "setAngles(NewWeaponType,1,2,3,4,5)\n"
         "for i = 1, 2 do AddWeaponResult(NewWeaponType, i) end\n"
         "setAngles(NewWeaponType,9,9,9,9,9)",
         {{F::setAngles, {W, num(1), num(2), num(3), num(4), num(5)}},
          {F::AddWeaponResult, {W, num(1)}},
          {F::AddWeaponResult, {W, num(2)}},
          {F::setAngles, {W, num(9), num(9), num(9), num(9), num(9)}}}},
        {"a byte-order mark is skipped",
         "\xEF\xBB\xBF-- note\nsetMiscValues(NewWeaponType,1,2)",
         {{F::setMiscValues, {W, num(1), num(2)}}}},
        {"a first line with # is skipped to its line feed",
         "#!game setAngles(NewWeaponType)\rsetAngles()\nsetMiscValues(NewWeaponType,1,2)",
         {{F::setMiscValues, {W, num(1), num(2)}}}},
        {"no call", "local x = 1 -- nothing for the game", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(described(run(c.script)), described(c.calls)) << c.name;
    }
}

TEST(GameScript, RecordsTheLineOfEachCall) {
    const auto calls = run("\n-- two\nsetAngles(NewWeaponType,\n1)\r\nsetAngles(NewWeaponType)");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].line, 3u) << "a call spanning lines is on the line it starts on";
    EXPECT_EQ(calls[1].line, 5u);
}

TEST(GameScript, RefusesScriptsTheGameCannotRun) {
    const struct {
        const char* name;
        std::string script;
        std::size_t line;
        std::string message;
        GameLimits limits = {};
    } cases[] = {
        {"syntax error", "setAngles(NewWeaponType,1,2,3,4,5)\nsetAngles(NewWeaponType 1)", 2,
         "')' expected near '1'"},
        {"runtime error", "\nlocal x = nil\nsetAngles(NewWeaponType, x.y)", 3,
         "attempt to index a nil value (local 'x')"},
        {"a function the game lacks", "setWeaponSound(NewWeaponType,\"bang\")", 1,
         "attempt to call a nil value (global 'setWeaponSound')"},
        {"os.execute", "os.execute(\"touch /tmp/x\")", 1,
         "attempt to index a nil value (global 'os')"},
        {"require", "local os = require(\"os\")", 1,
         "attempt to call a nil value (global 'require')"},
        {"load", "load(\"return 1\")()", 1, "attempt to call a nil value (global 'load')"},
        {"io.open", "\n\nio.open(\"/etc/passwd\")", 3,
         "attempt to index a nil value (global 'io')"},
        {"string methods", "local s = (\"x\"):rep(10)", 1, "attempt to index a string value"},
        {"a loop without end",
         "local i = 0\nwhile true do\ni = i + 1\nend",
         3,
         "the script runs more than 100000 instructions",
         {100'000, std::size_t(64) << 20}},
        {"allocation without end",
         "local t = {}\nlocal i = 1\nwhile true do t[i] = i; i = i + 1 end",
         3,
         "the script needs more than 4 MiB of memory",
         {~0ull, std::size_t(4) << 20}},
        {"values beyond the memory limit for the game",
         "local t = {}\nfor i = 1, 40000 do t[i] = i end\nsetPenetration(NewWeaponType, t)",
         3,
         "the script passes more than 2 MiB of values to the game",
         {~0ull, std::size_t(2) << 20}},
        {"calls beyond the memory limit for the game",
         "for i = 1, 1000000 do\nsetAngles()\nend",
         2,
         "the script passes more than 2 MiB of values to the game",
         {~0ull, std::size_t(2) << 20}},
        {"a precompiled chunk", "\x1bLua\x54", 0, "attempt to load a binary chunk (mode is 't')"},
        {"a broken byte-order mark", "\xEF\xBB-- x", 1, "unexpected symbol near '<\\239>'"},
    };
    for (const auto& c : cases) {
        const auto result = runAsGame(c.script, c.limits);
        ASSERT_FALSE(result.ok()) << c.name;
        EXPECT_EQ(result.error().line, c.line) << c.name;
        EXPECT_NE(result.error().message.find(c.message), std::string::npos)
            << c.name << ": " << result.error().message;
    }
}

TEST(GameScript, OnlyTheWeaponFunctionsAndNewWeaponTypeAreGlobals) {
    for (const char* name :
         {"_G",    "os",    "io",    "require",   "package", "load",          "dofile", "loadfile",
          "print", "pairs", "next",  "error",     "pcall",   "setmetatable",  "rawset", "string",
          "math",  "table", "debug", "coroutine", "utf8",    "collectgarbage"}) {
        const auto calls = run(std::string("setAngles(NewWeaponType, ") + name + " == nil)");
        ASSERT_EQ(calls.size(), 1u) << name;
        EXPECT_EQ(describe(calls[0].arguments[1]), "true") << name << " is not defined";
    }
}

} // namespace
} // namespace wepn::game
