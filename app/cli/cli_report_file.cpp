#include "cli/cli_report_file.h"

#include <QDateTime>
#include <QGuiApplication>

#include "report/design_report.h"

namespace tavrel::cli {

std::string writeReportFile(const std::string& path, const DesignValues& values, UnitSystem units,
                            const ProjectDetails& details, const CheckSettings& check,
                            CalclteFunction calclte) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return "no drawing available in this process";
    }
    const std::optional<DesignStudy> study = studyDesign(values, calclte);
    if (!study) return "the design could not be analysed";
    ReportSettings settings = report::reportSettings(units, details, QDateTime::currentDateTime());
    settings.check = check;
    // The name's bytes as given: a name in no particular encoding is kept.
    return report::writeReportPdf(std::filesystem::path(path), buildReport(*study, settings));
}

}  // namespace tavrel::cli
