// The about page as the user meets it: logos and host names that open their
// sites, the guidelines button, the static texts, and pages that keep their values.
#include "window/about/about_page.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "links/recording_opener.h"
#include "links/web_sites.h"
#include "window/about/about_layout.h"
#include "window/about/about_page_texts.h"
#include "window/controls.h"
#include "window/dowel_sizing_page.h"
#include "window/main_window.h"
#include "window/twips.h"
#include "window/window_fonts.h"

using tavrel::MainWindow;
using tavrel::links::WebSite;

namespace {

constexpr int kAboutPage = 2;

QLabel* label(const MainWindow& w, const QString& name) {
    return w.findChild<QLabel*>(name);
}

// Where a control stands on the tab control, in pixels.
QPoint placeOnTabControl(const MainWindow& w, const QWidget* control) {
    return control->mapTo(w.tabControl(), QPoint(0, 0));
}

QPoint pixels(double left, double top) {
    return QPoint(tavrel::twips::toPixels(left), tavrel::twips::toPixels(top));
}

// Everything the user could have changed on the sizing page.
QStringList sizingTexts(const MainWindow& w) {
    QStringList texts;
    for (const QLineEdit* box : w.sizingPage()->findChildren<QLineEdit*>()) texts << box->text();
    for (const QLabel* l : w.sizingPage()->findChildren<QLabel*>()) {
        texts << l->objectName() + u'=' + l->text() + (l->isVisibleTo(&w) ? u'+' : u'-');
    }
    return texts;
}

}  // namespace

class AboutPageTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The program's own look, so the fit checks measure what the user sees.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setFont(tavrel::fonts::standard());
    }

    void logoAndHostNameOpenTheSameSite() {
        MainWindow w;
        w.tabControl()->setCurrentIndex(kAboutPage);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        for (WebSite site : tavrel::links::kWebSites) {
            const QString host = tavrel::links::siteHost(site);
            QLabel* logo = label(w, QLatin1String(tavrel::about::linkPlace(site).logo));
            QLabel* link = label(w, QLatin1String(tavrel::about::linkPlace(site).label));
            QVERIFY(logo && link);
            QCOMPARE(link->text(), host);

            RecordingOpener opener;
            QTest::mouseClick(logo, Qt::LeftButton, {}, logo->rect().center());
            QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
            const QUrl home(QStringLiteral("http://") + host);
            QCOMPARE(opener.requests, (std::vector<QUrl>{home, home}));
        }
    }

    void onlyACompletedLeftClickOpens() {
        MainWindow w;
        w.tabControl()->setCurrentIndex(kAboutPage);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QLabel* link = label(w, QStringLiteral("Label11"));
        RecordingOpener opener;

        QTest::mouseClick(link, Qt::RightButton, {}, QPoint(2, 2));
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-5, link->height() + 5));
        QCOMPARE(opener.requests.size(), size_t(0));
    }

    void linkLabelsOpenFromTheKeyboard() {
        MainWindow w;
        RecordingOpener opener;
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
        for (Qt::Key key : keys) QTest::keyClick(label(w, QStringLiteral("Label14")), key);
        QTest::keyClick(label(w, QStringLiteral("Label14")), Qt::Key_A);
        QCOMPARE(opener.requests.size(), size_t(3));
        for (const QUrl& request : opener.requests) {
            QCOMPARE(request, QUrl(tavrel::links::siteAddress(WebSite::Partner)));
        }
        QCOMPARE(label(w, QStringLiteral("Label14"))->focusPolicy(), Qt::TabFocus);
        QCOMPARE(label(w, QStringLiteral("Image1"))->focusPolicy(), Qt::NoFocus);
    }

    void guidelinesButtonAsksForTheMaximizedDocument() {
        MainWindow w;
        RecordingOpener opener;
        QTest::mouseClick(w.findChild<QPushButton*>("cmdGuidelines"), Qt::LeftButton);
        QCOMPARE(opener.requests,
                 std::vector<QUrl>{QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                                       QStringLiteral("/Praxendel.pdf"))});
    }

    void missingGuidelinesChangeNothing() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.tabControl()->setCurrentIndex(1);
        const QString title = w.windowTitle();
        const QStringList texts = sizingTexts(w);
        const QWidgetList windowsBefore = QApplication::topLevelWidgets();

        // The desktop's own opener, but aimed at a folder without the document, so
        // nothing can be launched.
        QTemporaryDir emptyFolder;
        QVERIFY(emptyFolder.isValid());
        std::vector<bool> results;
        tavrel::links::ExternalOpener desktop = tavrel::links::setExternalOpener({});
        tavrel::links::setExternalOpener([&](const QUrl&) {
            results.push_back(desktop(QUrl::fromLocalFile(
                QDir(emptyFolder.path()).filePath(QStringLiteral("Praxendel.pdf")))));
            return results.back();
        });
        QTest::mouseClick(w.findChild<QPushButton*>("cmdGuidelines"), Qt::LeftButton);
        tavrel::links::setExternalOpener(desktop);
        QCoreApplication::processEvents();

        QCOMPARE(results, std::vector<bool>{false});
        QCOMPARE(w.tabControl()->currentIndex(), 1);
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(sizingTexts(w), texts);
        QCOMPARE(QApplication::topLevelWidgets(), windowsBefore);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void captionsStandAtTheirPlacesAndFit() {
        MainWindow w;
        const auto& captions = tavrel::about::assumptionCaptions();
        for (int i = 0; i < tavrel::about::kAssumptionCaptionCount; ++i) {
            const auto& expected = captions[i];
            QLabel* l = label(w, tavrel::controls::arrayName("Label13", i));
            QVERIFY2(l, qPrintable(QString::number(i)));
            QCOMPARE(l->text(), expected.text);
            QCOMPARE(placeOnTabControl(w, l), pixels(expected.left, expected.top));
            QCOMPARE(l->font().bold(), expected.style == tavrel::about::CaptionStyle::Heading);
            QCOMPARE(l->font().italic(), expected.style == tavrel::about::CaptionStyle::Category);
            QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(expected.text));
            if (expected.style == tavrel::about::CaptionStyle::Category) {
                // Italic text leans past its advance: a category keeps a clear
                // gap before the value beside it.
                const int textRight = l->x() + l->fontMetrics().boundingRect(l->text()).right();
                QVERIFY2(textRight + 6 <= pixels(tavrel::about::kAssumptionValueLeft, 0).x(),
                         qPrintable(expected.text));
            }
        }
        QCOMPARE(label(w, "Label13_0")->palette().color(QPalette::WindowText),
                 w.palette().color(QPalette::Highlight));

        QLabel* disclaimer = label(w, QStringLiteral("Label2"));
        QCOMPARE(disclaimer->text(), tavrel::about::disclaimerText());
        QVERIFY(disclaimer->text().startsWith(
            "DISCLAIMER: This software is intended for preliminary evaluation of the dowel bar "
            "selection process only.  It should not be used for design purposes."));
        QVERIFY(disclaimer->wordWrap());
        QCOMPARE(placeOnTabControl(w, disclaimer), pixels(7200, 5550));
        QVERIFY(disclaimer->heightForWidth(disclaimer->width()) <= disclaimer->height());
    }

    void logosAndLinksStandAtTheirPlacesAndFit() {
        MainWindow w;
        const struct {
            const char* logo;
            double logoTop;
            const char* link;
            double linkTop;
        } places[] = {
            {"Image2", 3720, "Label15", 4470},
            {"Image4", 4875, "Label11", 5550},
            {"Image1", 6030, "Label14", 6780},
        };
        const QRect tabArea = w.tabControl()->rect();
        for (const auto& place : places) {
            QLabel* logo = label(w, place.logo);
            QLabel* link = label(w, place.link);
            QCOMPARE(placeOnTabControl(w, logo), pixels(300, place.logoTop));
            QCOMPARE(placeOnTabControl(w, link), pixels(300, place.linkTop));
            QCOMPARE(logo->size(), logo->pixmap().size());
            QCOMPARE(link->width(), tavrel::twips::toPixels(3165));
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::black));
            QVERIFY(link->sizeHint().height() <= link->height());
            QVERIFY(tabArea.contains(QRect(placeOnTabControl(w, link), link->size())));
        }
    }

    void switchingPagesKeepsEveryValue() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QLineEdit*>("txth")->setText("10");
        w.findChild<QLineEdit*>("txtsd")->setText("99");  // out of range: red, table hidden
        const QStringList texts = sizingTexts(w);
        const QColor red = tavrel::controls::backgroundColour(w.findChild<QLineEdit*>("txtsd"));

        for (int page : {kAboutPage, 1, 0, kAboutPage, 0}) w.tabControl()->setCurrentIndex(page);
        QCOMPARE(sizingTexts(w), texts);
        QCOMPARE(tavrel::controls::backgroundColour(w.findChild<QLineEdit*>("txtsd")), red);
    }
};

QTEST_MAIN(AboutPageTest)
#include "about_page_test.moc"
