#include "model/family_index.h"

#include "model/text_tokens.h"

namespace wepn {

FamilyIndex::FamilyIndex(const std::vector<std::string>& families) {
    m_first.reserve(families.size());
    for (std::size_t k = 0; k < families.size(); ++k) {
        m_first.emplace(toLowerLatin1(families[k]), k);
    }
}

std::optional<std::size_t> FamilyIndex::find(std::string_view family) const {
    const auto found = m_first.find(toLowerLatin1(family));
    return found == m_first.end() ? std::nullopt : std::optional<std::size_t>(found->second);
}

} // namespace wepn
