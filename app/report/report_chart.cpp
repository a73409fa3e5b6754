#include "report/report_chart.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "report/report_fonts.h"

namespace tavrel::report {

namespace {

constexpr int kLegendColumns = 4;
constexpr double kLegendRow = 10;  // points
constexpr double kLegendGap = 4;
constexpr double kTitleSpace = 24;   // points above the plot: the title, then the design label
constexpr double kLimitMargin = 42;  // points right of the plot for the limits' labels

QColor toQColor(Rgb c, int alpha = 255) {
    return QColor(c.red, c.green, c.blue, alpha);
}

// A step of 1, 2, 2.5 or 5 times a power of ten giving at most `ticks` ticks.
double niceStep(double span, int ticks) {
    const double raw = span / ticks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * magnitude >= raw) return m * magnitude;
    }
    return 10 * magnitude;
}

QString tickText(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    // Pure zero, not "-0".
    if (std::abs(value) < step * 1e-6) value = 0;
    return QString::fromStdString(
        groupThousands(QString::number(value, 'f', decimals).toStdString()));
}

struct Axis {
    double low, high, step;
    double first() const { return std::ceil(low / step - 1e-9) * step; }
    template <typename F>
    void forEachTick(F f) const {
        for (double v = first(); v <= high + step * 1e-6; v += step) f(v);
    }
};

// As many ticks as fit beside each other with room to spare.
Axis fitAxis(double low, double high, double lengthPoints, const QFontMetricsF& metrics,
             double point, bool widthMatters, bool roundEnds) {
    for (int ticks = 8; ticks >= 2; --ticks) {
        const double step = niceStep(high - low, ticks);
        Axis axis{low, high, step};
        if (roundEnds) axis = {std::floor(low / step) * step, std::ceil(high / step) * step, step};
        double widest = 0;
        axis.forEachTick([&](double v) {
            widest = std::max(widest, widthMatters ? metrics.horizontalAdvance(tickText(v, step))
                                                   : metrics.height());
        });
        const double count = (axis.high - axis.low) / step + 1;
        if (widest * 1.4 * count <= lengthPoints * point) return axis;
    }
    return {low, high, high - low};
}

// Where everything goes: the plot and its two axes, in device units.
struct Frame {
    QRectF area, plot;
    Axis x{0, 1, 1}, y{0, 1, 1};
    double point = 1;
    double tickWidth = 0;
    double toX(double v) const {
        return plot.left() + (v - x.low) / (x.high - x.low) * plot.width();
    }
    double toY(double v) const {
        return plot.bottom() - (v - y.low) / (y.high - y.low) * plot.height();
    }
};

double legendHeight(const ReportChart& chart) {
    const int entries =
        static_cast<int>(chart.series.size()) + (chart.outsideFitted.empty() ? 0 : 1);
    return kLegendGap + (entries + kLegendColumns - 1) / kLegendColumns * kLegendRow;
}

Frame layOut(QPainter& painter, const QRectF& area, double point, const ReportChart& chart) {
    const QFontMetricsF metrics(fonts::text(6.5), painter.device());
    double top = chart.yCeiling;
    for (const ChartSeries& s : chart.series) {
        for (double y : s.y) {
            if (std::isfinite(y)) top = std::max(top, y);
        }
    }
    Frame f;
    f.area = area;
    f.point = point;
    const double plotTop = area.top() + kTitleSpace * point;
    const double plotBottom = area.bottom() - (legendHeight(chart) + 22) * point;
    f.y = fitAxis(chart.yFloor, top, (plotBottom - plotTop) / point, metrics, point, false, true);
    f.y.forEachTick([&](double v) {
        f.tickWidth = std::max(f.tickWidth, metrics.horizontalAdvance(tickText(v, f.y.step)));
    });
    const double plotLeft = area.left() + (14 + 3) * point + f.tickWidth;
    f.plot = QRectF(QPointF(plotLeft, plotTop),
                    QPointF(area.right() - kLimitMargin * point, plotBottom));
    f.x = fitAxis(chart.x.front(), chart.x.back(), f.plot.width() / point, metrics, point, true,
                  false);
    return f;
}

void drawBands(QPainter& painter, const Frame& f, const ReportChart& chart) {
    for (const ChartBand& band : chart.bands) {
        const double from = std::clamp(band.from, f.y.low, f.y.high);
        const double to = std::clamp(band.to, f.y.low, f.y.high);
        if (to <= from) continue;
        painter.fillRect(
            QRectF(QPointF(f.plot.left(), f.toY(to)), QPointF(f.plot.right(), f.toY(from))),
            toQColor(gradeRgb(band.grade), 70));
    }
    // Hatching where some bar leaves the fitted relations, at least a line wide.
    const QBrush hatch(QColor(90, 90, 90), Qt::BDiagPattern);
    for (const ChartSpan& span : chart.outsideFitted) {
        const double left = f.toX(span.from);
        const double right = std::max(f.toX(span.to), left + f.point);
        painter.fillRect(QRectF(QPointF(left, f.plot.top()), QPointF(right, f.plot.bottom())),
                         hatch);
    }
}

void drawGrid(QPainter& painter, const Frame& f) {
    const double pt = f.point;
    painter.setFont(fonts::text(6.5));
    const QPen gridPen(QColor(200, 200, 200), 0.4 * pt);
    f.y.forEachTick([&](double v) {
        const double y = f.toY(v);
        painter.setPen(gridPen);
        painter.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(f.plot.left() - f.tickWidth - 3 * pt, y - 5 * pt, f.tickWidth, 10 * pt),
            Qt::AlignRight | Qt::AlignVCenter, tickText(v, f.y.step));
    });
    f.x.forEachTick([&](double v) {
        const double x = f.toX(v);
        painter.setPen(gridPen);
        painter.drawLine(QPointF(x, f.plot.top()), QPointF(x, f.plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 30 * pt, f.plot.bottom() + 2 * pt, 60 * pt, 9 * pt),
                         Qt::AlignHCenter | Qt::AlignTop, tickText(v, f.x.step));
    });
}

// Limit lines across the plot, their labels in the margin to its right,
// pushed apart where two limits lie close together.
void drawLimits(QPainter& painter, const Frame& f, const ReportChart& chart) {
    const double pt = f.point;
    const double labelHeight = 8 * pt;
    double lastLabel = 1e300;  // the previous label's centre, from the bottom up
    std::vector<ChartLimit> limits = chart.limits;
    std::sort(limits.begin(), limits.end(),
              [](const ChartLimit& a, const ChartLimit& b) { return a.y < b.y; });
    painter.setFont(fonts::text(6.5));
    for (const ChartLimit& limit : limits) {
        if (limit.y < f.y.low || limit.y > f.y.high) continue;
        const double y = f.toY(limit.y);
        painter.setPen(QPen(QColor(60, 60, 60), 0.8 * pt, Qt::DashLine));
        painter.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right() + 2 * pt, y));
        const double labelY = std::min(y, lastLabel - labelHeight);
        lastLabel = labelY;
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(QRectF(f.plot.right() + 3 * pt, labelY - labelHeight / 2,
                                (kLimitMargin - 3) * pt, labelHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(limit.label));
    }
}

void drawCurves(QPainter& painter, const Frame& f, const ReportChart& chart) {
    painter.save();
    painter.setClipRect(f.plot);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ChartSeries& s : chart.series) {
        QPainterPath path;
        bool drawing = false;
        for (std::size_t i = 0; i < chart.x.size(); ++i) {
            if (!std::isfinite(s.y[i])) {
                drawing = false;
                continue;
            }
            const QPointF p(f.toX(chart.x[i]), f.toY(s.y[i]));
            if (drawing) {
                path.lineTo(p);
            } else {
                path.moveTo(p);
                drawing = true;
            }
        }
        painter.setPen(
            QPen(toQColor(s.colour), 1.1 * f.point, s.dashed ? Qt::DashLine : Qt::SolidLine));
        painter.drawPath(path);
    }
    painter.restore();
}

// The design's own value: a line kept inside the frame even at a range end,
// a mark above the plot, and its label beside the mark.
void drawDesign(QPainter& painter, const Frame& f, const ReportChart& chart) {
    const double pt = f.point;
    const double inset = 1.2 * pt;
    const double x =
        std::clamp(f.toX(chart.designX), f.plot.left() + inset, f.plot.right() - inset);
    painter.setPen(QPen(Qt::black, 1.0 * pt, Qt::DotLine));
    painter.drawLine(QPointF(x, f.plot.top()), QPointF(x, f.plot.bottom()));
    QPainterPath mark;
    mark.moveTo(x, f.plot.top());
    mark.lineTo(x - 3 * pt, f.plot.top() - 4 * pt);
    mark.lineTo(x + 3 * pt, f.plot.top() - 4 * pt);
    mark.closeSubpath();
    painter.fillPath(mark, Qt::black);
    painter.setFont(fonts::text(6.5));
    painter.setPen(Qt::black);
    const bool labelLeft = x > f.plot.center().x();
    const QRectF box(labelLeft ? x - 104 * pt : x + 4 * pt, f.plot.top() - 11 * pt, 100 * pt,
                     9 * pt);
    painter.drawText(box, (labelLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                     QString::fromStdString(chart.designLabel));
}

void drawLabels(QPainter& painter, const Frame& f, const ReportChart& chart) {
    const double pt = f.point;
    painter.setPen(Qt::black);
    painter.setFont(fonts::text(8.5, true));
    painter.drawText(QRectF(f.area.left(), f.area.top(), f.area.width(), 12 * pt),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(chart.title));
    painter.setFont(fonts::text(7.5));
    painter.drawText(QRectF(f.plot.left(), f.plot.bottom() + 10 * pt, f.plot.width(), 10 * pt),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(chart.xLabel));
    painter.save();
    painter.translate(f.area.left(), f.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-f.plot.height() / 2, 0, f.plot.height(), 10 * pt),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(chart.yLabel));
    painter.restore();
}

// A short stroke of each curve and its name; then the hatching, if any.
void drawLegend(QPainter& painter, const Frame& f, const ReportChart& chart) {
    const double pt = f.point;
    painter.setFont(fonts::text(6.5));
    const double top = f.plot.bottom() + (22 + kLegendGap) * pt;
    const double column = f.area.width() / kLegendColumns;
    const std::size_t count = chart.series.size() + (chart.outsideFitted.empty() ? 0 : 1);
    for (std::size_t i = 0; i < count; ++i) {
        const double x = f.area.left() + static_cast<double>(i % kLegendColumns) * column;
        const double y = top + static_cast<double>(i / kLegendColumns) * kLegendRow * pt;
        QString name;
        if (i < chart.series.size()) {
            const ChartSeries& s = chart.series[i];
            painter.setPen(
                QPen(toQColor(s.colour), 1.4 * pt, s.dashed ? Qt::DashLine : Qt::SolidLine));
            painter.drawLine(QPointF(x, y + 4.5 * pt), QPointF(x + 14 * pt, y + 4.5 * pt));
            name = QString::fromStdString(s.name);
        } else {
            painter.fillRect(QRectF(x, y + 1.5 * pt, 14 * pt, 6 * pt),
                             QBrush(QColor(90, 90, 90), Qt::BDiagPattern));
            name =
                QString::fromStdString(std::string(kOutsideMark) + " " + kOutsideFittedRelations);
        }
        // The last entry may run on into the columns that are left.
        const double width = (i + 1 == count ? f.area.right() - x : column) - 17 * pt;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + 17 * pt, y, width, kLegendRow * pt),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
    }
}

}  // namespace

void drawChart(QPainter& painter, const QRectF& area, double point, const ReportChart& chart) {
    if (chart.x.size() < 2) return;
    painter.save();
    const Frame frame = layOut(painter, area, point, chart);
    drawBands(painter, frame, chart);
    drawGrid(painter, frame);
    drawCurves(painter, frame, chart);
    drawLimits(painter, frame, chart);
    painter.setPen(QPen(Qt::black, 0.7 * point));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.plot);
    drawDesign(painter, frame, chart);
    drawLabels(painter, frame, chart);
    drawLegend(painter, frame, chart);
    painter.restore();
}

}  // namespace tavrel::report
