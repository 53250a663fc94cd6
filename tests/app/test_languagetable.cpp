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
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>

// Readable failure output for Qt strings.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int kBases[] = { 100, 200, 300, 400 };

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
QString digitsOf(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\D")));
}

} // namespace

TEST(LanguageTable, EveryLanguageHasAllMessagesAndNothingBeyond)
{
    for (int base : kBases) {
        for (int k = 1; k <= kMessageCount; ++k) {
            EXPECT_FALSE(languageText(base, k).isEmpty()) << base + k;
            EXPECT_EQ(languageEntry(base + k), languageText(base, k)) << base + k;
        }
        for (int k : { 0, -1, kMessageCount + 1, INT_MIN, INT_MAX })
            EXPECT_TRUE(languageText(base, k).isEmpty()) << "base " << base << " k " << k;
    }
    // Only the four ranges exist: no id below, between or above them reaches a message.
    for (int id : { INT_MIN, 0, 1, 99, 100, 171, 199, 200, 271, 371, 471, 500, 501, INT_MAX })
        EXPECT_TRUE(languageEntry(id).isEmpty()) << id;
    // A base that is none of the four reads English.
    for (int base : { 0, -200, 150, 500, INT_MIN, INT_MAX }) {
        EXPECT_EQ(languageText(base, 16), languageText(LanguageBase::English, 16)) << base;
        EXPECT_TRUE(languageText(base, 71).isEmpty()) << base;
    }
}

TEST(LanguageTable, TextsOthersRelyOnAreExact)
{
    // The names of the archives in users' backup folders (covers, photos, playlists), the
    // headings of the exported overview, and texts users know with their spelling.
    const std::pair<int, const char*> entries[]
        = { { 106, "Covers" }, { 109, "Foto" }, { 107, "Playlist" }, { 209, "Image" }, { 306, "Couvrir" },
              { 406, "Decken" }, { 407, "Playliste" }, { 120, "Artiest" }, { 318, "Année" },
              { 419, "Medium" }, { 314, "Enrever" }, { 249, "CD succesfully imported into database." } };
    for (const auto& [id, text] : entries)
        EXPECT_EQ(languageEntry(id).toStdString(), text) << id;
    // Quit closes a window (12) or ends the program (16): the Dutch tells them apart.
    EXPECT_NE(languageText(LanguageBase::Dutch, 12), languageText(LanguageBase::Dutch, 16));
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
            EXPECT_EQ(endingOf(text), endingOf(english)) << where << ": " << text.toStdString();
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
    for (std::size_t position = 0; position < kLanguageBases.size(); ++position) {
        const QString taal = QString::number((position + 1) * 100);
        EXPECT_TRUE(isLanguageBase(taal)) << taal.toStdString();
        EXPECT_EQ(Language::fromTaal(taal), Language(kLanguageBases[position]));
        EXPECT_EQ(Language(kLanguageBases[position]).taal(), taal);
    }
    for (const QString& taal : { QString("500"), QString(), QString(" 200"), QString("0100"), QString("+300"),
             QString("1e2"), QString("Dutch"), QString("100\n"), QStringLiteral("３００") }) {
        EXPECT_FALSE(isLanguageBase(taal)) << taal.toStdString();
        EXPECT_EQ(Language::fromTaal(taal), Language(LanguageBase::English)) << taal.toStdString();
    }
}

TEST(Language, SystemLocalePicksTheLanguage)
{
    const std::pair<QLocale, QString> cases[] = { { QLocale(QLocale::Dutch, QLocale::Belgium), "100" },
        { QLocale(QLocale::French, QLocale::Canada), "300" },
        { QLocale(QLocale::German, QLocale::Switzerland), "400" },
        { QLocale(QLocale::English, QLocale::UnitedStates), "200" },
        { QLocale(QLocale::WesternFrisian, QLocale::Netherlands), "200" },
        { QLocale(QLocale::LowGerman, QLocale::Germany), "200" }, { QLocale::c(), "200" },
        { QLocale(QStringLiteral("de_AT.UTF-8")), "400" } };
    for (const auto& [locale, taal] : cases) {
        EXPECT_EQ(taalForLocale(locale), taal) << locale.name().toStdString();
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

} // namespace

TEST(Captions, MainAndSettingsWindowsShowTheirBoundMessagesInEveryLanguage)
{
    for (LanguageBase base : kLanguageBases) {
        SCOPED_TRACE(languageName(base).toStdString());
        TestHome home(base);
        FakePrompts prompts;
        MainWindow main(home.session(), prompts, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR));
        main.start();
        ASSERT_EQ(home.session().settings.taal, taalOf(base));
        expectBoundCaptions(&main, kMainWindowCaptions, base);
        for (const FixedCaption& fixed : kMainWindowFixedCaptions)
            expectShows(&main, fixed.objectName, QLatin1String(fixed.text));
        InstellingenWindow settings(
            home.session(), prompts, QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR), &main);
        expectBoundCaptions(&settings, kSettingsWindowCaptions, base);
        EXPECT_TRUE(prompts.reports.isEmpty()) << prompts.reports.join("\n").toStdString();
    }
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

// Opens window `W` on the session, with the further arguments its constructor takes.
template <typename W, typename... Args> WindowFactory make(Args... args)
{
    return [=](Session& s, UserPrompts& p) -> std::unique_ptr<QWidget> {
        return std::make_unique<W>(s, p, args...);
    };
}

} // namespace

TEST(Captions, EveryOtherWindowShowsCaptionsThatFollowTheLanguage)
{
    const std::pair<const char*, WindowFactory> windows[] = { { "Info", make<InfoWindow>() },
        { "Statistiek", make<StatistiekWindow>() }, { "WizardTrack", make<WizardTrack>() },
        { "Artiest", make<ArtistEditor>() }, { "Titel", make<TitleEditor>() },
        { "Terugzetten", make<Terugzetten>() }, { "Foto", make<FotoWindow>(qint64(1), QStringLiteral("A")) },
        { "VerplaatsTitel", make<MoveAlbumWindow>(qint64(1), qint64(1), QStringLiteral("A")) },
        { "Over", make<OverWindow>() } };
    for (const auto& [name, open] : windows) {
        std::set<std::map<QString, QString>> shown;
        for (LanguageBase base : kLanguageBases) {
            TestHome home(base);
            FakePrompts prompts;
            std::unique_ptr<QWidget> window = open(home.session(), prompts);
            window->show();
            EXPECT_EQ(window->objectName(), QLatin1String(name));
            shown.insert(textsOf(*window));
            // Every push button has a caption (the icon-only ones excepted).
            for (auto* button : window->findChildren<QAbstractButton*>()) {
                if (button->isVisible() && button->icon().isNull()) {
                    EXPECT_FALSE(button->text().isEmpty())
                        << name << "." << button->objectName().toStdString();
                }
            }
        }
        // A window that shows the same texts in all four languages does not follow them (two
        // languages may share every word of a small window).
        EXPECT_GT(shown.size(), 1u) << name;
    }
}

TEST(HelpPages, EveryLanguageHasAPageWithTheContextAnchors)
{
    for (LanguageBase base : kLanguageBases) {
        const QString path = QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR) + languageName(base) + ".html";
        const QByteArray bytes = qtkit::fileBytes(path);
        ASSERT_FALSE(bytes.isEmpty()) << path.toStdString();
        const QString page = QString::fromUtf8(bytes);
        EXPECT_EQ(page.toUtf8(), bytes) << "not valid UTF-8: " << path.toStdString();
        // F1 in the album editor, the discography and the track list opens these topics.
        for (const char* anchor : { "104", "105", "122", "123" }) {
            EXPECT_TRUE(page.contains(QStringLiteral("id=\"%1\"").arg(QLatin1String(anchor))))
                << path.toStdString() << " #" << anchor;
        }
        // The page speaks the language's own words for what the user sees on screen.
        for (int k : { 13, 14, 15, 16 }) {
            EXPECT_TRUE(page.contains(languageText(base, k)))
                << path.toStdString() << " lacks " << languageText(base, k).toStdString();
        }
    }
}
