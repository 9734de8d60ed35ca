#include "cli/file_list.h"

namespace wepn {

FileList::FileList(std::istream& list, bool nulSeparated)
    : m_list(*list.rdbuf()), m_separator(nulSeparated ? '\0' : '\n') {}

bool FileList::read(std::size_t count, std::vector<std::string>& names,
                    std::vector<std::string>& refused) {
    names.clear();
    refused.clear();
    constexpr auto kEnd = std::char_traits<char>::eof();
    std::string name;
    while (!m_ended && names.size() < count) {
        name.clear();
        std::size_t length = 0;
        int last = kEnd;
        ++m_entry;
        int c;
        while ((c = m_list.sbumpc()) != kEnd && c != m_separator) {
            if (c == '\0') {
                refused.push_back(
                    std::to_string(m_entry) +
                    ": error: the name holds a NUL byte (a list separated by NUL bytes "
                    "needs -0)");
                m_ended = true;
                return true;
            }
            if (++length <= kMaxListedName + 1) {
                name.push_back(static_cast<char>(c));
            }
            last = c;
        }
        m_ended = c == kEnd;
        if (m_separator == '\n' && last == '\r') {
            --length;
            if (name.size() > length) {
                name.pop_back();
            }
        }
        const bool tooLong = length > kMaxListedName;
        if (tooLong) {
            refused.push_back(std::to_string(m_entry) + ": error: the name is longer than " +
                              std::to_string(kMaxListedName) + " bytes");
        } else if (!name.empty()) {
            names.push_back(name);
        }
    }
    return !names.empty() || !refused.empty();
}

} // namespace wepn
