#include "app/DatApp.h"

#include <QApplication>
#include <clocale>

#include "analysis/AnalysisCommands.h"
#include "app/AboutDialog.h"
#include "app/MainFrame.h"
#include "app/ToolbarIcons.h"
#include "formats/FormatCommands.h"
#include "survey/CommandIds.h"
#include "survey/CommandLine.h"

namespace oskava {

CDatApp::CDatApp() : doc_(prompts_) {
    // Qt sets the user's locale; the survey files are read and written with the C
    // library's number formats, which must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(ProgramIcon());
    commands_.Bind(command::AppAbout, [this] {
        CAboutDlg about(frame_.get());
        about.exec();
    });
    commands_.Bind(command::AppExit, [this] { frame_->close(); });
    BindEditCommands(doc_.Commands(), doc_, editing_);
    BindFormatCommands(doc_);
    BindAnalysisCommands(doc_.Commands(), doc_, editing_);
    BindFilterCommand(doc_.Commands(), doc_, filter_);
    frame_ = std::make_unique<CMainFrame>(doc_, commands_);
    prompts_.SetParent(frame_.get());
}

CDatApp::~CDatApp() = default;

std::optional<int> CDatApp::InitInstance(const std::vector<std::string>& arguments) {
    const CommandLineOptions options = ParseCommandLine(arguments);
    if (!options.dataFile.empty()) {
        switch (doc_.OnOpenDocument(options.dataFile, options)) {
            case OpenOutcome::Opened:
                doc_.SetPathName(options.dataFile);
                break;
            case OpenOutcome::Failed:
                return 1;
            case OpenOutcome::EndProcess:
                return -1;
        }
    }
    frame_->UpdateCommandStates();
    frame_->show();
    return std::nullopt;
}

}  // namespace oskava
