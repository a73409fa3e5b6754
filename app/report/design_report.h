// The design report: one renderer for the PDF file and for paper, and the
// results table for the clipboard.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <filesystem>
#include <string>

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

// The report as the bytes of a PDF file.
QByteArray reportPdf(const DesignStudy& study, const QDateTime& made);

// Writes the report as a PDF at `path`, replacing the file there only once the
// whole of it is on disk: a failed write (a full disk, a device or a folder in
// the way) leaves an existing file untouched and nothing new behind. Returns
// one line saying why it failed, or an empty text.
std::string writeReportPdf(const std::filesystem::path& path, const DesignStudy& study,
                           const QDateTime& made);

// The results table of a complete run for the clipboard: tab-separated text
// for spreadsheets and a coloured HTML table for word processors.
QMimeData* resultsMimeData(const AnalysisRun& run);

}  // namespace tavrel::report
