#include "report/design_report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "analysis/program_version.h"
#include "analysis/results_export.h"
#include "platform/replace_file.h"
#include "report/report_chart.h"
#include "report/report_fonts.h"

namespace tavrel::report {

namespace {

constexpr double kMargin = 50;       // points, all round
constexpr double kFooterSpace = 18;  // points kept free at the bottom for the footer

QColor toQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QFont styleFont(ReportTextStyle style) {
    switch (style) {
        case ReportTextStyle::Small:
            return fonts::text(8.5);
        case ReportTextStyle::Strong:
            return fonts::text(10, true);
        case ReportTextStyle::Body:
            break;
    }
    return fonts::text(9.5);
}

// Fills pages from top to bottom, starting a new one when a block does not fit.
// Positions are in points from the page's top left; the painter works in the
// device's own units.
class PageFlow {
  public:
    PageFlow(QPagedPaintDevice& device, QPainter& painter, QString footer, int pageCount)
        : painter(painter),
          device_(device),
          point_(device.logicalDpiY() / 72.0),
          width_(device.width() / point_),
          height_(device.height() / point_),
          footer_(std::move(footer)),
          pageCount_(pageCount) {}

    QPainter& painter;
    double point() const { return point_; }
    double left() const { return kMargin; }
    double contentWidth() const { return width_ - 2 * kMargin; }
    double y() const { return y_; }
    void advance(double points) { y_ += points; }
    int pages() const { return page_; }
    bool atTop() const { return y_ <= kMargin; }

    QRectF rect(double x, double y, double w, double h) const {
        return {x * point_, y * point_, w * point_, h * point_};
    }
    void line(double x1, double y1, double x2, double y2, double width) {
        painter.setPen(QPen(Qt::black, width * point_));
        painter.drawLine(QPointF(x1 * point_, y1 * point_), QPointF(x2 * point_, y2 * point_));
    }

    // Starts a new page unless `points` still fit on this one.
    void ensure(double points) {
        if (y_ + points > height_ - kMargin - kFooterSpace) newPage();
    }
    void newPage() {
        footer();
        device_.newPage();
        ++page_;
        y_ = kMargin;
    }
    void finish() { footer(); }

    // One paragraph, wrapped to the content width (less `indent`).
    void paragraph(const QString& text, const QFont& font, double indent = 0, double after = 3) {
        painter.setFont(font);
        painter.setPen(Qt::black);
        const double w = contentWidth() - indent;
        const QRectF box = painter.boundingRect(rect(left() + indent, 0, w, 10000),
                                                Qt::TextWordWrap | Qt::AlignLeft, text);
        const double h = box.height() / point_;
        ensure(h);
        painter.setFont(font);  // a new page's footer left its own
        painter.setPen(Qt::black);
        painter.drawText(rect(left() + indent, y_, w, h + 1), Qt::TextWordWrap | Qt::AlignLeft,
                         text);
        y_ += h + after;
    }

    // A heading kept with the `following` points that come after it.
    void heading(const std::string& text, double following) {
        ensure(34 + following);
        y_ += 8;
        painter.setFont(fonts::text(14, true));
        painter.setPen(Qt::black);
        painter.drawText(rect(left(), y_, contentWidth(), 20), Qt::AlignLeft | Qt::AlignTop,
                         qs(text));
        y_ += 19;
        line(left(), y_, left() + contentWidth(), y_, 0.8);
        y_ += 7;
    }

  private:
    // The project, its revision, the program and "page N of M" on every page.
    void footer() {
        painter.setFont(fonts::text(7));
        painter.setPen(QColor(90, 90, 90));
        line(left(), height_ - kMargin + 2, left() + contentWidth(), height_ - kMargin + 2, 0.3);
        painter.setPen(QColor(90, 90, 90));
        const QRectF box = rect(left(), height_ - kMargin + 4, contentWidth(), 10);
        const QString page = QStringLiteral("page %1 of %2").arg(page_).arg(pageCount_);
        // A long project is shortened in its middle, so that the page number and
        // the revision after the project stay clear and whole.
        const QFontMetricsF metrics(painter.font(), painter.device());
        const qreal room = box.width() - metrics.horizontalAdvance(page + QStringLiteral("    "));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop,
                         metrics.elidedText(footer_, Qt::ElideMiddle, room));
        painter.drawText(box, Qt::AlignRight | Qt::AlignTop, page);
    }

    QPagedPaintDevice& device_;
    double point_;
    double width_, height_;
    QString footer_;
    int pageCount_;
    double y_ = kMargin;
    int page_ = 1;
};

// Label / value rows in two columns; a long value wraps under itself.
void drawPairs(PageFlow& flow, const ReportPairs& pairs) {
    const double indent = pairs.indented ? 10 : 0;
    const double labelWidth = 150;
    const QFont font = fonts::text(9.5);
    QPainter& painter = flow.painter;
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double valueWidth = flow.contentWidth() - labelWidth - indent;
    for (const auto& [label, value] : pairs.rows) {
        const QString text = qs(value);
        // A word wider than the column (a detail without spaces) is broken anywhere.
        const QRectF column = flow.rect(0, 0, valueWidth, 10000);
        int wrap = Qt::TextWordWrap;
        QRectF bound = painter.boundingRect(column, wrap, text);
        if (bound.width() > column.width()) {
            wrap = Qt::TextWrapAnywhere;
            bound = painter.boundingRect(column, wrap, text);
        }
        const double h = std::max(13.0, bound.height() / flow.point());
        flow.ensure(h);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(flow.rect(flow.left() + indent, flow.y(), labelWidth, 13),
                         Qt::AlignLeft | Qt::AlignVCenter, qs(label));
        painter.drawText(flow.rect(flow.left() + indent + labelWidth, flow.y() + (h > 13 ? 0 : 0),
                                   valueWidth, h),
                         Qt::AlignLeft | Qt::AlignVCenter | wrap, text);
        flow.advance(h + (h > 13 ? 2 : 0));
    }
}

void drawWorking(PageFlow& flow, const ReportWorking& working) {
    flow.ensure(12.5 * (working.lines.size() + 1) + 4);
    flow.advance(4);
    flow.paragraph(qs(working.bar), fonts::text(9, true), 0, 1.5);
    for (const std::string& line : working.lines) {
        flow.paragraph(qs(line), fonts::text(9), 10, 1.5);
    }
}

void drawLegend(PageFlow& flow, const ReportLegend& legend) {
    QPainter& painter = flow.painter;
    for (const auto& [grade, words] : legend.entries) {
        flow.ensure(14);
        painter.fillRect(flow.rect(flow.left(), flow.y() + 1, 10, 10), toQColor(gradeRgb(grade)));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 0.5 * flow.point()));
        painter.drawRect(flow.rect(flow.left(), flow.y() + 1, 10, 10));
        painter.setFont(fonts::text(9));
        painter.drawText(flow.rect(flow.left() + 14, flow.y(), flow.contentWidth() - 14, 12),
                         Qt::AlignLeft | Qt::AlignVCenter, qs(words));
        flow.advance(14);
    }
    flow.advance(6);
}

// A grid to sign: a row per role, a column for name, signature and date.
void drawSignOff(PageFlow& flow, const ReportSignOff& signOff) {
    constexpr double kRoleWidth = 80, kRow = 26, kHead = 14;
    const double height = kHead + kRow * signOff.roles.size();
    flow.ensure(height + 10);
    flow.advance(6);
    QPainter& painter = flow.painter;
    const double x0 = flow.left(), top = flow.y(), width = flow.contentWidth();
    const double column = (width - kRoleWidth) / signOff.columns.size();
    painter.setFont(fonts::text(8.5, true));
    painter.setPen(Qt::black);
    for (std::size_t c = 0; c < signOff.columns.size(); ++c) {
        painter.drawText(flow.rect(x0 + kRoleWidth + c * column + 4, top, column - 8, kHead),
                         Qt::AlignLeft | Qt::AlignVCenter, qs(signOff.columns[c]));
    }
    for (std::size_t r = 0; r < signOff.roles.size(); ++r) {
        painter.drawText(flow.rect(x0 + 4, top + kHead + r * kRow, kRoleWidth - 8, kRow),
                         Qt::AlignLeft | Qt::AlignVCenter, qs(signOff.roles[r]));
    }
    for (double y = top; y <= top + height + 0.01; y += (y == top ? kHead : kRow)) {
        flow.line(x0, y, x0 + width, y, 0.6);
    }
    for (std::size_t c = 0; c <= signOff.columns.size(); ++c) {
        const double x = c == 0 ? x0 : x0 + kRoleWidth + (c - 1) * column;
        flow.line(x, top, x, top + height, 0.6);
    }
    flow.line(x0 + width, top, x0 + width, top + height, 0.6);
    flow.advance(height + 6);
}

void drawChartPair(PageFlow& flow, const ReportChartPair& pair) {
    constexpr double kGap = 14, kHeight = 138;
    const double width = (flow.contentWidth() - kGap) / 2;
    flow.ensure(kHeight + 8);
    flow.advance(4);
    drawChart(flow.painter, flow.rect(flow.left(), flow.y(), width, kHeight), flow.point(),
              pair.left);
    drawChart(flow.painter, flow.rect(flow.left() + width + kGap, flow.y(), width, kHeight),
              flow.point(), pair.right);
    flow.advance(kHeight + 4);
}

// The sizing table: size heads coloured by grade, section rows in grey, the
// graded cells shaded, heavy rules round it and between the two shapes.
// A plain grid: bold heads that may wrap, one line per row, thin rules.
void drawGrid(PageFlow& flow, const ReportGrid& grid) {
    constexpr double kHead = 24, kRow = 14;
    const double column = flow.contentWidth() / grid.head.size();
    flow.ensure(kHead + kRow * grid.rows.size() + 6);
    QPainter& painter = flow.painter;
    const double x0 = flow.left(), top = flow.y();
    painter.setPen(Qt::black);
    painter.setFont(fonts::text(7, true));
    for (std::size_t c = 0; c < grid.head.size(); ++c) {
        painter.drawText(flow.rect(x0 + c * column + 1, top, column - 2, kHead),
                         Qt::AlignCenter | Qt::TextWordWrap, qs(grid.head[c]));
    }
    painter.setFont(fonts::text(7.5));
    for (std::size_t r = 0; r < grid.rows.size(); ++r) {
        for (std::size_t c = 0; c < grid.rows[r].size(); ++c) {
            painter.drawText(
                flow.rect(x0 + c * column + 1, top + kHead + r * kRow, column - 2, kRow),
                Qt::AlignCenter, qs(grid.rows[r][c]));
        }
    }
    const double bottom = top + kHead + kRow * grid.rows.size();
    for (std::size_t r = 0; r <= grid.rows.size(); ++r) {
        flow.line(x0, top + kHead + r * kRow, x0 + flow.contentWidth(), top + kHead + r * kRow,
                  r == 0 ? 0.8 : 0.3);
    }
    flow.line(x0, top, x0 + flow.contentWidth(), top, 0.8);
    flow.advance(bottom - top + 8);
}

void drawTable(PageFlow& flow, const ReportTable& table) {
    constexpr double kCaptionWidth = 136, kRow = 16, kHeadRow = 24;
    const double column = (flow.contentWidth() - kCaptionWidth) / kDowelCaseCount;
    const double x0 = flow.left();
    flow.ensure(kHeadRow + kRow * table.lines.size() + 4);
    QPainter& painter = flow.painter;
    auto cellRect = [&](int c, double y, double h) {
        return flow.rect(x0 + kCaptionWidth + c * column, y, column, h);
    };
    double y = flow.y();
    painter.setFont(fonts::text(8.5, true));
    painter.setPen(Qt::black);
    painter.drawText(flow.rect(x0 + 3, y, kCaptionWidth - 6, kHeadRow),
                     Qt::AlignLeft | Qt::AlignVCenter, qs(table.headsCaption));
    painter.setFont(fonts::text(8.5));
    for (int c = 0; c < kDowelCaseCount; ++c) {
        painter.fillRect(cellRect(c, y, kHeadRow), toQColor(gradeRgb(table.grades[c])));
        const auto& head = table.heads[c];
        painter.drawText(cellRect(c, y, kHeadRow), Qt::AlignCenter,
                         qs(head[1].empty() ? head[0] : head[0] + "\n" + head[1]));
    }
    y += kHeadRow;
    for (std::size_t r = 0; r < table.lines.size(); ++r) {
        const ResultLine& line = table.lines[r];
        const bool gradeRow = r + 1 == table.lines.size();
        if (line.group) {
            painter.fillRect(flow.rect(x0 + kCaptionWidth, y, column * kDowelCaseCount, kRow),
                             QColor(192, 192, 192));
        }
        painter.setFont(fonts::text(8.5, true));
        const double indent = line.group || gradeRow ? 3 : 20;
        painter.drawText(flow.rect(x0 + indent, y, kCaptionWidth - indent - 3, kRow),
                         Qt::AlignLeft | Qt::AlignVCenter, qs(line.caption));
        painter.setFont(fonts::text(gradeRow ? 7 : 8.5));
        for (int c = 0; c < kDowelCaseCount && !line.group; ++c) {
            if (line.shades[c]) {
                painter.fillRect(cellRect(c, y, kRow), toQColor(gradeRgb(*line.shades[c])));
            }
            painter.drawText(cellRect(c, y, kRow), Qt::AlignCenter, qs(line.texts[c]));
        }
        y += kRow;
    }
    const double start = flow.y();
    for (double ry = start + kHeadRow; ry < y; ry += kRow) {
        flow.line(x0, ry, x0 + flow.contentWidth(), ry, 0.5);
    }
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const double x = x0 + kCaptionWidth + c * column;
        flow.line(x, start, x, y, c == 0 || c == 5 ? 1.4 : 0.5);
    }
    painter.setPen(QPen(Qt::black, 1.4 * flow.point()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(flow.rect(x0, start, flow.contentWidth(), y - start));
    flow.advance(y - start + 8);
}

void drawBlock(PageFlow& flow, const ReportBlock& block) {
    if (const auto* p = std::get_if<ReportParagraph>(&block)) {
        flow.paragraph(qs(p->text), styleFont(p->style), 0,
                       p->style == ReportTextStyle::Strong ? 2 : 5);
    } else if (const auto* pairs = std::get_if<ReportPairs>(&block)) {
        drawPairs(flow, *pairs);
        flow.advance(5);
    } else if (const auto* working = std::get_if<ReportWorking>(&block)) {
        drawWorking(flow, *working);
    } else if (const auto* table = std::get_if<ReportTable>(&block)) {
        drawTable(flow, *table);
    } else if (const auto* legend = std::get_if<ReportLegend>(&block)) {
        drawLegend(flow, *legend);
    } else if (const auto* signOff = std::get_if<ReportSignOff>(&block)) {
        drawSignOff(flow, *signOff);
    } else if (const auto* charts = std::get_if<ReportChartPair>(&block)) {
        drawChartPair(flow, *charts);
    } else if (const auto* grid = std::get_if<ReportGrid>(&block)) {
        drawGrid(flow, *grid);
    }
}

void drawTitle(PageFlow& flow, const ReportModel& model) {
    QPainter& painter = flow.painter;
    painter.setFont(fonts::text(20, true));
    painter.setPen(Qt::black);
    painter.drawText(flow.rect(flow.left(), flow.y(), flow.contentWidth(), 26),
                     Qt::AlignLeft | Qt::AlignTop, qs(model.title));
    flow.advance(28);
    flow.paragraph(qs(model.subtitle), fonts::text(10.5), 0, 6);
}

// Roughly the height of a section's opening: its introductory paragraphs and
// its first other block, which a heading must not be parted from.
double openingHeight(PageFlow& flow, const ReportSection& section) {
    double height = 0;
    for (const ReportBlock& block : section.blocks) {
        if (const auto* p = std::get_if<ReportParagraph>(&block)) {
            flow.painter.setFont(styleFont(p->style));
            height += flow.painter
                              .boundingRect(flow.rect(0, 0, flow.contentWidth(), 10000),
                                            Qt::TextWordWrap, qs(p->text))
                              .height() /
                          flow.point() +
                      5;
            continue;
        }
        if (const auto* w = std::get_if<ReportWorking>(&block)) {
            height += 13 * (w->lines.size() + 3);  // the graded line wraps
        } else if (const auto* pairs = std::get_if<ReportPairs>(&block)) {
            height += 13 * std::min<std::size_t>(pairs->rows.size(), 4);
        } else {
            height += 60;
        }
        break;
    }
    return std::min(height, 400.0);
}

// Lays the whole report out on `device`; `pageCount` is only written in the
// footers, so a first pass with any count finds the true one.
int layOutReport(QPagedPaintDevice& device, const ReportModel& model, int pageCount) {
    QPainter painter(&device);
    PageFlow flow(device, painter, qs(model.footer), pageCount);
    drawTitle(flow, model);
    for (const ReportSection& section : model.sections) {
        if (section.startsPage && !flow.atTop()) flow.newPage();
        if (!section.heading.empty()) flow.heading(section.heading, openingHeight(flow, section));
        for (const ReportBlock& block : section.blocks) drawBlock(flow, block);
    }
    flow.finish();
    painter.end();
    return flow.pages();
}

}  // namespace

ReportSettings reportSettings(UnitSystem units, const ProjectDetails& project,
                              const QDateTime& made) {
    ReportSettings settings;
    settings.units = units;
    settings.project = project;
    settings.made = made.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    settings.program = QString::fromStdString(versionCaption()).trimmed().toStdString();
    return settings;
}

int renderReport(QPagedPaintDevice& device, const ReportModel& model) {
    // Counting the pages first: a PDF writer into memory with the device's
    // page and resolution breaks the pages exactly as the device will.
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter counter(&scratch);
    counter.setResolution(device.logicalDpiY());
    counter.setPageLayout(device.pageLayout());
    const int pages = layOutReport(counter, model, 0);
    return layOutReport(device, model, pages);
}

int renderReport(QPagedPaintDevice& device, const DesignStudy& study, const QDateTime& made) {
    return renderReport(device, buildReport(study, reportSettings(UnitSystem::Us, {}, made)));
}

QByteArray reportPdf(const ReportModel& model) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(qs(model.title));
        writer.setCreator(QStringLiteral("Tavrel"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        renderReport(writer, model);
    }
    return pdf;
}

std::string writeReportPdf(const std::filesystem::path& path, const ReportModel& model) {
    const QByteArray pdf = reportPdf(model);
    const platform::WriteOutcome outcome =
        platform::replaceFile(path, std::string_view(pdf.constData(), pdf.size()));
    return outcome.ok ? std::string() : outcome.error;
}

std::string writeReportPdf(const std::filesystem::path& path, const DesignStudy& study,
                           const QDateTime& made) {
    return writeReportPdf(path, buildReport(study, reportSettings(UnitSystem::Us, {}, made)));
}

QMimeData* resultsMimeData(const AnalysisRun& run, const DesignValues& values, UnitSystem units) {
    auto* data = new QMimeData;
    data->setText(qs(resultsTabSeparated(run, values, units)));
    data->setHtml(qs(resultsHtml(run, values, units)));
    return data;
}

}  // namespace tavrel::report
