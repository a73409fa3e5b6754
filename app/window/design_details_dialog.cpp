#include "window/design_details_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tavrel {

namespace {

// Labels and object names in the order of kProjectDetailFields.
constexpr std::array<const char*, 7> kLabels = {
    "Project:", "Location or route:", "Joint or section:", "Engineer:", "Checker:", "Revision:",
    "Notes:"};
constexpr std::array<const char*, 7> kNames = {"txtProject",  "txtLocation", "txtJoint",
                                               "txtEngineer", "txtChecker",  "txtRevision",
                                               "txtNotes"};

}  // namespace

DesignDetailsDialog::DesignDetailsDialog(QWidget* parent, const ProjectDetails& details)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgDesignDetails"));
    setWindowTitle(QStringLiteral("Design Details"));
    auto* form = new QFormLayout(this);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] =
            new QLineEdit(QString::fromStdString(details.*kProjectDetailFields[i].member), this);
        lines_[i]->setObjectName(QLatin1String(kNames[i]));
        lines_[i]->setMinimumWidth(320);
        connect(lines_[i], &QLineEdit::textChanged, this, &DesignDetailsDialog::checkLengths);
        form->addRow(QLatin1String(kLabels[i]), lines_[i]);
    }
    notes_ = new QPlainTextEdit(QString::fromStdString(details.notes), this);
    notes_->setObjectName(QLatin1String(kNames.back()));
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 6 + 12);  // six lines show
    connect(notes_, &QPlainTextEdit::textChanged, this, &DesignDetailsDialog::checkLengths);
    form->addRow(QLatin1String(kLabels.back()), notes_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons_);
    checkLengths();
}

void DesignDetailsDialog::checkLengths() {
    // A detail too long for the file cannot be kept: OK waits until it fits,
    // rather than cutting what was typed.
    bool fits = fitsDesignText(notes_->toPlainText().toStdString());
    for (const QLineEdit* line : lines_) fits = fits && fitsDesignText(line->text().toStdString());
    QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
    ok->setEnabled(fits);
    ok->setToolTip(fits ? QString()
                        : QStringLiteral("Each detail may have at most %1 characters.")
                              .arg(kMaxDesignTextChars));
}

ProjectDetails DesignDetailsDialog::details() const {
    ProjectDetails details;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        details.*kProjectDetailFields[i].member = lines_[i]->text().toStdString();
    details.notes = notes_->toPlainText().toStdString();
    return details;
}

std::optional<ProjectDetails> askProjectDetails(QWidget* parent, const ProjectDetails& details) {
    DesignDetailsDialog dialog(parent, details);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.details();
}

}  // namespace tavrel
