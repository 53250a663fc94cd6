#include "import/ui/missingcoversflow.h"

#include "discovant/cddb/discovant.h"
#include "import/disclookup.h"
#include "import/inipropertystore.h"
#include "import/missingcovers.h"
#include "import/ui/musicbrainzjob.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>

void findMissingCovers(QWidget* owner, Session& session, UserPrompts& prompts)
{
    const QString title = CoverReportWindow::tr("Find missing covers");
    const QString coverDir = session.settings.coverDir;
    // Checked first: otherwise every album would be searched and fetched only to fail here.
    if (!QFileInfo(coverDir).isDir()) {
        prompts.messageBox(owner, CoverReportWindow::tr("The cover folder %1 does not exist.").arg(coverDir),
            MsgBox::okWarning, title);
        return;
    }
    if (!QFileInfo(coverDir).isWritable()) {
        prompts.messageBox(owner,
            CoverReportWindow::tr("The cover folder %1 cannot be written to.").arg(coverDir),
            MsgBox::okWarning, title);
        return;
    }
    const DbResult<QList<CoverlessAlbum>> albums
        = albumsWithoutCover(Catalogue(session.settings.database), coverDir);
    if (!albums) {
        ShowError(owner, session, prompts,
            { albums.error().code, albums.error().text, QStringLiteral("Muziek.mnuCovers_Click") });
        return;
    }
    if (albums.value().isEmpty()) {
        prompts.messageBox(
            owner, CoverReportWindow::tr("Every album has a cover."), MsgBox::okInformation, title);
        return;
    }

    // The servers, the User-Agent and the language of the lookup component's settings.
    IniPropertyStore store(session.ini());
    discovant::Discovant component;
    component.restoreProperties(store);
    const discovant::uCDDBLang language = componentLanguage(Language::fromTaal(session.settings.taal).base());
    bool cancelled = false;
    const CoverSearchReport report = runMusicBrainzJob(owner, title, component.musicBrainzOptions(),
        cancelled, [&](discovant::musicbrainz::MusicBrainzClient& client, ProgressReport& progress) {
            return findMissingCovers(albums.value(), coverDir, client, language, progress);
        });
    CoverReportWindow window(session, prompts, coverReportText(report), owner);
    window.exec();
}

CoverReportWindow::CoverReportWindow(
    Session& session, UserPrompts& prompts, const QString& report, QWidget* parent)
    : QDialog(parent)
    , txtVerslag_(new QPlainTextEdit(report, this))
{
    setObjectName(QStringLiteral("Hoesverslag"));
    setWindowTitle(tr("Find missing covers"));
    addHelpKey(this, session, prompts, QStringLiteral("missingcovers"));
    txtVerslag_->setObjectName(QStringLiteral("txtVerslag"));
    txtVerslag_->setReadOnly(true);
    txtVerslag_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtVerslag_);
    layout->addWidget(buttons);
    resize(560, 400);
}
