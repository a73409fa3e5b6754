// The window from the keyboard: where the focus is when it opens, the way Tab
// walks the inputs, and where the focus goes when the page is turned.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "window/about_page.h"
#include "window/main_window.h"

using tavrel::MainWindow;

namespace {

QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

void clickTab(MainWindow& w, int index) {
    QTabBar* bar = w.tabControl()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

}  // namespace

class KeyboardFlowTest : public QObject {
    Q_OBJECT

  private slots:
    void typingRightAwayReplacesTheDowelSpacing() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* spacing = w.findChild<QLineEdit*>("txtsd");
        QCOMPARE(QApplication::focusWidget(), spacing);
        QCOMPARE(spacing->selectedText(), QStringLiteral("12"));

        QTest::keyClicks(QApplication::focusWidget(), "18");
        QCOMPARE(spacing->text(), QStringLiteral("18"));
    }

    void tabWalksTheBoxesAsThePageIsRead() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QStringList order = {"txtsd", "txtw",        "txtEc", "txtLoad",
                                   "txth",  "txtTirePres", "txtk"};
        QStringList walked = {focusName()};
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << focusName();
        }
        QCOMPARE(walked, order);
        // Each box is entered with its text selected, ready to be typed over.
        QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->selectedText(),
                 QStringLiteral("300"));
        // Then on, out of the boxes, to a control the user can see.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(!order.contains(focusName()), qPrintable(focusName()));
        QVERIFY(QApplication::focusWidget()->isVisible());
    }

    void turningToTheAboutPageFocusesNoLink() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* modulus = w.findChild<QLineEdit*>("txtk");
        QTest::mouseClick(modulus, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), modulus);

        clickTab(w, 2);
        QCOMPARE(w.tabControl()->currentIndex(), 2);
        QVERIFY2(!w.aboutPage()->isLink(QApplication::focusWidget()), qPrintable(focusName()));
        for (const QLabel* l : w.aboutPage()->findChildren<QLabel*>()) {
            QVERIFY2(!l->font().underline(), qPrintable(l->objectName()));
        }

        // Tab still reaches the links; a link that had the focus does not get it
        // back when the user returns to the page.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(w.aboutPage()->isLink(QApplication::focusWidget()), qPrintable(focusName()));
        clickTab(w, 0);
        clickTab(w, 2);
        QVERIFY2(!w.aboutPage()->isLink(QApplication::focusWidget()), qPrintable(focusName()));
    }
};

QTEST_MAIN(KeyboardFlowTest)
#include "keyboard_flow_test.moc"
