#include "shell/ui/errorwindow.h"

#include "shell/startup.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace {
constexpr int widthTwips = 6520;
constexpr int expandedTwips = 3975;
constexpr int collapseMarginTwips = 1800;
const QString detailsClosed = QStringLiteral("Details >>");
const QString detailsOpen = QStringLiteral("Details <<");
} // namespace

ErrorWindow::ErrorWindow(const QString& report, const QString& caption, const QString& label,
                         QWidget* parent)
    : QDialog(parent)
    , lblError_(new QLabel(label, this))
    , txtError_(new QPlainTextEdit(report, this))
    , cmdDetails_(new QPushButton(detailsClosed, this))
    , cmdOK_(new QPushButton(QStringLiteral("OK"), this))
    , picImage_(new QLabel(this))
{
    setObjectName(QStringLiteral("Error"));
    lblError_->setObjectName(QStringLiteral("lblError"));
    txtError_->setObjectName(QStringLiteral("txtError"));
    cmdDetails_->setObjectName(QStringLiteral("cmdDetails"));
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    picImage_->setObjectName(QStringLiteral("picImage"));
    setWindowTitle(caption);

    const int width = widthTwips / twipsPerPixel;
    const int margin = 8;
    const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    picImage_->setPixmap(icon.pixmap(32, 32));
    picImage_->setAccessibleName(label);
    picImage_->setGeometry(margin, margin, 32, 32);
    lblError_->setGeometry(margin + 44, margin, width - 2 * margin - 44, 32);

    const QSize buttonSize = cmdDetails_->sizeHint().expandedTo(QSize(90, 24));
    cmdOK_->resize(buttonSize);
    cmdDetails_->resize(buttonSize);
    // The report starts where the collapsed window ends, so folding hides it completely.
    const int textTop = collapsedHeight();
    const int buttonTop = textTop - margin - buttonSize.height();
    cmdOK_->move(width - margin - buttonSize.width(), buttonTop);
    cmdDetails_->move(width - 2 * margin - 2 * buttonSize.width(), buttonTop);
    cmdOK_->setDefault(true);

    txtError_->setReadOnly(true);
    txtError_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtError_->setGeometry(margin, textTop, width - 2 * margin,
                           expandedTwips / twipsPerPixel - textTop - margin);

    setFixedSize(width, collapsedHeight());
    connect(cmdDetails_, &QPushButton::clicked, this, &ErrorWindow::toggleDetails);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
}

bool ErrorWindow::detailsShown() const
{
    return cmdDetails_->text() == detailsOpen;
}

int ErrorWindow::collapsedHeight() const
{
    return cmdDetails_->height() + collapseMarginTwips / twipsPerPixel;
}

void ErrorWindow::toggleDetails()
{
    if (detailsShown()) {
        cmdDetails_->setText(detailsClosed);
        setFixedSize(width(), collapsedHeight());
    } else {
        cmdDetails_->setText(detailsOpen);
        setFixedSize(width(), expandedTwips / twipsPerPixel);
    }
}
