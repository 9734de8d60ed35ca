#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace wepn::test {

// The config statement of a valid bullet weapon.
inline const std::string kConfigLine = "StartWeaponConfig(NewWeaponType,\"Fixed\",\"Bullet\","
                                       "\"slug\",\"Normal\",2500,3000,0,0,0,0,1,1,1,"
                                       "0.25,1,2,1,0,0,0,1,\"Normal\",0,0,100000)";

// Joins lines with CR LF after each.
inline std::string script(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Weapon scripts made from a seed, in the shapes that both Lua and the
// editor's reader take, and a few that one of them refuses: values in every
// number form, tables written across lines or inline, damage parts on their
// own lines, repeated statements and tables, comments (line, trailing, long), other
// Lua code between the statements, a byte-order mark or a "#" first line.
class WeaponGenerator {
  public:
    explicit WeaponGenerator(std::uint64_t seed) : m_random(seed) {}

    // One weapon script whose StartWeaponConfig names `fireType`.
    std::string script(std::string_view fireType);

  private:
    std::uint64_t below(std::uint64_t n) { return m_random() % n; }
    bool chance(unsigned percent) { return below(100) < percent; }
    template <class List> auto pick(const List& list) { return list[below(std::size(list))]; }

    std::string number();
    std::string integer(std::int64_t low, std::int64_t high);
    std::string text();
    std::string family();
    std::string lineEnd();
    std::string between();
    std::string configLine(std::string_view fireType);
    std::string resultLine();
    std::string penetration();
    std::string accuracy();

    std::mt19937_64 m_random;
};

} // namespace wepn::test
