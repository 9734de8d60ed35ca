#pragma once

#include <CLI/CLI.hpp>
#include <map>
#include <string>

namespace wepn {

// CLI11's help layout, where the tool's usage lists every verb's usage and a
// verb may add words to its usage line: `set` takes its files after "--",
// which the parser never sees.
class HelpFormatter : public CLI::Formatter {
  public:
    // Appends `tail` to the usage line of `verb`, e.g. "-- FILE...".
    void addUsageTail(const CLI::App* verb, std::string tail);

    std::string make_usage(const CLI::App* app, std::string name) const override;

  private:
    std::map<const CLI::App*, std::string> m_usageTails;
};

} // namespace wepn
