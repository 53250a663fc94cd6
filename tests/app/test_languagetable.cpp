// The compiled-in language table and the `Taal` and locale rules; every window's captions in
// the four languages (the main and settings windows exactly as their caption bindings say,
// the others present and following the language); the help pages that F1 opens. This is
// the one place where captions and message texts are checked.
#include "editing/ui/artisteditor.h"
#include "editing/ui/movealbumwindow.h"
#include "editing/ui/titleeditor.h"
#include "export/ui/statistiekwindow.h"
#include "export/ui/terugzetten.h"
#include "extras/ui/fotowindow.h"
#include "extras/ui/infowindow.h"
#include "import/ui/wizardtrack.h"
#include "qtkit/qfiles.h"
#include "resources/captionbindings.h"
#include "resources/languagetable.h"
#include "shell/ui/instellingenwindow.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/overwindow.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QString>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
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

constexpr int kBases[] = { 100, 200, 300, 400 };

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
        for (int k = 1; k <= kMessageCount; ++k) {
            EXPECT_FALSE(languageText(base, k).isEmpty()) << "base " << base << " k " << k;
            EXPECT_EQ(languageEntry(base + k), languageText(base, k)) << base + k;
        }
        for (int k : { 0, -1, kMessageCount + 1, 99, INT_MIN, INT_MAX })
            EXPECT_TRUE(languageText(base, k).isEmpty()) << "base " << base << " k " << k;
    }
    // Only the four ranges exist: no id below, between or above them reaches a message.
    for (int id : { INT_MIN, -101, 0, 1, 70, 99, 100, 171, 199, 200, 271, 300, 371, 400, 471, 500, 501, 570,
             1001, INT_MAX })
        EXPECT_TRUE(languageEntry(id).isEmpty()) << id;
    // A base that is none of the four reads English.
    for (int base : { 0, -200, 150, 201, 500, 1000, INT_MIN, INT_MAX }) {
        EXPECT_EQ(languageText(base, 16), languageText(LanguageBase::English, 16)) << base;
        EXPECT_TRUE(languageText(base, 71).isEmpty()) << base;
    }
}

TEST(LanguageTable, TextsUsersAlreadyMeetAreExact)
{
    const std::vector<std::pair<int, QString>> entries { { 101, QStringLiteral("Melotheek") },
        { 201, QStringLiteral("Melotheek") }, { 301, QStringLiteral("Melotheek") },
        { 401, QStringLiteral("Melotheek") },
        // Quit closes a window (12) or ends the program (16): one English word, two Dutch ones.
        { 212, QStringLiteral("Quit") }, { 216, QStringLiteral("Quit") }, { 112, QStringLiteral("Sluiten") },
        { 116, QStringLiteral("Afsluiten") }, { 314, QStringLiteral("Enrever") },
        { 316, QStringLiteral("Quitter") }, { 334, QStringLiteral("Compresser") },
        { 434, QStringLiteral("Komprimieren") }, { 412, QStringLiteral("Schließen") },
        { 352, QStringLiteral("Attention!") }, { 452, QStringLiteral("Achtung!") },
        { 152, QStringLiteral("Let op!") }, { 214, QStringLiteral("Remove") },
        { 249, QStringLiteral("CD succesfully imported into database.") },
        { 149, QStringLiteral("De CD is geïmporteerd in de database.") },
        { 244, QStringLiteral("Put a CD into the drive and click 'Start'.") },
        { 246,
            QStringLiteral("Tracks retrieved from the internet. Click 'Import' to store data in "
                           "database.") },
        { 146,
            QStringLiteral("De tracks van het onderstaande album zijn opgehaald van internet. "
                           "Klik op 'Importeren' om de gegevens op te slaan in de database.") },
        { 168, QStringLiteral("Map is leeg. Geen backup gemaakt.") },
        { 266, QStringLiteral("Do you want to overwrite the backup?") },
        { 166, QStringLiteral("Wilt u de backup van vandaag overschrijven?") },
        { 205, QStringLiteral("Viewer") }, { 270, QStringLiteral("Save changes") },
        { 170, QStringLiteral("Wijzigingen opslaan") },
        // Covers, photos and playlists are archived under messages 6, 9 and 7, so these are
        // the names of the archives in users' backup folders.
        { 106, QStringLiteral("Covers") }, { 109, QStringLiteral("Foto") },
        { 107, QStringLiteral("Playlist") }, { 209, QStringLiteral("Image") },
        { 306, QStringLiteral("Couvrir") }, { 309, QStringLiteral("Image") },
        { 406, QStringLiteral("Decken") }, { 409, QStringLiteral("Bild") },
        { 407, QStringLiteral("Playliste") },
        // Artist, title, year and format head the exported overview and are query aliases.
        { 120, QStringLiteral("Artiest") }, { 117, QStringLiteral("Titel") }, { 118, QStringLiteral("Jaar") },
        { 119, QStringLiteral("Drager") }, { 220, QStringLiteral("Artist") },
        { 217, QStringLiteral("Title") }, { 218, QStringLiteral("Year") }, { 219, QStringLiteral("Format") },
        { 320, QStringLiteral("Artiste") }, { 317, QStringLiteral("Titre") },
        { 318, QStringLiteral("Année") }, { 319, QStringLiteral("Format") },
        { 420, QStringLiteral("Artist") }, { 417, QStringLiteral("Titel") }, { 418, QStringLiteral("Jahr") },
        { 419, QStringLiteral("Medium") } };
    for (const auto& [id, text] : entries)
        EXPECT_EQ(utf8(languageEntry(id)), utf8(text)) << id;
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
    for (int base : { 300, 400 })
        EXPECT_TRUE(languageText(base, 46).contains("'" + languageText(base, 32) + "'")) << base;
}

TEST(Language, TaalSelectsItsLanguageOnlyWhenExact)
{
    const char* names[] = { "Dutch", "English", "French", "German" };
    for (std::size_t position = 0; position < kLanguageBases.size(); ++position) {
        const Language language(kLanguageBases[position]);
        const QString taal = QString::number((position + 1) * 100);
        EXPECT_TRUE(isLanguageBase(taal)) << utf8(taal);
        EXPECT_EQ(languageBaseFromTaal(taal), static_cast<int>(kLanguageBases[position]));
        EXPECT_EQ(language.taal(), taal);
        EXPECT_EQ(language.name(), QString::fromLatin1(names[position]));
        EXPECT_EQ(Language::fromTaal(taal), language);
    }
    const std::vector<QString> bad { "500", "", " 200", "300 ", "0100", "+300", "1e2", "20", "4000", "Dutch",
        "100\n", QStringLiteral("３００"), QString::fromUtf16(u"30\u0660") };
    for (const QString& taal : bad) {
        EXPECT_FALSE(isLanguageBase(taal)) << utf8(taal);
        EXPECT_EQ(languageBaseFromTaal(taal), 200) << utf8(taal);
        EXPECT_EQ(Language::fromTaal(taal), Language(LanguageBase::English)) << utf8(taal);
    }
    EXPECT_TRUE(Language::fromTaal(u"300").text(0).isEmpty());
}

TEST(Language, SystemLocalePicksTheLanguage)
{
    const std::vector<std::pair<QLocale, QString>> cases { { QLocale(QLocale::Dutch, QLocale::Netherlands),
                                                               "100" },
        { QLocale(QLocale::Dutch, QLocale::Belgium), "100" },
        { QLocale(QLocale::French, QLocale::France), "300" },
        { QLocale(QLocale::French, QLocale::Canada), "300" },
        { QLocale(QLocale::German, QLocale::Germany), "400" },
        { QLocale(QLocale::German, QLocale::Switzerland), "400" },
        { QLocale(QLocale::English, QLocale::UnitedKingdom), "200" },
        { QLocale(QLocale::English, QLocale::UnitedStates), "200" },
        { QLocale(QLocale::Afrikaans, QLocale::SouthAfrica), "200" },
        { QLocale(QLocale::WesternFrisian, QLocale::Netherlands), "200" },
        { QLocale(QLocale::LowGerman, QLocale::Germany), "200" },
        { QLocale(QLocale::Italian, QLocale::Switzerland), "200" }, { QLocale::c(), "200" },
        { QLocale(QStringLiteral("nl_NL")), "100" }, { QLocale(QStringLiteral("de_AT.UTF-8")), "400" },
        { QLocale(QStringLiteral("fr")), "300" } };
    for (const auto& [locale, taal] : cases) {
        EXPECT_EQ(taalForLocale(locale), taal) << utf8(locale.name());
        EXPECT_EQ(Language::fromLocale(locale).taal(), taal) << utf8(locale.name());
    }
}

namespace {

// What a control shows as its caption, found by objectName the way the bindings name it:
// the window's title, a header section of an item view, or the text of every menu, menu
// entry, button and label of that name. Empty when there is no such control.
QStringList shownCaptions(const QWidget* window, const char* objectName, int column = -1)
{
    const QString name = QLatin1String(objectName);
    if (name == window->objectName())
        return { window->windowTitle() };
    if (column >= 0) {
        auto* view = window->findChild<QAbstractItemView*>(name);
        if (!view || !view->model())
            return {};
        return { view->model()->headerData(column, Qt::Horizontal).toString() };
    }
    QStringList shown;
    for (QObject* object : window->findChildren<QObject*>(name)) {
        if (auto* menu = qobject_cast<QMenu*>(object))
            shown << menu->title();
        else if (auto* action = qobject_cast<QAction*>(object))
            shown << action->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            shown << button->text();
        else if (auto* label = qobject_cast<QLabel*>(object))
            shown << label->text();
    }
    return shown;
}

// Every control named `objectName` (or the header section `column` of it) shows `expected`.
void expectShows(const QWidget* window, const char* objectName, const QString& expected, int column = -1)
{
    const QStringList shown = shownCaptions(window, objectName, column);
    EXPECT_FALSE(shown.isEmpty()) << "no control " << objectName;
    for (const QString& text : shown)
        EXPECT_EQ(text, expected) << objectName << " column " << column;
}

template <typename Bindings>
void expectBoundCaptions(const QWidget* window, const Bindings& bindings, LanguageBase base)
{
    for (const CaptionBinding& binding : bindings)
        expectShows(window, binding.objectName, languageText(base, binding.k), binding.column);
}

template <typename Bindings> void expectEveryTargetOnce(const Bindings& bindings)
{
    std::set<std::pair<std::string, int>> targets;
    for (const CaptionBinding& binding : bindings) {
        EXPECT_TRUE(targets.emplace(binding.objectName, binding.column).second)
            << binding.objectName << " column " << binding.column;
    }
}

// Captions of particular controls that users know, checked on the window itself.
struct KnownCaption {
    const char* objectName;
    LanguageBase base;
    const char* text;
};

} // namespace

TEST(Captions, MainAndSettingsWindowsShowTheirBoundMessagesInEveryLanguage)
{
    const KnownCaption knownOnMain[] = { { "cmdVerwijderen", LanguageBase::French, "Enrever" },
        { "cmdEinde", LanguageBase::French, "Quitter" }, { "cmdEinde", LanguageBase::Dutch, "Afsluiten" },
        { "mnuOnderhoud_4", LanguageBase::German, "Komprimieren" } };
    // Closing the settings saves (12); it must not read as ending the program (16).
    const KnownCaption knownOnSettings[] = { { "cmdSluiten", LanguageBase::Dutch, "Sluiten" } };
    const auto expectKnown = [](const QWidget* window, const auto& known, LanguageBase base) {
        for (const KnownCaption& caption : known) {
            if (caption.base == base)
                expectShows(window, caption.objectName, QString::fromUtf8(caption.text));
        }
    };
    for (LanguageBase base : kLanguageBases) {
        SCOPED_TRACE(utf8(languageName(base)));
        TestHome home(base);
        FakePrompts prompts;
        MainWindow main(home.session(), prompts, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR));
        main.start();
        ASSERT_EQ(home.session().settings.taal, taalOf(base));
        expectBoundCaptions(&main, kMainWindowCaptions, base);
        for (const FixedCaption& fixed : kMainWindowFixedCaptions)
            expectShows(&main, fixed.objectName, QLatin1String(fixed.text));
        expectKnown(&main, knownOnMain, base);

        InstellingenWindow settings(
            home.session(), prompts, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR), &main);
        expectBoundCaptions(&settings, kSettingsWindowCaptions, base);
        expectKnown(&settings, knownOnSettings, base);
        EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    }
}

TEST(Captions, BindingsNameEveryControlOnceAndParallelEntriesAlike)
{
    expectEveryTargetOnce(kMainWindowCaptions);
    expectEveryTargetOnce(kSettingsWindowCaptions);
    for (const FixedCaption& fixed : kMainWindowFixedCaptions)
        for (const CaptionBinding& binding : kMainWindowCaptions)
            EXPECT_STRNE(fixed.objectName, binding.objectName);

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
    const char* const rows[][3] = { { "cmdToevoegen", "mnuAlbum_0", "mnuArtiest_3" },
        { "cmdWijzigen", "mnuAlbum_1", "mnuArtiest_4" }, { "cmdVerwijderen", "mnuAlbum_2", "mnuArtiest_5" } };
    for (const auto& row : rows) {
        EXPECT_EQ(k.at(row[0]), k.at(row[1])) << row[0];
        EXPECT_EQ(k.at(row[0]), k.at(row[2])) << row[0];
    }
    // The photo entries use the same word as the photo archive.
    EXPECT_EQ(k.at("mnuArtiest_1"), k.at("mnuBackup_2"));
}

namespace {

// The texts a window shows once opened: its title and the captions of its buttons and
// labels, by objectName.
std::map<QString, QString> textsOf(QWidget& window)
{
    std::map<QString, QString> texts { { QStringLiteral("<title>"), window.windowTitle() } };
    for (auto* button : window.findChildren<QAbstractButton*>())
        texts[button->objectName()] = button->text();
    for (auto* label : window.findChildren<QLabel*>())
        texts[label->objectName()] = label->text();
    return texts;
}

using WindowFactory = std::function<std::unique_ptr<QWidget>(Session&, UserPrompts&)>;

} // namespace

TEST(Captions, EveryOtherWindowShowsCaptionsThatFollowTheLanguage)
{
    const std::pair<const char*, WindowFactory> windows[] = {
        { "Info", [](Session& s, UserPrompts& p) { return std::make_unique<InfoWindow>(s, p); } },
        { "Foto",
            [](Session& s, UserPrompts& p) {
                return std::make_unique<FotoWindow>(s, p, 1, QStringLiteral("A"));
            } },
        { "Statistiek", [](Session& s, UserPrompts& p) { return std::make_unique<StatistiekWindow>(s, p); } },
        { "WizardTrack", [](Session& s, UserPrompts& p) { return std::make_unique<WizardTrack>(s, p); } },
        { "VerplaatsTitel",
            [](Session& s, UserPrompts& p) {
                return std::make_unique<MoveAlbumWindow>(s, p, 1, 1, QStringLiteral("A"));
            } },
        { "Over", [](Session& s, UserPrompts&) { return std::make_unique<OverWindow>(s); } },
        { "Artiest", [](Session& s, UserPrompts& p) { return std::make_unique<ArtistEditor>(s, p); } },
        { "Titel", [](Session& s, UserPrompts& p) { return std::make_unique<TitleEditor>(s, p); } },
        { "Terugzetten", [](Session& s, UserPrompts& p) { return std::make_unique<Terugzetten>(s, p); } }
    };
    for (const auto& [name, open] : windows) {
        std::map<LanguageBase, std::map<QString, QString>> shown;
        for (LanguageBase base : kLanguageBases) {
            TestHome home(base);
            FakePrompts prompts;
            std::unique_ptr<QWidget> window = open(home.session(), prompts);
            window->show();
            EXPECT_EQ(window->objectName(), QLatin1String(name));
            shown[base] = textsOf(*window);
            // Every push button has a caption (the icon-only ones excepted).
            for (auto* button : window->findChildren<QAbstractButton*>()) {
                if (button->isVisible() && button->icon().isNull()) {
                    EXPECT_FALSE(button->text().isEmpty())
                        << name << "." << utf8(button->objectName()) << " in " << utf8(languageName(base));
                }
            }
            window->close();
        }
        // A window that shows the same texts in all four languages does not follow them (two
        // languages may share every word of a small window).
        const bool follows = shown[LanguageBase::Dutch] != shown[LanguageBase::English]
            || shown[LanguageBase::French] != shown[LanguageBase::English]
            || shown[LanguageBase::German] != shown[LanguageBase::English];
        EXPECT_TRUE(follows) << name;
    }
}

TEST(HelpPages, EveryLanguageHasAPageWithTheContextAnchors)
{
    for (LanguageBase base : kLanguageBases) {
        const QString path = QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR) + languageName(base) + ".html";
        const QByteArray bytes = qtkit::fileBytes(path);
        ASSERT_FALSE(bytes.isEmpty()) << utf8(path);
        const QString page = QString::fromUtf8(bytes);
        EXPECT_EQ(page.toUtf8(), bytes) << "not valid UTF-8: " << utf8(path);
        EXPECT_TRUE(page.contains(QStringLiteral("charset=\"utf-8\""), Qt::CaseInsensitive)
            || page.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive))
            << utf8(path);
        // F1 in the album editor, the discography and the track list opens these topics.
        for (const char* anchor : { "104", "105", "122", "123" }) {
            EXPECT_TRUE(page.contains(QStringLiteral("id=\"%1\"").arg(QLatin1String(anchor))))
                << utf8(path) << " #" << anchor;
        }
        // The page speaks the language's own words for what the user sees on screen.
        for (int k : { 13, 14, 15, 16 }) {
            EXPECT_TRUE(page.contains(languageText(base, k)))
                << utf8(path) << " lacks " << utf8(languageText(base, k));
        }
    }
}
