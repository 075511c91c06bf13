// A fuzzed survey all the way to a picture: the opening sequence (observations,
// topography, derived quantities, coinciding pseudo-locations, predicted data), the
// triangulation, a run of view commands with dialogs answered by the fuzzer, and the
// whole surface drawn on a recording canvas.
//
// Input: a byte of flags (bit 0: IP data), a byte n, n bytes that choose the commands
// and answer their dialogs, then the observation file, optionally followed by a line
// "--topo--" and a topography file, and by a line "--pre--" and a predicted file.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "survey/CommandIds.h"
#include "survey/OpenSurvey.h"
#include "view/DatView.h"
#include "view/RecordingCanvas.h"

using namespace oskava;
using namespace oskava::fuzz;

namespace {

const int kViewCommands[] = {
    command::Interpolate, command::Log10,         command::ConductivityResistivity,
    command::ColourBw,    command::ZoomIn,        command::ZoomOut,
    command::Errors,      command::PredictedData, command::Difference,
    command::MinMax,      command::IpUnits,       command::FlipColours,
    command::DataPoints,  command::FontDecrease,  command::FontIncrease,
};

// Enough calls for any survey within the clip box, far below what would exhaust memory.
constexpr size_t kMostCanvasCalls = 20'000'000;

// Removes the marker and what follows it from the text and returns what followed.
std::string CutAfter(std::string& text, const std::string& marker) {
    const size_t at = text.find(marker);
    if (at == std::string::npos) {
        return {};
    }
    std::string after = text.substr(at + marker.size());
    text.erase(at);
    return after;
}

void Draw(CDatView& view) {
    RecordingCanvas canvas(Rect{0, 0, 1200, 900});
    view.RenderSurface(canvas);
    FUZZ_CHECK(canvas.calls.size() < kMostCanvasCalls);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    const uint8_t flags = bytes.Byte();
    const size_t scriptSize = bytes.Byte();
    std::vector<uint8_t> script;
    for (size_t i = 0; i < scriptSize; ++i) {
        script.push_back(bytes.Byte());
    }
    OpenRequest request;
    request.isDC = (flags & 1) == 0;
    std::string text = bytes.Rest();
    const std::string predicted = CutAfter(text, "\n--pre--\n");
    const std::string topography = CutAfter(text, "\n--topo--\n");
    request.dataFile = Folder().Write("survey.dat", text);
    if (!topography.empty()) {
        request.topographyFile = Folder().Write("survey.topo", topography);
    }
    if (!predicted.empty()) {
        request.predictedFile = Folder().Write("survey.pre", predicted);
    }

    FuzzBytes answers(script.data(), script.size());
    FuzzPrompts prompts(&answers);
    CDatDoc doc(prompts);
    HeadlessViewHost host;
    CDatView view(doc, host);
    if (OpenSurvey(doc, request) != OpenOutcome::Opened) {
        return 0;
    }
    Draw(view);
    while (!answers.Rest().empty()) {
        const int id = kViewCommands[answers.Byte() % std::size(kViewCommands)];
        if (view.Commands().State(id).enabled) {
            view.Commands().Execute(id);
        }
    }
    Draw(view);
    return 0;
}
