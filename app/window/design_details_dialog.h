// "Design Details...": the project a design belongs to, in a small dialog.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "analysis/design_file.h"

class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;

namespace tavrel {

class DesignDetailsDialog : public QDialog {
  public:
    DesignDetailsDialog(QWidget* parent, const ProjectDetails& details);
    ProjectDetails details() const;

  private:
    void checkLengths();

    // Every detail but the notes, in the order of kProjectDetailFields.
    std::array<QLineEdit*, 6> lines_{};
    QPlainTextEdit* notes_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// The details as the user leaves them with OK; nothing on Cancel.
std::optional<ProjectDetails> askProjectDetails(QWidget* parent, const ProjectDetails& details);

}  // namespace tavrel
