#include "report/design_report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <limits>

#include "analysis/results_table.h"
#include "analysis/start_up.h"
#include "analysis/working_summary.h"
#include "links/about_page_texts.h"
#include "platform/replace_file.h"
#include "report/report_chart.h"
#include "report/report_fonts.h"

namespace tavrel::report {

namespace {

constexpr double kMargin = 50;       // points, all round
constexpr double kFooterSpace = 18;  // points kept free at the bottom for the page number

QColor toQColor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// A caption without its closing colon, for running text and axis labels.
QString bareCaption(const char* caption) {
    QString text = QString::fromLatin1(caption);
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text;
}

QString barName(int dowel) {
    const DowelCase& d = kDowelCases[dowel];
    return qs(dowelCaseLabel(d)) + (d.shape == QUORVIX_ROUND_DOWEL
                                        ? QStringLiteral(" in. round bar")
                                        : QStringLiteral(" in. elliptical bar"));
}

// Fills pages from top to bottom, starting a new one when a block does not fit.
// Positions are in points from the page's top left; the painter works in the
// device's own units.
class PageFlow {
  public:
    PageFlow(QPagedPaintDevice& device, QPainter& painter)
        : device_(device),
          painter_(painter),
          point_(device.logicalDpiY() / 72.0),
          width_(device.width() / point_),
          height_(device.height() / point_) {
        y_ = kMargin;
    }

    double point() const { return point_; }
    double left() const { return kMargin; }
    double contentWidth() const { return width_ - 2 * kMargin; }
    double y() const { return y_; }
    void advance(double points) { y_ += points; }
    int pages() const { return page_; }

    QRectF rect(double x, double y, double w, double h) const {
        return {x * point_, y * point_, w * point_, h * point_};
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
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const double w = contentWidth() - indent;
        const QRectF box = painter_.boundingRect(rect(left() + indent, 0, w, 10000),
                                                 Qt::TextWordWrap | Qt::AlignLeft, text);
        const double h = box.height() / point_;
        ensure(h);
        painter_.drawText(rect(left() + indent, y_, w, h + 1), Qt::TextWordWrap | Qt::AlignLeft,
                          text);
        y_ += h + after;
    }

    void heading(const char* text) {
        ensure(60);  // never a heading alone at the foot of a page
        y_ += 8;
        painter_.setFont(fonts::text(14, true));
        painter_.setPen(Qt::black);
        painter_.drawText(rect(left(), y_, contentWidth(), 20), Qt::AlignLeft | Qt::AlignTop,
                          QString::fromLatin1(text));
        y_ += 19;
        painter_.setPen(QPen(Qt::black, 0.8 * point_));
        painter_.drawLine(QPointF(left() * point_, y_ * point_),
                          QPointF((left() + contentWidth()) * point_, y_ * point_));
        y_ += 7;
    }

  private:
    void footer() {
        painter_.setFont(fonts::text(7));
        painter_.setPen(QColor(90, 90, 90));
        painter_.drawText(
            rect(left(), height_ - kMargin + 4, contentWidth(), 10),
            Qt::AlignHCenter | Qt::AlignTop,
            QStringLiteral("%1 \u2013 page %2").arg(QLatin1String(kReportTitle)).arg(page_));
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    double point_;
    double width_, height_;
    double y_ = 0;
    int page_ = 1;
};

// Label / value rows in two columns.
void pairs(PageFlow& flow, QPainter& painter, const std::vector<std::pair<QString, QString>>& rows,
           double labelWidth, double indent = 0) {
    const QFont font = fonts::text(9.5);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const auto& [label, value] : rows) {
        flow.ensure(13);
        painter.drawText(flow.rect(flow.left() + indent, flow.y(), labelWidth, 13),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
        painter.drawText(flow.rect(flow.left() + indent + labelWidth, flow.y(),
                                   flow.contentWidth() - labelWidth - indent, 13),
                         Qt::AlignLeft | Qt::AlignVCenter, value);
        flow.advance(13);
    }
}

void designSection(PageFlow& flow, QPainter& painter, const DesignStudy& study,
                   const QDateTime& made) {
    painter.setFont(fonts::text(20, true));
    painter.setPen(Qt::black);
    painter.drawText(flow.rect(flow.left(), flow.y(), flow.contentWidth(), 26),
                     Qt::AlignLeft | Qt::AlignTop, QLatin1String(kReportTitle));
    flow.advance(30);
    const QString version =
        qs(versionCaption(TAVREL_VERSION_MAJOR, TAVREL_VERSION_MINOR, TAVREL_VERSION_REVISION))
            .trimmed();
    pairs(flow, painter,
          {{QStringLiteral("Made:"), made.toString(QStringLiteral("yyyy-MM-dd HH:mm"))},
           {QStringLiteral("Program:"), version}},
          60);

    flow.heading(kSectionHeadings[0]);
    flow.paragraph(QStringLiteral("Design inputs"), fonts::text(10, true));
    std::vector<std::pair<QString, QString>> inputs;
    for (int i = 0; i < kDesignInputCount; ++i) {
        const DesignInput& d = kDesignInputs[i];
        inputs.emplace_back(
            QLatin1String(d.caption),
            qs(plainDecimal(study.values[i])) + QLatin1Char(' ') + QLatin1String(d.units));
    }
    pairs(flow, painter, inputs, 190, 10);
    flow.advance(6);

    const DowelJointInput& e = study.engineInput;
    flow.paragraph(QStringLiteral("Fixed assumptions of the analysis"), fonts::text(10, true));
    std::vector<std::pair<QString, QString>> fixed = {
        {QStringLiteral("Dowel elastic modulus:"), qs(plainDecimal(e.dowelModulus)) + " psi"},
        {QStringLiteral("Dowel Poisson's ratio:"), qs(plainDecimal(e.dowelPoisson))},
        {QStringLiteral("Concrete Poisson's ratio:"), qs(plainDecimal(e.concretePoisson))},
        {QStringLiteral("Aggregate interlock:"),
         e.includeAggregate == 0 ? QStringLiteral("none; the dowels alone carry the load")
                                 : QStringLiteral("included")},
    };
    pairs(flow, painter, fixed, 190, 10);
    std::vector<std::pair<QString, QString>> supports;
    for (int c = 0; c < kDowelCaseCount; ++c) {
        supports.emplace_back((c == 0 ? QStringLiteral("Modulus of dowel support:") : QString()),
                              barName(c) + QStringLiteral(": ") +
                                  qs(plainDecimal(kDowelCases[c].supportModulus)) +
                                  QStringLiteral(" psi/in."));
    }
    pairs(flow, painter, supports, 190, 10);
}

// The sizing table as the window shows it, with the grade words in a last row.
void resultsTable(PageFlow& flow, QPainter& painter, const AnalysisRun& run) {
    constexpr double kCaptionWidth = 136;
    constexpr double kRow = 16;
    constexpr double kHeadRow = 24;
    const double column = (flow.contentWidth() - kCaptionWidth) / kDowelCaseCount;
    const double tableHeight = kHeadRow + 8 * kRow;
    flow.ensure(tableHeight + 4);
    const double top = flow.y();
    const double x0 = flow.left();
    auto cellRect = [&](int c, double y, double h) {
        return flow.rect(x0 + kCaptionWidth + c * column, y, column, h);
    };
    const QFont captionFont = fonts::text(8.5, true);
    const QFont cellFont = fonts::text(8.5);
    const QPen thin(Qt::black, 0.5 * flow.point());

    // Size heads, coloured by grade; an elliptical bar's width above its height.
    double y = top;
    painter.setFont(captionFont);
    painter.setPen(Qt::black);
    painter.drawText(flow.rect(x0 + 3, y, kCaptionWidth - 6, kHeadRow),
                     Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(kDowelHeadsCaption));
    painter.setFont(cellFont);
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const DowelCase& d = kDowelCases[c];
        painter.fillRect(cellRect(c, y, kHeadRow), toQColor(gradeRgb(run.cases[c].grade)));
        const QString head =
            d.shape == QUORVIX_ROUND_DOWEL
                ? qs(plainDecimal(d.diameter))
                : qs(plainDecimal(d.width)) + QLatin1Char('\n') + qs(plainDecimal(d.height));
        painter.drawText(cellRect(c, y, kHeadRow), Qt::AlignCenter, head);
    }
    y += kHeadRow;

    auto section = [&](const char* caption) {
        painter.fillRect(flow.rect(x0 + kCaptionWidth, y, column * kDowelCaseCount, kRow),
                         QColor(192, 192, 192));
        painter.setFont(captionFont);
        painter.drawText(flow.rect(x0 + 3, y, kCaptionWidth - 6, kRow),
                         Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(caption));
        y += kRow;
    };
    for (int row = 0; row < kResultRowCount; ++row) {
        if (row == 0) section(kLoadTransferSection);
        if (row == kFirstBearingRow) section(kBearingStressSection);
        painter.setFont(captionFont);
        painter.drawText(flow.rect(x0 + 20, y, kCaptionWidth - 23, kRow),
                         Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(kResultRowCaptions[row]));
        painter.setFont(cellFont);
        for (int c = 0; c < kDowelCaseCount; ++c) {
            const ResultCell& cell = run.cases[c].cells[row];
            if (cellColoured(cell)) {
                painter.fillRect(cellRect(c, y, kRow), toQColor(gradeRgb(*cell.grade)));
            }
            painter.drawText(cellRect(c, y, kRow), Qt::AlignCenter, qs(cell.text));
        }
        y += kRow;
    }
    painter.setFont(captionFont);
    painter.drawText(flow.rect(x0 + 3, y, kCaptionWidth - 6, kRow),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Grade"));
    painter.setFont(fonts::text(7));
    for (int c = 0; c < kDowelCaseCount; ++c) {
        painter.fillRect(cellRect(c, y, kRow), toQColor(gradeRgb(run.cases[c].grade)));
        painter.drawText(cellRect(c, y, kRow), Qt::AlignCenter,
                         QLatin1String(gradeWord(run.cases[c].grade)));
    }
    y += kRow;

    // Rules: heavy round the table, under the heads and between the two shapes.
    painter.setPen(thin);
    painter.setBrush(Qt::NoBrush);
    for (double ry = top + kHeadRow; ry < y; ry += kRow) {
        painter.drawLine(QPointF(x0 * flow.point(), ry * flow.point()),
                         QPointF((x0 + flow.contentWidth()) * flow.point(), ry * flow.point()));
    }
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const double x = (x0 + kCaptionWidth + c * column) * flow.point();
        painter.setPen(c == 0 || c == 5 ? QPen(Qt::black, 1.4 * flow.point()) : thin);
        painter.drawLine(QPointF(x, top * flow.point()), QPointF(x, y * flow.point()));
    }
    painter.setPen(QPen(Qt::black, 1.4 * flow.point()));
    painter.drawRect(flow.rect(x0, top, flow.contentWidth(), y - top));
    flow.advance(y - top + 8);
}

void resultsSection(PageFlow& flow, QPainter& painter, const DesignStudy& study) {
    flow.heading(kSectionHeadings[1]);
    resultsTable(flow, painter, study.run);

    // The legend: a square of each grade's colour and its words.
    for (CaseGrade grade :
         {CaseGrade::Acceptable, CaseGrade::Conditional, CaseGrade::Unacceptable}) {
        flow.ensure(14);
        painter.fillRect(flow.rect(flow.left(), flow.y() + 1, 10, 10), toQColor(gradeRgb(grade)));
        painter.setPen(QPen(Qt::black, 0.5 * flow.point()));
        painter.drawRect(flow.rect(flow.left(), flow.y() + 1, 10, 10));
        painter.setFont(fonts::text(9));
        painter.drawText(flow.rect(flow.left() + 14, flow.y(), flow.contentWidth() - 14, 12),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         qs(legendText(grade)).trimmed() +
                             QStringLiteral("  (\u201c%1\u201d)").arg(gradeWord(grade)));
        flow.advance(14);
    }
    flow.advance(6);
    flow.paragraph(links::disclaimerText(), fonts::text(8.5));
}

void workingSection(PageFlow& flow, const DesignStudy& study) {
    flow.heading(kSectionHeadings[2]);
    flow.paragraph(QStringLiteral("Everything the joint analysis reported for each bar."),
                   fonts::text(9));
    for (int c = 0; c < kDowelCaseCount; ++c) {
        const QStringList lines =
            qs(describeWorking(kDowelCases[c], study.run.cases[c].engine)).split('\n');
        flow.ensure(12.5 * lines.size() + 4);
        flow.advance(4);
        for (int i = 0; i < lines.size(); ++i) {
            flow.paragraph(lines[i], fonts::text(9, i == 0), i == 0 ? 0 : 10, 1.5);
        }
    }
}

// Distinct colours for the eight curves; the elliptical bars are dashed too.
const QColor kCurveColours[kDowelCaseCount] = {
    QColor(31, 119, 180),  QColor(255, 127, 14), QColor(44, 160, 44),   QColor(214, 39, 40),
    QColor(148, 103, 189), QColor(140, 86, 75),  QColor(227, 119, 194), QColor(80, 80, 80)};

QString thresholdText(double value, const char* unit) {
    // The thresholds are single-precision values (0.7 is 0.699999988).
    return QString::number(std::round(value * 1000) / 1000, 'g', 6) + QLatin1String(unit);
}

void sensitivitySection(PageFlow& flow, QPainter& painter, const DesignStudy& study) {
    flow.heading(kSectionHeadings[3]);
    flow.paragraph(
        QStringLiteral("Each input runs over its whole range while the other six keep the "
                       "design's values. Left: each bar's governing bearing stress, the larger "
                       "of edge and corner loading. Right: each bar's deflection load transfer. "
                       "The shading follows the grade colours; the dotted line marks the "
                       "design's own value."),
        fonts::text(9));

    const double gap = 14;
    const double chartWidth = (flow.contentWidth() - gap) / 2;
    const double chartHeight = 178;
    const Rgb green = gradeRgb(CaseGrade::Acceptable);
    const Rgb yellow = gradeRgb(CaseGrade::Conditional);
    const Rgb red = gradeRgb(CaseGrade::Unacceptable);
    const double inf = std::numeric_limits<double>::infinity();
    const double stress1 = kAcceptableBearingStress, stress2 = kConditionalBearingStress;
    const double lte1 = static_cast<double>(kAcceptableDeflectionLte) * 100;
    const double lte2 = static_cast<double>(kConditionalDeflectionLte) * 100;

    for (int i = 0; i < kDesignInputCount; ++i) {
        const InputScan& scan = study.inputs[i].scan;
        const DesignInput& d = kDesignInputs[i];
        const std::vector<double> xs(scan.values.begin(), scan.values.end());
        const QString inputName = bareCaption(d.caption);
        const QString xLabel = inputName + QStringLiteral(" (") + QLatin1String(d.units) + ")";
        const QString design = QStringLiteral("design: ") + qs(plainDecimal(study.values[i]));

        ChartContent stress;
        stress.title = QStringLiteral("Bearing stress as ") + inputName + " varies";
        stress.xLabel = xLabel;
        stress.yLabel = QStringLiteral("Governing bearing stress (psi)");
        stress.x = &xs;
        stress.bands = {{-inf, stress1, toQColor(green)},
                        {stress1, stress2, toQColor(yellow)},
                        {stress2, inf, toQColor(red)}};
        stress.thresholds = {{stress1, thresholdText(stress1, " psi")},
                             {stress2, thresholdText(stress2, " psi")}};
        stress.designX = study.values[i];
        stress.designLabel = design;
        stress.yCeiling = stress2 * 1.2;

        ChartContent lte = stress;
        lte.title = QStringLiteral("Deflection LTE as ") + inputName + " varies";
        lte.yLabel = QStringLiteral("Deflection LTE (%)");
        lte.bands = {{lte1, inf, toQColor(green)},
                     {lte2, lte1, toQColor(yellow)},
                     {-inf, lte2, toQColor(red)}};
        lte.thresholds = {{lte1, thresholdText(lte1, " %")}, {lte2, thresholdText(lte2, " %")}};
        lte.yCeiling = 100;

        for (int c = 0; c < kDowelCaseCount; ++c) {
            const QString name = qs(dowelCaseLabel(kDowelCases[c])) + QStringLiteral(" in.");
            const Qt::PenStyle style =
                kDowelCases[c].shape == QUORVIX_ROUND_DOWEL ? Qt::SolidLine : Qt::DashLine;
            stress.curves.push_back({name, kCurveColours[c], style, &scan.bearingStress[c]});
            lte.curves.push_back({name, kCurveColours[c], style, &scan.deflectionLte[c]});
        }

        flow.ensure(chartHeight + 10);
        flow.advance(6);
        drawChart(painter, flow.rect(flow.left(), flow.y(), chartWidth, chartHeight), flow.point(),
                  stress);
        drawChart(painter,
                  flow.rect(flow.left() + chartWidth + gap, flow.y(), chartWidth, chartHeight),
                  flow.point(), lte);
        flow.advance(chartHeight + 4);
    }
}

QString endText(int input, double value, bool atLimit) {
    return qs(atLimit ? plainDecimal(static_cast<float>(value)) : solvedValueText(input, value));
}

void acceptableSection(PageFlow& flow, QPainter& painter, const DesignStudy& study) {
    flow.heading(kSectionHeadings[4]);
    flow.paragraph(
        QStringLiteral("For each bar and each input: the values of that input, within its range "
                       "and with the other six at the design's values, over which the bar is "
                       "graded acceptable."),
        fonts::text(9));
    for (int c = 0; c < kDowelCaseCount; ++c) {
        flow.ensure(13 * (kDesignInputCount + 1) + 6);
        flow.advance(5);
        flow.paragraph(barName(c), fonts::text(9.5, true), 0, 1);
        std::vector<std::pair<QString, QString>> rows;
        for (int i = 0; i < kDesignInputCount; ++i) {
            const DesignInput& d = kDesignInputs[i];
            const std::vector<ValueInterval> intervals = acceptableIntervals(study.inputs[i], c);
            QString text;
            for (const ValueInterval& v : intervals) {
                if (!text.isEmpty()) text += QStringLiteral(" and ");
                text += endText(i, v.from, v.from == d.minimum) + QStringLiteral(" to ") +
                        endText(i, v.to, v.to == d.maximum);
            }
            text = text.isEmpty() ? QStringLiteral("none in range")
                                  : text + QLatin1Char(' ') + QLatin1String(d.units);
            rows.emplace_back(QLatin1String(d.caption), text);
        }
        pairs(flow, painter, rows, 180, 10);
    }
}

}  // namespace

int renderReport(QPagedPaintDevice& device, const DesignStudy& study, const QDateTime& made) {
    QPainter painter(&device);
    PageFlow flow(device, painter);
    designSection(flow, painter, study, made);
    resultsSection(flow, painter, study);
    flow.newPage();
    workingSection(flow, study);
    flow.newPage();
    sensitivitySection(flow, painter, study);
    flow.newPage();
    acceptableSection(flow, painter, study);
    flow.finish();
    painter.end();
    return flow.pages();
}

QByteArray reportPdf(const DesignStudy& study, const QDateTime& made) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QLatin1String(kReportTitle));
        writer.setCreator(QStringLiteral("Tavrel"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        renderReport(writer, study, made);
    }
    return pdf;
}

std::string writeReportPdf(const std::filesystem::path& path, const DesignStudy& study,
                           const QDateTime& made) {
    const QByteArray pdf = reportPdf(study, made);
    const platform::WriteOutcome outcome =
        platform::replaceFile(path, std::string_view(pdf.constData(), pdf.size()));
    return outcome.ok ? std::string() : outcome.error;
}

QMimeData* resultsMimeData(const AnalysisRun& run) {
    auto* data = new QMimeData;
    data->setText(qs(resultsTabSeparated(run)));
    data->setHtml(qs(resultsHtml(run)));
    return data;
}

}  // namespace tavrel::report
