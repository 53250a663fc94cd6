// Which interface language runs: the rule for the `Taal` setting and the choice from the
// desktop locale on a first start.
#include "resources/languagetable.h"

#include <optional>

namespace {

std::optional<LanguageBase> baseNamedBy(QStringView taal)
{
    for (LanguageBase base : kLanguageBases) {
        if (taal == taalOf(base))
            return base;
    }
    return std::nullopt;
}

} // namespace

bool isLanguageBase(QStringView taal)
{
    return baseNamedBy(taal).has_value();
}

int languageBaseFromTaal(QStringView taal)
{
    return static_cast<int>(Language::fromTaal(taal).base());
}

QString taalOf(LanguageBase base)
{
    return QString::number(static_cast<int>(base));
}

LanguageBase languageBaseForLocale(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Dutch:
        return LanguageBase::Dutch;
    case QLocale::French:
        return LanguageBase::French;
    case QLocale::German:
        return LanguageBase::German;
    default:
        return LanguageBase::English;
    }
}

QString taalForLocale(const QLocale& locale)
{
    return taalOf(languageBaseForLocale(locale));
}

QString languageName(LanguageBase base)
{
    switch (base) {
    case LanguageBase::Dutch:
        return QStringLiteral("Dutch");
    case LanguageBase::French:
        return QStringLiteral("French");
    case LanguageBase::German:
        return QStringLiteral("German");
    case LanguageBase::English:
        break;
    }
    return QStringLiteral("English");
}

Language Language::fromTaal(QStringView taal)
{
    return Language(baseNamedBy(taal).value_or(LanguageBase::English));
}

Language Language::fromLocale(const QLocale& locale)
{
    return Language(languageBaseForLocale(locale));
}
