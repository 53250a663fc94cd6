#include "editing/ui/titleeditor.h"

#include "editing/coverfile.h"
#include "editing/titlestore.h"
#include "editing/ui/locatie.h"
#include "extras/picturefiles.h"
#include "resources/captionbindings.h"
#include "shell/session.h"
#include "shell/startfolder.h"
#include "shell/ui/captions.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/picturelabel.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QUrl>
#include <algorithm>

namespace {

const QString source = QStringLiteral("Titel");
// A stored value of the wrong kind, under the number users know for it.
constexpr int typeMismatch = 13;

constexpr std::array<CaptionBinding, 8> kTitleEditorCaptions { {
    { "lblTitel", 17 },
    { "lblJaar", 18 },
    { "lblMedium", 19 },
    { "lblGekocht", 38 },
    { "lblBijzonderheden", 40 },
    { "lblLengte", 36 },
    { "lblCovers", 6 },
    { "cmdAnnuleer", 37 },
} };

// The purchase dates the picker offers. No end in sight: an album bought today must always
// be storable.
const QDate firstPurchaseDate(1900, 1, 1);
const QDate lastPurchaseDate(9999, 12, 31);

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name)
{
    return named(new QLabel(parent), name);
}

// Puts a stored text into a field with a length limit. The limit is for typing: a longer text
// already in the catalogue (from a CD import, say) is shown whole, so opening and storing an
// album never cuts it behind the user's back.
void setLimitedText(QLineEdit* field, const QString& text, int limit)
{
    field->setMaxLength(std::max<int>(limit, static_cast<int>(text.size())));
    field->setText(text);
}

} // namespace

TitleEditor::TitleEditor(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("Titel"));
    setWindowTitle(QStringLiteral("Album"));
    buildWidgets();
}

void TitleEditor::buildWidgets()
{
    auto* layout = new QGridLayout(this);
    lblKop_ = label(this, "lblKop");
    QFont heading = lblKop_->font();
    heading.setBold(true);
    lblKop_->setFont(heading);
    lblArtiest_ = label(this, "lblArtiest");
    layout->addWidget(lblKop_, 0, 0, 1, 3);
    layout->addWidget(lblArtiest_, 1, 0, 1, 3);

    txtTitel_ = named(new QLineEdit(this), "txtTitel");
    txtTitel_->setMaxLength(TitleLimits::titel);
    txtJaar_ = named(new QLineEdit(this), "txtJaar");
    txtJaar_->setMaxLength(TitleLimits::jaar);
    // Digits only, whether typed or pasted: the year column holds numbers.
    txtJaar_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtJaar_));
    cboDrager_ = named(new QComboBox(this), "cboDrager");
    cboDrager_->setEditable(true);
    cboDrager_->setInsertPolicy(QComboBox::NoInsert);
    cboDrager_->addItems({ QStringLiteral("CD"), QStringLiteral("DVD"), QStringLiteral("LP"),
        QStringLiteral("MC"), QStringLiteral("MD"), QStringLiteral("MP3"), QStringLiteral("WMA") });
    dtpGekocht_ = named(new QDateEdit(this), "dtpGekocht");
    dtpGekocht_->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    dtpGekocht_->setCalendarPopup(true);
    dtpGekocht_->setDateRange(firstPurchaseDate, lastPurchaseDate);
    chkPlaylist_ = named(new QCheckBox(QStringLiteral("Playlist"), this), "chkPlaylist");
    txtBijzonderheden_ = named(new QLineEdit(this), "txtBijzonderheden");
    txtBijzonderheden_->setMaxLength(TitleLimits::bijzonderheden);
    txtDuur_ = named(new QLineEdit(this), "txtDuur");
    txtDuur_->setMaxLength(TitleLimits::lengte);

    struct Row {
        const char* caption;
        QWidget* field;
    };
    const Row rows[] = { { "lblTitel", txtTitel_ }, { "lblJaar", txtJaar_ }, { "lblMedium", cboDrager_ },
        { "lblGekocht", dtpGekocht_ }, { "lblBijzonderheden", txtBijzonderheden_ },
        { "lblLengte", txtDuur_ } };
    int line = 2;
    for (const Row& row : rows) {
        QLabel* caption = label(this, row.caption);
        caption->setBuddy(row.field);
        layout->addWidget(caption, line, 0);
        layout->addWidget(row.field, line, 1, 1, 2);
        ++line;
    }
    layout->addWidget(chkPlaylist_, line++, 1, 1, 2);
    // The check box is made before the fields it is laid out under; Tab follows the rows.
    setTabOrder(txtDuur_, chkPlaylist_);

    QLabel* lblCovers = label(this, "lblCovers");
    cmdHoesje_ = named(new QPushButton(QStringLiteral("..."), this), "cmdHoesje");
    cmdHoesje_->setAccessibleName(tr("Cover"));
    lblCovers->setBuddy(cmdHoesje_);
    cmdList_ = named(new QPushButton(tr("&List"), this), "cmdList");
    cmdList_->setAccessibleName(tr("Playlist"));
    layout->addWidget(lblCovers, line, 0);
    auto* coverRow = new QHBoxLayout;
    coverRow->addWidget(cmdHoesje_);
    coverRow->addWidget(cmdList_);
    coverRow->addStretch(1);
    layout->addLayout(coverRow, line++, 1, 1, 2);

    // The disc id is looked up on request: click, or Space/Enter when it has the focus.
    lblCdid_ = named(new PictureLabel(QStringLiteral("cdid"), this), "lblCdid");
    lblCdid_->setFocusPolicy(Qt::StrongFocus);
    lblCdid_->setCursor(Qt::PointingHandCursor);
    lblCdid_->setAccessibleName(tr("CDDB disc id"));
    lblCdid_->installEventFilter(this);
    layout->addWidget(lblCdid_, line++, 0, 1, 3);

    cmdOk_ = named(new QPushButton(QStringLiteral("Ok"), this), "cmdOk");
    cmdAnnuleer_ = named(new QPushButton(this), "cmdAnnuleer");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdAnnuleer_);
    layout->addLayout(buttons, line, 0, 1, 3);

    // Enter walks down the form instead of pressing a button.
    nextOnEnter_ = { { txtTitel_, txtJaar_ }, { txtJaar_, cboDrager_ }, { cboDrager_, dtpGekocht_ },
        { cboDrager_->lineEdit(), dtpGekocht_ }, { dtpGekocht_, txtBijzonderheden_ },
        { txtBijzonderheden_, cmdOk_ } };
    for (QObject* field : nextOnEnter_.keys())
        field->installEventFilter(this);
    for (QPushButton* button : { cmdHoesje_, cmdList_, cmdOk_, cmdAnnuleer_ })
        button->setAutoDefault(false);

    connect(cmdOk_, &QPushButton::clicked, this, &TitleEditor::store);
    connect(cmdAnnuleer_, &QPushButton::clicked, this, &TitleEditor::cancel);
    connect(cmdHoesje_, &QPushButton::clicked, this, &TitleEditor::chooseCover);
    connect(cmdList_, &QPushButton::clicked, this, &TitleEditor::openPlaylistChooser);
    connect(lblCdid_, &PictureLabel::pressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            showDiscId();
    });
    connect(
        new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &TitleEditor::openHelp);
}

void TitleEditor::showEvent(QShowEvent* event)
{
    if (!loaded_) {
        loaded_ = true;
        load();
    }
    QDialog::showEvent(event);
}

void TitleEditor::load()
{
    applyCaptions(this, kTitleEditorCaptions, [this](int k) { return session_.message(k); });
    editMode_ = session_.editMode;
    dtpGekocht_->setDate(QDate::currentDate());
    if (!editMode_) {
        lblKop_->setText(QStringLiteral("Album ") + session_.message(13));
        chkPlaylist_->setChecked(false);
        cboDrager_->setCurrentIndex(0);
        // A new album has no id yet, so no playlist file name: the list button works once
        // the album is stored and edited.
        cmdList_->setEnabled(false);
    } else {
        lblKop_->setText(QStringLiteral("Album ") + session_.message(15));
        fillFromSelected();
    }
    lblArtiest_->setText(artistName_);
    txtTitel_->setFocus();
}

void TitleEditor::fillFromSelected()
{
    setLimitedText(txtTitel_, selected_.titel, TitleLimits::titel);
    txtJaar_->setText(selected_.jaar);
    if (!selected_.drager.isEmpty())
        cboDrager_->setEditText(selected_.drager);
    if (!selected_.gekocht.isEmpty()) {
        const QDate bought = purchaseDateFromText(selected_.gekocht);
        if (bought.isValid() && bought >= firstPurchaseDate && bought <= lastPurchaseDate) {
            dtpGekocht_->setDate(bought);
        } else {
            // Reported; the picker keeps today's date and the rest of the form still fills.
            ShowError(this, session_, prompts_,
                { typeMismatch,
                    QStringLiteral("The purchase date \"%1\" of album %2 is not a date.")
                        .arg(selected_.gekocht)
                        .arg(selected_.id),
                    source + QStringLiteral(".Form_Load") });
        }
    }
    chkPlaylist_->setChecked(selected_.isPlaylist);
    if (!selected_.bijzonderheden.isEmpty())
        setLimitedText(txtBijzonderheden_, selected_.bijzonderheden, TitleLimits::bijzonderheden);
    if (!selected_.lengte.isEmpty())
        setLimitedText(txtDuur_, selected_.lengte, TitleLimits::lengte);
}

void TitleEditor::store()
{
    if (txtTitel_->text().trimmed().isEmpty()) {
        prompts_.messageBox(this, session_.message(58), MsgBox::okOnly, session_.message(52));
        txtTitel_->setFocus();
        return;
    }
    const TitleInput input { txtTitel_->text(), txtJaar_->text(), cboDrager_->currentText(),
        dtpGekocht_->date(), chkPlaylist_->isChecked(), txtBijzonderheden_->text(), txtDuur_->text() };
    const QString where = source + QStringLiteral(".cmdOk_Click");
    const Catalogue catalogue(session_.settings.database);
    const DbResult<qint64> stored
        = storeTitle(catalogue, input, editMode_ ? titelId_ : 0, artiestId_, QDateTime::currentDateTime());
    if (!stored) {
        // Nothing was stored: the window stays open so the user can mend the input.
        ShowError(this, session_, prompts_, { stored.error().code, stored.error().text, where });
        return;
    }
    session_.currentTitleKey = titleKey(stored.value());

    if (!editMode_ && !strHoesje_.isEmpty()) {
        // The album is stored by now; a cover that fails to copy is reported, but the window
        // closes all the same, so a second OK cannot store the album twice.
        if (auto failed = copyCover(strHoesje_, coverPath(session_.settings.coverDir, stored.value()), where))
            ShowError(this, session_, prompts_, *failed);
    }
    accept();
}

void TitleEditor::cancel()
{
    userCancelled_ = true;
    reject();
}

void TitleEditor::keyPressEvent(QKeyEvent* event)
{
    // Escape is the cancel button; only the window's close box leaves without cancelling.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TitleEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (enter) {
            if (QWidget* next = nextOnEnter_.value(watched)) {
                next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        if (watched == lblCdid_ && (enter || key == Qt::Key_Space)) {
            showDiscId();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TitleEditor::chooseCover()
{
    const QString where = source + QStringLiteral(".cmdHoesje_Click");
    // Covers come from the user's pictures; the cover folder holds the program's copies.
    const QString chosen
        = prompts_.openFileName(this, session_.message(6), startFolder({}, QStandardPaths::PicturesLocation),
            QStringLiteral("*.jpg (*.jpg *.jpeg *.JPG *.JPEG)"));
    if (chosen.isEmpty())
        return;

    if (editMode_) {
        const QString target = coverPath(session_.settings.coverDir, titelId_);
        if (isSameFile(chosen, target)) {
            prompts_.messageBox(this, session_.message(64), MsgBox::okOnly, session_.message(52));
            return;
        }
        if (auto failed = copyCover(chosen, target, where)) {
            // The old cover, if any, is untouched; the main window goes on showing it.
            ShowError(this, session_, prompts_, *failed);
            return;
        }
        emit coverShown(target, true);
        return;
    }

    // Adding: the album has no id yet, so the picture is only remembered (and checked now,
    // so a wrong file is reported while the user is still choosing).
    if (auto failed = checkCoverPicture(chosen, where)) {
        ShowError(this, session_, prompts_, *failed);
        return;
    }
    strHoesje_ = chosen;
    emit coverShown(chosen, false);
}

void TitleEditor::showDiscId()
{
    const DbResult<QString> discId = storedDiscId(Catalogue(session_.settings.database), titelId_);
    if (!discId)
        ShowError(this, session_, prompts_,
            { discId.error().code, discId.error().text, source + QStringLiteral(".lblCdid_Click") });
    lblCdid_->setText(discId.ok() && !discId.value().isEmpty() ? discId.value() : tr("no cdid"));
}

void TitleEditor::openPlaylistChooser()
{
    if (titelId_ == 0)
        return;
    chkPlaylist_->setChecked(true);
    Locatie chooser(session_, prompts_, QStringLiteral("0"), titelId_, this);
    chooser.exec();
}

void TitleEditor::openHelp()
{
    openHelpTopic(this, session_, prompts_, editMode_ ? QStringLiteral("105") : QStringLiteral("104"));
}
