// The design as a file in the window: what is saved reopens as it was left,
// the title and the question on closing follow the open file only, a failed
// save keeps the old file, and bad files are named with what is wrong.
#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "full_disk.h"
#include "version_caption.h"
#include "window/design_actions.h"
#include "window/dowel_sizing_page.h"
#include "window/dowel_spacing_page.h"
#include "window/main_window.h"
#include "window/results_actions.h"

using tavrel::DesignActions;
using tavrel::MainWindow;

namespace {

using testing_support::versionCaption;

QString box(MainWindow& w, const char* name) {
    return w.findChild<QLineEdit*>(QLatin1String(name))->text();
}

void setBox(MainWindow& w, const char* name, const char* text) {
    w.findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromUtf8(text));
}

// Counts the questions and messages instead of showing them.
struct Answers {
    int questions = 0;
    QStringList warnings;
    DesignActions::Answer answer = DesignActions::Answer::Cancel;

    void attach(DesignActions* actions) {
        actions->askToSave = [this](const QString&) {
            ++questions;
            return answer;
        };
        actions->warn = [this](const QString&, const QString& text) { warnings << text; };
    }
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DesignFileWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // The recent designs of this run alone, whatever else runs beside it.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    void withoutAFileTheWindowIsAsBefore() {
        MainWindow w;
        Answers answers;
        answers.attach(w.designActions());
        const QString title = w.windowTitle();
        QCOMPARE(title, versionCaption());
        setBox(w, "txtsd", "14");
        QCOMPARE(w.windowTitle(), title);
        QVERIFY(w.close());
        QCOMPARE(answers.questions, 0);
    }

    void aSavedDesignReopensAsItWasLeft() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Route 9.tavrel"));
        tavrel::ProjectDetails details;
        details.project = "Route 9 — rehabilitation";
        details.notes = "Two lines\nof notes";
        tavrel::SpacingChoices choices{2, {3, 0, 2}, 5, 3};
        {
            MainWindow w;
            setBox(w, "txtsd", "999");  // out of range, kept as typed
            setBox(w, "txtLoad", " 9500 lbs");
            w.spacingPage()->showChoices(choices);
            w.designActions()->setDetails(details);
            QVERIFY(w.designActions()->saveTo(path));
            QCOMPARE(w.windowTitle(), QStringLiteral("Route 9.tavrel[*] -") + versionCaption());
            QVERIFY(!w.isWindowModified());
        }
        MainWindow w;
        QVERIFY(w.designActions()->openFile(path));
        QCOMPARE(box(w, "txtsd"), QStringLiteral("999"));
        QCOMPARE(box(w, "txtLoad"), QStringLiteral(" 9500 lbs"));
        QCOMPARE(box(w, "txtk"), QStringLiteral("300"));
        QCOMPARE(w.spacingPage()->choices(), choices);
        QCOMPARE(w.designActions()->details(), details);
        QVERIFY(!w.isWindowModified());
        QCOMPARE(w.designActions()->recentMenu()->actions().size(), 1);
        MainWindow other;  // the recent design is offered in every window
        other.designActions()->recentMenu()->actions().front()->trigger();
        QTRY_COMPARE(other.designActions()->path(), path);
        QCOMPARE(other.designActions()->details(), details);
    }

    void unsavedChangesAreAskedAboutAndCtrlSSavesThem() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("a.tavrel"));
        MainWindow w;
        Answers answers;
        answers.attach(w.designActions());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.designActions()->saveTo(path));
        setBox(w, "txth", "10");
        QVERIFY(w.isWindowModified());
        setBox(w, "txth", "12");  // back as saved
        QVERIFY(!w.isWindowModified());
        w.findChild<QComboBox*>(QStringLiteral("cboPlotVar"))->setCurrentIndex(2);
        QVERIFY(w.isWindowModified());

        answers.answer = DesignActions::Answer::Cancel;
        QVERIFY(!w.close());
        QCOMPARE(answers.questions, 1);

        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!w.isWindowModified());
        QVERIFY(contents(path).contains("\"plotted-quantity\": 2"));
        QVERIFY(w.close());
        QCOMPARE(answers.questions, 1);
    }

    void aFailedSaveKeepsTheOldFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("old.tavrel"));
        MainWindow w;
        Answers answers;
        answers.attach(w.designActions());
        QVERIFY(w.designActions()->saveTo(path));
        const QByteArray old = contents(path);
        tavrel::ProjectDetails longer;
        longer.notes = std::string(900, 'n');
        w.designActions()->setDetails(longer);
        const bool saved = withDiskFullAfter(1024, [&] { return w.designActions()->saveDesign(); });
        QVERIFY(!saved);
        QCOMPARE(answers.warnings.size(), 1);
        QVERIFY(answers.warnings[0].startsWith(QStringLiteral("The design could not be saved")));
        QCOMPARE(contents(path), old);
        QVERIFY(w.isWindowModified());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.tavrel"});
    }

    void aBadFileIsNamedAndChangesNothing() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("new.tavrel"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "tavrel-design", "version": 2, "inputs": {"spacing": "20"}})");
        file.close();
        MainWindow w;
        Answers answers;
        answers.attach(w.designActions());
        QVERIFY(!w.designActions()->openFile(path));
        QCOMPARE(answers.warnings.size(), 1);
        QVERIFY(answers.warnings[0].endsWith(QStringLiteral("made by a newer Tavrel (version 2)")));
        QCOMPARE(box(w, "txtsd"), QStringLiteral("12"));
        QCOMPARE(w.windowTitle(), versionCaption());
    }

    // A right-to-left override would show "12" for the 21 that is read.
    void aDesignShowsWhatIsRead() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("marks.tavrel"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"format": "tavrel-design", "version": 1, "inputs": {"spacing": "\u202e21"}})");
        file.close();
        MainWindow w;
        QVERIFY(w.designActions()->openFile(path));
        QCOMPARE(box(w, "txtsd"), QStringLiteral("21"));
    }

    // A strength the check cannot take is not dropped without a word.
    void aCheckInputLeftAtItsDefaultIsNamed() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("strength.tavrel"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"format": "tavrel-design", "version": 1, "check": "friberg", "inputs": {"fc": "999999"}})");
        file.close();
        MainWindow w;
        Answers answers;
        answers.attach(w.designActions());
        QVERIFY(w.designActions()->openFile(path));
        QCOMPARE(answers.warnings.size(), 1);
        QVERIFY2(answers.warnings[0].contains(QStringLiteral("999999 is out of range")),
                 qPrintable(answers.warnings[0]));
    }

    // The same design as saved by the web page (and by tavrel-cli) opens alike.
    void designsFromTheOtherFrontEndsOpenAlike() {
        for (const char* name : {"web.tavrel", "cli.tavrel"}) {
            MainWindow w;
            QVERIFY(w.designActions()->openFile(QStringLiteral(TAVREL_DESIGNS "/") + name));
            QStringList texts;
            for (const QLineEdit* input : w.sizingPage()->inputBoxes()) texts << input->text();
            QCOMPARE(texts, (QStringList{"14", "0.2", "250", "10000", "4500000", "10", "100"}));
            QCOMPARE(w.designActions()->details().project, std::string("Route 9 — rehabilitation"));
            QCOMPARE(w.designActions()->details().notes, std::string("Heavy trucks\nSecond line"));
            QCOMPARE(w.spacingPage()->choices(), (tavrel::SpacingChoices{1, {2, 3, 0}, 4, 2}));
            QVERIFY(!w.isWindowModified());
        }
    }

    void aDesignOpensInItsOwnUnitsAndAUnitChangeIsAChange() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bare.tavrel"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "tavrel-design", "version": 1, "inputs": {"load": "9000"}})");
        file.close();
        MainWindow fresh;  // a file without units is in US units
        fresh.resultsActions()->chooseUnits(tavrel::UnitSystem::Us);
        MainWindow w;
        w.resultsActions()->chooseUnits(tavrel::UnitSystem::Si);
        QVERIFY(w.designActions()->openFile(path));
        QCOMPARE(box(w, "txtLoad"), QStringLiteral("9000"));  // as typed, not converted
        for (const char* name : {"txth", "txtk"}) QCOMPARE(box(w, name), box(fresh, name));
        w.resultsActions()->contextMenu();  // as the user opens it
        QVERIFY(w.resultsActions()->unitsAction(tavrel::UnitSystem::Us)->isChecked());
        QVERIFY(!w.isWindowModified());
        w.resultsActions()->unitsAction(tavrel::UnitSystem::Si)->trigger();
        QVERIFY(w.isWindowModified());
        QCOMPARE(tavrel::ResultsActions::rememberedUnits(), tavrel::UnitSystem::Si);
    }

    void aDroppedDesignOpens() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("dropped.TAVREL"));
        {
            MainWindow w;
            setBox(w, "txtw", "0.5");
            QVERIFY(w.designActions()->saveTo(path));
        }
        MainWindow w;
        w.show();  // drops reach visible windows only
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Past the application's drag-and-drop bookkeeping, which knows of no drag.
        static_cast<QObject&>(w).event(&drop);
        QCOMPARE(box(w, "txtw"), QStringLiteral("0.5"));
        QCOMPARE(w.designActions()->path(), path);
    }

  private:
    QTemporaryDir settings_;
};

QTEST_MAIN(DesignFileWindowTest)
#include "design_file_window_test.moc"
