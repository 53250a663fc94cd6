#include "shell/session.h"
#include "shell/interfacetranslation.h"

#include "resources/languagetable.h"

Session::Session(const QString& homeFolder)
    : homeFolder_(withSeparator(homeFolder))
    , ini_(homeFolder_ + QStringLiteral("Melotheek.ini"))
{
}

QString Session::message(int k) const
{
    return languageText(languageBaseFromTaal(settings.taal), k);
}

QLocale Session::languageLocale() const
{
    return localeOf(static_cast<LanguageBase>(languageBaseFromTaal(settings.taal)));
}
