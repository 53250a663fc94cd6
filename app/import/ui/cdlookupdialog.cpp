#include "import/ui/cdlookupdialog.h"

#include "discovant/cddb/discovant.h"
#include "import/disclookup.h"
#include "shell/ui/userprompts.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    , txtServer_(new QLineEdit(text(core.CDDBServer()), this))
    , txtEmail_(new QLineEdit(text(core.EmailAddress()), this))
    , txtMap_(new QLineEdit(text(core.CDDBFilePath()), this))
{
    setObjectName(QStringLiteral("CdLookup"));
    setWindowTitle(lookupCaption());
    txtServer_->setObjectName(QStringLiteral("txtServer"));
    txtEmail_->setObjectName(QStringLiteral("txtEmail"));
    txtMap_->setObjectName(QStringLiteral("txtMap"));

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

    auto* form = new QFormLayout;
    form->addRow(tr("&Server:"), txtServer_);
    form->addRow(tr("&E-mail address:"), txtEmail_);
    // A row whose field is a layout gets a label without a buddy, which would show the "&".
    auto* folderLabel = new QLabel(tr("&Local database folder:"), this);
    folderLabel->setBuddy(txtMap_);
    form->addRow(folderLabel, folderRow);

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
    const QString server = txtServer_->text().trimmed();
    if (!server.isEmpty() && server != text(core_.CDDBServer()))
        core_.setCDDBServer(server.toStdString());
    const QString folder = txtMap_->text().trimmed();
    if (folder != text(core_.CDDBFilePath()))
        core_.setCDDBFilePath(folder.toStdString());
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
