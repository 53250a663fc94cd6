#include "shell/ui/overwindow.h"

#include "shell/aboutinfo.h"
#include "shell/session.h"
#include "shell/ui/builtinpictures.h"
#include "shell/ui/picturelabel.h"
#include "shell/ui/userprompts.h"

#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

constexpr int pictureSide = 64;

} // namespace

OverWindow::OverWindow(const Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , lblVersie0_(new QLabel(this))
    , lblVersie1_(new QLabel(this))
    , lblCopy_(new QLabel(this))
    , imgVersie_(new PictureLabel(this))
    , fraEmail_(new QFrame(this))
    , lblEmail_(new PictureLabel(fraEmail_))
{
    setObjectName(QStringLiteral("Over"));
    setModal(true);
    setWindowTitle(session.message(26));

    lblVersie0_->setObjectName(QStringLiteral("lblVersie_0"));
    lblVersie0_->setText(yearLine(QDate::currentDate()));
    lblVersie1_->setObjectName(QStringLiteral("lblVersie_1"));
    lblVersie1_->setText(session.message(1));
    QFont name = lblVersie1_->font();
    name.setBold(true);
    name.setPointSizeF(name.pointSizeF() * 1.6);
    lblVersie1_->setFont(name);
    lblCopy_->setObjectName(QStringLiteral("lblCopy"));
    lblCopy_->setText(buildIdentification(QStringLiteral(MELOTHEEK_VERSION), programFileDate()));
    lblCopy_->setTextInteractionFlags(Qt::NoTextInteraction);
    imgVersie_->setObjectName(QStringLiteral("imgVersie"));
    imgVersie_->setPixmap(BuiltinPictures::plainLogo(pictureSide, imgVersie_->devicePixelRatioF()));
    imgVersie_->setAccessibleName(session.message(1));

    const QString address = QStringLiteral(MELOTHEEK_CONTACT_EMAIL);
    fraEmail_->setObjectName(QStringLiteral("fraEmail"));
    fraEmail_->setMouseTracking(true);
    fraEmail_->installEventFilter(this);
    lblEmail_->setObjectName(QStringLiteral("lblEmail"));
    lblEmail_->setText(address);
    lblEmail_->setCursor(Qt::PointingHandCursor);
    lblEmail_->setToolTip(address);
    lblEmail_->installEventFilter(this);
    auto* mail = new QVBoxLayout(fraEmail_);
    mail->setContentsMargins(0, 4, 0, 4);
    mail->addWidget(lblEmail_, 0, Qt::AlignLeft);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblVersie1_);
    texts->addWidget(lblVersie0_);
    texts->addWidget(lblCopy_);
    texts->addWidget(fraEmail_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 20, 28, 20);
    layout->setSpacing(20);
    layout->addWidget(imgVersie_, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(imgVersie_, &PictureLabel::pressed, this, [this] { accept(); });
    connect(
        lblEmail_, &PictureLabel::pressed, this, [this, &session, &prompts, address](Qt::MouseButton button) {
            if (button != Qt::LeftButton)
                return;
            const QUrl link = mailLink(address, lblCopy_->text());
            if (!prompts.openUrl(link))
                prompts.messageBox(this, tr("No mail program could be started for %1.").arg(address),
                    MsgBox::okOnly, session.message(52));
        });
}

bool OverWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Pure blue while the mouse is over the address; the frame around it restores the colour.
    if (watched == lblEmail_ && event->type() == QEvent::Enter)
        lblEmail_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    else if (watched == fraEmail_ && (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave))
        lblEmail_->setStyleSheet(QString());
    return QDialog::eventFilter(watched, event);
}

void OverWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    // A press on the mail link reaches the window too; it writes a mail and leaves it open.
    if (childAt(event->position().toPoint()) == lblEmail_)
        return;
    accept();
}
