#pragma once

#include <QLabel>

// A picture that tells its owner about mouse presses, releases and double clicks, and
// carries a small text tag describing what it shows.
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    Q_PROPERTY(QString tag READ tag WRITE setTag)
public:
    using QLabel::QLabel;

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString tag_;
};
