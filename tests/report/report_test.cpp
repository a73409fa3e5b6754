// The design report read back from the PDF tavrel-cli writes without a display,
// and a report file that cannot be written.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "analysis/design_inputs.h"
#include "analysis/results_table.h"
#include "report/design_report.h"

Q_DECLARE_METATYPE(tavrel::DesignValues)

namespace {

QString run(const QString& program, const QStringList& args, int* status = nullptr,
            QString* error = nullptr) {
    QProcess process;
    // As on a machine with no display: nothing tells Qt where to draw.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    process.setProcessEnvironment(environment);
    process.start(program, args);
    process.waitForFinished(60000);
    if (status != nullptr)
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (error != nullptr) *error = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ReportTest : public QObject {
    Q_OBJECT

  private slots:
    void reportHoldsEveryHeadingInputCellAndGrade_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<tavrel::DesignValues>("values");
        QTest::newRow("default") << QStringList() << tavrel::inputDefaults();
        // A heavy load on a thin slab, where every grade occurs.
        tavrel::DesignValues heavy = tavrel::inputDefaults();
        heavy[3] = 20000;
        heavy[5] = 8;
        QTest::newRow("heavy load, thin slab")
            << QStringList{QStringLiteral("--load"), QStringLiteral("20000"),
                           QStringLiteral("--thickness=8")}
            << heavy;
        // Every bar's results outside the fitted relations.
        const tavrel::DesignValues outside = {6, 0.005f, 50, 8000, 500000, 5, 20};
        QTest::newRow("outside the fitted relations")
            << QStringList{"--spacing",       "6",    "--opening", "0.005",  "--k",         "50",
                           "--load",          "8000", "--ec",      "500000", "--thickness", "5",
                           "--tire-pressure", "20"}
            << outside;
    }

    void reportHoldsEveryHeadingInputCellAndGrade() {
        QFETCH(QStringList, options);
        QFETCH(tavrel::DesignValues, values);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("design report.pdf"));
        int status = -1;
        QString error;
        run(QStringLiteral(TAVREL_CLI_PATH), QStringList{QStringLiteral("--report"), pdf} + options,
            &status, &error);
        QCOMPARE(status, 0);
        QCOMPARE(error, QString());

        const QString info = run(QStringLiteral(PDFINFO_PATH), {pdf});
        QVERIFY(info.contains(QStringLiteral("letter")));
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n"))
                              .match(info)
                              .captured(1)
                              .toInt();
        QVERIFY2(pages >= 5, qPrintable(info));
        // Each page names the project and says which page of how many it is.
        const QStringList pageTexts =
            run(QStringLiteral(PDFTOTEXT_PATH), {pdf, QStringLiteral("-")})
                .split(QLatin1Char('\f'));
        for (int p = 1; p <= pages; ++p) {
            const QString& page = pageTexts[p - 1];
            QVERIFY2(page.contains(QStringLiteral("Project: ")), qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("page %1 of %2").arg(p).arg(pages)),
                     qPrintable(page));
        }
        // One line of words: the check is for the words, not where lines break.
        const QString text = run(QStringLiteral(PDFTOTEXT_PATH),
                                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                 .simplified();
        auto expect = [&text](const QString& words) {
            QVERIFY2(text.contains(words.simplified()), qPrintable(words));
        };

        expect(QLatin1String(tavrel::kReportTitle));
        for (const char* heading : {"Design", "Method", "Results", "Working", "Sensitivity",
                                    "What makes each bar acceptable", "Checked", "Approved"}) {
            expect(QLatin1String(heading));
        }
        expect(QStringLiteral(
            "deflection LTE \u2265 70 % and edge and corner bearing stress < 3,000 psi"));
        expect(QStringLiteral(
            "deflection LTE < 50 % or edge or corner bearing stress \u2265 4,500 psi"));
        for (int i = 0; i < tavrel::kDesignInputCount; ++i) {
            const tavrel::DesignInput& d = tavrel::kDesignInputs[i];
            expect(QStringLiteral("%1 %2 %3")
                       .arg(QLatin1String(d.caption),
                            QString::fromStdString(tavrel::plainDecimal(values[i])),
                            QLatin1String(d.units)));
        }
        // The table row by row, as the analysis itself gives it, the grades
        // values marked where they lie outside the fitted relations.
        tavrel::DesignAnalysis analysis;
        const tavrel::AnalysisRun table = analysis.run(values, &CALCLTE);
        QCOMPARE(table.outcome, tavrel::AnalysisRun::Complete);
        for (int row = 0; row < tavrel::kResultRowCount; ++row) {
            QString line = QLatin1String(tavrel::kResultRowCaptions[row]);
            for (const tavrel::CaseResult& c : table.cases) {
                line += QLatin1Char(' ') + QString::fromStdString(tavrel::markedText(c.cells[row]));
            }
            expect(line);
        }
        QString grades = QStringLiteral("Grade");
        bool outside = false;
        for (const tavrel::CaseResult& c : table.cases) {
            grades += QLatin1Char(' ') + QLatin1String(gradeWord(c.grade));
            outside = outside || tavrel::outsideFittedRelations(c.engine);
        }
        expect(grades);
        QCOMPARE(text.contains(QStringLiteral("* outside the range of the fitted relations")),
                 outside);
        for (tavrel::CaseGrade grade :
             {tavrel::CaseGrade::Acceptable, tavrel::CaseGrade::Conditional,
              tavrel::CaseGrade::Unacceptable}) {
            expect(QString::fromStdString(tavrel::legendText(grade)).trimmed());
        }
        expect(QStringLiteral("DISCLAIMER: This software is intended for preliminary evaluation"));
    }

    // A design saved in SI units with its project: the details on page 1, the
    // project and revision on every page, SI throughout, the grades as in US.
    void siDesignFileReportNamesItsProject() {
        QTemporaryDir folder;
        const QString design = folder.filePath(QStringLiteral("route.tavrel"));
        QFile file(design);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "tavrel-design", "version": 1, "units": "si",
            "inputs": {"spacing": "304.8", "thickness": "203.2", "load": "88.96443", "fck": "40"},
            "check": "friberg-1.8l",
            "project": {"project": "Route 9 rehabilitation", "location": "km 12.4 to 15.0",
                        "joint": "Joint 7", "engineer": "A. Reyes", "checker": "M. Okafor",
                        "revision": "B", "notes": "Heavy trucks"}})");
        file.close();
        const QString pdf = folder.filePath(QStringLiteral("si.pdf"));
        int status = -1;
        QString error;
        run(QStringLiteral(TAVREL_CLI_PATH),
            {QStringLiteral("--report"), pdf, QStringLiteral("--design"), design}, &status, &error);
        QCOMPARE(status, 0);
        QCOMPARE(error, QString());
        const QStringList pages = run(QStringLiteral(PDFTOTEXT_PATH),
                                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                      .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        const QString first = pages.first().simplified();
        for (const char* words : {"Project: Route 9 rehabilitation", "Location: km 12.4 to 15.0",
                                  "Joint: Joint 7", "Engineer: A. Reyes", "Checker: M. Okafor",
                                  "Revision: B", "Notes: Heavy trucks", "Checked", "Approved"}) {
            QVERIFY2(first.contains(QLatin1String(words)), words);
        }
        for (int p = 0; p < pages.size(); ++p) {
            const QString page = pages[p].simplified();
            QVERIFY2(
                page.contains(QStringLiteral("Project: Route 9 rehabilitation \u00b7 Revision: B")),
                qPrintable(page));
            QVERIFY(page.contains(QStringLiteral("page %1 of %2").arg(p + 1).arg(pages.size())));
        }
        const QString text = pages.join(QLatin1Char(' ')).simplified();
        for (const char* words :
             {"Dowel Spacing: 304.8 mm", "Wheel Load: 88.96443 kN",
              "edge and corner bearing stress < 20.684 MPa", "Dowel Diameter(s) (mm):",
              "Bearing Stress (MPa) -", "25.4 mm round bar", "Bearing stress (MPa)",
              "Grade unacceptable conditional conditional acceptable acceptable unacceptable "
              "conditional acceptable",
              // The file's textbook check, not the default one.
              "Concrete strength f'c: 32.00 MPa (from f_ck = 40.00 MPa (f'c = 0.8 f_ck))",
              "Effective length L: 1.8 l (Friberg)"}) {
            QVERIFY2(text.contains(QLatin1String(words)), words);
        }
    }

    // A project as long as a design keeps is shortened in the footer, never
    // written over "page N of M".
    void aLongProjectLeavesThePageNumberClear() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("long.pdf"));
        int status = -1;
        run(QStringLiteral(TAVREL_CLI_PATH),
            {QStringLiteral("--report"), pdf, QStringLiteral("--project"),
             QStringLiteral("Route 9 west ").repeated(76)},
            &status);
        QCOMPARE(status, 0);
        const QStringList pages = run(QStringLiteral(PDFTOTEXT_PATH),
                                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                      .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        for (int p = 0; p < pages.size(); ++p) {
            const QString footer = pages[p].trimmed().split(QLatin1Char('\n')).last();
            QVERIFY2(footer.contains(QStringLiteral("\u2026")) &&
                         footer.trimmed().endsWith(
                             QStringLiteral("page %1 of %2").arg(p + 1).arg(pages.size())),
                     qPrintable(footer));
        }
    }

    // A detail without a space in it (a pasted reference, a path) is broken
    // across lines rather than run off the page.
    void anUnbrokenDetailStaysOnThePage() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("wide.pdf"));
        int status = -1;
        run(QStringLiteral(TAVREL_CLI_PATH),
            {QStringLiteral("--report"), pdf, QStringLiteral("--engineer"), QString(300, u'W')},
            &status);
        QCOMPARE(status, 0);
        const QString first =
            run(QStringLiteral(PDFTOTEXT_PATH),
                {QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
        QCOMPARE(first.count(u'W') - first.count(QStringLiteral("Wheel")), 300);
    }

    // A folder that is a file cannot hold the report: the writer says so, and
    // leaves nothing behind, not even its temporary file.
    void unwritableFolderLeavesNoFile() {
        QTemporaryDir folder;
        const QString notAFolder = folder.filePath(QStringLiteral("plain file"));
        QFile plain(notAFolder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const std::optional<tavrel::DesignStudy> study =
            tavrel::studyDesign(tavrel::inputDefaults(), &CALCLTE);
        QVERIFY(study.has_value());
        const QString target = notAFolder + QStringLiteral("/Tavrel design.pdf");
        const std::string failure = tavrel::report::writeReportPdf(
            QFile::encodeName(target).toStdString(), *study, QDateTime::currentDateTime());
        QVERIFY(!failure.empty());
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{QStringLiteral("plain file")});
    }
};

QTEST_MAIN(ReportTest)
#include "report_test.moc"
