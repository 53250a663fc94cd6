#include "import/disclookup.h"

#include "discovant/cddb/discovant.h"

using discovant::uCDDBMatchCode;

discovant::uCDDBMatchCode lookUpDisc(discovant::Discovant& core, const std::string& mediaToc)
{
    if (core.LookupSource() == discovant::uCDDBSource::CDDB && !core.CDDBFilePath().empty()) {
        core.setQueryLocalDatabase(true);
        const uCDDBMatchCode local = core.LookupMediaByToc(mediaToc);
        core.setQueryLocalDatabase(false);
        if (local != uCDDBMatchCode::MATCH_NONE || core.EmailAddress().empty())
            return local;
    }
    return core.LookupMediaByToc(mediaToc);
}

bool lookupNeedsEmail(const discovant::Discovant& core)
{
    return core.LookupSource() == discovant::uCDDBSource::CDDB && core.CDDBFilePath().empty()
        && core.EmailAddress().empty();
}

discovant::uCDDBLang componentLanguage(LanguageBase language)
{
    switch (language) {
    case LanguageBase::French:
        return discovant::uCDDBLang::FRENCH;
    case LanguageBase::German:
        return discovant::uCDDBLang::GERMAN;
    case LanguageBase::Dutch:
    case LanguageBase::English:
        break;
    }
    return discovant::uCDDBLang::ENGLISH;
}
