#include "cli/PlotOutput.h"

#include <cstdio>

#include "app/PictureOutput.h"
#include "cli/HeadlessGui.h"

namespace oskava::cli {

CLI::Option* AddPlotOption(CLI::App& command, const std::string& name, std::string& path,
                           const std::string& description) {
    return command.add_option(name, path, description)
        ->check([](const std::string& file) {
            return PictureFormatOf(file) ? std::string() : "must end in .png, .svg or .pdf";
        })
        ->type_name("PICTURE");
}

bool WritePlot(const std::string& path, const std::function<void(Canvas&)>& draw) {
    const HeadlessGui gui;
    const std::string failure =
        WritePicture(path, *PictureFormatOf(path), QSize(kPlotSize.cx, kPlotSize.cy), draw);
    if (!failure.empty()) {
        std::fprintf(stderr, "error: cannot write %s: %s\n", path.c_str(), failure.c_str());
    }
    return failure.empty();
}

}  // namespace oskava::cli
