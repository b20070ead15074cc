#include "translation/names_in.h"

#include "model/name_tables.h"
#include "translation/translated.h"

namespace grahavani {

namespace {

NamesInLanguage Names(Language language) {
    return {TranslatedTable(language, "model/name_tables.h SignAbbreviationList", SignAbbreviationList),
            TranslatedTable(language, "model/name_tables.h BodyNames", BodyNames),
            TranslatedTable(language, "model/name_tables.h MonthNames", MonthNames),
            TranslatedTable(language, "model/name_tables.h LagnaNames", LagnaNames)};
}

}  // namespace

const NamesInLanguage& NamesIn(Language language) {
    static const std::array<NamesInLanguage, LanguageCount> names = {
        Names(Language::English), Names(Language::Hindi), Names(Language::Tamil)};
    return names[static_cast<std::size_t>(language)];
}

}  // namespace grahavani
