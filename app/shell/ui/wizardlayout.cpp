#include "shell/ui/wizardlayout.h"

#include <QLabel>
#include <QLayout>

QLabel* newHeadingLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    QFont heading = label->font();
    heading.setBold(true);
    label->setFont(heading);
    return label;
}

QLabel* newExplanationLabel(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    return label;
}

void growToLayoutHeight(QWidget* window)
{
    QLayout* layout = window->layout();
    layout->activate();
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(window->width())
                                                   : layout->totalMinimumSize().height();
    window->setMinimumHeight(needed);
    if (window->height() < needed)
        window->resize(window->width(), needed);
}
