// The design report: one renderer for the PDF file and for paper, and the
// results table for the clipboard.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>

#include "analysis/design_study.h"

class QMimeData;
class QPagedPaintDevice;

namespace tavrel::report {

inline constexpr const char* kReportTitle = "Tavrel dowel design report";

// The headings of the five sections, in order.
inline constexpr std::array<const char*, 5> kSectionHeadings = {
    "Design", "Results", "Working", "Sensitivity", "What makes each bar acceptable"};

// Draws the report on `device`, a QPdfWriter or a QPrinter, page after page;
// `made` is the date and time it names. Returns the number of pages.
int renderReport(QPagedPaintDevice& device, const DesignStudy& study, const QDateTime& made);

// Writes the report as a PDF at `path`. The pages go to a temporary file in the
// same folder, which replaces `path` only once complete: a failed write leaves
// nothing at `path` and an existing file there untouched. Returns why it
// failed, or an empty text.
QString writeReportPdf(const QString& path, const DesignStudy& study, const QDateTime& made);

// The results table of a complete run for the clipboard: tab-separated text
// for spreadsheets and a coloured HTML table for word processors.
QMimeData* resultsMimeData(const AnalysisRun& run);

}  // namespace tavrel::report
