// A line chart drawn with QPainter: one curve per bar over one input's range,
// the grade thresholds as lines over bands in the grade colours, the design's
// own value marked, labelled axes and a legend.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace tavrel::report {

struct ChartCurve {
    QString name;  // in the legend
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
    const std::vector<double>* y = nullptr;  // one per x; values that are not finite leave a gap
};

// A band of y values in a grade's colour, with a labelled threshold line at
// the edge that lies inside the plot.
struct ChartBand {
    double from, to;  // may be infinite
    QColor colour;
};
struct ChartThreshold {
    double y;
    QString label;
};

struct ChartContent {
    QString title;
    QString xLabel;  // with the unit
    QString yLabel;
    const std::vector<double>* x = nullptr;
    std::vector<ChartCurve> curves;
    std::vector<ChartBand> bands;
    std::vector<ChartThreshold> thresholds;
    double designX = 0;
    QString designLabel;
    double yFloor = 0;    // the y axis starts here
    double yCeiling = 0;  // and reaches at least this far (further if a curve does)
};

// Draws into `area` (device units); `point` is the size of a typographic point
// in device units.
void drawChart(QPainter& painter, const QRectF& area, double point, const ChartContent& chart);

}  // namespace tavrel::report
