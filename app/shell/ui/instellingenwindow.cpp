#include "shell/ui/instellingenwindow.h"

#include "editing/ui/locatie.h"
#include "resources/captionbindings.h"
#include "shell/errorreport.h"
#include "shell/session.h"
#include "shell/startfolder.h"
#include "shell/ui/captions.h"
#include "shell/ui/flagpictures.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("Instellingen");

// The labels of the fields, in field order.
constexpr std::array<const char*, kSettingsFieldCount> labelNames {
    "lblDatabase",
    "lblSpeler",
    "lblCovers",
    "lblPlaylist",
    "lblBackup",
    "lblFoto",
};

const QSize flagSize(30, 20);

} // namespace

InstellingenWindow::InstellingenWindow(
    Session& session, UserPrompts& prompts, QString helpFolder, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , helpFolder_(std::move(helpFolder))
{
    setObjectName(QStringLiteral("Instellingen"));
    addHelpKey(this, session_, prompts_, QStringLiteral("settings"));
    setModal(true);
    buildWidgets();

    const SettingsFields fields = settingsFields(session_.settings);
    for (int i = 0; i < kSettingsFieldCount; ++i)
        txtParam_[i]->setText(fields[static_cast<std::size_t>(i)]);
    databaseAtLoad_ = session_.settings.database;
    taalAtLoad_ = session_.settings.taal;

    const int position = languagePosition(session_.settings.taal);
    cboTaal_->setCurrentIndex(position);
    connect(cboTaal_, &QComboBox::currentIndexChanged, this, &InstellingenWindow::chooseLanguage);
    chooseLanguage(position);
}

void InstellingenWindow::buildWidgets()
{
    auto* grid = new QGridLayout;
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QLatin1String(labelNames[i]));
        txtParam_[i] = new QLineEdit(this);
        txtParam_[i]->setObjectName(QStringLiteral("txtParam_%1").arg(i));
        txtParam_[i]->setMinimumWidth(320);
        labels_[i]->setBuddy(txtParam_[i]);
        // The database and player are files (open dialog); the others folders (Locatie).
        browse_[i] = new QPushButton(QStringLiteral("..."), this);
        browse_[i]->setObjectName(
            isFolderField(i) ? QStringLiteral("cmdDir_%1").arg(i) : QStringLiteral("cmdParam_%1").arg(i));
        browse_[i]->setAutoDefault(false);
        browse_[i]->setFixedWidth(32);
        if (isFolderField(i))
            connect(browse_[i], &QPushButton::clicked, this, [this, i] { chooseFolder(i); });
        else
            connect(browse_[i], &QPushButton::clicked, this, [this, i] { chooseFile(i); });
        grid->addWidget(labels_[i], i, 0);
        grid->addWidget(txtParam_[i], i, 1);
        grid->addWidget(browse_[i], i, 2);
    }

    lblTaal_ = new QLabel(this);
    lblTaal_->setObjectName(QStringLiteral("lblTaal"));
    cboTaal_ = new QComboBox(this);
    cboTaal_->setObjectName(QStringLiteral("cboTaal"));
    for (LanguageBase language : kLanguageBases)
        cboTaal_->addItem(languageName(language));
    lblTaal_->setBuddy(cboTaal_);
    imgTaal_ = new QLabel(this);
    imgTaal_->setObjectName(QStringLiteral("imgTaal"));
    imgTaal_->setFixedSize(flagSize);
    auto* language = new QHBoxLayout;
    language->addWidget(cboTaal_);
    language->addWidget(imgTaal_);
    language->addStretch();
    grid->addWidget(lblTaal_, kSettingsFieldCount, 0);
    grid->addLayout(language, kSettingsFieldCount, 1, 1, 2);

    auto* folders = new QLabel(
        tr("An empty or relative folder or catalogue is taken inside the home folder %1.")
            .arg(QDir::toNativeSeparators(session_.homeFolder())),
        this);
    folders->setObjectName(QStringLiteral("lblMappen"));
    folders->setWordWrap(true);
    grid->addWidget(folders, kSettingsFieldCount + 1, 0, 1, 3);

    cmdSluiten_ = new QPushButton(this);
    cmdSluiten_->setObjectName(QStringLiteral("cmdSluiten"));
    cmdSluiten_->setDefault(true);
    cmdCancel_ = new QPushButton(this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSluiten_);
    buttons->addWidget(cmdCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdSluiten_, &QPushButton::clicked, this, &InstellingenWindow::save);
    connect(cmdCancel_, &QPushButton::clicked, this, &InstellingenWindow::reject);
}

void InstellingenWindow::ApplySettingsLanguage()
{
    applyCaptions(this, kSettingsWindowCaptions, [this](int k) { return session_.message(k); });
    // The browse buttons show only "...": they are named after their field.
    for (int i = 0; i < kSettingsFieldCount; ++i)
        browse_[i]->setAccessibleName(labels_[i]->text());
}

void InstellingenWindow::chooseLanguage(int position)
{
    const LanguageBase language = languageAtPosition(position);
    imgTaal_->setPixmap(languageFlag(language, flagSize));
    imgTaal_->setAccessibleName(languageName(language));
    session_.settings.taal = taalOf(language);
    ApplySettingsLanguage();
    emit languageChanged();
}

void InstellingenWindow::chooseFile(int index)
{
    const bool database = index == 0;
    // The database opens where it is; the player at its program when the field names one.
    const QString chosen = prompts_.openFileName(this, session_.message(database ? 3 : 4),
        startFolder(txtParam_[index]->text(), QStandardPaths::HomeLocation),
        database ? QStringLiteral("*.db (*.db)") : QStringLiteral("* (*)"));
    if (!chosen.isEmpty())
        txtParam_[index]->setText(chosen);
}

void InstellingenWindow::chooseFolder(int index)
{
    Locatie chooser(session_, prompts_, QString::number(index), 0, this, txtParam_[index]->text());
    if (chooser.exec() == QDialog::Accepted && !chooser.chosenFolder().isEmpty())
        txtParam_[index]->setText(chooser.chosenFolder());
}

void InstellingenWindow::save()
{
    SettingsFields fields;
    for (int i = 0; i < kSettingsFieldCount; ++i)
        fields[static_cast<std::size_t>(i)] = txtParam_[i]->text();
    const QStringList failures = saveSettings(
        session_.ini(), session_.settings, fields, languageAtPosition(cboTaal_->currentIndex()), helpFolder_);
    // The file keeps what was typed; the program works inside its home folder.
    resolveRelativePaths(session_.settings, session_.homeFolder());
    for (const QString& failure : failures)
        ShowError(this, session_, prompts_,
            { ErrorNumbers::settingsWrite, failure, source + QStringLiteral(".cmdSluiten_Click") });
    emit helpPageChanged(session_.settings.help);
    if (session_.settings.database != databaseAtLoad_)
        emit databaseChanged();
    accept();
}

void InstellingenWindow::reject()
{
    if (session_.settings.taal != taalAtLoad_) {
        session_.settings.taal = taalAtLoad_;
        emit languageChanged();
    }
    QDialog::reject();
}
