// The built tavrel-cli as a script meets it, and its output beside the window's.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "analysis/case_grade.h"
#include "window/dowel_sizing_page.h"
#include "window/main_window.h"

namespace {

struct Finished {
    int status;
    QString out;
    QString error;
};

Finished runProgram(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString kProgram = QStringLiteral(TAVREL_CLI_PATH);

}  // namespace

class CliProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void defaultDesignMatchesTheWindowsTable() {
        tavrel::MainWindow window;
        const tavrel::DowelSizingPage* page = window.sizingPage();
        const Finished r = runProgram(kProgram, {QStringLiteral("--format=csv")});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 9);
        for (int c = 0; c < tavrel::kDowelCaseCount; ++c) {
            const QStringList fields = lines[c + 1].split(QLatin1Char(','));
            for (int row = 0; row < tavrel::kResultRowCount; ++row) {
                QCOMPARE(fields[9 + row],
                         page->resultCell(static_cast<tavrel::ResultRow>(row), c)->text());
            }
            QCOMPARE(fields[14], QString::fromLatin1(gradeWord(page->lastRun().cases[c].grade)));
        }
    }

    void badInputIsOneLineOnStandardErrorAndStatusTwo() {
        const Finished r =
            runProgram(kProgram, {QStringLiteral("--thickness"), QStringLiteral("12abc")});
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.error, QStringLiteral("tavrel-cli: --thickness: '12abc' is not a number "
                                         "(allowed: 5 to 30 inches)\n"));
    }

    void loadsTheEngineFromItsOwnFolderOnly() {
        // A copy of the program without the engine beside it, run from the
        // folder where the engine was built.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString copy = folder.filePath(QStringLiteral("tavrel-cli"));
        QVERIFY(QFile::copy(kProgram, copy));
        QProcess process;
        process.setWorkingDirectory(QFileInfo(kProgram).absolutePath());
        process.start(copy, {});
        process.waitForFinished(30000);
        QCOMPARE(process.exitCode(), 1);
        const QString error = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(error.contains(QDir(folder.path()).canonicalPath()), qPrintable(error));

        const QString engine =
            QFileInfo(kProgram).absoluteDir().filePath(QStringLiteral("libQuorvix.so"));
        QVERIFY(QFile::copy(engine, folder.filePath(QStringLiteral("libQuorvix.so"))));
        const Finished r = runProgram(copy, {});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(QStringLiteral("71.6")), qPrintable(r.out));
    }
};

QTEST_MAIN(CliProgramTest)
#include "cli_program_test.moc"
