// The design as a file in the window: "Open Design...", "Save Design", "Save
// Design As...", "Design Details..." and the recent designs, in the sizing
// page's menu and as shortcuts from any page; the title naming the open file
// and marking unsaved changes; the question on closing. Until a design is
// opened or saved the window behaves as if none of this were here.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "analysis/design_file.h"

class QAction;
class QMenu;
class QWidget;

namespace tavrel {

class DowelSizingPage;
class DowelSpacingPage;

class DesignActions : public QObject {
  public:
    // Adds the actions to `menu` (the sizing page's) and the shortcuts to `window`.
    DesignActions(QWidget* window, DowelSizingPage* sizing, DowelSpacingPage* spacing, QMenu* menu);

    QAction* openAction() const { return open_; }
    QAction* saveAction() const { return save_; }
    QAction* saveAsAction() const { return saveAs_; }
    QAction* detailsAction() const { return details_; }
    QMenu* recentMenu() const { return recent_; }

    // The file open, empty while there is none.
    const QString& path() const { return path_; }
    // The design as the window shows it now.
    DesignDocument currentDocument() const;
    const ProjectDetails& details() const { return document_.details; }
    void setDetails(const ProjectDetails& details);

    // Opens the design at `path`, asking first about unsaved changes; a file
    // that cannot be read is named in a message and changes nothing. True when
    // opened.
    bool openFile(const QString& path);
    // Writes the design to `path` and makes it the open file; on failure the
    // old file stays and a message says why. True when saved.
    bool saveTo(const QString& path);

    void openDesign();    // asks for the file
    bool saveDesign();    // to the open file, or asks for one
    bool saveDesignAs();  // asks for the file
    void editDetails();

    // Whether the window may close (or another design replace this one):
    // true unless there are unsaved changes to an open file and the user
    // cancels, or chooses to save and saving fails.
    bool mayDiscard();

    // Marks unsaved changes in the title when the design differs from the file.
    void noteChange();

    // What the user is asked and told, replaceable so that tests can answer.
    enum class Answer { Save, Discard, Cancel };
    std::function<Answer(const QString& question)> askToSave;
    std::function<void(const QString& title, const QString& message)> warn;

  private:
    void showDocument(const DesignDocument& document);
    void markSaved(const QString& path, const DesignDocument& document);
    void rememberRecent(const QString& path);
    void fillRecentMenu();

    QWidget* window_;
    DowelSizingPage* sizing_;
    DowelSpacingPage* spacing_;
    QAction* open_;
    QAction* save_;
    QAction* saveAs_;
    QAction* details_;
    QMenu* recent_;
    QString path_;
    QString versionCaption_;
    // The details shown, and the document as last opened or saved (what the
    // window is compared with to know whether anything changed).
    DesignDocument document_;
    DesignDocument saved_;
    // The textbook check the opened design asks for; the window has no boxes
    // for it, so it is kept as opened and saved with the design.
    std::optional<CheckSettings> check_;
    bool showing_ = false;  // a design is being put into the controls
};

}  // namespace tavrel
