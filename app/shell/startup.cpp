#include "shell/startup.h"

#include "resources/languagetable.h"
#include "shell/inifile.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

std::optional<int> numericSetting(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(std::nearbyint(value));
}

QString helpPageFor(const QString& helpFolder, const QString& taal)
{
    const auto base = static_cast<LanguageBase>(languageBaseFromTaal(taal));
    return helpFolder + languageName(base) + QStringLiteral(".html");
}

StartupSettings loadStartupSettings(IniFile& ini, const QString& homeFolder,
                                    const QLocale& systemLocale, const QString& helpFolder)
{
    using namespace IniKeys;
    StartupSettings result;
    Settings& s = result.settings;
    const QString home = withSeparator(homeFolder);

    // The first start writes its keys in one replacement of the file, `Setup` among them: a
    // start that is interrupted leaves a first start still to be done.
    QList<IniChange> firstStartKeys;
    auto write = [&](const QString& key, const QString& value) {
        firstStartKeys << IniChange { instellingen, key, value };
    };

    // Nothing is shipped with the program, so a missing file is a first start too.
    result.firstStart = !ini.exists() || ini.read(instellingen, setup, home) == QLatin1String("0");
    if (result.firstStart) {
        s.taal = taalForLocale(systemLocale);
        s.help = helpPageFor(helpFolder, s.taal);
        write(help, s.help);
        write(taal, s.taal);
        s.database = home + QStringLiteral("Database/Muziek.db");
        write(database, s.database);
        s.coverDir = home + QStringLiteral("Covers/");
        write(coverDir, s.coverDir);
        s.muziekDir = home + QStringLiteral("Playlist/");
        write(muziekDir, s.muziekDir);
        s.backupDir = home + QStringLiteral("Backup/");
        write(backupDir, s.backupDir);
        s.fotoDir = home + QStringLiteral("Foto/");
        write(fotoDir, s.fotoDir);
        // A player is never written on a first start; reading it keeps one the user set.
        s.speler = ini.read(instellingen, speler, QString());
        write(setup, QStringLiteral("1"));
        QString error;
        if (!ini.update(firstStartKeys, &error)) {
            for (const IniChange& change : firstStartKeys)
                result.failures << QStringLiteral("%1: %2").arg(change.key, error);
        }
        return result;
    }

    s.help = ini.read(instellingen, help, home);
    s.database = ini.read(instellingen, database, home);
    // The player has no folder meaning: a missing key is simply "no player".
    s.speler = ini.read(instellingen, speler, QString());
    s.muziekDir = ini.read(instellingen, muziekDir, home);
    s.coverDir = ini.read(instellingen, coverDir, home);
    s.backupDir = ini.read(instellingen, backupDir, home);
    s.fotoDir = ini.read(instellingen, fotoDir, home);
    s.taal = ini.read(instellingen, taal, home);
    if (!isLanguageBase(s.taal))
        s.taal = QStringLiteral("200");
    resolveRelativePaths(s, home);
    return result;
}

bool createDefaultFolders(const Settings& settings, QString* error)
{
    const QString folders[] = {QFileInfo(settings.database).absolutePath(), settings.coverDir,
                               settings.muziekDir, settings.backupDir, settings.fotoDir};
    for (const QString& folder : folders) {
        if (!QDir().mkpath(folder)) {
            if (error)
                *error = QStringLiteral("Cannot create the folder %1").arg(folder);
            return false;
        }
    }
    return true;
}

int savedTwips(const IniFile& ini, const QString& key, const QString& homeFolder)
{
    return numericSetting(ini.read(IniKeys::beeld, key, homeFolder)).value_or(1800);
}

LastSelection savedSelection(const IniFile& ini, const QString& homeFolder)
{
    const auto artist = numericSetting(ini.read(IniKeys::beeld, IniKeys::laatsteArtiest, homeFolder));
    const auto album = numericSetting(ini.read(IniKeys::beeld, IniKeys::laatsteAlbum, homeFolder));
    if (!artist || !album)
        return {};
    return {*artist, *album};
}
