#include "translation/translated.h"

#include <algorithm>
#include <tuple>

#include "translation/core_catalogue_entries.h"

namespace grahavani {

std::string_view Translated(Language language, std::string_view context, std::string_view english) {
    if (language == Language::English) return english;
    const auto entries = CoreCatalogueEntries();
    const auto found = std::lower_bound(entries.begin(), entries.end(), std::tie(context, english),
                                        [](const CatalogueEntry& entry, const auto& key) {
                                            return std::tie(entry.Context, entry.English) < key;
                                        });
    if (found == entries.end() || found->Context != context || found->English != english) return english;
    return found->Translations[static_cast<std::size_t>(language) - 1];
}

}  // namespace grahavani
