// The main window's ways into importing a whole music library and a Discogs collection list.
#include "import/ui/discogsrapport.h"
#include "import/ui/wizardbibliotheek.h"
#include "shell/ui/mainwindow.h"

#include <QComboBox>

void MainWindow::showLibraryWizard()
{
    WizardBibliotheek wizard(session_, prompts_, this);
    // The artist shown stays selected; new artists appear in the list.
    connect(&wizard, &WizardBibliotheek::imported, this,
        [this] { reloadArtistsAndSelect(selectedArtistId(), cboArtiest_->currentText()); });
    wizard.exec();
}

void MainWindow::importDiscogs()
{
    if (importDiscogsFile(this, session_, prompts_))
        reloadArtistsAndSelect(selectedArtistId(), cboArtiest_->currentText());
}
