#include "extras/ui/fotowindow.h"

#include "extras/picturefiles.h"
#include "shell/errorreport.h"
#include "shell/session.h"
#include "shell/startfolder.h"
#include "shell/ui/builtinpictures.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/picturelabel.h"
#include "shell/ui/showerror.h"
#include "shell/ui/userprompts.h"

#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString source = QStringLiteral("Foto");
const QSize noPhotoSize(240, 240);

// The room a photo may take: most of the screen, leaving space for the frame and button.
QSize photoBounds(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    return { qMax(available.width() - 80, 64), qMax(available.height() - 140, 64) };
}

} // namespace

FotoWindow::FotoWindow(
    Session& session, UserPrompts& prompts, qint64 artistId, const QString& artistName, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
    , artistId_(artistId)
    , shpRand_(new QFrame(this))
    , imgFoto_(new PictureLabel(shpRand_))
    , cmdFoto_(new QPushButton(shpRand_))
{
    setObjectName(QStringLiteral("Foto"));
    addHelpKey(this, session_, prompts_, QStringLiteral("photo"));
    setWindowTitle(session_.message(1));
    setModal(true);

    shpRand_->setObjectName(QStringLiteral("shpRand"));
    shpRand_->setFrameShape(QFrame::Box);
    imgFoto_->setObjectName(QStringLiteral("imgFoto"));
    imgFoto_->setAlignment(Qt::AlignCenter);
    imgFoto_->setAccessibleName(session_.message(9));
    imgFoto_->setToolTip(artistName);
    cmdFoto_->setObjectName(QStringLiteral("cmdFoto"));
    cmdFoto_->setText(session_.message(9));
    cmdFoto_->setAutoDefault(false);

    auto* inner = new QVBoxLayout(shpRand_);
    inner->setContentsMargins(8, 8, 8, 8);
    inner->addWidget(imgFoto_, 1);
    inner->addWidget(cmdFoto_, 0, Qt::AlignHCenter);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(shpRand_);

    connect(cmdFoto_, &QPushButton::clicked, this, &FotoWindow::choosePhoto);
    connect(imgFoto_, &PictureLabel::pressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            accept();
        else if (button == Qt::RightButton)
            imgFoto_->setToolTip(QString::number(artistId_));
    });

    showStoredPhoto(photoPath(session_.settings.fotoDir, artistId_));
}

void FotoWindow::showStoredPhoto(const QString& path)
{
    const LoadedPicture picture = loadPicture(path, photoBounds(this));
    showsPhoto_ = !picture.image.isNull();
    if (showsPhoto_) {
        imgFoto_->setPixmap(QPixmap::fromImage(picture.image));
    } else {
        imgFoto_->setPixmap(BuiltinPictures::noCover(noPhotoSize, imgFoto_->devicePixelRatioF()));
        // Before the window shows, the report belongs over the window that opened it.
        ShowError(isVisible() ? this : parentWidget(), session_, prompts_,
            { QFileInfo::exists(path) ? ErrorNumbers::fileAccess : ErrorNumbers::fileNotFound, picture.error,
                source + QStringLiteral(".Form_Load") });
    }
    fitWindow();
}

void FotoWindow::fitWindow()
{
    adjustSize();
    resize(sizeHint());
}

void FotoWindow::choosePhoto()
{
    const QString folder = session_.settings.fotoDir;
    // Photos come from the user's pictures; the photo folder holds the program's copies.
    const QString chosen
        = prompts_.openFileName(this, session_.message(9), startFolder({}, QStandardPaths::PicturesLocation),
            QStringLiteral("JPEG (*.jpg *.jpeg *.JPG *.JPEG)"));
    if (chosen.isEmpty())
        return;
    const QString target = photoPath(folder, artistId_);
    if (isSameFile(chosen, target)) {
        prompts_.messageBox(this, session_.message(64), MsgBox::okOnly, session_.message(52));
        return;
    }
    const QString where = source + QStringLiteral(".cmdFoto_Click");
    // The stored photo is replaced only by something that can be shown.
    const LoadedPicture check = loadPicture(chosen, photoBounds(this));
    if (check.image.isNull()) {
        ShowError(this, session_, prompts_, { ErrorNumbers::fileAccess, check.error, where });
        return;
    }
    QString error;
    if (!copyPictureFile(chosen, target, &error)) {
        ShowError(this, session_, prompts_, { ErrorNumbers::fileAccess, error, where });
        return;
    }
    imgFoto_->setPixmap(QPixmap::fromImage(check.image));
    showsPhoto_ = true;
    imgFoto_->setToolTip(QString::number(artistId_));
    fitWindow();
}
