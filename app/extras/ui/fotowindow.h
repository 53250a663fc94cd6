#pragma once

#include <QDialog>
#include <QString>

class PictureLabel;
class QFrame;
class QPushButton;
class Session;
class UserPrompts;

// `Foto`, the modal photo window of one artist: shows `FotoDir` + artist id + ".jpg" and lets
// the user replace it with another picture.
//
// Controls: `imgFoto` the photo (tool-tip: the artist's name), `cmdFoto` choose another photo,
// `shpRand` the border around everything. Escape or a left click on the photo closes the
// window; a right click on the photo shows the artist id as its tool-tip. An artist without
// photo, or a photo file that is no readable picture, is reported through the error window
// and the built-in picture is shown. A picture larger than the screen is shown shrunk to fit.
class FotoWindow : public QDialog {
    Q_OBJECT
public:
    FotoWindow(Session& session, UserPrompts& prompts, qint64 artistId,
               const QString& artistName, QWidget* parent = nullptr);

    // Whether the artist's own photo is shown (false: the built-in picture).
    bool showsPhoto() const { return showsPhoto_; }

    // The photo choice of `cmdFoto`: asks for a file, refuses the stored photo itself
    // ("Same file."), copies the choice over the stored photo and shows it.
    void choosePhoto();

private:
    // Shows the stored photo; reports and shows the built-in picture when it cannot.
    void showStoredPhoto(const QString& source);
    void fitWindow();

    Session& session_;
    UserPrompts& prompts_;
    qint64 artistId_;
    bool showsPhoto_ = false;

    QFrame* shpRand_;
    PictureLabel* imgFoto_;
    QPushButton* cmdFoto_;
};
