#include "extras/ui/musicbrainzchoosers.h"

#include "extras/musicbrainzdiscography.h"
#include "shell/session.h"
#include "shell/ui/helptopic.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QVBoxLayout>
#include <algorithm>

namespace mb = discovant::musicbrainz;

namespace {

const QString helpAnchor = QStringLiteral("musicbrainzdiscography");

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

ArtistChooser::ArtistChooser(
    Session& session, UserPrompts& prompts, const std::vector<mb::Artist>& artists, QWidget* parent)
    : QDialog(parent)
    , lvArtiesten_(named(new QListView(this), "lvArtiesten"))
    , model_(new QStringListModel(this))
{
    setObjectName(QStringLiteral("ArtiestKeuze"));
    setWindowTitle(tr("Which artist?"));
    addHelpKey(this, session, prompts, helpAnchor);
    QStringList lines;
    for (const mb::Artist& artist : artists) {
        QString line = QString::fromStdString(artist.name);
        if (!artist.disambiguation.empty())
            line += QStringLiteral(" (%1)").arg(QString::fromStdString(artist.disambiguation));
        lines << line;
    }
    model_->setStringList(lines);
    lvArtiesten_->setModel(model_);
    lvArtiesten_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvArtiesten_->setCurrentIndex(model_->index(0));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lvArtiesten_, &QListView::doubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvArtiesten_);
    layout->addWidget(buttons);
}

int ArtistChooser::chosen() const
{
    const QModelIndex current = lvArtiesten_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

ReleaseGroupChooser::ReleaseGroupChooser(
    Session& session, UserPrompts& prompts, std::vector<mb::ReleaseGroup> groups, QWidget* parent)
    : QDialog(parent)
    , groups_(std::move(groups))
    , lvAlbums_(named(new QListView(this), "lvAlbums"))
    , model_(new QStandardItemModel(this))
    , chkEP_(named(new QCheckBox(tr("EPs"), this), "chkEP"))
    , chkSingle_(named(new QCheckBox(tr("Singles"), this), "chkSingle"))
    , chkCompilatie_(named(new QCheckBox(tr("Compilations"), this), "chkCompilatie"))
{
    setObjectName(QStringLiteral("DiscografieKeuze"));
    setWindowTitle(tr("Albums on MusicBrainz"));
    addHelpKey(this, session, prompts, helpAnchor);
    // Oldest first, as a discography reads; groups without a year at the end.
    std::stable_sort(
        groups_.begin(), groups_.end(), [](const mb::ReleaseGroup& a, const mb::ReleaseGroup& b) {
            return std::pair(a.year.empty(), a.year) < std::pair(b.year.empty(), b.year);
        });
    const QString kinds[] = { QString(), tr("EP"), tr("Single"), tr("Compilation"), QString() };
    for (const mb::ReleaseGroup& group : groups_) {
        QString text
            = QString::fromStdString(group.year).leftJustified(6) + QString::fromStdString(group.title);
        const QString& kind = kinds[static_cast<int>(releaseKind(group))];
        if (!kind.isEmpty())
            text += QStringLiteral(" (%1)").arg(kind);
        auto* item = new QStandardItem(text);
        item->setCheckable(true);
        item->setEditable(false);
        model_->appendRow(item);
    }
    lvAlbums_->setModel(model_);

    auto* add = named(new QPushButton(session.message(13), this), "cmdToevoegen");
    auto* cancel = named(new QPushButton(session.message(37), this), "cmdAnnuleren");
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QCheckBox* box : { chkEP_, chkSingle_, chkCompilatie_ })
        connect(box, &QCheckBox::toggled, this, &ReleaseGroupChooser::filter);

    auto* kindsRow = new QHBoxLayout;
    kindsRow->addWidget(chkEP_);
    kindsRow->addWidget(chkSingle_);
    kindsRow->addWidget(chkCompilatie_);
    kindsRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kindsRow);
    layout->addWidget(lvAlbums_, 1);
    layout->addLayout(buttons);
    resize(480, 420);
    filter();
}

void ReleaseGroupChooser::filter()
{
    for (std::size_t row = 0; row < groups_.size(); ++row) {
        bool shown = false;
        switch (releaseKind(groups_[row])) {
        case ReleaseKind::Album:
            shown = true;
            break;
        case ReleaseKind::EP:
            shown = chkEP_->isChecked();
            break;
        case ReleaseKind::Single:
            shown = chkSingle_->isChecked();
            break;
        case ReleaseKind::Compilation:
            shown = chkCompilatie_->isChecked();
            break;
        case ReleaseKind::Other:
            break;
        }
        lvAlbums_->setRowHidden(static_cast<int>(row), !shown);
    }
}

std::vector<mb::ReleaseGroup> ReleaseGroupChooser::ticked() const
{
    std::vector<mb::ReleaseGroup> chosen;
    for (std::size_t row = 0; row < groups_.size(); ++row) {
        const int r = static_cast<int>(row);
        if (!lvAlbums_->isRowHidden(r) && model_->item(r)->checkState() == Qt::Checked)
            chosen.push_back(groups_[row]);
    }
    return chosen;
}
