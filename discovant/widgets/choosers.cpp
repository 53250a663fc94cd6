#include "discovant/widgets/choosers.h"

#include "discovant/widgets/popupplacement.h"
#include "discovant/widgets/windowtexts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace discovant::widgets {

ListChooserWindow::ListChooserWindow(QWidget* parent)
    : QDialog(parent)
    , list_(new QListWidget(this))
    , select_(new QPushButton(this))
{
    setModal(true);
    list_->setObjectName(QStringLiteral("lstList"));
    select_->setObjectName(QStringLiteral("cmdSelect"));
    select_->setAutoDefault(false);
    select_->setDefault(true);
    connect(select_, &QPushButton::clicked, this, [this] { finishWith(list_->currentRow() + 1); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    resize(420, 260);
}

void ListChooserWindow::clear()
{
    list_->clear();
}

void ListChooserWindow::AddItem(const QString& line)
{
    list_->addItem(line);
}

int ListChooserWindow::runModal(const PopUpSettings& popUp)
{
    position_ = 1;
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    placePopUp(*this, popUp);
    exec();
    return position_;
}

void ListChooserWindow::finishWith(int position)
{
    position_ = position;
    accept();
}

FuzzyMatchWindow::FuzzyMatchWindow(QWidget* parent)
    : ListChooserWindow(parent)
    , submit_(new QPushButton(this))
{
    setObjectName(QStringLiteral("frmFuzzyMatch"));
    submit_->setObjectName(QStringLiteral("cmdSubmit"));
    submit_->setAutoDefault(false);
    connect(submit_, &QPushButton::clicked, this, [this] { finishWith(0); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(select_, 1);
    buttons->addWidget(submit_, 1);
    static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
}

int FuzzyMatchWindow::GetSelection(bool submitEnabled, const PopUpSettings& popUp)
{
    const ChooserTexts texts = chooserTexts(popUp.language);
    setWindowTitle(texts.fuzzyTitle);
    select_->setText(texts.fuzzySelect);
    submit_->setText(texts.fuzzySubmit);
    // Without submission the select button takes the whole width and submit cannot be reached.
    submit_->setVisible(submitEnabled);
    return runModal(popUp);
}

ServerSitesWindow::ServerSitesWindow(QWidget* parent)
    : ListChooserWindow(parent)
{
    setObjectName(QStringLiteral("frmServerSites"));
    layout()->addWidget(select_);
}

int ServerSitesWindow::GetSelection(const PopUpSettings& popUp)
{
    const ChooserTexts texts = chooserTexts(popUp.language);
    setWindowTitle(texts.sitesTitle);
    select_->setText(texts.sitesSelect);
    return runModal(popUp);
}

} // namespace discovant::widgets
