#include "extras/ui/infowindow.h"

#include "db/catalogue.h"
#include "shell/errorreport.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("Info");
const QColor readOnlyGround(255, 255, 192);
const QColor editGround(255, 255, 255);
// 5205 x 3960 twips: below this the text and buttons no longer fit.
const QSize smallestSize(347, 264);

} // namespace

InfoWindow::InfoWindow(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , txtInfo_(new QPlainTextEdit(this))
    , cmdWijzigen_(new QPushButton(this))
    , cmdOpslaan_(new QPushButton(this))
    , cmdSluiten_(new QPushButton(this))
    , cmdFont_(new QPushButton(this))
{
    setObjectName(QStringLiteral("Info"));
    addHelpKey(this, session_, prompts_, QStringLiteral("biography"));
    setModal(false);
    setMinimumSize(smallestSize);

    txtInfo_->setObjectName(QStringLiteral("txtInfo"));
    cmdWijzigen_->setObjectName(QStringLiteral("cmdWijzigen"));
    cmdOpslaan_->setObjectName(QStringLiteral("cmdOpslaan"));
    cmdSluiten_->setObjectName(QStringLiteral("cmdSluiten"));
    cmdFont_->setObjectName(QStringLiteral("cmdFont"));
    showCaptions();
    for (QPushButton* b : {cmdWijzigen_, cmdOpslaan_, cmdSluiten_, cmdFont_})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdWijzigen_);
    buttons->addWidget(cmdOpslaan_);
    buttons->addStretch();
    buttons->addWidget(cmdFont_);
    buttons->addWidget(cmdSluiten_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtInfo_, 1);
    layout->addLayout(buttons);
    // Font stands before Close but is made after it; Tab goes left to right.
    setTabOrder(cmdOpslaan_, cmdFont_);
    resize(460, 360);

    QFont font = txtInfo_->font();
    font.setPointSize(fontSize_);
    txtInfo_->setFont(font);
    txtInfo_->setProperty("tag", QString::number(fontSize_));
    setEditing(false);
    cmdWijzigen_->setEnabled(false); // nothing loaded yet

    connect(cmdWijzigen_, &QPushButton::clicked, this, &InfoWindow::startEditing);
    connect(cmdOpslaan_, &QPushButton::clicked, this, [this] { save(); });
    connect(cmdSluiten_, &QPushButton::clicked, this, &InfoWindow::close);
    connect(cmdFont_, &QPushButton::clicked, this, &InfoWindow::cycleFont);
}

void InfoWindow::setArtist(qint64 artistId, const QString& artistName)
{
    wantedId_ = artistId;
    wantedName_ = artistName;
    failedId_ = 0;
    if (isVisible() && isActiveWindow())
        reloadIfOtherArtist();
}

void InfoWindow::showCaptions()
{
    txtInfo_->setAccessibleName(session_.message(27));
    cmdOpslaan_->setText(session_.message(11));
    cmdWijzigen_->setText(session_.message(15));
    cmdSluiten_->setText(session_.message(12));
    cmdFont_->setText(tr("Font"));
}

bool InfoWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        reloadIfOtherArtist();
    // The window stays open beside the main window, so it follows a language switch there.
    if (event->type() == QEvent::LanguageChange)
        showCaptions();
    return QDialog::event(event);
}

void InfoWindow::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centreOverParent();
        centred_ = true;
    }
    reloadIfOtherArtist();
    QDialog::showEvent(event);
}

void InfoWindow::centreOverParent()
{
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main)
        return;
    const QRect area = main->frameGeometry();
    move(area.left() + (area.width() - frameGeometry().width()) / 2,
         area.top() + (area.height() - frameGeometry().height()) / 2);
}

void InfoWindow::reloadIfOtherArtist()
{
    // A biography being edited stays until it is saved; the other artist follows then.
    if (editing_ || wantedId_ <= 0 || wantedId_ == failedId_)
        return;
    if (!loaded_ || loadedId_ != wantedId_)
        load();
    setWindowTitle(wantedName_);
}

void InfoWindow::load()
{
    const DbResult<Recordset> result = Catalogue(session_.settings.database)
        .OpenRecordset(QStringLiteral("select Info from Artiest where Id = ?"), {wantedId_});
    setWindowTitle(wantedName_);
    if (!result) {
        // Nothing may be edited that could not be read: saving would overwrite the stored
        // biography with text the user never saw.
        txtInfo_->clear();
        loaded_ = false;
        loadedId_ = 0;
        failedId_ = wantedId_;
        cmdWijzigen_->setEnabled(false);
        ShowError(this, session_, prompts_,
                  {result.error().code, result.error().text, source + QStringLiteral(".Form_Load")});
        return;
    }
    const Recordset& rows = result.value();
    const QVariant info = rows.rows.isEmpty() ? QVariant() : rows.rows.first().value(0);
    txtInfo_->setPlainText(info.isValid() ? info.toString() : QString());
    loaded_ = true;
    loadedId_ = wantedId_;
    cmdWijzigen_->setEnabled(true);
}

void InfoWindow::setEditing(bool editing)
{
    editing_ = editing;
    txtInfo_->setReadOnly(!editing);
    QPalette palette = txtInfo_->palette();
    palette.setColor(QPalette::Base, editing ? editGround : readOnlyGround);
    palette.setColor(QPalette::Text, Qt::black);
    txtInfo_->setPalette(palette);
    cmdOpslaan_->setEnabled(editing);
    cmdWijzigen_->setEnabled(!editing);
    cmdSluiten_->setEnabled(!editing);
}

void InfoWindow::startEditing()
{
    if (!loaded_)
        return;
    setEditing(true);
    txtInfo_->setFocus();
}

bool InfoWindow::save()
{
    if (!editing_)
        return true;
    const DbResult<bool> stored = Catalogue(session_.settings.database)
        .updateRow(QStringLiteral("Artiest"), loadedId_, {{QStringLiteral("Info"), txtInfo_->toPlainText()}});
    const QString where = source + QStringLiteral(".cmdOpslaan_Click");
    if (!stored) {
        // The text stays in the window, still editable, so nothing typed is lost.
        ShowError(this, session_, prompts_, {stored.error().code, stored.error().text, where});
        return false;
    }
    if (!stored.value()) {
        ShowError(this, session_, prompts_,
                  {ErrorNumbers::fileAccess,
                   QStringLiteral("The artist %1 no longer exists in the catalogue").arg(loadedId_), where});
        return false;
    }
    setEditing(false);
    reloadIfOtherArtist();
    return true;
}

void InfoWindow::cycleFont()
{
    const QString tag = txtInfo_->property("tag").toString();
    int next = 0;
    if (tag == QLatin1String("8"))
        next = 10;
    else if (tag == QLatin1String("10"))
        next = 12;
    else if (tag == QLatin1String("12"))
        next = 8;
    if (next == 0)
        return;
    fontSize_ = next;
    QFont font = txtInfo_->font();
    font.setPointSize(next);
    txtInfo_->setFont(font);
    txtInfo_->setProperty("tag", QString::number(next));
}

bool InfoWindow::mayClose()
{
    if (!editing_)
        return true;
    const int answer = prompts_.messageBox(this, session_.message(60), MsgBox::yesNoQuestion,
                                           session_.message(52));
    if (answer == MsgBox::yes)
        return save();
    // Not saved: the stored text is shown again the next time the window opens.
    setEditing(false);
    loaded_ = false;
    return true;
}

void InfoWindow::closeEvent(QCloseEvent* event)
{
    if (mayClose())
        event->accept();
    else
        event->ignore();
}

void InfoWindow::reject()
{
    if (mayClose())
        QDialog::reject();
}
