// The evaluation report drawn with QPainter: one renderer for the PDF file and
// for paper, and the results table for the clipboard. What the report says is
// built in the rules (analysis/report_model.h); this only draws it.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <filesystem>
#include <string>

#include "analysis/design_study.h"
#include "analysis/report_model.h"

class QMimeData;
class QPagedPaintDevice;

namespace tavrel::report {

using tavrel::kReportTitle;

// The settings of a report made now by this program: `made` and the program's
// version filled in.
ReportSettings reportSettings(UnitSystem units, const ProjectDetails& project,
                              const QDateTime& made);

// Draws the report on `device`, a QPdfWriter or a QPrinter, page after page.
// Returns the number of pages.
int renderReport(QPagedPaintDevice& device, const ReportModel& model);
// The report of `study` in US units with no project details.
int renderReport(QPagedPaintDevice& device, const DesignStudy& study, const QDateTime& made);

// The report as the bytes of a PDF file.
QByteArray reportPdf(const ReportModel& model);

// Writes the report as a PDF at `path`, replacing the file there only once the
// whole of it is on disk: a failed write (a full disk, a device or a folder in
// the way) leaves an existing file untouched and nothing new behind. Returns
// one line saying why it failed, or an empty text.
std::string writeReportPdf(const std::filesystem::path& path, const ReportModel& model);
// The report of `study` in US units with no project details.
std::string writeReportPdf(const std::filesystem::path& path, const DesignStudy& study,
                           const QDateTime& made);

// The inputs and the results table of a complete run of `values` for the
// clipboard, in `units`: tab-separated text for spreadsheets and coloured HTML
// tables for word processors.
QMimeData* resultsMimeData(const AnalysisRun& run, const DesignValues& values, UnitSystem units);

}  // namespace tavrel::report
