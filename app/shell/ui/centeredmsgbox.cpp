#include "shell/ui/centeredmsgbox.h"

#include "shell/ui/userprompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace {

// A message box that moves itself into place once its final size is known.
class PlacedMessageBox : public QMessageBox {
public:
    PlacedMessageBox(QWidget* owner, BoxMode mode, QPoint position)
        : QMessageBox(owner)
        , owner_(owner)
        , mode_(mode)
        , position_(position)
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        const QSize box = frameGeometry().size();
        if (mode_ == BoxMode::CentreOnOwner && owner_)
            move(centredBoxPosition(owner_->window()->frameGeometry(), box));
        else if (mode_ == BoxMode::AtPosition && screen())
            move(requestedBoxPosition(position_, screen()->size(), box));
    }

private:
    QWidget* owner_;
    BoxMode mode_;
    QPoint position_;
};

QMessageBox::Icon iconFor(int buttons)
{
    switch (buttons & 0xF0) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int CenteredMsgBox(QWidget* owner, const QString& prompt, int buttons, const QString& title,
                   BoxMode mode, QPoint position)
{
    if (!owner)
        owner = QApplication::activeWindow();
    PlacedMessageBox box(owner, mode, position);
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setIcon(iconFor(buttons));

    // Button set in the low four bits, default button in bits 8 and 9.
    QList<QMessageBox::StandardButton> order;
    switch (buttons & 0xF) {
    case 1: order = {QMessageBox::Ok, QMessageBox::Cancel}; break;
    case 3: order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}; break;
    case 4: order = {QMessageBox::Yes, QMessageBox::No}; break;
    case 5: order = {QMessageBox::Retry, QMessageBox::Cancel}; break;
    default: order = {QMessageBox::Ok}; break;
    }
    for (auto b : order)
        box.addButton(b);
    const int defaultIndex = (buttons >> 8) & 0x3;
    if (defaultIndex < order.size())
        box.setDefaultButton(order.at(defaultIndex));

    switch (box.exec()) {
    case QMessageBox::Yes: return MsgBox::yes;
    case QMessageBox::No: return MsgBox::no;
    case QMessageBox::Cancel: return MsgBox::cancel;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ok: return MsgBox::ok;
    default: // closed without a button: the box's way out
        return order.contains(QMessageBox::Cancel) ? MsgBox::cancel
            : order.contains(QMessageBox::No)      ? MsgBox::no
                                                   : MsgBox::ok;
    }
}
