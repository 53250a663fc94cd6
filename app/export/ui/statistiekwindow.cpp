#include "export/ui/statistiekwindow.h"

#include "shell/errorreport.h"
#include "shell/session.h"
#include "shell/startup.h"
#include "shell/ui/builtinpictures.h"
#include "shell/ui/helptopic.h"
#include "shell/ui/showerror.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

const QString source = QStringLiteral("Statistiek");

// Layout in pixels. The window keeps one height; only its width changes with the chart.
constexpr int windowHeight = 216;
constexpr int margin = 12;
constexpr int logoSide = 48;
constexpr int textLeft = margin + logoSide + 12;
constexpr int lineHeight = 20;
constexpr int buttonTop = 180;
constexpr int chartLeft = 4800 / twipsPerPixel;
constexpr int chartRow = 16;
constexpr int barHeight = 10;
constexpr int barLeftTwips = 120;
// Room between a bar's end and its label, and around the chart inside the window.
constexpr int labelGapTwips = 360;
constexpr int chartFrameExtraTwips = 600;
constexpr int chartWindowExtraTwips = 5500;

int pixels(int twips)
{
    return qRound(static_cast<double>(twips) / twipsPerPixel);
}

} // namespace

StatistiekWindow::StatistiekWindow(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent)
    , session_(session)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("Statistiek"));
    addHelpKey(this, session_, prompts_, QStringLiteral("statistics"));
    setModal(true);
    buildWidgets();
    setWidthTwips(closedWidthTwips);
    load();
}

void StatistiekWindow::buildWidgets()
{
    const int closedWidth = pixels(closedWidthTwips);

    imgLogo_ = new QLabel(this);
    imgLogo_->setObjectName(QStringLiteral("imgLogo"));
    imgLogo_->setGeometry(margin, margin, logoSide, logoSide);
    imgLogo_->setPixmap(BuiltinPictures::plainLogo(logoSide, imgLogo_->devicePixelRatioF()));
    imgLogo_->setAccessibleName(QStringLiteral("Melotheek"));

    for (int i = 0; i < kStatisticsCountCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblStat_%1").arg(i));
        label->setGeometry(textLeft, margin + i * lineHeight, closedWidth - textLeft - margin, lineHeight);
        lblStat_[i] = label;
    }
    lblGrootte_ = new QLabel(this);
    lblGrootte_->setObjectName(QStringLiteral("lblGrootte"));
    lblGrootte_->setGeometry(textLeft, margin + kStatisticsCountCount * lineHeight + 6,
        closedWidth - textLeft - margin, lineHeight);

    cmdMeer_ = new QPushButton(QStringLiteral(">"), this);
    cmdMeer_->setObjectName(QStringLiteral("cmdMeer"));
    cmdMeer_->setAccessibleName(QStringLiteral("Top 12"));
    cmdMeer_->setAutoDefault(false);
    cmdMeer_->setGeometry(textLeft, buttonTop, 32, 26);
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    cmdOK_->setGeometry(closedWidth - margin - 80, buttonTop, 80, 26);

    fraTop_ = new QFrame(this);
    fraTop_->setObjectName(QStringLiteral("fraTop"));
    fraTop_->setFrameShape(QFrame::StyledPanel);
    fraTop_->setGeometry(chartLeft, 8, pixels(2000), windowHeight - 16);
    for (int i = 0; i < kChartPlaces; ++i) {
        auto* bar = new QFrame(fraTop_);
        bar->setObjectName(QStringLiteral("shpBar_%1").arg(i));
        bar->setAutoFillBackground(true);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
        bar->setPalette(palette);
        bar->setGeometry(pixels(barLeftTwips), 4 + i * chartRow + (chartRow - barHeight) / 2, 0, barHeight);
        shpBar_[i] = bar;
        auto* label = new QLabel(fraTop_);
        label->setObjectName(QStringLiteral("lblArtiest_%1").arg(i));
        label->move(pixels(barLeftTwips + labelGapTwips), 4 + i * chartRow);
        lblArtiest_[i] = label;
    }
    lblArtiest_[0]->setText(QStringLiteral("No albums in database !"));
    lblArtiest_[0]->adjustSize();

    connect(cmdMeer_, &QPushButton::clicked, this, &StatistiekWindow::toggleChart);
    connect(cmdOK_, &QPushButton::clicked, this, &StatistiekWindow::accept);
}

void StatistiekWindow::report(int number, const QString& description, const QString& where)
{
    // Before the window shows, the report belongs over the window that opened it.
    ShowError(isVisible() ? this : parentWidget(), session_, prompts_,
        { number, description, source + QLatin1Char('.') + where });
}

void StatistiekWindow::load()
{
    const QString where = QStringLiteral("Form_Load");
    setWindowTitle(session_.message(25));
    const Catalogue catalogue(session_.settings.database);
    const auto message = [this](int k) { return session_.message(k); };

    for (int i = 0; i < kStatisticsCountCount; ++i) {
        lblStat_[i]->setText(countLabel(i, message));
        const DbResult<qint64> count = readCount(catalogue, i);
        if (!count) {
            report(count.error().code, count.error().text, where);
            continue;
        }
        lblStat_[i]->setText(lblStat_[i]->text() + QLatin1Char(' ') + QString::number(count.value()));
    }

    const DbResult<qint64> playlists = readPlaylistCount(catalogue);
    if (playlists)
        imgLogo_->setToolTip(QString::number(playlists.value()) + QStringLiteral(" playlists"));
    else
        report(playlists.error().code, playlists.error().text, where);

    const QFileInfo file(session_.settings.database);
    if (file.isFile())
        lblGrootte_->setText(session_.message(42) + QStringLiteral(": ")
            + QString::number(kbyteRounded(file.size())) + QStringLiteral(" Kbyte"));
    else
        report(ErrorNumbers::fileNotFound, QStringLiteral("File not found: %1").arg(file.filePath()), where);
}

void StatistiekWindow::toggleChart()
{
    if (chartOpen_) {
        cmdMeer_->setText(QStringLiteral(">"));
        chartOpen_ = false;
        setWidthTwips(closedWidthTwips);
        return;
    }
    if (!chartBuilt_)
        buildChart();
    cmdMeer_->setText(QStringLiteral("<"));
    chartOpen_ = true;
    setWidthTwips(openWidthTwips_);
}

void StatistiekWindow::buildChart()
{
    const DbResult<QList<TopArtist>> top = readTopTwelve(Catalogue(session_.settings.database));
    if (!top)
        report(top.error().code, top.error().text, QStringLiteral("cmdMeer_Click"));
    const QList<TopArtist> artists = top.valueOr({});

    const std::array<int, kChartPlaces> lengths = barTwips(artists);
    int widest = 0; // bar plus label, in twips
    for (int i = 0; i < kChartPlaces; ++i) {
        QLabel* label = lblArtiest_[i];
        QFrame* bar = shpBar_[i];
        if (i < artists.size()) {
            label->setText(chartLabel(artists[i]));
            bar->setProperty("tag", QString::number(artists[i].aantal));
        }
        label->adjustSize();
        bar->resize(pixels(lengths[i]), barHeight);
        label->move(pixels(barLeftTwips + lengths[i] + labelGapTwips), label->y());
        widest = qMax(widest, lengths[i] + label->width() * twipsPerPixel);
    }
    chartBuilt_ = true;
    fraTop_->resize(pixels(widest + chartFrameExtraTwips), fraTop_->height());
    openWidthTwips_ = widest + chartWindowExtraTwips;
}

void StatistiekWindow::setWidthTwips(int twips)
{
    setFixedSize(pixels(twips), windowHeight);
}
