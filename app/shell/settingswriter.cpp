#include "shell/settingswriter.h"

#include "shell/inifile.h"
#include "shell/startup.h"

SettingsFields settingsFields(const Settings& settings)
{
    return { settings.database, settings.speler, settings.coverDir, settings.muziekDir, settings.backupDir,
        settings.fotoDir };
}

int languagePosition(const QString& taal)
{
    return languageBaseFromTaal(taal) / 100 - 1;
}

LanguageBase languageAtPosition(int position)
{
    if (position < 0 || position >= static_cast<int>(kLanguageBases.size()))
        return LanguageBase::English;
    return kLanguageBases[static_cast<std::size_t>(position)];
}

QStringList saveSettings(IniFile& ini, Settings& settings, const SettingsFields& fields,
    LanguageBase language, const QString& helpFolder)
{
    QList<IniChange> changes;
    const auto store = [&](const QString& key, QString& inMemory, const QString& value) {
        inMemory = value;
        changes << IniChange { IniKeys::instellingen, key, value };
    };

    const std::array<std::pair<const QString*, QString*>, kSettingsFieldCount> targets { {
        { &IniKeys::database, &settings.database },
        { &IniKeys::speler, &settings.speler },
        { &IniKeys::coverDir, &settings.coverDir },
        { &IniKeys::muziekDir, &settings.muziekDir },
        { &IniKeys::backupDir, &settings.backupDir },
        { &IniKeys::fotoDir, &settings.fotoDir },
    } };
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        const QString& typed = fields[static_cast<std::size_t>(i)];
        const QString value = isFolderField(i) && !typed.isEmpty() ? withSeparator(typed) : typed;
        store(
            *targets[static_cast<std::size_t>(i)].first, *targets[static_cast<std::size_t>(i)].second, value);
    }

    store(IniKeys::taal, settings.taal, taalOf(language));
    const QString page = helpPageFor(helpFolder, settings.taal);
    store(IniKeys::help, settings.help, page);

    // All keys in one replacement of the file: a crash never leaves half of a save.
    QStringList failures;
    QString error;
    if (!ini.update(changes, &error)) {
        for (const IniChange& change : changes)
            failures << QStringLiteral("Cannot write %1 to %2: %3").arg(change.key, ini.path(), error);
    }
    settings.help = ini.read(IniKeys::instellingen, IniKeys::help, page);
    return failures;
}
