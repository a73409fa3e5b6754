// Hovering a bar's size head shows the working behind its grade, for the
// inputs of the latest run.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "analysis/working_summary.h"
#include "window/dowel_sizing_page.h"
#include "window/main_window.h"

using tavrel::kDowelCases;
using tavrel::MainWindow;

class WorkingTooltipTest : public QObject {
    Q_OBJECT

  private slots:
    void eachHeadShowsItsBarsWorkingAndFollowsEveryRun() {
        MainWindow w;
        const tavrel::DowelSizingPage* page = w.sizingPage();
        const QString first = page->heading(0)->toolTip();
        QVERIFY2(first.startsWith(QStringLiteral("1 in. round bar\n")), qPrintable(first));
        QVERIFY2(first.endsWith(QStringLiteral("Bearing stress: edge 1479 psi, corner 2469 psi")),
                 qPrintable(first));

        w.findChild<QLineEdit*>("txth")->setText(QStringLiteral("8"));
        for (int c = 0; c < tavrel::kDowelCaseCount; ++c) {
            const QString expected = QString::fromStdString(
                describeWorking(kDowelCases[c], page->lastRun().cases[c].engine));
            // Both heads of an elliptical bar carry the same text.
            for (int h = 0; h < kDowelCases[c].headingCount; ++h) {
                QCOMPARE(page->heading(kDowelCases[c].headings[h])->toolTip(), expected);
            }
        }
        QVERIFY(page->heading(0)->toolTip() != first);
        QVERIFY(page->heading(5)->toolTip().startsWith(QStringLiteral("1.41x0.88 in. elliptical")));
    }
};

QTEST_MAIN(WorkingTooltipTest)
#include "working_tooltip_test.moc"
