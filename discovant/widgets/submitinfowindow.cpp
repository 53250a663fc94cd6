#include "discovant/widgets/submitinfowindow.h"

#include "discovant/cddb/numeric.h"
#include "discovant/cddb/xmcdwriter.h"
#include "discovant/widgets/popupplacement.h"
#include "discovant/widgets/workwindow.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace discovant::widgets {

namespace {

constexpr int kMaxTocFields = 100;
constexpr int kMaxNotes = 100;
constexpr int kTitleLength = 240;
constexpr int kMaxCdTextFields = 120;
constexpr int kFirstTrackField = 5; // fields 1..5 are artist, album, year, genre, notes
constexpr double kFirstYear = 1900;
constexpr double kLastYear = 2100;
const QString kSeparator = QStringLiteral(" / ");

int trackCountOf(const std::string& toc)
{
    const QString trimmed = QString::fromStdString(toc).trimmed();
    if (trimmed.isEmpty())
        return 0;
    const int fields = std::min<int>(static_cast<int>(trimmed.split(QLatin1Char(' ')).size()), kMaxTocFields);
    return fields - 1;
}

// Splits like the component's other list fields: at most `limit` parts, the last one
// keeping the rest of the text.
QStringList splitLimited(const QString& text, QChar separator, int limit)
{
    QStringList parts = text.split(separator);
    if (parts.size() > limit) {
        const QString rest = parts.mid(limit - 1).join(separator);
        parts = parts.mid(0, limit - 1);
        parts.append(rest);
    }
    return parts;
}

} // namespace

const QStringList& SubmitInfoWindow::categories()
{
    static const QStringList list { QStringLiteral("rock"), QStringLiteral("jazz"), QStringLiteral("blues"),
        QStringLiteral("country"), QStringLiteral("classical"), QStringLiteral("soundtrack"),
        QStringLiteral("folk"), QStringLiteral("newage"), QStringLiteral("reggae"), QStringLiteral("misc"),
        QStringLiteral("data") };
    return list;
}

const QStringList& SubmitInfoWindow::genres()
{
    static const QStringList list { QStringLiteral("Alternative"), QStringLiteral("Blues"),
        QStringLiteral("Books & Spoken"), QStringLiteral("Children's Music"), QStringLiteral("Classical"),
        QStringLiteral("Country"), QStringLiteral("Dance"), QStringLiteral("Data"), QStringLiteral("Disco"),
        QStringLiteral("Easy Listening"), QStringLiteral("Electronic"), QStringLiteral("Folk"),
        QStringLiteral("Gospel & Religious"), QStringLiteral("Hip Hop"), QStringLiteral("Holiday"),
        QStringLiteral("Industrial"), QStringLiteral("Jazz"), QStringLiteral("Latin"),
        QStringLiteral("Metal"), QStringLiteral("New Age"), QStringLiteral("Pop"), QStringLiteral("R & B"),
        QStringLiteral("Rap"), QStringLiteral("Reggae"), QStringLiteral("Rock"), QStringLiteral("Soundtrack"),
        QStringLiteral("UnClassifiable") };
    return list;
}

SubmitInfoWindow::SubmitInfoWindow(QWidget* parent)
    : QDialog(parent)
    , strArtist_(new QLineEdit)
    , strAlbum_(new QLineEdit)
    , cboCategory_(new QComboBox)
    , cboGenre_(new QComboBox)
    , strYear_(new QLineEdit)
    , strNotes_(new QPlainTextEdit)
    , frame1_(new QGroupBox)
    , frame2_(new QGroupBox)
    , optTrk_(new QRadioButton)
    , optExt_(new QRadioButton)
    , trackViews_(new QStackedWidget)
    , lstList_(new QListWidget)
    , strTrkNotes_(new QPlainTextEdit)
    , lblTrack_(new QLabel)
    , strTrack_(new QLineEdit)
    , lblError_(new QLabel)
    , cmdText_(new QPushButton)
    , cmdSubmit_(new QPushButton)
    , cmdCancel_(new QPushButton)
{
    setObjectName(QStringLiteral("frmSubmitInfo"));
    setModal(true);
    strArtist_->setObjectName(QStringLiteral("strArtist"));
    strAlbum_->setObjectName(QStringLiteral("strAlbum"));
    cboCategory_->setObjectName(QStringLiteral("cboCategory"));
    cboCategory_->addItems(categories());
    cboGenre_->setObjectName(QStringLiteral("cboGenre"));
    cboGenre_->setEditable(true);
    cboGenre_->setInsertPolicy(QComboBox::NoInsert);
    cboGenre_->addItems(genres());
    strYear_->setObjectName(QStringLiteral("strYear"));
    strNotes_->setObjectName(QStringLiteral("strNotes"));
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame2_->setObjectName(QStringLiteral("Frame2"));
    optTrk_->setObjectName(QStringLiteral("optTrk"));
    optExt_->setObjectName(QStringLiteral("optExt"));
    lstList_->setObjectName(QStringLiteral("lstList"));
    strTrkNotes_->setObjectName(QStringLiteral("strTrkNotes"));
    lblTrack_->setObjectName(QStringLiteral("lblTrack"));
    strTrack_->setObjectName(QStringLiteral("strTrack"));
    lblError_->setObjectName(QStringLiteral("lblError"));
    cmdText_->setObjectName(QStringLiteral("cmdText"));
    cmdSubmit_->setObjectName(QStringLiteral("cmdSubmit"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    for (int i = 0; i < 6; ++i) {
        labels_[i] = new QLabel;
        labels_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    }
    for (int i = 0; i < 2; ++i) {
        cmdTrack_[i] = new QPushButton(i == 0 ? QStringLiteral("<") : QStringLiteral(">"));
        cmdTrack_[i]->setObjectName(QStringLiteral("cmdTrack"));
        cmdTrack_[i]->setProperty("index", i);
        cmdTrack_[i]->setAutoDefault(false);
    }
    for (QPushButton* button : { cmdText_, cmdSubmit_, cmdCancel_ })
        button->setAutoDefault(false);

    auto* albumForm = new QFormLayout(frame1_);
    albumForm->addRow(labels_[0], strArtist_);
    albumForm->addRow(labels_[1], strAlbum_);
    albumForm->addRow(labels_[2], cboCategory_);
    albumForm->addRow(labels_[3], strYear_);
    albumForm->addRow(labels_[4], cboGenre_);
    albumForm->addRow(labels_[5], strNotes_);

    trackViews_->addWidget(lstList_);
    trackViews_->addWidget(strTrkNotes_);
    auto* viewChoice = new QHBoxLayout;
    viewChoice->addWidget(optTrk_);
    viewChoice->addWidget(optExt_);
    auto* trackEdit = new QHBoxLayout;
    trackEdit->addWidget(cmdTrack_[0]);
    trackEdit->addWidget(strTrack_, 1);
    trackEdit->addWidget(cmdTrack_[1]);
    auto* tracks = new QVBoxLayout(frame2_);
    tracks->addLayout(viewChoice);
    tracks->addWidget(trackViews_, 1);
    tracks->addWidget(lblTrack_);
    tracks->addLayout(trackEdit);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdText_);
    buttons->addStretch(1);
    buttons->addWidget(cmdSubmit_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->addWidget(frame1_, 1);
    columns->addWidget(frame2_, 1);
    layout->addLayout(columns, 1);
    layout->addWidget(lblError_);
    layout->addLayout(buttons);

    optTrk_->setChecked(true);
    notes_ = QStringList(kMaxNotes + 1, QString());

    connect(cmdTrack_[0], &QPushButton::clicked, this, [this] { stepTrack(-1); });
    connect(cmdTrack_[1], &QPushButton::clicked, this, [this] { stepTrack(+1); });
    connect(lstList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        commitPendingEdit();
        showTrack(lstList_->row(item) + 1);
    });
    connect(optTrk_, &QRadioButton::clicked, this, [this] { showTrackList(); });
    connect(optExt_, &QRadioButton::clicked, this, [this] { showTrackNotes(); });
    // Typing into the box is an edit even when the box kept the focus across a track change.
    connect(strTrack_, &QLineEdit::textEdited, this, [this] { editPending_ = true; });
    connect(strTrkNotes_, &QPlainTextEdit::textChanged, this,
        [this] { AddNotes(currentTrack_, strTrkNotes_->toPlainText()); });
    connect(cmdSubmit_, &QPushButton::clicked, this, [this] { submitClicked(); });
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdText_, &QPushButton::clicked, this, [this] { importCdText(); });

    strTrack_->installEventFilter(this);
    for (QWidget* field :
        std::initializer_list<QWidget*> { strArtist_, strAlbum_, cboCategory_, cboGenre_, strYear_ })
        field->installEventFilter(this);
    if (cboGenre_->lineEdit())
        cboGenre_->lineEdit()->installEventFilter(this);
    applyTexts();
}

std::optional<SubmittedEntry> SubmitInfoWindow::SubmitData(
    const SubmissionRequest& request, const PopUpSettings& popUp)
{
    result_.reset();
    request_ = request;
    trackCount_ = trackCountOf(request.toc);
    texts_ = submitTexts(popUp.language);
    applyTexts();
    lblError_->clear();
    for (QWidget* field : std::initializer_list<QWidget*> {
             strArtist_, strAlbum_, cboCategory_, cboGenre_, strYear_, lstList_ })
        setMarked(*field, false);
    cboCategory_->setEnabled(request.revision == 0);
    if (request.existing) {
        fillFrom(*request.existing);
    } else {
        // The window is reused: a new entry must not start from the texts of the last one.
        strArtist_->clear();
        strAlbum_->clear();
        cboCategory_->setCurrentIndex(-1);
        cboGenre_->setCurrentIndex(-1);
        cboGenre_->setEditText(QString());
        strYear_->clear();
        strNotes_->clear();
        lstList_->clear();
        for (int track = 1; track <= trackCount_; ++track)
            lstList_->addItem(texts_.untitledLine(track));
        notes_ = QStringList(kMaxNotes + 1, QString());
    }
    optTrk_->setChecked(true);
    trackViews_->setCurrentWidget(lstList_);
    editPending_ = false;
    showTrack(1);
    lblTrack_->setText(texts_.trackLabelAtStart());
    placePopUp(*this, popUp);
    exec();
    return result_;
}

void SubmitInfoWindow::applyTexts()
{
    setWindowTitle(texts_.title);
    labels_[0]->setText(texts_.artistLabel);
    labels_[1]->setText(texts_.albumLabel);
    labels_[2]->setText(texts_.categoryLabel);
    labels_[3]->setText(texts_.yearLabel);
    labels_[4]->setText(texts_.genreLabel);
    labels_[5]->setText(texts_.notesLabel);
    optTrk_->setText(texts_.trackListOption);
    optExt_->setText(texts_.trackNotesOption);
    cmdText_->setText(texts_.cdTextButton);
    cmdText_->setToolTip(texts_.cdTextToolTip);
    cmdSubmit_->setText(texts_.submitButton);
    cmdCancel_->setText(texts_.cancelButton);
    frame2_->setTitle(texts_.tracksFrame(trackCount_));
}

void SubmitInfoWindow::fillFrom(const EntryDraft& draft)
{
    strArtist_->setText(QString::fromStdString(draft.artist));
    strAlbum_->setText(QString::fromStdString(draft.album));
    const int category = static_cast<int>(categories().indexOf(QString::fromStdString(draft.category)));
    cboCategory_->setCurrentIndex(category >= 0 ? category : static_cast<int>(categories().size()) - 1);
    strYear_->setText(QString::fromStdString(draft.year));
    cboGenre_->setEditText(QString::fromStdString(draft.genre));
    strNotes_->setPlainText(QString::fromStdString(draft.notes));
    lstList_->clear();
    // One line per track of the disc, so every track can be edited and is written.
    for (int track = 1; track <= trackCount_; ++track) {
        const size_t index = static_cast<size_t>(track - 1);
        lstList_->addItem(
            index < draft.trackNames.size() ? QString::fromStdString(draft.trackNames[index]) : QString());
    }
    notes_ = QStringList(kMaxNotes + 1, QString());
    for (size_t i = 0; i < draft.trackNotes.size(); ++i)
        AddNotes(static_cast<int>(i) + 1, QString::fromStdString(draft.trackNotes[i]));
}

void SubmitInfoWindow::AddNotes(int track, const QString& notes)
{
    if (track >= 0 && track <= kMaxNotes)
        notes_[track] = notes;
}

QString SubmitInfoWindow::trackNotes(int track) const
{
    return track >= 0 && track <= kMaxNotes ? notes_[track] : QString();
}

QString SubmitInfoWindow::trackLine(int track) const
{
    const QListWidgetItem* item = lstList_->item(track - 1);
    return item ? item->text() : QString();
}

void SubmitInfoWindow::commitPendingEdit()
{
    if (!editPending_)
        return;
    editPending_ = false;
    if (QListWidgetItem* item = lstList_->item(currentTrack_ - 1))
        item->setText(strTrack_->text().left(kTitleLength));
}

void SubmitInfoWindow::showTrack(int track)
{
    currentTrack_ = track;
    lblTrack_->setText(texts_.trackLabel(track));
    lstList_->setCurrentRow(track - 1);
    strTrack_->setText(trackLine(track));
    strTrkNotes_->setPlainText(trackNotes(track));
}

void SubmitInfoWindow::stepTrack(int step)
{
    commitPendingEdit();
    if (trackCount_ < 1)
        return;
    int track = currentTrack_ + step;
    if (track > trackCount_)
        track = 1;
    else if (track < 1)
        track = trackCount_;
    showTrack(track);
}

void SubmitInfoWindow::showTrackList()
{
    commitPendingEdit();
    lstList_->setCurrentRow(currentTrack_ - 1);
    optTrk_->setChecked(true);
    trackViews_->setCurrentWidget(lstList_);
}

void SubmitInfoWindow::showTrackNotes()
{
    commitPendingEdit();
    lstList_->setCurrentRow(currentTrack_ - 1);
    optExt_->setChecked(true);
    strTrkNotes_->setPlainText(trackNotes(currentTrack_));
    trackViews_->setCurrentWidget(strTrkNotes_);
}

void SubmitInfoWindow::trackBoxEntered()
{
    setMarked(*lstList_, false);
    editPending_ = true;
    // A default line is cleared so the user types a fresh title.
    if (strTrack_->text().contains(texts_.untitledMarker, Qt::CaseSensitive))
        strTrack_->clear();
}

void SubmitInfoWindow::enterInTrackBox()
{
    if (trackViews_->currentWidget() == lstList_) {
        stepTrack(+1);
    } else {
        commitPendingEdit();
    }
}

bool SubmitInfoWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == strTrack_) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
            trackBoxEntered();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                enterInTrackBox();
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn) {
        QWidget* field = qobject_cast<QWidget*>(watched);
        if (cboGenre_->lineEdit() && watched == cboGenre_->lineEdit())
            field = cboGenre_;
        if (field)
            setMarked(*field, false);
    }
    return QDialog::eventFilter(watched, event);
}

void SubmitInfoWindow::setMarked(QWidget& field, bool marked)
{
    QPalette palette = field.palette();
    const QColor colour = marked ? QColor(Qt::yellow) : QColor(Qt::white);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    field.setPalette(palette);
}

bool SubmitInfoWindow::isMarked(const QWidget& field)
{
    return field.palette().color(QPalette::Base) == QColor(Qt::yellow);
}

void SubmitInfoWindow::showError(const QString& text, bool alert)
{
    QPalette palette = lblError_->palette();
    palette.setColor(
        QPalette::WindowText, alert ? QColor(Qt::red) : QDialog::palette().color(QPalette::WindowText));
    lblError_->setPalette(palette);
    QFont font = lblError_->font();
    font.setBold(alert);
    lblError_->setFont(font);
    lblError_->setText(text);
}

bool SubmitInfoWindow::checksPass()
{
    showError(QString(), true);
    bool failed = false;
    const auto check = [&](QWidget& field, bool fails) {
        if (fails) {
            setMarked(field, true);
            failed = true;
        }
    };
    const QString artist = strArtist_->text();
    const QString album = strAlbum_->text();
    check(*strArtist_, artist.trimmed().isEmpty() || artist.contains(kSeparator));
    check(*strAlbum_, album.trimmed().isEmpty() || album.contains(kSeparator));
    check(*cboCategory_, cboCategory_->currentText().isEmpty());
    check(*cboGenre_, cboGenre_->currentText().trimmed().isEmpty());
    const QString year = strYear_->text();
    if (!year.isEmpty()) {
        const double value = leadingNumber(year.toStdString()).value_or(0);
        check(*strYear_, value < kFirstYear || value > kLastYear);
    }

    bool twoSeparators = false;
    int firstBlank = 0;
    bool anyText = false;
    for (int track = 1; track <= trackCount_; ++track) {
        const QString line = trackLine(track);
        if (line.isEmpty()) {
            if (firstBlank == 0)
                firstBlank = track;
            continue;
        }
        anyText = true;
        const bool doubled = line.count(kSeparator) >= 2;
        if (doubled || line.contains(texts_.untitledMarker, Qt::CaseInsensitive)) {
            twoSeparators = doubled;
            check(*lstList_, true);
            showTrackList();
            showTrack(track);
            break;
        }
    }
    if (!anyText) {
        showTrack(1);
        check(*lstList_, true);
    }
    if (failed) {
        showError(twoSeparators ? texts_.separatorError : texts_.correctError, true);
        return false;
    }
    if (firstBlank != 0) {
        const auto answer = QMessageBox::question(this, texts_.blankTracksTitle, texts_.blankTracksQuestion,
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        if (answer != QMessageBox::Ok) {
            showTrack(firstBlank);
            strTrack_->setFocus();
            setMarked(*lstList_, true);
            showError(texts_.enterTracksError, true);
            return false;
        }
    }
    return true;
}

void SubmitInfoWindow::submitClicked()
{
    commitPendingEdit();
    if (!checksPass())
        return;
    XmcdDraft draft;
    draft.toc = request_.toc;
    draft.discId = request_.discId;
    draft.revision = request_.revision;
    draft.submittedVia = request_.submittedVia;
    draft.artist = strArtist_->text().toStdString();
    draft.album = strAlbum_->text().toStdString();
    draft.year = strYear_->text().toStdString();
    draft.genre = cboGenre_->currentText().toStdString();
    draft.notes = strNotes_->toPlainText().toStdString();
    for (int track = 1; track <= trackCount_; ++track) {
        draft.trackTitles.push_back(trackLine(track).toStdString());
        draft.trackNotes.push_back(trackNotes(track).toStdString());
    }
    result_ = SubmittedEntry { cboCategory_->currentText().toStdString(), writeXmcdEntry(draft) };
    accept();
}

void SubmitInfoWindow::importCdText()
{
    showError(QString(), true);
    std::optional<std::string> cdText;
    if (request_.readCdText) {
        // The drive may take seconds; the editor keeps repainting meanwhile. A drive command
        // cannot be broken off, so Cancel waits for the reader and drops what it read.
        WorkWindow window(this, texts_.language, workTexts(texts_.language).readingDisc);
        cdText = window.run(request_.readCdText);
        if (window.cancelled())
            return;
    }
    if (!cdText) {
        showError(texts_.cdTextUnreadable, true);
        return;
    }
    if (cdText->empty()) {
        showError(texts_.cdTextMissing, true);
        return;
    }
    const QStringList fields
        = splitLimited(QString::fromStdString(*cdText), QLatin1Char('|'), kMaxCdTextFields);
    const auto field = [&](int number) { return number <= fields.size() ? fields[number - 1] : QString(); };
    if (!field(1).isEmpty())
        strArtist_->setText(field(1));
    if (!field(2).isEmpty())
        strAlbum_->setText(field(2));
    if (!field(3).isEmpty())
        strYear_->setText(field(3));
    if (!field(4).isEmpty())
        cboGenre_->setEditText(field(4));
    if (!field(5).isEmpty())
        strNotes_->setPlainText(field(5));
    for (int number = kFirstTrackField + 1; number <= fields.size(); ++number) {
        if (field(number).isEmpty())
            continue;
        QListWidgetItem* line = lstList_->item(number - kFirstTrackField - 1);
        if (!line) {
            // More titles than tracks: what was filled stays.
            showError(texts_.cdTextMissing, true);
            return;
        }
        line->setText(field(number).left(kTitleLength));
    }
    for (QWidget* marked : std::initializer_list<QWidget*> {
             strArtist_, strAlbum_, cboCategory_, cboGenre_, strYear_, lstList_ })
        setMarked(*marked, false);
    editPending_ = false;
    showTrack(1);
    showError(texts_.cdTextImported, false);
}

} // namespace discovant::widgets
