// The evaluation report drawn with QPainter: one renderer for the PDF file and
// for paper, and the results table for the clipboard. What the report says is
// built in the rules (analysis/report_model.h); this only draws it.
#pragma once

#include <QDateTime>
#include <QString>

#include "analysis/design_study.h"
#include "analysis/report_model.h"

class QMimeData;
class QPagedPaintDevice;

namespace tavrel::report {

using tavrel::kReportTitle;

// The settings of a report made now by this program: `made` and the program's
// version filled in.
ReportSettings reportSettings(UnitSystem units, const ReportProject& project,
                              const QDateTime& made);

// Draws the report on `device`, a QPdfWriter or a QPrinter, page after page.
// Returns the number of pages.
int renderReport(QPagedPaintDevice& device, const ReportModel& model);
// The report of `study` in US units with no project details.
int renderReport(QPagedPaintDevice& device, const DesignStudy& study, const QDateTime& made);

// Writes the report as a PDF at `path`. The pages go to a temporary file in the
// same folder, which replaces `path` only once complete: a failed write leaves
// nothing at `path` and an existing file there untouched. Returns why it
// failed, or an empty text.
QString writeReportPdf(const QString& path, const ReportModel& model);
QString writeReportPdf(const QString& path, const DesignStudy& study, const QDateTime& made);

// The results table of a complete run for the clipboard: tab-separated text
// for spreadsheets and a coloured HTML table for word processors.
QMimeData* resultsMimeData(const AnalysisRun& run);

}  // namespace tavrel::report
