#include "discovant/widgets/discovantwidget.h"

#include "discovant/widgets/choosers.h"
#include "discovant/widgets/submitinfowindow.h"
#include "discovant/widgets/windowtexts.h"
#include "discovant/widgets/windowthread.h"
#include "discovant/widgets/workwindow.h"

#include <QPainter>
#include <QRadialGradient>

using discovant::widgets::FuzzyMatchWindow;
using discovant::widgets::ServerSitesWindow;
using discovant::widgets::SubmitInfoWindow;

DiscovantWidget::DiscovantWidget(discovant::PropertyStore& store, QWidget* parent)
    : QWidget(parent)
    , store_(store)
    , fuzzyMatch_(new FuzzyMatchWindow(this))
    , serverSites_(new ServerSitesWindow(this))
    , submitInfo_(new SubmitInfoWindow(this))
{
    setFixedSize(logoSize());
    setAccessibleName(QString::fromStdString(discovant::Discovant::componentTitle()));
    setToolTip(accessibleName());
    core_.restoreProperties(store_);
    // An operation may run on a worker thread; the store and the signal's receivers belong to
    // the window thread, and the worker waits until they have had it.
    core_.setPropertyChangedHandler(
        [this](const std::string&) { discovant::widgets::onThreadOf(this, [this] { saveProperties(); }); });
    core_.setProtocolErrorHandler([this](int32_t number, const std::string& message) {
        const QString text = QString::fromStdString(message);
        discovant::widgets::onThreadOf(this, [this, number, &text] { emit protocolError(number, text); });
    });
    core_.setLookupUi(this);
}

DiscovantWidget::~DiscovantWidget()
{
    // The windows go with the widget; the core must not reach them any more.
    core_.setLookupUi(nullptr);
}

void DiscovantWidget::saveProperties()
{
    core_.saveProperties(store_);
}

QSize DiscovantWidget::logoSize()
{
    return { 32, 32 };
}

QSize DiscovantWidget::sizeHint() const
{
    return logoSize();
}

QSize DiscovantWidget::minimumSizeHint() const
{
    return logoSize();
}

void DiscovantWidget::paintEvent(QPaintEvent*)
{
    // The logo: a compact disc with its centre hole and a "D" on the label area.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(QPointF(0, 0), QSizeF(logoSize())).adjusted(1, 1, -1, -1);
    QRadialGradient shine(disc.center(), disc.width() / 2);
    shine.setColorAt(0.0, QColor(235, 240, 250));
    shine.setColorAt(0.6, QColor(170, 190, 225));
    shine.setColorAt(1.0, QColor(95, 120, 175));
    painter.setPen(QPen(QColor(60, 70, 100), 1));
    painter.setBrush(shine);
    painter.drawEllipse(disc);
    const qreal hole = disc.width() / 6;
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawEllipse(disc.center(), hole, hole);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(disc.height() / 3));
    painter.setFont(font);
    painter.setPen(QColor(30, 40, 90));
    painter.drawText(
        disc.adjusted(0, disc.height() / 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("D"));
}

std::string DiscovantWidget::chooseServerSite()
{
    const discovant::DiscovantSettings settings = core_.settings();
    const discovant::uCDDBLang language = core_.CDDBLanguage();
    core_.clearCancel();
    discovant::widgets::WorkWindow progress(window(), language,
        discovant::widgets::workTexts(language).fetchingSites, [this] { core_.cancel(); });
    const int16_t sites = progress.run([this, &settings] {
        core_.applySettings(settings);
        return core_.GetServerSites();
    });
    // A cancel stays in force (cancelRequested()) until the next operation clears it.
    if (progress.cancelled() || sites == 0)
        return {};
    // The list is in hand: the chooser runs here, on the window thread.
    return core_.GetServer(0);
}

int DiscovantWidget::chooseMatch(
    const std::vector<std::string>& lines, bool offerSubmit, const discovant::PopUpSettings& popUp)
{
    return discovant::widgets::onThreadOf(this, [&] {
        fuzzyMatch_->clear();
        for (const std::string& line : lines)
            fuzzyMatch_->AddItem(QString::fromStdString(line));
        return fuzzyMatch_->GetSelection(offerSubmit, popUp);
    });
}

int DiscovantWidget::chooseServer(
    const std::vector<std::string>& lines, const discovant::PopUpSettings& popUp)
{
    return discovant::widgets::onThreadOf(this, [&] {
        serverSites_->clear();
        for (const std::string& line : lines)
            serverSites_->AddItem(QString::fromStdString(line));
        return serverSites_->GetSelection(popUp);
    });
}

bool DiscovantWidget::submitNewEntry(const discovant::SubmissionRequest& request,
    const discovant::PopUpSettings& popUp, discovant::SubmittedEntry& submitted)
{
    return discovant::widgets::onThreadOf(this, [&] {
        std::optional<discovant::SubmittedEntry> entry = submitInfo_->SubmitData(request, popUp);
        if (!entry)
            return false;
        submitted = std::move(*entry);
        return true;
    });
}
