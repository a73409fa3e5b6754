// The spacing page as the user meets it: the start-up view, switching layouts,
// choosing a dowel and a quantity, and the chart's bars.
#include "window/dowel_spacing_page.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "analysis/dowel_cases.h"
#include "comparison/comparison_scenario.h"
#include "comparison/dowel_selection.h"
#include "window/dowel_sizing_page.h"
#include "window/line_control.h"
#include "window/main_window.h"
#include "window/shape_control.h"
#include "window/spacing_layout.h"
#include "window/twips.h"

using tavrel::MainWindow;

namespace {

const char* const kFrames[] = {"framNumDowels1", "framNumDowels2", "framNumDowels3"};
const char* const kGroups[] = {"optDowelSpac", "optNumDowels", "optDowelAlt"};

template <typename T>
T* control(const MainWindow& w, const QString& name) {
    T* c = w.findChild<T*>(name);
    if (c == nullptr) qFatal("no control %s", qPrintable(name));
    return c;
}

QString text(const MainWindow& w, const char* name) {
    return control<QLabel>(w, QLatin1String(name))->text();
}

// Visible on its page, whichever page the tab control shows.
bool shown(const MainWindow& w, const QString& name) {
    return control<QWidget>(w, name)->isVisibleTo(w.spacingPage());
}

QRadioButton* option(const MainWindow& w, const char* group, int index) {
    return control<QRadioButton>(w, QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index));
}

std::set<QString> visiblePictures(const MainWindow& w) {
    std::set<QString> names;
    for (tavrel::comparison::Picture p : tavrel::comparison::kAllPictures) {
        const QString name =
            QLatin1String(tavrel::spacing_layout::kPictureNames[static_cast<int>(p)]);
        if (shown(w, name)) names.insert(name);
    }
    return names;
}

int visibleFrames(const MainWindow& w) {
    int n = 0;
    for (const char* f : kFrames) n += shown(w, QLatin1String(f));
    return n;
}

// Counts the moments a variant frame is shown while another one still is.
class FrameOverlapWatch : public QObject {
  public:
    explicit FrameOverlapWatch(const MainWindow& w) : w_(w) {
        for (const char* f : kFrames)
            control<QGroupBox>(w, QLatin1String(f))->installEventFilter(this);
    }
    int overlaps = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShowToParent && visibleFrames(w_) > 1) ++overlaps;
        return false;
    }

  private:
    const MainWindow& w_;
};

}  // namespace

class DowelSpacingPageTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpShowsTheCornerSpacingComparison() {
        MainWindow w;
        QCOMPARE(w.tabControl()->currentIndex(), 0);
        QVERIFY(shown(w, "framNumDowels1"));
        QVERIFY(!shown(w, "framNumDowels2"));
        QVERIFY(!shown(w, "framNumDowels3"));
        QCOMPARE(visiblePictures(w), (std::set<QString>{"imgCorner06", "imgCorner08"}));
        QVERIFY(!shown(w, "framSavings"));

        // Start-up's choices: each layout group on its second button, type 0.
        QVERIFY(option(w, "optAnType", 0)->isChecked());
        for (const char* group : kGroups) QVERIFY(option(w, group, 1)->isChecked());
        QCOMPARE(control<QComboBox>(w, "cboDia")->currentText(), QStringLiteral("1.25\" Round"));
        QCOMPARE(control<QComboBox>(w, "cboPlotVar")->currentText(),
                 QStringLiteral("Peak Dwl. Br. Stress"));

        QCOMPARE(text(w, "lblThixComment"), QStringLiteral("Avg. Slab (~9\")"));
        const double xs[4][2] = {{990, 840}, {990, 1140}, {840, 990}, {1140, 990}};
        for (int i = 0; i < 4; ++i) {
            auto* line = control<tavrel::LineControl>(w, QStringLiteral("linDowelPic_%1").arg(i));
            QCOMPARE(line->x1(), xs[i][0]);
            QCOMPARE(line->x2(), xs[i][1]);
        }

        QCOMPARE(text(w, "lblYaxis1"), QStringLiteral("Dowel"));
        QCOMPARE(text(w, "lblYaxis4"), QStringLiteral("(psi)"));
        QCOMPARE(text(w, "lblBar1"), QStringLiteral("6\" Spac."));
        QCOMPARE(text(w, "lblBar1a"), QStringLiteral("(Baseline)"));
        QCOMPARE(text(w, "lblBar2"), QStringLiteral("8\" Spac."));
        QCOMPARE(text(w, "lblBar2a"), QString());
        QCOMPARE(text(w, "lblBar1val"), QStringLiteral("2717"));
        QCOMPARE(text(w, "lblBar2val"), QStringLiteral("2962"));
        QCOMPARE(text(w, "lblPct"), QStringLiteral("+9%"));
        // Selections, list changes and the explicit type handling all fell
        // while the window was loading: one drawing, at the end.
        QCOMPARE(w.spacingPage()->chartDrawCount(), 1);
    }

    void barsStandOnTheFootAtTheirValue_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("q");
        QTest::addColumn<QString>("values");
        QTest::addColumn<int>("h1");
        QTest::addColumn<int>("h2");
        QTest::addColumn<QString>("pct");
        // 2500 * value / full scale, rounded.
        QTest::newRow("start-up view") << 0 << 1 << 1 << 0 << "2717 2962" << 1235 << 1346 << "+9%";
        QTest::newRow("12-inch corner")
            << 0 << 3 << 0 << 0 << "4410 5487" << 2005 << 2494 << "+24%";
        QTest::newRow("6 dowels, edge stress")
            << 1 << 3 << 0 << 1 << "271 315" << 1693 << 1970 << "+16%";
        QTest::newRow("alternate C, edge deflection")
            << 2 << 3 << 2 << 2 << "0.008 0.008" << 1353 << 1375 << "+2%";
        QTest::newRow("decrease rounding to zero")
            << 1 << 2 << 0 << 3 << "0.032 0.032" << 2670 << 2663 << "0%";
        QTest::newRow("baseline against itself")
            << 2 << 0 << 2 << 1 << "77 77" << 478 << 478 << "0%";
    }

    void barsStandOnTheFootAtTheirValue() {
        QFETCH(int, a);
        QFETCH(int, v);
        QFETCH(int, d);
        QFETCH(int, q);
        QFETCH(QString, values);
        QFETCH(int, h1);
        QFETCH(int, h2);
        QFETCH(QString, pct);
        MainWindow w;
        option(w, "optAnType", a)->click();
        option(w, kGroups[a], v)->click();
        control<QComboBox>(w, "cboDia")->setCurrentIndex(d);
        control<QComboBox>(w, "cboPlotVar")->setCurrentIndex(q);

        QCOMPARE(text(w, "lblBar1val") + ' ' + text(w, "lblBar2val"), values);
        QCOMPARE(text(w, "lblPct"), pct);
        using tavrel::twips::rect;
        using tavrel::twips::toPixels;
        QCOMPARE(control<QWidget>(w, "shpBar1")->geometry(), rect(8160, 6540 - h1, 915, h1));
        QCOMPARE(control<QWidget>(w, "shpBar2")->geometry(), rect(9750, 6540 - h2, 915, h2));
        QCOMPARE(control<QWidget>(w, "lblBar1val")->y(), toPixels(6540 - h1 - 300));
        QCOMPARE(control<QWidget>(w, "lblBar2val")->y(), toPixels(6540 - h2 - 300));
        QCOMPARE(control<QWidget>(w, "lblPct")->y(), toPixels(6540 - h2 + 150));
        // Both bars end on the same foot, whatever their heights.
        QCOMPARE(control<QWidget>(w, "shpBar1")->geometry().bottom(),
                 control<QWidget>(w, "shpBar2")->geometry().bottom());
    }

    void switchingLayoutsShowsTheirPicturesAndSavings() {
        MainWindow w;
        struct Step {
            const char* group;
            int index;
            bool byClick;  // else selected as start-up selects
            int frame;
            std::set<QString> pictures;
            const char* savings;  // nullptr: box hidden
            const char* bar2;
            const char* bar2a;
        };
        const Step steps[] = {
            {"optAnType", 1, true, 1, {"imgBaseline", "imgCtr10"}, "17%", "10 Dowels", ""},
            {"optNumDowels", 2, true, 1, {"imgBaseline", "imgCtr08"}, "33%", "8 Dowels", ""},
            {"optAnType", 2, false, 2, {"imgBaseline", "imgAltA"}, "8%", "11 Dowels", "(Alt. A)"},
            {"optDowelAlt", 3, false, 2, {"imgBaseline", "imgAltC"}, "33%", "8 Dowels", "(Alt. C)"},
            // Each group keeps its choice while hidden.
            {"optAnType", 1, true, 1, {"imgBaseline", "imgCtr08"}, "33%", "8 Dowels", ""},
            {"optNumDowels",
             0,
             true,
             1,
             {"imgBaseline", "imgBaseline2"},
             "0%",
             "12 Dowels",
             "(Baseline)"},
            {"optAnType", 0, true, 0, {"imgCorner06", "imgCorner08"}, nullptr, "8\" Spac.", ""},
            {"optDowelSpac",
             0,
             true,
             0,
             {"imgCorner06", "imgCorner06a"},
             nullptr,
             "6\" Spac.",
             "(Baseline)"},
            {"optAnType", 2, true, 2, {"imgBaseline", "imgAltC"}, "33%", "8 Dowels", "(Alt. C)"},
        };
        FrameOverlapWatch watch(w);
        int draws = w.spacingPage()->chartDrawCount();
        for (const Step& s : steps) {
            const QString where = QStringLiteral("%1(%2)").arg(QLatin1String(s.group)).arg(s.index);
            QRadioButton* button = option(w, s.group, s.index);
            if (s.byClick) {
                button->click();
            } else {
                button->setChecked(true);
            }
            QVERIFY2(shown(w, QLatin1String(kFrames[s.frame])), qPrintable(where));
            QVERIFY2(visibleFrames(w) == 1, qPrintable(where));
            QVERIFY2(visiblePictures(w) == s.pictures, qPrintable(where));
            QVERIFY2(shown(w, "framSavings") == (s.savings != nullptr), qPrintable(where));
            if (s.savings) QCOMPARE(text(w, "lblSavings"), QLatin1String(s.savings));
            QCOMPARE(text(w, "lblBar2"), QLatin1String(s.bar2));
            QCOMPARE(text(w, "lblBar2a"), QLatin1String(s.bar2a));
            QVERIFY2(w.spacingPage()->chartDrawCount() == ++draws, qPrintable(where));
        }
        QCOMPARE(watch.overlaps, 0);
    }

    void aVariantOfAHiddenGroupLeavesThePicturesAlone() {
        MainWindow w;
        option(w, "optNumDowels", 3)->setChecked(true);  // type 0 is shown
        QCOMPARE(visiblePictures(w), (std::set<QString>{"imgCorner06", "imgCorner08"}));
        QVERIFY(!shown(w, "framSavings"));
        QCOMPARE(text(w, "lblBar2"), QStringLiteral("8\" Spac."));
        option(w, "optAnType", 1)->click();
        QCOMPARE(visiblePictures(w), (std::set<QString>{"imgBaseline", "imgCtr06"}));
        QCOMPARE(text(w, "lblSavings"), QStringLiteral("50%"));
    }

    void choosingADowelMovesTheMarkerAndRedrawsOnlyTheChart() {
        MainWindow w;
        const tavrel::DowelSizingPage* sizing = w.sizingPage();
        const QString deflection = text(w, "lblDeflLTE_0");
        const long engineCalls = sizing->analysis().engineCalls();
        const int draws = w.spacingPage()->chartDrawCount();
        auto* cboDia = control<QComboBox>(w, "cboDia");
        const struct {
            int index;
            double centre;
            const char* slabClass;
            const char* values;
        } choices[] = {
            {3, 2752.5, "Thin Slab (~7\")", "3641 3924"},
            {0, 322.5, "Thin Slab (~7\")", "4410 4770"},
            {5, 4770, "Thick Slab (~14\")", "1098 1209"},
        };
        int n = 0;
        for (const auto& c : choices) {
            cboDia->setCurrentIndex(c.index);
            QCOMPARE(text(w, "lblThixComment"), QLatin1String(c.slabClass));
            for (int i = 0; i < 4; ++i) {
                auto* line =
                    control<tavrel::LineControl>(w, QStringLiteral("linDowelPic_%1").arg(i));
                const double tip = i < 2 ? c.centre : (i == 2 ? c.centre - 150 : c.centre + 150);
                const double end = i < 2 ? (i == 0 ? c.centre - 150 : c.centre + 150) : c.centre;
                QCOMPARE(line->x1(), tip);
                QCOMPARE(line->x2(), end);
                // The heights of the arrow never move.
                QCOMPARE(line->y1(), i < 2 ? 1650.0 : 1875.0);
                QCOMPARE(line->y2(), i < 2 ? 1875.0 : 1725.0);
            }
            QCOMPARE(text(w, "lblBar1val") + ' ' + text(w, "lblBar2val"), QLatin1String(c.values));
            QCOMPARE(w.spacingPage()->chartDrawCount(), draws + ++n);
        }
        QCOMPARE(text(w, "lblDeflLTE_0"), deflection);
        QCOMPARE(sizing->analysis().engineCalls(), engineCalls);
    }

    void theMarkerIsSolidWhereItsStrokesMeet() {
        MainWindow w;
        auto* frame = control<QGroupBox>(w, "Frame2");
        w.tabControl()->setCurrentIndex(1);
        w.show();
        const QImage picture = frame->grab().toImage();
        // Start-up chooses the 1.25" bar: the arrow's centre line runs from its
        // tip down to the inner corner where the two short strokes meet.
        const int x = tavrel::twips::toPixels(990);
        for (int y = tavrel::twips::toPixels(1650); y <= tavrel::twips::toPixels(1725); ++y) {
            for (int dx : {-1, 0}) {
                QVERIFY2(qGray(picture.pixel(x + dx, y)) < 64,
                         qPrintable(QStringLiteral("(%1, %2)").arg(x + dx).arg(y)));
            }
        }
    }

    // A bar is named and drawn on this page as the sizing page names and draws it.
    void dowelSelectionShowsTheSizingPagesBars() {
        MainWindow w;
        auto* list = control<QComboBox>(w, "cboDia");
        int roundItems = 0;
        for (int d = 0; d < list->count(); ++d) {
            const tavrel::DowelCase& dowel =
                tavrel::comparison::selectedDowel(tavrel::comparison::kDowelSelections[d]);
            const QLabel* heading =
                w.sizingPage()->heading(static_cast<int>(&dowel - tavrel::kDowelCases.data()), 0);
            if (tavrel::isRound(dowel)) {
                QCOMPARE(list->itemText(d), heading->text() + QStringLiteral("\" Round"));
                ++roundItems;
            } else {
                QVERIFY(list->itemText(d).endsWith(QStringLiteral(" Elliptical")));
            }
            const auto* picture =
                control<tavrel::ShapeControl>(w, QStringLiteral("shpDowelPic_%1").arg(d));
            const int c = static_cast<int>(&dowel - tavrel::kDowelCases.data());
            const QString section = tavrel::isRound(dowel)
                                        ? QStringLiteral("shpRound%1").arg(c + 1)
                                        : QStringLiteral("shpEllipse%1").arg(c - 4);
            const auto* drawn = control<tavrel::ShapeControl>(w, section);
            QCOMPARE(picture->kind(), drawn->kind());
            QCOMPARE(picture->size(), drawn->size());
        }
        QCOMPARE(roundItems, 3);
    }

    void plottingAnotherQuantityKeepsTheBarCaptions() {
        MainWindow w;
        option(w, "optAnType", 2)->click();  // alternate A, the start-up choice
        auto* cboPlotVar = control<QComboBox>(w, "cboPlotVar");
        const struct {
            int q;
            const char* axis[4];
            const char* values;
        } rows[] = {
            {2, {"Peak", "Edge", "Deflection", "(in.)"}, "0.011 0.011"},
            {1, {"Peak", "Edge", "Stress", "(psi)"}, "170 172"},
            {3, {"Peak", "Corner", "Deflection", "(in.)"}, "0.024 0.024"},
            {0, {"Dowel", "Bearing", "Stress", "(psi)"}, "2717 2528"},
        };
        for (const auto& r : rows) {
            cboPlotVar->setCurrentIndex(r.q);
            for (int i = 0; i < 4; ++i) {
                QCOMPARE(text(w, qPrintable(QStringLiteral("lblYaxis%1").arg(i + 1))),
                         QLatin1String(r.axis[i]));
            }
            QCOMPARE(text(w, "lblBar1val") + ' ' + text(w, "lblBar2val"), QLatin1String(r.values));
            QCOMPARE(text(w, "lblBar1"), QStringLiteral("12 Dowels"));
            QCOMPARE(text(w, "lblBar1a"), QStringLiteral("(Baseline)"));
            QCOMPARE(text(w, "lblBar2"), QStringLiteral("11 Dowels"));
            QCOMPARE(text(w, "lblBar2a"), QStringLiteral("(Alt. A)"));
        }
        QCOMPARE(text(w, "lblPct"), QStringLiteral("-7%"));
    }
};

QTEST_MAIN(DowelSpacingPageTest)
#include "dowel_spacing_page_test.moc"
