// The program's one window: the logo, the title, the guidelines button and the
// tab control with its three pages.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTabWidget;

namespace tavrel {

class AboutPage;
class DowelSizingPage;
class DowelSpacingPage;

class frmMain : public QWidget {
  public:
    // `engineFolder` is where the engine library must lie: the program's own
    // folder unless a test says otherwise.
    explicit frmMain(const QString& engineFolder = QString());

    void cmdGuidelines_Click();

    DowelSizingPage* sizingPage() const { return sizingPage_; }
    DowelSpacingPage* spacingPage() const { return spacingPage_; }
    AboutPage* aboutPage() const { return aboutPage_; }
    QTabWidget* tabControl() const { return SSTab1_; }
    bool formLoading() const { return FormLoading; }

  private:
    void Form_Load();

    // True from the first step of start-up until just before its final calls.
    bool FormLoading = true;

    QLabel* Image3_ = nullptr;
    QLabel* Label1_ = nullptr;
    QPushButton* cmdGuidelines_ = nullptr;
    QTabWidget* SSTab1_ = nullptr;
    DowelSizingPage* sizingPage_ = nullptr;
    DowelSpacingPage* spacingPage_ = nullptr;
    AboutPage* aboutPage_ = nullptr;
};

}  // namespace tavrel
