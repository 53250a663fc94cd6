// The main window's ways into the statistics, about, search and settings windows and the
// two exports.
#include "export/exportscope.h"
#include "export/ui/expexcel.h"
#include "export/ui/htmlexportcommand.h"
#include "export/ui/statistiekwindow.h"
#include "import/ui/wizardtrack.h"
#include "shell/artistlistmodel.h"
#include "shell/session.h"
#include "shell/titlelistmodel.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/instellingenwindow.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/overwindow.h"

void MainWindow::showStatistics()
{
    StatistiekWindow window(session_, prompts_, this);
    window.exec();
}

void MainWindow::showAbout()
{
    OverWindow window(session_, prompts_, this);
    addHelpKey(&window, session_, prompts_, QStringLiteral("about"));
    window.exec();
}

void MainWindow::showSearch()
{
    WizardTrack window(session_, prompts_, this);
    window.exec();
}

void MainWindow::showSettings()
{
    InstellingenWindow window(session_, prompts_, helpFolder_, this);
    connect(&window, &InstellingenWindow::languageChanged, this, &MainWindow::ApplyMainLanguage);
    connect(&window, &InstellingenWindow::helpPageChanged, this,
        [this](const QString& page) { helpPage_ = page; });
    connect(&window, &InstellingenWindow::databaseChanged, this, &MainWindow::reloadCatalogue);
    window.exec();
}

void MainWindow::exportHtml(ExportScope scope)
{
    exportHtmlOverview(this, session_, prompts_, selectedArtistId(), scope);
}

void MainWindow::exportWorkbook(ExportScope scope)
{
    ExpExcel window(session_, prompts_, selectedArtistId(), scope, this);
    window.exec();
}

void MainWindow::reloadCatalogue()
{
    if (fillArtistList() && artistModel_->rowCount() > 0) {
        selectArtist(0);
        return;
    }
    // An empty or unreadable catalogue: nothing of the old one may stay on screen.
    titleModel_->setTitles({});
    clearAlbumDetails();
}
