#include "app/ToolbarIcons.h"

#include <map>
#include <mutex>

#include "survey/CommandIds.h"

// The pictures are compiled into the static Qt library; its resources must be named
// once before use, outside any namespace.
static void LoadPictures() {
    static std::once_flag loaded;
    std::call_once(loaded, [] { Q_INIT_RESOURCE(oskava); });
}

namespace oskava {

QIcon ToolbarIcon(int id) {
    LoadPictures();
    static const std::map<int, const char*> files = {
        {command::AppAbout, "about"},
        {command::EditCopy, "copy"},
        {command::Log10, "log10"},
        {command::ConductivityResistivity, "cond-res"},
        {command::ColourBw, "colour-bw"},
        {command::Interpolate, "interpolate"},
        {command::DataPoints, "data-points"},
        {command::ZoomIn, "zoom-in"},
        {command::ZoomOut, "zoom-out"},
        {command::ZoomFit, "zoom-fit"},
        {command::Errors, "errors"},
        {command::PredictedData, "predicted"},
        {command::Difference, "difference"},
    };
    const auto found = files.find(id);
    if (found == files.end()) {
        return QIcon();
    }
    return QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(found->second)));
}

QIcon ProgramIcon() {
    LoadPictures();
    return QIcon(QStringLiteral(":/oskava-data-viewer.svg"));
}

}  // namespace oskava
