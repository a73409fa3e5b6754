// A report chart drawn with QPainter: one curve per bar over one input's
// range, the grade limits as lines over bands in the grade colours, the
// stretches outside the fitted relations hatched, the design's own value
// marked, labelled axes and a legend. Labels sit outside the plot, where no
// curve can cross them.
#pragma once

#include <QPainter>
#include <QRectF>

#include "analysis/report_model.h"

namespace tavrel::report {

// Draws into `area` (device units); `point` is the size of a typographic point
// in device units.
void drawChart(QPainter& painter, const QRectF& area, double point, const ReportChart& chart);

}  // namespace tavrel::report
