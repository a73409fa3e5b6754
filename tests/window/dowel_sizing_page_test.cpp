// The sizing page as the user meets it: start-up, edits, colours, and a
// missing engine.
#include "window/dowel_sizing_page.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "default_design_table.h"
#include "version_caption.h"
#include "window/controls.h"
#include "window/main_window.h"
#include "window/shape_control.h"
#include "window/twips.h"

using tavrel::DowelSizingPage;
using tavrel::MainWindow;

namespace {

using testing_support::versionCaption;

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(128, 255, 128);
const QColor kYellow(255, 255, 128);
const QColor kPink(255, 128, 128);

QLineEdit* box(MainWindow& w, const char* name) {
    return w.findChild<QLineEdit*>(name);
}

QColor boxColour(MainWindow& w, const char* name) {
    return tavrel::controls::backgroundColour(box(w, name));
}

int visibleCells(const DowelSizingPage* page) {
    int n = 0;
    for (int row = 0; row < tavrel::kResultRowCount; ++row) {
        for (int c = 0; c < tavrel::kDowelCaseCount; ++c) {
            n += page->resultCell(static_cast<tavrel::ResultRow>(row), c)->isVisibleTo(page);
        }
    }
    return n;
}

}  // namespace

class DowelSizingPageTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpShowsTheAnalysedDefaultDesign() {
        MainWindow w;
        const char* names[] = {"txtsd", "txtw", "txtk", "txtLoad", "txtEc", "txth", "txtTirePres"};
        const char* tips[] = {"Minimum: 6  Maximum: 36",
                              "Minimum: 0.005  Maximum: 3",
                              "Minimum: 50  Maximum: 5000",
                              "Minimum: 1000  Maximum: 50000",
                              "Minimum: 500000  Maximum: 10000000",
                              "Minimum: 5  Maximum: 30",
                              "Minimum: 20  Maximum: 500"};
        for (int i = 0; i < 7; ++i) {
            const std::string_view text = testing_support::kDefaultDesignTexts[i];
            QCOMPARE(box(w, names[i])->text(), QString::fromUtf8(text.data(), text.size()));
            QCOMPARE(box(w, names[i])->toolTip(), QString::fromLatin1(tips[i]));
            QCOMPARE(boxColour(w, names[i]), kWhite);
        }
        QCOMPARE(w.windowTitle(), versionCaption());
        QCOMPARE(w.findChild<QLabel*>("Label17")->text(),
                 QStringLiteral("= Acceptable for Wide Lanes, Tied Shoulders, Good Support, "
                                "and/or Low Traffic "));
        QCOMPARE(w.tabControl()->currentIndex(), 0);

        // One analysis at the end of start-up: eight engine calls, not one run per box.
        const DowelSizingPage* page = w.sizingPage();
        QCOMPARE(page->analysis().engineCalls(), 8L);

        const auto& table = testing_support::kDefaultDesignTable;
        const char* cellNames[5] = {"lblDeflLTE", "lblStressLTE", "lblEffectLTE",
                                    "lblEdgeBearStress", "lblCornBearStress"};
        for (int c = 0; c < 8; ++c) {
            for (int row = 0; row < 5; ++row) {
                auto* cell = w.findChild<QLabel*>(tavrel::controls::arrayName(cellNames[row], c));
                QVERIFY(cell);
                QCOMPARE(cell->text(), QString::fromLatin1(table[c][row]));
                QVERIFY(cell->isVisibleTo(&w));
                QVERIFY(!tavrel::controls::hasOpaqueBackground(cell));
            }
        }
        for (int h = 0; h < 11; ++h) {
            auto* head = w.findChild<QLabel*>(tavrel::controls::arrayName("lblDia", h));
            QVERIFY(head);
            QVERIFY(tavrel::controls::hasOpaqueBackground(head));
            QCOMPARE(tavrel::controls::backgroundColour(head), kGreen);
        }
    }

    void firstBadInputTurnsRedAndHidesTheTable() {
        MainWindow w;
        const DowelSizingPage* page = w.sizingPage();
        box(w, "txth")->setText("2");
        QCOMPARE(boxColour(w, "txth"), kRed);
        QCOMPARE(visibleCells(page), 0);

        box(w, "txtsd")->setText("5.99");  // earlier in the reading order
        QCOMPARE(boxColour(w, "txtsd"), kRed);
        QCOMPARE(visibleCells(page), 0);

        box(w, "txth")->setText("12");  // corrected while txtsd is still bad: stays red
        QCOMPARE(boxColour(w, "txth"), kRed);

        box(w, "txtsd")->setText("6");
        QCOMPARE(boxColour(w, "txtsd"), kWhite);
        QCOMPARE(boxColour(w, "txth"), kWhite);
        QCOMPARE(visibleCells(page), 40);
        QCOMPARE(page->analysis().engineCalls(), 16L);  // only the complete run called it
    }

    void gradeColoursFollowTheRunAndPersistWhileHidden() {
        MainWindow w;
        // A heavy load on a thin slab: the small bars bear too much.
        box(w, "txtLoad")->setText("40000");
        box(w, "txth")->setText("7");
        auto* head0 = w.findChild<QLabel*>("lblDia_0");
        auto* head5 = w.findChild<QLabel*>("lblDia_5");
        auto* head6 = w.findChild<QLabel*>("lblDia_6");
        auto* edge0 = w.findChild<QLabel*>("lblEdgeBearStress_0");
        const QColor grade = tavrel::controls::backgroundColour(head0);
        QVERIFY(grade == kPink || grade == kYellow);
        QVERIFY(tavrel::controls::hasOpaqueBackground(edge0));
        // Both heads of an elliptical bar share its colour.
        QCOMPARE(tavrel::controls::backgroundColour(head5),
                 tavrel::controls::backgroundColour(head6));

        box(w, "txtk")->setText("");  // out of range: table hidden, colours kept
        QCOMPARE(tavrel::controls::backgroundColour(head0), grade);
        QVERIFY(!edge0->isVisibleTo(&w));

        box(w, "txtk")->setText("300");
        box(w, "txtLoad")->setText("9000");
        box(w, "txth")->setText("12");
        QCOMPARE(tavrel::controls::backgroundColour(head0), kGreen);
        QVERIFY(!tavrel::controls::hasOpaqueBackground(edge0));
    }

    // The result cells are drawn by their holder, not by themselves: after each
    // edit the screen must show what a full drawing of the window shows, each
    // cell in its grade's colour and with its text.
    void theScreenFollowsEveryEdit() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto onScreen = [&w] {
            return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(
                QImage::Format_RGB32);
        };
        const auto drawnAfresh = [&w] {
            return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        auto* edge0 = w.findChild<QLabel*>("lblEdgeBearStress_0");
        const auto cellPicture = [&](const QImage& window) {
            return window.copy(QRect(edge0->mapTo(&w, QPoint()), edge0->size()));
        };
        QImage before = cellPicture(drawnAfresh());

        const std::pair<const char*, const char*> edits[] = {
            {"txtLoad", "40000"}, {"txth", "7"},  {"txtk", ""},
            {"txtk", "300"},      {"txth", "12"}, {"txtLoad", "9000"}};
        for (const auto& [name, text] : edits) {
            QTest::keyClick(box(w, name), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box(w, name), Qt::Key_Backspace);
            QTest::keyClicks(box(w, name), text);
            QTRY_VERIFY2(onScreen() == drawnAfresh(), name);
            // A new figure, a new colour, or the cell shown or hidden.
            const QImage cell = cellPicture(onScreen());
            QVERIFY2(cell != before, name);
            before = cell;
            if (edge0->isVisible() && tavrel::controls::hasOpaqueBackground(edge0)) {
                QCOMPARE(cell.pixelColor(2, cell.height() / 2),
                         tavrel::controls::backgroundColour(edge0));
            }
        }
        QCOMPARE(edge0->text(), QStringLiteral("1479"));
    }

    void editingTheNumberReadsItsLeadingPart() {
        MainWindow w;
        box(w, "txtLoad")->setText("10,000");  // reads as 10: below the minimum
        QCOMPARE(boxColour(w, "txtLoad"), kRed);
        box(w, "txtLoad")->setText("9000lbs");
        QCOMPARE(boxColour(w, "txtLoad"), kWhite);
        QCOMPARE(w.findChild<QLabel*>("lblDeflLTE_0")->text(), QStringLiteral("71.6"));

        // Pasted from a web page, typed with an East Asian input method, or
        // carrying a direction mark: each reads as the plain number.
        auto* edge = w.findChild<QLabel*>("lblEdgeBearStress_0");
        for (const QString& pasted : {QStringLiteral("\u00A012"), QStringLiteral("\uFF11\uFF12"),
                                      QStringLiteral("\u202E12\u202C")}) {
            box(w, "txth")->setText("5");  // a valid design with other results first
            QVERIFY(edge->text() != QStringLiteral("1479"));
            box(w, "txth")->setText(pasted);
            QCOMPARE(boxColour(w, "txth"), kWhite);
            QCOMPARE(edge->text(), QStringLiteral("1479"));
        }
    }

    // A direction override makes "21" look like "12": the box drops it, and
    // every other format character, as the text arrives, so that what it shows
    // is what is read.
    void theBoxShowsWhatIsRead() {
        MainWindow w;
        QLineEdit* thickness = box(w, "txth");
        thickness->setText(QStringLiteral("\u202E21\u202C"));  // opened or set
        QCOMPARE(thickness->text(), QStringLiteral("21"));
        thickness->clear();
        thickness->insert(QStringLiteral("1\u200B\u2067"));  // pasted
        QInputMethodEvent typed;                             // typed, through an input method
        typed.setCommitString(QStringLiteral("\u200F2"));
        QApplication::sendEvent(thickness, &typed);
        QCOMPARE(thickness->text(), QStringLiteral("12"));
        QCOMPARE(thickness->cursorPosition(), 2);
        thickness->setText(QStringLiteral("12"));
        const QString plainEdge = w.findChild<QLabel*>("lblEdgeBearStress_0")->text();
        thickness->setText(QStringLiteral("1\u202E2"));
        QCOMPARE(thickness->text(), QStringLiteral("12"));
        QCOMPARE(w.findChild<QLabel*>("lblEdgeBearStress_0")->text(), plainEdge);
    }

    void missingEngineIsReportedAndNothingBreaks() {
        QTemporaryDir emptyFolder;
        // A library in the working directory must not stand in for the missing one.
        QTemporaryDir workingFolder;
        const QString real = QDir(QCoreApplication::applicationDirPath()).filePath("libQuorvix.so");
        QFile::copy(real, QDir(workingFolder.path()).filePath("libQuorvix.so"));
        const QString before = QDir::currentPath();
        QDir::setCurrent(workingFolder.path());

        MainWindow w(emptyFolder.path());
        QDir::setCurrent(before);
        auto* problem = w.findChild<QLabel*>("lblEngineProblem");
        QVERIFY(problem);
        QVERIFY(problem->isVisibleTo(&w));
        QVERIFY(problem->text().contains("libQuorvix.so"));
        QVERIFY(problem->text().contains(QDir(emptyFolder.path()).absolutePath()));
        QCOMPARE(visibleCells(w.sizingPage()), 0);
        QCOMPARE(w.sizingPage()->analysis().engineCalls(), 0L);
        // Nothing was graded: no head may look acceptable, or anything else.
        for (const QLabel* head : w.sizingPage()->headings()) {
            const QColor colour = tavrel::controls::backgroundColour(head);
            QVERIFY(colour != kGreen && colour != kYellow && colour != kPink);
            QCOMPARE(colour.red(), colour.green());  // a neutral grey
            QCOMPARE(colour.green(), colour.blue());
            QVERIFY(head->toolTip().isEmpty());
        }

        // The inputs are still checked.
        box(w, "txtsd")->setText("99");
        QCOMPARE(boxColour(w, "txtsd"), kRed);
        box(w, "txtsd")->setText("12");
        QCOMPARE(boxColour(w, "txtsd"), kWhite);
    }

    // The bar catalogue is the one source of the headings and the drawings: a
    // caption typed into the page, or a size drawn from another table, fails here.
    void headingsAndCrossSectionsShowTheCatalogue() {
        MainWindow w;
        const DowelSizingPage* page = w.sizingPage();
        int rounds = 0, ellipses = 0;
        for (int c = 0; c < tavrel::kDowelCaseCount; ++c) {
            const tavrel::DowelCase& dowel = tavrel::kDowelCases[c];
            const QString label = QString::fromStdString(tavrel::dowelCaseLabel(dowel));
            const QLabel* first = page->heading(c, 0);
            QString shown = first->text();
            if (tavrel::sizeLineCount(dowel) == 2) {
                const QLabel* second = page->heading(c, 1);
                shown += u'x' + second->text();
                QVERIFY(first->y() < second->y());
            }
            QCOMPARE(shown, label);
            QVERIFY2(first->toolTip().startsWith(label + QStringLiteral(" in. ")),
                     qPrintable(first->toolTip()));

            const bool round = tavrel::isRound(dowel);
            const QString name = round ? QStringLiteral("shpRound%1").arg(++rounds)
                                       : QStringLiteral("shpEllipse%1").arg(++ellipses);
            const auto* section = w.findChild<tavrel::ShapeControl*>(name);
            QVERIFY2(section, qPrintable(name));
            QCOMPARE(section->kind(),
                     round ? tavrel::ShapeControl::Circle : tavrel::ShapeControl::Oval);
            // Drawn at about 500 twips per inch: a size changed in the catalogue
            // without its drawing is off by far more than a pixel.
            const float width = round ? dowel.diameter : dowel.width;
            const float height = round ? dowel.diameter : dowel.height;
            QVERIFY(qAbs(section->width() - tavrel::twips::toPixels(500 * width)) <= 1);
            QVERIFY(qAbs(section->height() - tavrel::twips::toPixels(500 * height)) <= 1);
            // Under its own heading.
            QVERIFY(qAbs(section->geometry().center().x() - first->geometry().center().x()) <= 1);
        }
    }

    void inputBoxesAreNamedForAssistiveTools() {
        MainWindow w;
        QCOMPARE(box(w, "txtk")->accessibleName(),
                 QStringLiteral("Slab Support Reaction Modulus:"));
        QCOMPARE(box(w, "txtTirePres")->accessibleName(), QStringLiteral("Tire Pressure:"));
    }
};

QTEST_MAIN(DowelSizingPageTest)
#include "dowel_sizing_page_test.moc"
