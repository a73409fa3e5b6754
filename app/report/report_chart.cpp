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
    return QString::number(value, 'f', decimals);
}

struct Axis {
    double low, high, step;
    double first() const { return std::ceil(low / step - 1e-9) * step; }
};

// As many ticks as fit beside each other with room to spare.
Axis fitAxis(double low, double high, double lengthPoints, const QFontMetricsF& metrics,
             double point, bool widthMatters, bool roundEnds) {
    for (int ticks = 8; ticks >= 2; --ticks) {
        const double step = niceStep(high - low, ticks);
        Axis axis{low, high, step};
        if (roundEnds) axis = {std::floor(low / step) * step, std::ceil(high / step) * step, step};
        double widest = 0;
        for (double v = axis.first(); v <= axis.high + step * 1e-6; v += step) {
            widest = std::max(widest, widthMatters ? metrics.horizontalAdvance(tickText(v, step))
                                                   : metrics.height());
        }
        const double count = (axis.high - axis.low) / step + 1;
        if (widest * 1.4 * count <= lengthPoints * point) return axis;
    }
    const double step = high - low;
    return {low, high, step};
}

// The height the legend needs below the plot, in points.
double chartLegendHeight(int curves) {
    const int rows = (curves + kLegendColumns - 1) / kLegendColumns;
    return kLegendGap + rows * kLegendRow;
}

}  // namespace

void drawChart(QPainter& painter, const QRectF& area, double point, const ChartContent& chart) {
    painter.save();
    const QFont titleFont = fonts::text(8.5, true);
    const QFont labelFont = fonts::text(7.5);
    const QFont tickFont = fonts::text(6.5);
    const QFontMetricsF tickMetrics(tickFont, painter.device());

    // The y range: from the floor to the ceiling or the highest curve.
    double top = chart.yCeiling;
    for (const ChartCurve& curve : chart.curves) {
        for (double y : *curve.y) {
            if (std::isfinite(y)) top = std::max(top, y);
        }
    }
    const std::vector<double>& xs = *chart.x;
    const double xLow = xs.front(), xHigh = xs.back();

    // Title, legend and axis labels around the plot.
    const double legendHeight = chartLegendHeight(static_cast<int>(chart.curves.size())) * point;
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const QRectF titleBox(area.left(), area.top(), area.width(), 12 * point);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop, chart.title);

    const double plotTop = area.top() + 16 * point;
    const double plotBottom = area.bottom() - legendHeight - 22 * point;
    const Axis yAxis =
        fitAxis(chart.yFloor, top, (plotBottom - plotTop) / point, tickMetrics, point, false, true);
    double tickWidth = 0;
    for (double v = yAxis.first(); v <= yAxis.high + yAxis.step * 1e-6; v += yAxis.step) {
        tickWidth = std::max(tickWidth, tickMetrics.horizontalAdvance(tickText(v, yAxis.step)));
    }
    const double plotLeft = area.left() + 11 * point + tickWidth + 3 * point;
    const double plotRight = area.right() - 6 * point;
    const QRectF plot(QPointF(plotLeft, plotTop), QPointF(plotRight, plotBottom));
    const Axis xAxis = fitAxis(xLow, xHigh, plot.width() / point, tickMetrics, point, true, false);

    auto toX = [&](double x) { return plot.left() + (x - xLow) / (xHigh - xLow) * plot.width(); };
    auto toY = [&](double y) {
        return plot.bottom() - (y - yAxis.low) / (yAxis.high - yAxis.low) * plot.height();
    };

    // Grade bands behind everything.
    for (const ChartBand& band : chart.bands) {
        const double from = std::clamp(band.from, yAxis.low, yAxis.high);
        const double to = std::clamp(band.to, yAxis.low, yAxis.high);
        if (to <= from) continue;
        QColor fill = band.colour;
        fill.setAlpha(70);
        painter.fillRect(QRectF(QPointF(plot.left(), toY(to)), QPointF(plot.right(), toY(from))),
                         fill);
    }

    // Grid and ticks.
    painter.setFont(tickFont);
    const QPen gridPen(QColor(200, 200, 200), 0.4 * point);
    const QPen axisPen(Qt::black, 0.7 * point);
    for (double v = yAxis.first(); v <= yAxis.high + yAxis.step * 1e-6; v += yAxis.step) {
        const double y = toY(v);
        painter.setPen(gridPen);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(plot.left() - tickWidth - 3 * point, y - 5 * point, tickWidth, 10 * point),
            Qt::AlignRight | Qt::AlignVCenter, tickText(v, yAxis.step));
    }
    for (double v = xAxis.first(); v <= xAxis.high + xAxis.step * 1e-6; v += xAxis.step) {
        const double x = toX(v);
        painter.setPen(gridPen);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x - 30 * point, plot.bottom() + 2 * point, 60 * point, 9 * point),
                         Qt::AlignHCenter | Qt::AlignTop, tickText(v, xAxis.step));
    }

    // Thresholds, labelled at the right end.
    for (const ChartThreshold& t : chart.thresholds) {
        if (t.y < yAxis.low || t.y > yAxis.high) continue;
        const double y = toY(t.y);
        painter.setPen(QPen(QColor(90, 90, 90), 0.8 * point, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(QColor(60, 60, 60));
        painter.drawText(QRectF(plot.left(), y - 9 * point, plot.width() - 2 * point, 9 * point),
                         Qt::AlignRight | Qt::AlignBottom, t.label);
    }

    // The curves, clipped to the plot.
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ChartCurve& curve : chart.curves) {
        QPainterPath path;
        bool drawing = false;
        for (size_t i = 0; i < xs.size(); ++i) {
            const double y = (*curve.y)[i];
            if (!std::isfinite(y)) {
                drawing = false;
                continue;
            }
            const QPointF p(toX(xs[i]), toY(y));
            if (drawing) {
                path.lineTo(p);
            } else {
                path.moveTo(p);
                drawing = true;
            }
        }
        painter.setPen(QPen(curve.colour, 1.1 * point, curve.style));
        painter.drawPath(path);
    }
    painter.restore();

    // The design's own value.
    const double designX = toX(chart.designX);
    painter.setPen(QPen(Qt::black, 0.9 * point, Qt::DotLine));
    painter.drawLine(QPointF(designX, plot.top()), QPointF(designX, plot.bottom()));
    painter.setPen(Qt::black);
    const bool labelLeft = designX > plot.center().x();
    painter.drawText(QRectF(labelLeft ? designX - 82 * point : designX + 2 * point,
                            plot.top() + 1 * point, 80 * point, 9 * point),
                     (labelLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                     chart.designLabel);

    painter.setPen(axisPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // Axis labels: the x label under the ticks, the y label turned upright.
    painter.setFont(labelFont);
    painter.drawText(QRectF(plot.left(), plot.bottom() + 10 * point, plot.width(), 10 * point),
                     Qt::AlignHCenter | Qt::AlignTop, chart.xLabel);
    painter.save();
    painter.translate(area.left(), plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), 10 * point),
                     Qt::AlignHCenter | Qt::AlignTop, chart.yLabel);
    painter.restore();

    // Legend: a short stroke of each curve and its name.
    painter.setFont(tickFont);
    const double legendTop = plot.bottom() + 22 * point + kLegendGap * point;
    const double column = area.width() / kLegendColumns;
    for (size_t i = 0; i < chart.curves.size(); ++i) {
        const ChartCurve& curve = chart.curves[i];
        const double x = area.left() + static_cast<double>(i % kLegendColumns) * column;
        const double y = legendTop + static_cast<double>(i / kLegendColumns) * kLegendRow * point;
        painter.setPen(QPen(curve.colour, 1.4 * point, curve.style));
        painter.drawLine(QPointF(x, y + 4.5 * point), QPointF(x + 14 * point, y + 4.5 * point));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + 17 * point, y, column - 17 * point, kLegendRow * point),
                         Qt::AlignLeft | Qt::AlignVCenter, curve.name);
    }
    painter.restore();
}

}  // namespace tavrel::report
