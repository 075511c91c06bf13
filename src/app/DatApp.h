// The application: start-up from the command line with which the inversion package's
// interface starts the viewer, the main window, and the commands the application
// itself handles (About, Exit).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DataFilter.h"
#include "app/QtPrompts.h"
#include "editing/EditCommands.h"
#include "survey/CommandRouter.h"
#include "survey/DatDoc.h"

namespace oskava {

class CMainFrame;

class CDatApp {
  public:
    /// Needs a QApplication.
    CDatApp();
    ~CDatApp();
    CDatApp(const CDatApp&) = delete;
    CDatApp& operator=(const CDatApp&) = delete;

    /// Starts with the arguments that follow the program name: opens the survey they
    /// name, if any, and shows the main window; nullopt then, and the event loop
    /// should run. When start-up ends the program instead, its exit status: 1 when
    /// the named survey cannot be opened (the reader has said why), -1 when a
    /// topography file or inversion log it needs is missing.
    std::optional<int> InitInstance(const std::vector<std::string>& arguments);

    CMainFrame& MainFrame() const { return *frame_; }
    CDatDoc& Document() { return doc_; }

  private:
    QtPrompts prompts_;
    CDatDoc doc_;
    EditingState editing_;  // what the editing commands keep while the program runs
    FilterState filter_;    // and Filter data
    CommandTarget commands_;
    std::unique_ptr<CMainFrame> frame_;  // last: it shows the document
};

}  // namespace oskava
