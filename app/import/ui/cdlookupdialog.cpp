#include "import/ui/cdlookupdialog.h"

#include "discovant/cddb/discovant.h"
#include "discovant/widgets/discovantwidget.h"
#include "import/disclookup.h"
#include "shell/ui/userprompts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {

QString lookupCaption()
{
    return QCoreApplication::translate("CdLookupDialog", "CD lookup");
}

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

CdLookupDialog::CdLookupDialog(discovant::Discovant& core, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , core_(core)
    , prompts_(prompts)
    , cboBron_(new QComboBox(this))
    , txtMusicBrainz_(new QLineEdit(text(core.MusicBrainzServer()), this))
    , txtCoverArt_(new QLineEdit(text(core.CoverArtServer()), this))
    , txtServer_(new QLineEdit(text(core.CDDBServer()), this))
    , txtEmail_(new QLineEdit(text(core.EmailAddress()), this))
    , txtMap_(new QLineEdit(text(core.CDDBFilePath()), this))
    , txtProgramma_(new QLineEdit(text(core.AppName()), this))
    , txtVersie_(new QLineEdit(text(core.AppVersion()), this))
    , cboProtocol_(new QComboBox(this))
    , txtCertificaten_(new QLineEdit(text(core.CDDBCAFile()), this))
{
    setObjectName(QStringLiteral("CdLookup"));
    setWindowTitle(lookupCaption());
    cboBron_->setObjectName(QStringLiteral("cboBron"));
    txtMusicBrainz_->setObjectName(QStringLiteral("txtMusicBrainz"));
    txtCoverArt_->setObjectName(QStringLiteral("txtCoverArt"));
    txtServer_->setObjectName(QStringLiteral("txtServer"));
    txtEmail_->setObjectName(QStringLiteral("txtEmail"));
    txtMap_->setObjectName(QStringLiteral("txtMap"));
    txtProgramma_->setObjectName(QStringLiteral("txtProgramma"));
    txtVersie_->setObjectName(QStringLiteral("txtVersie"));
    cboProtocol_->setObjectName(QStringLiteral("cboProtocol"));
    txtCertificaten_->setObjectName(QStringLiteral("txtCertificaten"));
    using discovant::uCDDBSource;
    for (const auto& [source, caption] : { std::pair { uCDDBSource::MUSICBRAINZ, tr("MusicBrainz") },
             std::pair { uCDDBSource::CDDB, tr("CDDB server") },
             std::pair { uCDDBSource::LOCAL_DATABASE, tr("Local CDDB database") },
             std::pair { uCDDBSource::MUSICBRAINZ_THEN_CDDB, tr("MusicBrainz, then the CDDB server") } })
        cboBron_->addItem(caption, static_cast<int>(source));
    cboBron_->setCurrentIndex(cboBron_->findData(static_cast<int>(core.LookupSource())));
    cboProtocol_->addItem(tr("6 (UTF-8)"), 6);
    cboProtocol_->addItem(tr("5 (older servers)"), 5);
    cboProtocol_->setCurrentIndex(cboProtocol_->findData(core.CDDBProtocol()));
    txtCertificaten_->setPlaceholderText(tr("The system's certificates"));

    auto* explanation = new QLabel(tr("A CDDB server wants your e-mail address with every lookup. Discs can "
                                      "also be looked up in a local CDDB database folder first."),
        this);
    explanation->setWordWrap(true);

    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("cmdBladeren"));
    browse->setAccessibleName(tr("Choose folder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(txtMap_, 1);
    folderRow->addWidget(browse);

    serverRow_ = new QHBoxLayout;
    serverRow_->addWidget(txtServer_, 1);
    auto* form = new QFormLayout;
    form->addRow(tr("Look discs &up in:"), cboBron_);
    form->addRow(tr("Music&Brainz server:"), txtMusicBrainz_);
    form->addRow(tr("C&over Art server:"), txtCoverArt_);
    // A row holding a layout has no buddy of its own: the access key goes to the field.
    auto* serverLabel = new QLabel(tr("&Server:"), this);
    serverLabel->setBuddy(txtServer_);
    form->addRow(serverLabel, serverRow_);
    form->addRow(tr("&E-mail address:"), txtEmail_);
    auto* folderLabel = new QLabel(tr("&Local database folder:"), this);
    folderLabel->setBuddy(txtMap_);
    form->addRow(folderLabel, folderRow);
    form->addRow(tr("Program &name:"), txtProgramma_);
    form->addRow(tr("Program &version:"), txtVersie_);
    form->addRow(tr("P&rotocol level:"), cboProtocol_);
    form->addRow(tr("&Certificate authorities (PEM file):"), txtCertificaten_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdAnnuleren"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CdLookupDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &CdLookupDialog::browseFolder);
}

void CdLookupDialog::offerSites(DiscovantWidget& control)
{
    auto* sites = new QPushButton(tr("&Mirrors..."), this);
    sites->setObjectName(QStringLiteral("cmdServers"));
    serverRow_->addWidget(sites);
    connect(sites, &QPushButton::clicked, this, [this, &control] {
        QStringList errors;
        const QMetaObject::Connection listening = connect(
            &control, &DiscovantWidget::protocolError, this, [&errors](int number, const QString& message) {
                errors << QStringLiteral("%1: %2").arg(number).arg(message);
            });
        // The list comes from the server in the field, and the choice shows there; OK stores it.
        const std::string before = core_.CDDBServer();
        const QString typed = txtServer_->text().trimmed();
        if (!typed.isEmpty())
            core_.setCDDBServer(typed.toStdString());
        const std::string chosen = control.chooseServerSite();
        core_.setCDDBServer(before);
        disconnect(listening);
        if (!chosen.empty())
            txtServer_->setText(text(chosen));
        else if (!errors.isEmpty() && !control.core().cancelRequested())
            prompts_.messageBox(this, errors.join(QLatin1Char('\n')), MsgBox::okWarning, lookupCaption());
    });
}

void CdLookupDialog::browseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, lookupCaption(), txtMap_->text());
    if (!folder.isEmpty())
        txtMap_->setText(folder);
}

void CdLookupDialog::save()
{
    const QString email = txtEmail_->text().trimmed();
    if (email != text(core_.EmailAddress())) {
        if (!email.isEmpty())
            core_.setEmailAddress(email.toStdString());
        if (text(core_.EmailAddress()) != email) {
            // The component keeps its previous address without a word; say so here.
            prompts_.messageBox(
                this, tr("\"%1\" is not an e-mail address.").arg(email), MsgBox::okWarning, lookupCaption());
            txtEmail_->setFocus();
            return;
        }
    }
    const int source = cboBron_->currentData().toInt();
    if (source != static_cast<int>(core_.LookupSource()))
        core_.setLookupSource(static_cast<discovant::uCDDBSource>(source));
    // An emptied address gives the service's own back.
    const QString musicBrainz = txtMusicBrainz_->text().trimmed();
    if (musicBrainz != text(core_.MusicBrainzServer()))
        core_.setMusicBrainzServer(musicBrainz.toStdString());
    const QString coverArt = txtCoverArt_->text().trimmed();
    if (coverArt != text(core_.CoverArtServer()))
        core_.setCoverArtServer(coverArt.toStdString());
    const QString server = txtServer_->text().trimmed();
    if (!server.isEmpty() && server != text(core_.CDDBServer()))
        core_.setCDDBServer(server.toStdString());
    const QString folder = txtMap_->text().trimmed();
    if (folder != text(core_.CDDBFilePath()))
        core_.setCDDBFilePath(folder.toStdString());
    // An emptied name or version would leave the hello without one; those keep the old value.
    const QString name = txtProgramma_->text().trimmed();
    if (!name.isEmpty() && name != text(core_.AppName()))
        core_.setAppName(name.toStdString());
    const QString version = txtVersie_->text().trimmed();
    if (!version.isEmpty() && version != text(core_.AppVersion()))
        core_.setAppVersion(version.toStdString());
    const int level = cboProtocol_->currentData().toInt();
    if (level != core_.CDDBProtocol())
        core_.setCDDBProtocol(level);
    const QString caFile = txtCertificaten_->text().trimmed();
    if (caFile != text(core_.CDDBCAFile()))
        core_.setCDDBCAFile(caFile.toStdString());
    accept();
}

bool ensureLookupAddress(discovant::Discovant& core, UserPrompts& prompts, QWidget* owner)
{
    if (!lookupNeedsEmail(core))
        return true;
    CdLookupDialog dialog(core, prompts, owner);
    dialog.exec();
    return !lookupNeedsEmail(core);
}
