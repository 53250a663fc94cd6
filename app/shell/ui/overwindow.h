#pragma once

#include <QDialog>

class PictureLabel;
class QLabel;
class Session;

// `Over`, the modal about window: the product name (`lblVersie_1`), the year line
// (`lblVersie_0`), the version and build date (`lblCopy`) and the program's picture
// (`imgVersie`). A click on the window or the picture, or Escape, closes it; other keys do
// nothing.
class OverWindow : public QDialog {
    Q_OBJECT
public:
    explicit OverWindow(const Session& session, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* lblVersie0_;
    QLabel* lblVersie1_;
    QLabel* lblCopy_;
    PictureLabel* imgVersie_;
};
