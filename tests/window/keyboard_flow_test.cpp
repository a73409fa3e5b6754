// The window from the keyboard: where the focus is when it opens, the way Tab
// walks the inputs, and where the focus goes when the page is turned.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "window/about/about_page.h"
#include "window/input_box.h"
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

    // The boxes take plain typing keys a shorter way than QLineEdit; what the
    // user sees must not tell them apart: text, caret, selection, undo, signals.
    void typingInABoxEditsAsAPlainLineEditDoes() {
        QWidget window;
        tavrel::InputBox box(&window);
        QLineEdit plain(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* text;
        };
        const Key keys[] = {
            {Qt::Key_1, {}, "1"},
            {Qt::Key_2, {}, "2"},
            {Qt::Key_Period, {}, "."},
            {Qt::Key_5, Qt::KeypadModifier, "5"},
            {Qt::Key_Percent, Qt::ShiftModifier, "%"},
            {Qt::Key_Space, {}, " "},
            {Qt::Key_Backspace, {}, ""},
            {Qt::Key_Left, {}, ""},
            {Qt::Key_Left, {}, ""},
            {Qt::Key_Backspace, {}, ""},  // in the middle of the text
            {Qt::Key_9, {}, "9"},
            {Qt::Key_Home, Qt::ShiftModifier, ""},
            {Qt::Key_7, {}, "7"},                      // replaces the selection
            {Qt::Key_Z, Qt::ControlModifier, "\x1a"},  // undo
            {Qt::Key_Z, Qt::ControlModifier, "\x1a"},
            {Qt::Key_End, {}, ""},
            {Qt::Key_Backspace, Qt::ControlModifier, ""},  // a word back
            {Qt::Key_A, Qt::ControlModifier, "\x01"},
            {Qt::Key_Delete, {}, ""},
            {Qt::Key_4, {}, "4"},
            {Qt::Key_Escape, {}, "\x1b"},
        };
        // What the user can tell after each key: text, caret, selection, undo
        // and redo, and the signals so far.
        const auto type = [&](QLineEdit* edit) {
            QSignalSpy edits(edit, &QLineEdit::textEdited), changes(edit, &QLineEdit::textChanged);
            QStringList seen;
            edit->setFocus();
            for (const Key& k : keys) {
                QTest::sendKeyEvent(QTest::Click, edit, k.key, QString::fromLatin1(k.text),
                                    k.modifiers);
                seen << QStringLiteral("'%1' caret %2 selected '%3' undo %4 redo %5 signals %6 %7")
                            .arg(edit->text())
                            .arg(edit->cursorPosition())
                            .arg(edit->selectedText())
                            .arg(edit->isUndoAvailable())
                            .arg(edit->isRedoAvailable())
                            .arg(edits.count())
                            .arg(changes.count());
            }
            return seen;
        };
        QCOMPARE(type(&box), type(&plain));
        QCOMPARE(box.text(), QStringLiteral("4"));
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
