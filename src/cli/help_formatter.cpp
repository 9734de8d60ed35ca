#include "cli/help_formatter.h"

namespace wepn {

void HelpFormatter::addUsageTail(const CLI::App* verb, std::string tail) {
    m_usageTails[verb] = std::move(tail);
}

std::string HelpFormatter::make_usage(const CLI::App* app, std::string name) const {
    std::string usage = CLI::Formatter::make_usage(app, std::move(name));
    const auto tail = m_usageTails.find(app);
    if (tail != m_usageTails.end() && usage.ends_with('\n')) {
        usage.insert(usage.size() - 1, " " + tail->second);
    }
    return usage;
}

} // namespace wepn
