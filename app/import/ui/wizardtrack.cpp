#include "import/ui/wizardtrack.h"

#include "import/recordsetmodel.h"
#include "shell/session.h"
#include "shell/startup.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>

namespace {

const QString source = QStringLiteral("WizardTrack");

// Layout in pixels; after a search the width follows the grid.
constexpr int startWidth = 360;
constexpr int windowHeight = 320;
constexpr int margin = 12;
constexpr int buttonWidth = 88;
constexpr int buttonHeight = 26;
constexpr int buttonTop = windowHeight - margin - buttonHeight;
// Room beside the grid's columns: inside the grid (frame, scroll bar) and in the window.
constexpr int gridExtra = 700 / twipsPerPixel;
constexpr int windowExtra = 1200 / twipsPerPixel;
// The step button's left edge, measured from the window's right edge.
constexpr int stepButtonFromRight = 1440 / twipsPerPixel;

} // namespace

WizardTrack::WizardTrack(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("WizardTrack"));
    addHelpKey(this, session_, prompts_, QStringLiteral("search"));
    setModal(true);
    buildWidgets();
    setWindowTitle(session_.message(22) + QLatin1Char(' ') + session_.message(33));
    lblZoekterm_->setText(session_.message(53));
    cmdAnnuleren_->setText(session_.message(37));
    setFixedSize(startWidth, windowHeight);
    txtCriterium_->setFocus();
}

void WizardTrack::buildWidgets()
{
    fraImport_ = new QFrame(this);
    fraImport_->setObjectName(QStringLiteral("fraImport"));
    fraImport_->setFrameShape(QFrame::StyledPanel);
    fraImport_->setGeometry(margin, margin, startWidth - 2 * margin, 132);

    const int inner = fraImport_->width() - 2 * margin;
    option1_[0] = new QRadioButton(QStringLiteral("Album"), fraImport_);
    option1_[1] = new QRadioButton(QStringLiteral("Track"), fraImport_);
    for (int i = 0; i < 2; ++i) {
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option1_[i]->setGeometry(margin + i * (inner / 2), 10, inner / 2, 24);
    }
    option1_[1]->setChecked(true);

    lblZoekterm_ = new QLabel(fraImport_);
    lblZoekterm_->setObjectName(QStringLiteral("lblZoekterm"));
    lblZoekterm_->setGeometry(margin, 44, inner, 22);
    txtCriterium_ = new QLineEdit(fraImport_);
    txtCriterium_->setObjectName(QStringLiteral("txtCriterium"));
    txtCriterium_->setGeometry(margin, 72, inner, 26);
    lblZoekterm_->setBuddy(txtCriterium_);

    model_ = new RecordsetModel(this);
    fgTracks_ = new QTableView(this);
    fgTracks_->setObjectName(QStringLiteral("fgTracks"));
    fgTracks_->setModel(model_);
    fgTracks_->verticalHeader()->hide();
    fgTracks_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fgTracks_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fgTracks_->setGeometry(margin, margin, startWidth - 2 * margin, buttonTop - 2 * margin);
    fgTracks_->hide();

    // Enter anywhere in the window runs the step button, as it is the default button.
    cmdOK_ = new QPushButton(QStringLiteral("&Start >>"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdAnnuleren_ = new QPushButton(this);
    cmdAnnuleren_->setObjectName(QStringLiteral("cmdAnnuleren"));
    cmdAnnuleren_->setAutoDefault(false);
    cmdOK_->setGeometry(startWidth - stepButtonFromRight, buttonTop, buttonWidth, buttonHeight);
    cmdAnnuleren_->setGeometry(
        startWidth - stepButtonFromRight - buttonWidth - 8, buttonTop, buttonWidth, buttonHeight);

    connect(cmdOK_, &QPushButton::clicked, this, &WizardTrack::step);
    connect(cmdAnnuleren_, &QPushButton::clicked, this, &WizardTrack::reject);
}

void WizardTrack::step()
{
    if (showsResults_) {
        accept();
        return;
    }
    const QString term = searchTerm(txtCriterium_->text());
    if (term.isEmpty())
        return;
    const SearchKind kind = option1_[1]->isChecked() ? SearchKind::Tracks : SearchKind::Albums;
    DbResult<Recordset> hits = searchCatalogue(
        Catalogue(session_.settings.database), kind, term, [this](int k) { return session_.message(k); });
    if (!hits) {
        ShowError(this, session_, prompts_,
            { hits.error().code, hits.error().text, source + QStringLiteral(".cmdOK_Click") });
        txtCriterium_->setFocus();
        return;
    }
    if (hits.value().rows.isEmpty()) {
        setWindowTitle(resultCaption(kind, 0));
        txtCriterium_->setFocus();
        return;
    }
    showResults(kind, std::move(hits).value());
}

void WizardTrack::showResults(SearchKind kind, Recordset hits)
{
    const qsizetype count = hits.rows.size();
    model_->setRecordset(std::move(hits));
    fgTracks_->show();
    fraImport_->hide();
    cmdOK_->setText(session_.message(12));
    showsResults_ = true;
    setWindowTitle(resultCaption(kind, count));
    sizeToGrid();
    fgTracks_->setFocus();
}

void WizardTrack::sizeToGrid()
{
    fgTracks_->resizeColumnsToContents();
    int columns = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        columns += fgTracks_->columnWidth(c);

    // Very long names would make the window wider than the screen: there the grid scrolls.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() : columns + windowExtra;
    const int width = qMin(columns + windowExtra, room);
    const int gridWidth = qMin(columns + gridExtra, width - 2 * margin);

    setFixedSize(width, windowHeight);
    fgTracks_->resize(gridWidth, fgTracks_->height());
    cmdOK_->move(width - stepButtonFromRight, buttonTop);
    cmdAnnuleren_->move(width - stepButtonFromRight - buttonWidth - 8, buttonTop);
    if (const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect over = owner->frameGeometry();
        move(over.left() + (over.width() - frameGeometry().width()) / 2, y());
    }
}
