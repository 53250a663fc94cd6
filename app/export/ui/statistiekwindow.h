#pragma once

#include "export/statistics.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class Session;
class UserPrompts;

// `Statistiek`, the modal statistics window: six counts of the catalogue (`lblStat_0` to
// `lblStat_5`), the size of the catalogue file (`lblGrootte`), the number of albums marked
// for playlists as the tool-tip of `imgLogo`, and on request (`cmdMeer`) a bar chart of the
// twelve artists with the most albums (`fraTop` with `shpBar_0..11` and `lblArtiest_0..11`).
//
// Everything except the chart is read when the window is created. The chart is read and
// built on the first press of `cmdMeer`; later presses only widen or narrow the window. A
// failed read is reported through the error window and the rest still shows.
class StatistiekWindow : public QDialog {
    Q_OBJECT
public:
    StatistiekWindow(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // Window widths in twips: without the chart, and the width the chart needs (0 until built).
    static constexpr int closedWidthTwips = 4755;
    int openWidthTwips() const { return openWidthTwips_; }
    bool chartOpen() const { return chartOpen_; }

private:
    void buildWidgets();
    void load();
    // `cmdMeer`: opens the chart (building it the first time) or closes it again.
    void toggleChart();
    void buildChart();
    void setWidthTwips(int twips);
    void report(int number, const QString& description, const QString& where);

    Session& session_;
    UserPrompts& prompts_;

    std::array<QLabel*, kStatisticsCountCount> lblStat_ {};
    QLabel* lblGrootte_ = nullptr;
    QLabel* imgLogo_ = nullptr;
    QPushButton* cmdMeer_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QFrame* fraTop_ = nullptr;
    std::array<QLabel*, kChartPlaces> lblArtiest_ {};
    std::array<QFrame*, kChartPlaces> shpBar_ {};

    bool chartBuilt_ = false;
    bool chartOpen_ = false;
    int openWidthTwips_ = 0;
};
