#include "window/design_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QWidget>
#include <ctime>

#include "analysis/program_version.h"
#include "analysis/typed_text.h"
#include "platform/design_storage.h"
#include "window/design_details_dialog.h"
#include "window/dowel_sizing_page.h"
#include "window/dowel_spacing_page.h"
#include "window/local_path.h"

namespace tavrel {

namespace {

constexpr int kRecentCount = 5;
const QString kFilter = QStringLiteral("Tavrel designs (*.tavrel)");
const QString kRecentKey = QStringLiteral("recentDesigns");

QSettings settings() {
    return QSettings(QStringLiteral("Tavrel"), QStringLiteral("tavrel"));
}

// What decides whether there are unsaved changes: the design, not the record.
DesignDocument withoutRecord(DesignDocument document) {
    document.programVersion.clear();
    document.savedAt.clear();
    return document;
}

QAction* action(QObject* parent, const char* text, const char* keys) {
    auto* created = new QAction(QString::fromLatin1(text), parent);
    if (keys != nullptr) {
        created->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        created->setShortcutContext(Qt::WindowShortcut);
    }
    return created;
}

}  // namespace

DesignActions::DesignActions(QWidget* window, DowelSizingPage* sizing, DowelSpacingPage* spacing,
                             QMenu* menu)
    : QObject(window),
      window_(window),
      sizing_(sizing),
      spacing_(spacing),
      open_(action(this, "Open Design...", "Ctrl+O")),
      save_(action(this, "Save Design", "Ctrl+S")),
      saveAs_(action(this, "Save Design As...", "Ctrl+Shift+S")),
      details_(action(this, "Design Details...", nullptr)),
      recent_(new QMenu(QStringLiteral("Recent Designs"), menu)),
      versionCaption_(QString::fromStdString(versionCaption())) {
    recent_->setObjectName(QStringLiteral("mnuRecentDesigns"));
    menu->addSeparator();
    for (QAction* item : {open_, save_, saveAs_}) {
        menu->addAction(item);
        window->addAction(item);  // the shortcuts work on every page
    }
    menu->addMenu(recent_);
    menu->addAction(details_);
    connect(open_, &QAction::triggered, this, &DesignActions::openDesign);
    connect(save_, &QAction::triggered, this, &DesignActions::saveDesign);
    connect(saveAs_, &QAction::triggered, this, &DesignActions::saveDesignAs);
    connect(details_, &QAction::triggered, this, &DesignActions::editDetails);
    connect(recent_, &QMenu::aboutToShow, this, &DesignActions::fillRecentMenu);
    fillRecentMenu();

    for (QLineEdit* box : sizing->inputBoxes())
        connect(box, &QLineEdit::textChanged, this, &DesignActions::noteChange);
    for (QComboBox* list : spacing->findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, &DesignActions::noteChange);
    for (QAbstractButton* option : spacing->findChildren<QAbstractButton*>())
        connect(option, &QAbstractButton::toggled, this, &DesignActions::noteChange);

    askToSave = [this](const QString& question) {
        const auto answer = QMessageBox::question(
            window_, QStringLiteral("Unsaved Changes"), question,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        return answer == QMessageBox::Save      ? Answer::Save
               : answer == QMessageBox::Discard ? Answer::Discard
                                                : Answer::Cancel;
    };
    warn = [this](const QString& title, const QString& message) {
        QMessageBox::warning(window_, title, message);
    };
}

DesignDocument DesignActions::currentDocument() const {
    DesignDocument document;
    document.units = sizing_->units();
    for (int i = 0; i < kDesignInputCount; ++i)
        document.inputs[kDesignInputs[i].option] = sizing_->inputBoxes()[i]->text().toStdString();
    document.details = document_.details;
    document.spacing = spacing_->choices();
    keepDesignCheck(document, check_);
    document.programVersion = programVersion();
    return document;
}

void DesignActions::setDetails(const ProjectDetails& details) {
    document_.details = details;
    noteChange();
}

void DesignActions::showDocument(const DesignDocument& file) {
    // A design opens as it was left, in its own units: converting it would rewrite
    // what was typed. The units the user picked for new designs stay remembered.
    const DesignDocument& document = file;
    showing_ = true;
    sizing_->setUnits(document.units);
    const InputDefaults defaults = inputDefaults();
    for (int i = 0; i < kDesignInputCount; ++i) {
        const auto found = document.inputs.find(kDesignInputs[i].option);
        const QSignalBlocker quiet(sizing_->inputBoxes()[i]);  // one analysis, below
        // An input the file leaves out takes its default, in the window's units.
        const std::string text = found != document.inputs.end()
                                     ? found->second
                                     : plainDecimal(static_cast<float>(
                                           fromAnalysisUnits(document.units, i, defaults[i])));
        // The box's own dropping of format characters is quiet here with its signals.
        sizing_->inputBoxes()[i]->setText(QString::fromStdString(withoutFormatCharacters(text)));
    }
    spacing_->showChoices(document.spacing);
    document_.details = document.details;
    std::string refusal;  // an added input the check cannot take is left at its default
    check_ = designCheck(document, refusal);
    sizing_->useCheckSettings(check_.value_or(CheckSettings{}));
    showing_ = false;
    sizing_->runAnalysis();
    spacing_->updateChart();
    // Saving again would write the default in its place: the user hears of it now.
    if (!refusal.empty()) {
        warn(QStringLiteral("Open Design"),
             QStringLiteral("The textbook check uses its default in place of a value from the "
                            "design:\n\n%1")
                 .arg(QString::fromStdString(refusal)));
    }
}

void DesignActions::markSaved(const QString& path, const DesignDocument& document) {
    path_ = path;
    saved_ = withoutRecord(document);
    window_->setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] -") + versionCaption_);
    window_->setWindowModified(false);
    rememberRecent(path);
}

void DesignActions::noteChange() {
    if (path_.isEmpty() || showing_) return;
    window_->setWindowModified(withoutRecord(currentDocument()) != saved_);
}

bool DesignActions::openFile(const QString& path) {
    if (!mayDiscard()) return false;
    const DesignReading reading = platform::readDesignFile(localPath(path));
    if (!reading.document) {
        warn(QStringLiteral("Open Design"),
             QStringLiteral("The design could not be opened from\n%1\n\n%2")
                 .arg(QDir::toNativeSeparators(path), QString::fromStdString(reading.error)));
        return false;
    }
    showDocument(*reading.document);
    markSaved(path, currentDocument());
    return true;
}

bool DesignActions::saveTo(const QString& path) {
    DesignDocument document = currentDocument();
    document.savedAt = utcTimestamp(std::time(nullptr));
    const platform::WriteOutcome outcome = platform::saveDesignFile(localPath(path), document);
    if (!outcome.ok) {
        warn(QStringLiteral("Save Design"),
             QStringLiteral("The design could not be saved as\n%1\n\n%2")
                 .arg(QDir::toNativeSeparators(path), QString::fromStdString(outcome.error)));
        return false;
    }
    markSaved(path, document);
    return true;
}

void DesignActions::openDesign() {
    const QString folder = path_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(path_).path();
    const QString path =
        QFileDialog::getOpenFileName(window_, QStringLiteral("Open Design"), folder, kFilter);
    if (!path.isEmpty()) openFile(path);
}

bool DesignActions::saveDesign() {
    return path_.isEmpty() ? saveDesignAs() : saveTo(path_);
}

bool DesignActions::saveDesignAs() {
    QString suggested = path_;
    if (suggested.isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty()) folder = QDir::homePath();
        const QString name = QString::fromStdString(designFileName(document_.details.project));
        suggested = QDir(folder).filePath(name);
    }
    QString path =
        QFileDialog::getSaveFileName(window_, QStringLiteral("Save Design As"), suggested, kFilter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tavrel");
    return saveTo(path);
}

void DesignActions::editDetails() {
    if (const std::optional<ProjectDetails> details =
            askProjectDetails(window_, document_.details)) {
        setDetails(*details);
    }
}

bool DesignActions::mayDiscard() {
    if (path_.isEmpty() || !window_->isWindowModified()) return true;
    const Answer answer =
        askToSave(QStringLiteral("Save the changes to \"%1\"?").arg(QFileInfo(path_).fileName()));
    if (answer == Answer::Save) return saveTo(path_);
    return answer == Answer::Discard;
}

void DesignActions::rememberRecent(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QSettings store = settings();
    QStringList recent = store.value(kRecentKey).toStringList();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentCount) recent.removeLast();
    store.setValue(kRecentKey, recent);
    fillRecentMenu();
}

void DesignActions::fillRecentMenu() {
    recent_->clear();
    const QStringList recent = settings().value(kRecentKey).toStringList();
    for (int i = 0; i < recent.size() && i < kRecentCount; ++i) {
        const QString path = recent[i];
        QAction* item =
            recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setStatusTip(item->toolTip());
        // Opening refills this menu, which deletes the item: not while it is
        // still being triggered.
        connect(item, &QAction::triggered, this, [this, path] {
            QMetaObject::invokeMethod(
                this, [this, path] { openFile(path); }, Qt::QueuedConnection);
        });
    }
    recent_->setEnabled(!recent.isEmpty());
}

}  // namespace tavrel
