#include "shell/ui/overwindow.h"

#include "shell/aboutinfo.h"
#include "shell/session.h"
#include "shell/ui/builtinpictures.h"
#include "shell/ui/picturelabel.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

constexpr int pictureSide = 64;

} // namespace

OverWindow::OverWindow(const Session& session, QWidget* parent)
    : QDialog(parent)
    , lblVersie0_(new QLabel(this))
    , lblVersie1_(new QLabel(this))
    , lblCopy_(new QLabel(this))
    , imgVersie_(new PictureLabel(this))
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
    imgVersie_->setPixmap(BuiltinPictures::plainLogo(pictureSide));
    imgVersie_->setAccessibleName(session.message(1));

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblVersie1_);
    texts->addWidget(lblVersie0_);
    texts->addWidget(lblCopy_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 20, 28, 20);
    layout->setSpacing(20);
    layout->addWidget(imgVersie_, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(imgVersie_, &PictureLabel::pressed, this, [this] { accept(); });
}

void OverWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    accept();
}
