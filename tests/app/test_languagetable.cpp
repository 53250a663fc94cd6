// The compiled-in language table, the `Taal` and locale rules, the caption bindings of the main
// and settings windows, and the help pages that F1 opens.
#include "resources/captionbindings.h"
#include "resources/languagetable.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Readable failure output for Qt strings.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int kBases[] = {100, 200, 300, 400};

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// The punctuation a message ends with: "...", ".", "?", "!" or nothing.
QString endingOf(const QString& text)
{
    if (text.endsWith(QStringLiteral("...")))
        return QStringLiteral("...");
    if (!text.isEmpty() && QStringLiteral(".?!").contains(text.back()))
        return QString(text.back());
    return {};
}

// The digits of a message in order ("1" for "Step 1: Collect data").
QString digitsOf(const QString& text)
{
    QString digits;
    for (QChar c : text) {
        if (c.isDigit())
            digits += c;
    }
    return digits;
}

} // namespace

TEST(LanguageTable, EveryLanguageHasAllMessagesAndNothingBeyond)
{
    for (int base : kBases) {
        for (int k = 1; k <= kMessageCount; ++k)
            EXPECT_FALSE(languageText(base, k).isEmpty()) << "base " << base << " k " << k;
        for (int k : {0, -1, kMessageCount + 1, 99, INT_MIN, INT_MAX})
            EXPECT_TRUE(languageText(base, k).isEmpty()) << "base " << base << " k " << k;
    }
}

TEST(LanguageTable, EntryIdIsBasePlusK)
{
    for (int base : kBases) {
        for (int k = 1; k <= kMessageCount; ++k)
            EXPECT_EQ(languageEntry(base + k), languageText(base, k)) << base + k;
    }
    // Only the four ranges exist: no id below, between or above them reaches a message.
    for (int id : {INT_MIN, -101, 0, 1, 70, 99, 100, 171, 199, 200, 271, 300, 371, 400, 471, 500,
                   501, 570, 1001, INT_MAX})
        EXPECT_TRUE(languageEntry(id).isEmpty()) << id;
}

TEST(LanguageTable, UnknownBaseReadsEnglish)
{
    for (int base : {0, -200, 150, 201, 500, 1000, INT_MIN, INT_MAX}) {
        EXPECT_EQ(languageText(base, 16), QStringLiteral("Quit")) << base;
        EXPECT_TRUE(languageText(base, 71).isEmpty()) << base;
    }
    EXPECT_EQ(languageText(LanguageBase::German, 12), QStringLiteral("Schließen"));
}

TEST(LanguageTable, EntriesUsersAlreadyMeetAreExact)
{
    const std::vector<std::pair<int, QString>> entries{
        {101, QStringLiteral("Melotheek")},
        {201, QStringLiteral("Melotheek")},
        {301, QStringLiteral("Melotheek")},
        {401, QStringLiteral("Melotheek")},
        // Quit closes a window (12) or ends the program (16): one English word, two Dutch ones.
        {212, QStringLiteral("Quit")},
        {216, QStringLiteral("Quit")},
        {112, QStringLiteral("Sluiten")},
        {116, QStringLiteral("Afsluiten")},
        {314, QStringLiteral("Enrever")},
        {316, QStringLiteral("Quitter")},
        {334, QStringLiteral("Compresser")},
        {434, QStringLiteral("Komprimieren")},
        {352, QStringLiteral("Attention!")},
        {452, QStringLiteral("Achtung!")},
        {152, QStringLiteral("Let op!")},
        {214, QStringLiteral("Remove")},
        {249, QStringLiteral("CD succesfully imported into database.")},
        {149, QStringLiteral("De CD is geïmporteerd in de database.")},
        {244, QStringLiteral("Put a CD into the drive and click 'Start'.")},
        {246, QStringLiteral("Tracks retrieved from the internet. Click 'Import' to store data in "
                             "database.")},
        {146, QStringLiteral("De tracks van het onderstaande album zijn opgehaald van internet. "
                             "Klik op 'Importeren' om de gegevens op te slaan in de database.")},
        {168, QStringLiteral("Map is leeg. Geen backup gemaakt.")},
        {266, QStringLiteral("Do you want to overwrite the backup?")},
        {166, QStringLiteral("Wilt u de backup van vandaag overschrijven?")},
        {205, QStringLiteral("Viewer")},
        {270, QStringLiteral("Save changes")},
        {170, QStringLiteral("Wijzigingen opslaan")},
    };
    for (const auto& [id, text] : entries)
        EXPECT_EQ(utf8(languageEntry(id)), utf8(text)) << id;
}

TEST(LanguageTable, ArchiveNamesFollowTheLanguage)
{
    // Covers, photos and playlists are archived under messages 6, 9 and 7.
    const std::vector<std::pair<int, std::vector<QString>>> names{
        {100, {"Covers.cab", "Foto.cab", "Playlist.cab"}},
        {200, {"Covers.cab", "Image.cab", "Playlist.cab"}},
        {300, {"Couvrir.cab", "Image.cab", "Playlist.cab"}},
        {400, {"Decken.cab", "Bild.cab", "Playliste.cab"}},
    };
    for (const auto& [base, expected] : names) {
        const std::vector<QString> actual{languageText(base, 6) + ".cab",
                                          languageText(base, 9) + ".cab",
                                          languageText(base, 7) + ".cab"};
        EXPECT_EQ(actual, expected) << base;
    }
}

TEST(LanguageTable, OverviewHeadersFollowTheLanguage)
{
    // Artist, title, year and format head the exported overview and are query aliases.
    const std::vector<std::pair<int, std::vector<QString>>> headers{
        {100, {"Artiest", "Titel", "Jaar", "Drager"}},
        {200, {"Artist", "Title", "Year", "Format"}},
        {300, {"Artiste", "Titre", "Année", "Format"}},
        {400, {"Artist", "Titel", "Jahr", "Medium"}},
    };
    for (const auto& [base, expected] : headers) {
        const std::vector<QString> actual{languageText(base, 20), languageText(base, 17),
                                          languageText(base, 18), languageText(base, 19)};
        EXPECT_EQ(actual, expected) << base;
    }
}

TEST(LanguageTable, TranslationsKeepTheShapeOfTheEnglish)
{
    static const QRegularExpression quotedWord(QStringLiteral("'[^' ][^']*'"));
    for (int k = 1; k <= kMessageCount; ++k) {
        const QString english = languageText(LanguageBase::English, k);
        for (int base : kBases) {
            const QString text = languageText(base, k);
            const std::string where = "base " + std::to_string(base) + " k " + std::to_string(k);
            // Captions are composed with blanks and punctuation around them; a stray blank,
            // doubled blank or line break would show in every composed text.
            EXPECT_EQ(text, text.simplified()) << where;
            EXPECT_EQ(endingOf(text), endingOf(english)) << where << ": " << utf8(text);
            EXPECT_EQ(text.contains(u':'), english.contains(u':')) << where;
            EXPECT_EQ(text.contains(quotedWord), english.contains(quotedWord)) << where;
            EXPECT_EQ(digitsOf(text), digitsOf(english)) << where;
        }
    }
    // The collect button reads "&Start>>" in every language, so the hint names it unchanged.
    for (int base : kBases)
        EXPECT_TRUE(languageText(base, 44).contains(QStringLiteral("'Start'"))) << base;
    // The import hint names the import button by its caption.
    for (int base : {300, 400})
        EXPECT_TRUE(languageText(base, 46).contains("'" + languageText(base, 32) + "'")) << base;
}

TEST(Language, TaalSelectsItsLanguageOnlyWhenExact)
{
    for (const char* taal : {"100", "200", "300", "400"}) {
        EXPECT_TRUE(isLanguageBase(QString::fromLatin1(taal))) << taal;
        EXPECT_EQ(languageBaseFromTaal(QString::fromLatin1(taal)), atoi(taal));
    }
    const std::vector<QString> bad{"500", "", " 200", "300 ", "0100", "+300", "1e2", "20",
                                   "4000", "Dutch", "100\n", QStringLiteral("３００"),
                                   QString::fromUtf16(u"30\u0660")};
    for (const QString& taal : bad) {
        EXPECT_FALSE(isLanguageBase(taal)) << utf8(taal);
        EXPECT_EQ(languageBaseFromTaal(taal), 200) << utf8(taal);
        EXPECT_EQ(Language::fromTaal(taal), Language(LanguageBase::English)) << utf8(taal);
    }
    // A French `Taal` gives the French captions of the delete and exit buttons.
    const Language french = Language::fromTaal(u"300");
    EXPECT_EQ(french.text(14), QStringLiteral("Enrever"));
    EXPECT_EQ(french.text(16), QStringLiteral("Quitter"));
    EXPECT_TRUE(french.text(0).isEmpty());
}

TEST(Language, TaalTextAndNamesMatchTheListOrder)
{
    const char* names[] = {"Dutch", "English", "French", "German"};
    for (std::size_t position = 0; position < kLanguageBases.size(); ++position) {
        const Language language(kLanguageBases[position]);
        EXPECT_EQ(language.taal(), QString::number((position + 1) * 100));
        EXPECT_EQ(language.name(), QString::fromLatin1(names[position]));
        EXPECT_EQ(Language::fromTaal(language.taal()), language);
    }
}

TEST(Language, SystemLocalePicksTheLanguage)
{
    const std::vector<std::pair<QLocale, QString>> cases{
        {QLocale(QLocale::Dutch, QLocale::Netherlands), "100"},
        {QLocale(QLocale::Dutch, QLocale::Belgium), "100"},
        {QLocale(QLocale::French, QLocale::France), "300"},
        {QLocale(QLocale::French, QLocale::Canada), "300"},
        {QLocale(QLocale::German, QLocale::Germany), "400"},
        {QLocale(QLocale::German, QLocale::Switzerland), "400"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "200"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "200"},
        {QLocale(QLocale::Afrikaans, QLocale::SouthAfrica), "200"},
        {QLocale(QLocale::WesternFrisian, QLocale::Netherlands), "200"},
        {QLocale(QLocale::LowGerman, QLocale::Germany), "200"},
        {QLocale(QLocale::Italian, QLocale::Switzerland), "200"},
        {QLocale::c(), "200"},
        {QLocale(QStringLiteral("nl_NL")), "100"},
        {QLocale(QStringLiteral("de_AT.UTF-8")), "400"},
        {QLocale(QStringLiteral("fr")), "300"},
    };
    for (const auto& [locale, taal] : cases) {
        EXPECT_EQ(taalForLocale(locale), taal) << utf8(locale.name());
        EXPECT_EQ(Language::fromLocale(locale).taal(), taal) << utf8(locale.name());
    }
}

namespace {

template <typename Bindings>
std::set<int> messagesOf(const Bindings& bindings)
{
    std::set<int> used;
    for (const CaptionBinding& binding : bindings)
        used.insert(binding.k);
    return used;
}

template <typename Bindings>
void expectEveryTargetOnce(const Bindings& bindings)
{
    std::set<std::pair<std::string, int>> targets;
    for (const CaptionBinding& binding : bindings) {
        EXPECT_TRUE(targets.emplace(binding.objectName, binding.column).second)
            << binding.objectName << " column " << binding.column;
    }
}

} // namespace

TEST(CaptionBindings, MainWindowShowsItsMessagesOnItsControls)
{
    std::set<int> expected{1, 2, 3, 6, 7, 8, 9};
    for (int k = 13; k <= 35; ++k)
        expected.insert(k);
    EXPECT_EQ(messagesOf(kMainWindowCaptions), expected);
    expectEveryTargetOnce(kMainWindowCaptions);

    for (const FixedCaption& fixed : kMainWindowFixedCaptions)
        for (const CaptionBinding& binding : kMainWindowCaptions)
            EXPECT_STRNE(fixed.objectName, binding.objectName);

    // The delete-album and exit buttons in French.
    for (const CaptionBinding& binding : kMainWindowCaptions) {
        const std::string name = binding.objectName;
        if (name == "cmdVerwijderen") {
            EXPECT_EQ(languageText(LanguageBase::French, binding.k), QStringLiteral("Enrever"));
        }
        if (name == "cmdEinde") {
            EXPECT_EQ(languageText(LanguageBase::French, binding.k), QStringLiteral("Quitter"));
        }
    }
    // The list view's three visible columns are headed title, year and format.
    std::vector<std::pair<int, int>> columns;
    for (const CaptionBinding& binding : kMainWindowCaptions) {
        if (binding.column >= 0) {
            EXPECT_STREQ(binding.objectName, "lvTitels");
            columns.emplace_back(binding.column, binding.k);
        }
    }
    EXPECT_EQ(columns, (std::vector<std::pair<int, int>>{{0, 17}, {1, 18}, {2, 19}}));
}

TEST(CaptionBindings, ParallelMainWindowEntriesReadAlike)
{
    std::map<std::string, int> k;
    for (const CaptionBinding& binding : kMainWindowCaptions) {
        if (binding.column < 0)
            k[binding.objectName] = binding.k;
    }
    // Backup and restore offer the same four kinds; both exports offer the same two scopes.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(k.at("mnuBackup_" + std::to_string(i)), k.at("mnuTerug_" + std::to_string(i))) << i;
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(k.at("mnuExcel_" + std::to_string(i)), k.at("mnuHtml_" + std::to_string(i))) << i;
    // Add, edit and remove read the same on the buttons and in the album and artist menus.
    const char* const rows[][3] = {{"cmdToevoegen", "mnuAlbum_0", "mnuArtiest_3"},
                                   {"cmdWijzigen", "mnuAlbum_1", "mnuArtiest_4"},
                                   {"cmdVerwijderen", "mnuAlbum_2", "mnuArtiest_5"}};
    for (const auto& row : rows) {
        EXPECT_EQ(k.at(row[0]), k.at(row[1])) << row[0];
        EXPECT_EQ(k.at(row[0]), k.at(row[2])) << row[0];
    }
    // The photo entries use the same word as the photo archive.
    EXPECT_EQ(k.at("mnuArtiest_1"), k.at("mnuBackup_2"));
}

TEST(CaptionBindings, SettingsWindowShowsItsMessagesOnItsControls)
{
    EXPECT_EQ(messagesOf(kSettingsWindowCaptions),
              (std::set<int>{2, 3, 4, 6, 7, 8, 9, 10, 12, 37}));
    expectEveryTargetOnce(kSettingsWindowCaptions);
    EXPECT_STREQ(kSettingsWindowCaptions.front().objectName, "Instellingen");
    // Closing saves (12, "Sluiten"); it must not read as ending the program (16).
    for (const CaptionBinding& binding : kSettingsWindowCaptions) {
        if (std::string(binding.objectName) == "cmdSluiten") {
            EXPECT_EQ(languageText(LanguageBase::Dutch, binding.k), QStringLiteral("Sluiten"));
        }
    }
}

TEST(HelpPages, EveryLanguageHasAPageWithTheContextAnchors)
{
    for (LanguageBase base : kLanguageBases) {
        const QString path =
            QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR) + languageName(base) + ".html";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << utf8(path);
        const QByteArray bytes = file.readAll();
        const QString page = QString::fromUtf8(bytes);
        EXPECT_EQ(page.toUtf8(), bytes) << "not valid UTF-8: " << utf8(path);
        EXPECT_TRUE(page.contains(QStringLiteral("charset=\"utf-8\""), Qt::CaseInsensitive) ||
                    page.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive))
            << utf8(path);
        // F1 in the album editor, the discography and the track list opens these topics.
        for (const char* anchor : {"104", "105", "122", "123"}) {
            EXPECT_TRUE(page.contains(QStringLiteral("id=\"%1\"").arg(QLatin1String(anchor))))
                << utf8(path) << " #" << anchor;
        }
        // The page speaks the language's own words for what the user sees on screen.
        for (int k : {13, 14, 15, 16}) {
            EXPECT_TRUE(page.contains(languageText(base, k)))
                << utf8(path) << " lacks " << utf8(languageText(base, k));
        }
    }
}
