#pragma once

#include <QRect>
#include <QWidget>

class QLabel;
class Session;
class UserPrompts;

// `Vergroting`, the cover of an album at its natural size in a frameless window over the main
// window's cover, shown while the user holds the right mouse button on it. Not modal: the
// main window shows it on the press and closes it on the release.
//
// Control: `imgVergroting`. The window opens with its top-left corner at the small cover's
// top-left (slightly to the right) and always fits on the screen: a cover larger than the
// screen is shrunk to fit. An album without cover, or a cover file that is no readable
// picture, shows the built-in picture at the size of the small cover; nothing is reported
// (the main window reports a bad cover when it shows the album). The window deletes itself
// when closed, and closes itself when the right button is released over it.
class Vergroting : public QWidget {
    Q_OBJECT
public:
    // `coverOnScreen`: the main window's cover picture in global coordinates
    // (imgCover->rect() mapped with mapToGlobal).
    Vergroting(Session& session, UserPrompts& prompts, qint64 titleId,
               const QRect& coverOnScreen, QWidget* parent = nullptr);

    // Whether the album's own cover is shown (false: the built-in picture).
    bool showsCover() const { return showsCover_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool showsCover_ = false;
    QLabel* imgVergroting_;
};
