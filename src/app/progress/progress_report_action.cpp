#include "progress/progress_report_action.h"

#include "common/run_error.h"
#include "report/report_page.h"

namespace orvane::progress {

void SaveProgressReport(const Document& doc, const std::string& projectName, FileChooser& chooser,
                        Prompter& prompter) {
  const auto path = chooser.choose({"Progress Report...", "HTML pages|*.html;*.htm", "", true});
  if (!path) return;
  try {
    WriteProgressReport(doc, *path, {projectName, ""});
    prompter.ask(MakeMessage("Progress Report", "The report was written to " + *path + ".", Icon::Information));
  } catch (const RunError& error) {
    prompter.ask(MakeMessage("Progress Report",
                             "Error Nr. " + std::to_string(error.number()) + ": " + error.description(), Icon::Stop));
  }
}

}  // namespace orvane::progress
