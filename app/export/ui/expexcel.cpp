#include "export/ui/expexcel.h"

#include "db/catalogue.h"
#include "export/documentsfolder.h"
#include "export/workbookexport.h"
#include "resources/captionbindings.h"
#include "shell/session.h"
#include "shell/ui/busycursor.h"
#include "shell/ui/captions.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString source = QStringLiteral("ExpExcel.ExportWorkbook");

// Messages of the box captions by box index; the tracks box is not translated.
constexpr std::array<int, sheetFieldCount - 1> kFieldMessages { 20, 17, 18, 19, 38, 40 };
const QString tracksCaption = QStringLiteral("Tracks");

constexpr std::array<CaptionBinding, 9> kExpExcelCaptions { {
    { "chkPrint_0", 20 },
    { "chkPrint_1", 17 },
    { "chkPrint_2", 18 },
    { "chkPrint_3", 19 },
    { "chkPrint_4", 38 },
    { "chkPrint_5", 40 },
    { "lblSelecteer", 39 },
    { "cmdExport", 21 },
    { "cmdAnnuleren", 37 },
} };

} // namespace

ExpExcel::ExpExcel(
    Session& session, UserPrompts& prompts, qint64 selectedArtistId, ExportScope scope, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , selectedArtistId_(selectedArtistId)
    , scope_(scope)
{
    setObjectName(QStringLiteral("ExpExcel"));
    addHelpKey(this, session_, prompts_, QStringLiteral("excel"));
    setModal(true);
    setProperty("Tag", QString::number(static_cast<int>(scope)));

    auto* layout = new QVBoxLayout(this);
    auto* lblSelecteer = new QLabel(this);
    lblSelecteer->setObjectName(QStringLiteral("lblSelecteer"));
    layout->addWidget(lblSelecteer);
    for (int box = 0; box < sheetFieldCount; ++box) {
        chkPrint_[box] = new QCheckBox(this);
        chkPrint_[box]->setObjectName(QStringLiteral("chkPrint_%1").arg(box));
        chkPrint_[box]->setChecked(true);
        layout->addWidget(chkPrint_[box]);
    }
    lblSelecteer->setBuddy(chkPrint_[0]);
    chkPrint_[static_cast<int>(SheetField::Tracks)]->setText(tracksCaption);

    cmdExport_ = new QPushButton(this);
    cmdExport_->setObjectName(QStringLiteral("cmdExport"));
    cmdExport_->setDefault(true);
    cmdAnnuleren_ = new QPushButton(this);
    cmdAnnuleren_->setObjectName(QStringLiteral("cmdAnnuleren"));
    cmdAnnuleren_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExport_);
    buttons->addWidget(cmdAnnuleren_);
    layout->addLayout(buttons);

    const int scopeMessage = scope == ExportScope::CurrentArtist ? 30 : 31;
    setWindowTitle(
        session_.message(21) + QStringLiteral(" (") + session_.message(scopeMessage) + QLatin1Char(')'));
    applyCaptions(this, kExpExcelCaptions, [this](int k) { return session_.message(k); });

    connect(cmdExport_, &QPushButton::clicked, this, &ExpExcel::exportClicked);
    connect(cmdAnnuleren_, &QPushButton::clicked, this, &QDialog::reject);
}

SheetFieldSelection ExpExcel::numberTickedFields()
{
    SheetFieldSelection fields {};
    int column = 1;
    for (int box = 0; box < sheetFieldCount; ++box) {
        fields[box] = chkPrint_[box]->isChecked();
        if (fields[box])
            chkPrint_[box]->setProperty("Tag", QString::number(column++));
    }
    return fields;
}

void ExpExcel::exportClicked()
{
    if (selectedArtistId_ == 0)
        return;
    const SheetFieldSelection fields = numberTickedFields();
    if (std::none_of(fields.begin(), fields.end(), [](bool ticked) { return ticked; })) {
        prompts_.messageBox(this, session_.message(62), MsgBox::okOnly, session_.message(52));
        return;
    }

    SheetCaptions captions;
    for (std::size_t box = 0; box < kFieldMessages.size(); ++box)
        captions[box] = session_.message(kFieldMessages[box]);
    captions[static_cast<int>(SheetField::Tracks)] = tracksCaption;

    const QString folder = exportFolder(session_.homeFolder());
    const QString filePath = folder + workbookFileName;
    std::optional<AppError> failure;
    {
        BusyCursor busy;
        failure = ensureExportFolder(folder, source);
        if (!failure)
            failure = writeWorkbook(Catalogue(session_.settings.database), scope_, selectedArtistId_, fields,
                captions, filePath, source);
    }
    if (!failure && !prompts_.openUrl(QUrl::fromLocalFile(filePath))) {
        failure = AppError { ErrorNumbers::openUrl,
            QStringLiteral("The workbook %1 was written, but no program opens it.")
                .arg(QDir::toNativeSeparators(filePath)),
            source };
    }
    if (failure) {
        ShowError(this, session_, prompts_, *failure);
        return;
    }
    accept();
}
