#include "cli/help_formatter.h"

namespace wepn {

void HelpFormatter::addUsageTail(const CLI::App* verb, std::string tail) {
    m_usageTails[verb] = std::move(tail);
}

std::string HelpFormatter::make_usage(const CLI::App* app, std::string name) const {
    std::string usage = CLI::Formatter::make_usage(app, name);
    const auto tail = m_usageTails.find(app);
    if (tail != m_usageTails.end() && usage.ends_with('\n')) {
        usage.insert(usage.size() - 1, " " + tail->second);
    }
    if (app->get_parent() != nullptr) {
        return usage;
    }
    // The tool's own usage goes on with each verb's, as "or:" lines, which
    // help2man gathers into the manual page's synopsis.
    const std::string label = "Usage: ";
    for (const CLI::App* verb : app->get_subcommands({})) {
        if (!verb->get_group().empty()) {
            const std::string line = make_usage(verb, name + " " + verb->get_name());
            usage += "   or: " + (line.starts_with(label) ? line.substr(label.size()) : line);
        }
    }
    return usage;
}

} // namespace wepn
