// The sizing page's answer leaving the window: the clipboard after "Copy
// Results", the three actions while an input is out of range, the page's
// context menu, and a report that cannot be saved.
#include "window/results_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "full_disk.h"
#include "window/dowel_sizing_page.h"
#include "window/main_window.h"

using tavrel::MainWindow;

namespace {

void setBox(MainWindow& w, const char* name, const char* text) {
    w.findChild<QLineEdit*>(name)->setText(QString::fromLatin1(text));
}

void pressCopy(MainWindow& w) {
    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

class ResultsActionsTest : public QObject {
    Q_OBJECT

  private slots:
    // The units chosen are remembered: in a place of the test's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings().clear(); }

    void copyResultsFromAnyPagePutsTheTableOnTheClipboard() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.tabControl()->setCurrentIndex(2);  // the shortcut works from the about page too
        QApplication::clipboard()->clear();
        pressCopy(w);
        QCOMPARE(
            QApplication::clipboard()->text(),
            QStringLiteral("Dowel Spacing:\t12\tinches\n"
                           "Joint Opening:\t0.25\tinches\n"
                           "Slab Support Reaction Modulus:\t300\tpsi/inch\n"
                           "Wheel Load:\t9000\tlbs\n"
                           "Concrete Elastic Modulus:\t4000000\tpsi\n"
                           "Slab Thickness:\t12\tinches\n"
                           "Tire Pressure:\t90\tpsi\n\n"
                           "Dowel (in.)\t1\t1.25\t1.5\t1.75\t2\t1.41x0.88\t1.66x1.13\t1.98x1.34\n"
                           "Load Transfer (%) -\n"
                           "Deflection LTE:\t71.6\t77.2\t80.8\t83.2\t84.8\t75.3\t75.9\t79.1\n"
                           "Stress LTE:\t26.1\t30.1\t33.1\t35.4\t37.1\t28.6\t29.0\t31.6\n"
                           "Effectiveness:\t46.2\t47.0\t47.5\t47.8\t48.0\t46.7\t46.8\t47.2\n"
                           "Bearing Stress (psi) -\n"
                           "Edge Loading:\t1479\t1060\t788\t602\t469\t1246\t758\t565\n"
                           "Corner Loading:\t2469\t1744\t1284\t975\t755\t2060\t1252\t926\n"
                           "Grade\tacceptable\tacceptable\tacceptable\tacceptable\tacceptable\t"
                           "acceptable\tacceptable\tacceptable\n"));
        // Every head and grade green, no cell coloured.
        const QString html = QApplication::clipboard()->mimeData()->html();
        QVERIFY(html.contains(QStringLiteral("<table")));
        QCOMPARE(html.count(QStringLiteral("#80ff80")), 16);
        QVERIFY(!html.contains(QStringLiteral("#ffff80")) && !html.contains("#ff8080"));

        // A design with every grade colours its cells as the window does.
        setBox(w, "txtLoad", "20000");
        setBox(w, "txth", "8");
        pressCopy(w);
        const QString graded = QApplication::clipboard()->mimeData()->html();
        QVERIFY(
            graded.contains(QStringLiteral("<td style=\"background-color:#ff8080\">6320</td>")));
        QVERIFY(
            graded.contains(QStringLiteral("<td style=\"background-color:#ffff80\">3200</td>")));
        QVERIFY(graded.contains(QStringLiteral("<td>1941</td>")));
        const QString grades = QStringLiteral(
            "Grade\tunacceptable\tconditional\tconditional\tacceptable\tacceptable\t"
            "unacceptable\tconditional\tacceptable\n");
        QVERIFY(QApplication::clipboard()->text().endsWith(grades));

        // In SI units every caption, unit and stress follows; the grades do not.
        w.resultsActions()->unitsAction(tavrel::UnitSystem::Si)->trigger();
        QCOMPARE(w.findChild<QLineEdit*>("txtLoad")->text(), QStringLiteral("88.96443"));
        QCOMPARE(w.findChild<QLabel*>("lblLoadUnits")->text(), QStringLiteral("kN"));
        QCOMPARE(w.findChild<QLabel*>("Label8")->text(), QStringLiteral("Bearing Stress (MPa) -"));
        QCOMPARE(w.findChild<QLabel*>("lblDia_0")->text(), QStringLiteral("25.4"));
        QCOMPARE(w.findChild<QLineEdit*>("txth")->toolTip(),
                 QStringLiteral("Minimum: 127  Maximum: 762"));
        pressCopy(w);
        const QString si = QApplication::clipboard()->text();
        QVERIFY2(si.startsWith(QStringLiteral("Dowel Spacing:\t304.8\tmm\n")), qPrintable(si));
        QVERIFY2(
            si.contains(QStringLiteral("\nDowel (mm)\t25.4\t31.8\t38.1\t44.5\t50.8\t35.8x22.4")),
            qPrintable(si));
        QVERIFY(si.contains(QStringLiteral("\nBearing Stress (MPa) -\nEdge Loading:\t26.80\t")));
        QVERIFY(si.endsWith(grades));
        QVERIFY(!si.contains(QStringLiteral("psi")) && !si.contains(QStringLiteral("inch")));
        // Back in US units the boxes read as before.
        w.resultsActions()->unitsAction(tavrel::UnitSystem::Us)->trigger();
        QCOMPARE(w.findChild<QLineEdit*>("txtLoad")->text(), QStringLiteral("20000"));
    }

    void outOfRangeInputDisablesTheActionsAndSaysWhy() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        tavrel::ResultsActions* actions = w.resultsActions();
        setBox(w, "txth", "40");
        QMenu* menu = actions->contextMenu();
        for (QAction* action :
             {actions->copyAction(), actions->saveAction(), actions->printAction()}) {
            QVERIFY(menu->actions().contains(action));
            QVERIFY(!action->isEnabled());
            QVERIFY2(action->text().contains(QStringLiteral("Slab Thickness is out of range")),
                     qPrintable(action->text()));
        }
        // The shortcut only beeps: the clipboard keeps what it had.
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        pressCopy(w);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));

        setBox(w, "txth", "12");
        actions->refresh();
        QVERIFY(actions->copyAction()->isEnabled());
        QCOMPARE(actions->copyAction()->text(), QStringLiteral("Copy Results"));
        QCOMPARE(actions->saveAction()->text(), QStringLiteral("Save Report as PDF..."));
    }

    void rightClickOnThePageOpensTheMenu() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // A row caption: the event passes from the label to the page.
        QLabel* caption = w.sizingPage()->findChild<QLabel*>(QStringLiteral("Label5"));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                caption->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(caption, &click);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) texts << action->text();
        }
        QCOMPARE(texts, (QStringList{
                            QStringLiteral("Copy Results"), QStringLiteral("Save Report as PDF..."),
                            QStringLiteral("Print Report..."), QStringLiteral("Units: US / SI"),
                            QStringLiteral("Open Design..."), QStringLiteral("Save Design"),
                            QStringLiteral("Save Design As..."), QStringLiteral("Recent Designs"),
                            QStringLiteral("Design Details...")}));
        menu->close();
    }

    // A folder that is a file cannot take the report: a message says so and
    // nothing is left at the chosen name.
    void failedSaveShowsTheMessageAndLeavesNoFile() {
        MainWindow w;
        w.show();
        QTemporaryDir folder;
        const QString notAFolder = folder.filePath(QStringLiteral("reports"));
        QFile plain(notAFolder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString target = notAFolder + QStringLiteral("/Tavrel design.pdf");

        QString message;
        QTimer::singleShot(0, [&message] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            message = box->text();
            box->accept();
        });
        QVERIFY(!w.resultsActions()->saveReport(target));
        QVERIFY2(message.contains(QStringLiteral("could not be saved")), qPrintable(message));
        QVERIFY(message.contains(QDir::toNativeSeparators(target)));
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{QStringLiteral("reports")});

        // A disk that fills up part way: the message, and the old report kept.
        const QString old = folder.filePath(QStringLiteral("old.pdf"));
        QFile oldFile(old);
        QVERIFY(oldFile.open(QIODevice::WriteOnly));
        oldFile.write("old\n");
        oldFile.close();
        message.clear();
        QTimer::singleShot(0, [&message] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            message = box->text();
            box->accept();
        });
        const bool saved =
            withDiskFullAfter(16384, [&] { return w.resultsActions()->saveReport(old); });
        QVERIFY(!saved);
        QVERIFY2(message.contains(QStringLiteral("could not be saved")), qPrintable(message));
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), QByteArray("old\n"));
        oldFile.close();
        QVERIFY(QFile::remove(old));

        // The same action writes a report where it can.
        const QString good = folder.filePath(QStringLiteral("Tavrel design.pdf"));
        QVERIFY(w.resultsActions()->saveReport(good));
        QFile written(good);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5) == "%PDF-");
    }
};

QTEST_MAIN(ResultsActionsTest)
#include "results_actions_test.moc"
