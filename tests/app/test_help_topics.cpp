// F1 in the program's windows: each opens its own place in the help page of the current
// language, and that place exists in the pages of all four languages.
#include "editing/ui/artisteditor.h"
#include "export/ui/expexcel.h"
#include "export/ui/statistiekwindow.h"
#include "export/ui/terugzetten.h"
#include "import/ui/folderimportwizard.h"
#include "import/discogsimport.h"
#include "import/ui/discogsrapport.h"
#include "import/ui/wizardbibliotheek.h"
#include "import/ui/wizardcd.h"
#include "import/ui/wizardtrack.h"
#include "qtkit/qfiles.h"
#include "shell/ui/instellingenwindow.h"
#include "support/fakeprompts.h"
#include "support/testhome.h"

#include <QApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(HelpTopics, F1OpensTheWindowsPlaceWhichEveryLanguagesPageHas)
{
    TestHome home(LanguageBase::French);
    Session& session = home.session();
    FakePrompts prompts;
    const QString pages = QStringLiteral(MELOTHEEK_SOURCE_HELP_DIR);
    session.settings.help = pages + QStringLiteral("French.html");
    using Make = std::function<std::unique_ptr<QWidget>()>;
    const std::pair<const char*, Make> windows[] = {
        { "artist", [&] { return std::make_unique<ArtistEditor>(session, prompts); } },
        { "statistics", [&] { return std::make_unique<StatistiekWindow>(session, prompts); } },
        { "restore", [&] { return std::make_unique<Terugzetten>(session, prompts); } },
        { "search", [&] { return std::make_unique<WizardTrack>(session, prompts); } },
        { "importcd", [&] { return std::make_unique<WizardCD>(session, prompts); } },
        { "importfolder", [&] { return std::make_unique<FolderImportWizard>(session, prompts); } },
        { "importlibrary", [&] { return std::make_unique<WizardBibliotheek>(session, prompts); } },
        { "importdiscogs", [&] { return std::make_unique<DiscogsRapport>(session, prompts, DiscogsReport {}); } },
        { "excel", [&] { return std::make_unique<ExpExcel>(session, prompts, 0, ExportScope::AllArtists); } },
        { "settings", [&] { return std::make_unique<InstellingenWindow>(session, prompts, pages); } },
    };
    for (const auto& [anchor, make] : windows) {
        prompts.openedUrls.clear();
        const std::unique_ptr<QWidget> window = make();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << anchor;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_F1);
        ASSERT_EQ(prompts.openedUrls.size(), 1) << anchor;
        EXPECT_EQ(prompts.openedUrls[0].toLocalFile(), session.settings.help);
        EXPECT_EQ(prompts.openedUrls[0].fragment(), QLatin1String(anchor));
        for (const char* language : { "Dutch", "English", "French", "German" }) {
            const QByteArray page = qtkit::fileBytes(pages + QLatin1String(language) + QStringLiteral(".html"));
            EXPECT_TRUE(page.contains(QByteArray("id=\"") + anchor + '"')) << language << " lacks " << anchor;
        }
    }
}

} // namespace
