#pragma once

#include <QDialog>

class PictureLabel;
class QFrame;
class QLabel;
class Session;
class UserPrompts;

// `Over`, the modal about window: the product name (`lblVersie_1`), the year line
// (`lblVersie_0`), the version and build date (`lblCopy`) and the program's picture
// (`imgVersie`), and the mail link `lblEmail` in its frame `fraEmail`: pure blue under the
// mouse, a click writes a mail to the program's contact address naming the build. A click
// elsewhere on the window or the picture, or Escape, closes it; other keys do nothing.
class OverWindow : public QDialog {
    Q_OBJECT
public:
    OverWindow(const Session& session, UserPrompts& prompts, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* lblVersie0_;
    QLabel* lblVersie1_;
    QLabel* lblCopy_;
    PictureLabel* imgVersie_;
    QFrame* fraEmail_;
    PictureLabel* lblEmail_;
};
