// Hovering a bar's size head shows the working behind its grade, for the
// inputs of the latest run.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "analysis/design_file.h"
#include "analysis/results_export.h"
#include "analysis/textbook_check.h"
#include "analysis/working_summary.h"
#include "window/design_actions.h"
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
        const QString first = page->heading(0, 0)->toolTip();
        QVERIFY2(first.startsWith(QStringLiteral("1 in. round bar\n")), qPrintable(first));
        QVERIFY2(first.contains(QStringLiteral("Bearing stress: edge 1479 psi, corner 2469 psi\n\n"
                                               "Textbook check (Friberg, ACI allowable)")),
                 qPrintable(first));
        QVERIFY2(first.endsWith(QStringLiteral(": passes")), qPrintable(first));

        w.findChild<QLineEdit*>("txth")->setText(QStringLiteral("8"));
        for (int c = 0; c < tavrel::kDowelCaseCount; ++c) {
            const QString expected = QString::fromStdString(
                describeWorking(kDowelCases[c], page->lastRun().cases[c].engine) + "\n\n" +
                describeCheck(textbookCheck(page->analysis().input(), page->checkSettings()), c,
                              tavrel::UnitSystem::Us));
            // Both heads of an elliptical bar carry the same text.
            for (int h = 0; h < tavrel::sizeLineCount(kDowelCases[c]); ++h) {
                QCOMPARE(page->heading(c, h)->toolTip(), expected);
            }
        }
        QVERIFY(page->heading(0, 0)->toolTip() != first);
        QVERIFY(
            page->heading(5, 0)->toolTip().startsWith(QStringLiteral("1.41x0.88 in. elliptical")));

        // The check's own choices reach the tooltip at once; the grades stay.
        const QString cells = page->resultCell(tavrel::EdgeStressRow, 0)->text();
        tavrel::CheckSettings weak;
        weak.cylinderStrength = 1000;
        weak.loadShare = 100;
        w.sizingPage()->setCheckSettings(weak);
        QVERIFY2(page->heading(0, 0)->toolTip().endsWith(QStringLiteral(": fails")),
                 qPrintable(page->heading(0, 0)->toolTip()));
        QCOMPARE(page->resultCell(tavrel::EdgeStressRow, 0)->text(), cells);
    }

    // A design whose load transfer is 0 %: the mark follows each such value into
    // its cell, the head's working says why, and the copied table carries both.
    void resultsOutsideTheFitsAreMarkedWhereverShown() {
        MainWindow w;
        const tavrel::DowelSizingPage* page = w.sizingPage();
        const QString plainCell = page->resultCell(tavrel::DeflectionLteRow, 0)->text();
        QVERIFY(!plainCell.contains(QLatin1Char('*')));
        QVERIFY(!page->heading(0, 0)->toolTip().contains(QStringLiteral("fitted")));
        const char* design[][2] = {{"txtsd", "36"},      {"txtw", "3"},       {"txtk", "5000"},
                                   {"txtLoad", "50000"}, {"txtEc", "500000"}, {"txth", "5"},
                                   {"txtTirePres", "80"}};
        for (const auto& [box, value] : design)
            w.findChild<QLineEdit*>(box)->setText(QString::fromLatin1(value));

        QCOMPARE(page->resultCell(tavrel::DeflectionLteRow, 0)->text(), QStringLiteral("0.0*"));
        QCOMPARE(page->resultCell(tavrel::EffectivenessRow, 0)->text(), QStringLiteral("33.3"));
        const QString working = page->heading(0, 0)->toolTip();
        QVERIFY2(working.contains(QStringLiteral("outside the range of the fitted relations")),
                 qPrintable(working));
        QVERIFY2(working.contains(QStringLiteral("Deflection LTE: 0.0 %, at or below 0 %")),
                 qPrintable(working));
        const std::string copied = tavrel::resultsTabSeparated(page->lastRun(), page->lastValues());
        QVERIFY2(copied.find("Deflection LTE:\t0.0*\t") != std::string::npos, copied.c_str());
        QVERIFY(copied.find("* outside the range of the fitted relations") != std::string::npos);
    }

    void aDesignFilesCheckReachesTheTooltipsAndIsSavedAgain() {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("checked.tavrel"));
        tavrel::DesignDocument document;
        tavrel::CheckSettings settings;
        settings.method = tavrel::findCheckMethod("friberg-1.8l");
        settings.cylinderStrength = 3000;
        tavrel::keepDesignCheck(document, settings);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(tavrel::writeDesign(document)));
        file.close();

        MainWindow w;
        QVERIFY(w.designActions()->openFile(path));
        const QString tip = w.sizingPage()->heading(0, 0)->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("L = 1.8 l:\nf'c 3000 psi")), qPrintable(tip));
        QVERIFY(!w.isWindowModified());
        const QString again = folder.filePath(QStringLiteral("again.tavrel"));
        QVERIFY(w.designActions()->saveTo(again));
        QFile saved(again);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        QVERIFY2(text.contains("\"check\": \"friberg-1.8l\"") && text.contains("\"fc\": \"3000\""),
                 text.constData());
    }
};

QTEST_MAIN(WorkingTooltipTest)
#include "working_tooltip_test.moc"
