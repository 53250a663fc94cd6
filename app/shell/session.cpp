#include "shell/session.h"

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
    switch (static_cast<LanguageBase>(languageBaseFromTaal(settings.taal))) {
    case LanguageBase::Dutch:
        return QLocale(QLocale::Dutch, QLocale::Netherlands);
    case LanguageBase::French:
        return QLocale(QLocale::French, QLocale::France);
    case LanguageBase::German:
        return QLocale(QLocale::German, QLocale::Germany);
    case LanguageBase::English:
        break;
    }
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}
