// The program's one window: the logo, the title, the guidelines button and the
// tab control with its three pages.
#pragma once

#include <QWidget>

class QTabWidget;

namespace tavrel {

class AboutPage;
class DesignActions;
class DowelSizingPage;
class DowelSpacingPage;
class ResultsActions;

class MainWindow : public QWidget {
  public:
    // `engineFolder` is where the engine library must lie: the program's own
    // folder unless a test says otherwise.
    explicit MainWindow(const QString& engineFolder = QString());

    DowelSizingPage* sizingPage() const { return sizingPage_; }
    DowelSpacingPage* spacingPage() const { return spacingPage_; }
    AboutPage* aboutPage() const { return aboutPage_; }
    QTabWidget* tabControl() const { return tabs_; }
    // Copy, save and print of the sizing page's results.
    ResultsActions* resultsActions() const { return resultsActions_; }
    // Opening and saving the design as a file.
    DesignActions* designActions() const { return designActions_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void startUp();

    QTabWidget* tabs_ = nullptr;
    DowelSizingPage* sizingPage_ = nullptr;
    DowelSpacingPage* spacingPage_ = nullptr;
    AboutPage* aboutPage_ = nullptr;
    ResultsActions* resultsActions_ = nullptr;
    DesignActions* designActions_ = nullptr;
};

}  // namespace tavrel
