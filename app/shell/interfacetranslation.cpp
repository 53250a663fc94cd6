#include "shell/interfacetranslation.h"

#include "shell/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <utility>

InterfaceTranslation::InterfaceTranslation(QString folder)
    : folder_(std::move(folder))
{
}

InterfaceTranslation::~InterfaceTranslation()
{
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&qt_);
}

void InterfaceTranslation::use(Language language)
{
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&qt_);
    const QLocale locale = localeOf(language.base());
    // A failed load leaves the translator empty, so installing it changes nothing.
    (void)qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    (void)own_.load(locale, QStringLiteral("melotheek"), QStringLiteral("_"), folder_);
    QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&own_);
}

QLocale localeOf(LanguageBase base)
{
    switch (base) {
    case LanguageBase::Dutch:
        return QLocale(QLocale::Dutch, QLocale::Netherlands);
    case LanguageBase::French:
        return QLocale(QLocale::French, QLocale::France);
    case LanguageBase::German:
        return QLocale(QLocale::German, QLocale::Germany);
    case LanguageBase::English:
        break;
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QString resolveTranslationsFolder(const QString& applicationDir)
{
    const QString folder = applicationDir + QStringLiteral("/" MELOTHEEK_DATA_FROM_BIN "/translations");
    const QString canonical = QDir(folder).canonicalPath();
    return withSeparator(canonical.isEmpty() ? QDir::cleanPath(folder) : canonical);
}
