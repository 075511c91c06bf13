// oskava-data render: exit statuses, refusals, and pictures of the view's own drawing
// of the same survey in the same state.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/RunCli.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/CFormat.h"
#include "survey/CommandIds.h"
#include "survey/DatDoc.h"
#include "survey/OpenSurvey.h"
#include "view/DatView.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

const std::string kExamples = OSKAVA_EXAMPLES_DIR;
const std::string kDipoleDipole = kExamples + "/dipole-dipole.dat";

// Each display option runs the viewer's command on the panel it names: the picture has
// the size of the view brought into the same state by those commands, and every text
// the view draws (titles, colour-bar labels of both ranges, misfit). Panel 2's range is
// typed as the Min / Max dialog shows the predicted panel: resistivity in ohm-m.
TEST(RenderCommand, DisplayOptionsRunTheViewersCommands) {
    const std::string predicted = kExamples + "/tarnel.pre";
    test::ScriptedPrompts prompts;
    CDatDoc doc{prompts};
    HeadlessViewHost host;
    CDatView view{doc, host};
    ASSERT_EQ(OpenSurvey(doc, OpenRequest{kDipoleDipole, true, "", "", predicted}),
              OpenOutcome::Opened);
    ASSERT_TRUE(view.showPredicted);
    test::ScriptedPrompts::MinMaxEdit edit{DialogResult::Ok, view.RangeFields()};
    edit.fields.min2 = 20;
    edit.fields.max2 = 300;
    prompts.minMaxEdits.push_back(edit);
    for (const int id : {command::DataPoints, command::ColourBw, command::FlipColours,
                         command::ZoomIn, command::ZoomIn, command::MinMax}) {
        ASSERT_TRUE(view.Commands().State(id).enabled) << id;
        view.Commands().Execute(id);
    }
    RecordingCanvas recording(Rect{0, 0, view.totalSize.cx, view.totalSize.cy});
    view.RenderSurface(recording);

    test::TempDir dir;
    const std::string zoom = CFormat("%.17g", view.zoom);
    const std::vector<std::string> options = {"--pre",       predicted,  "--panel", "predicted",
                                              "--no-points", "--grey",   "--flip",  "--zoom",
                                              zoom,          "--range2", "20",      "300"};
    const std::string out = (dir.path() / "picture.svg").string();
    std::vector<std::string> arguments = {"render", kDipoleDipole, "-o", out};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const test::CliResult result = test::RunCli(arguments);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string svg = test::ReadAll(out);
    EXPECT_NE(svg.find(CFormat("viewBox=\"0 0 %d %d\"", view.totalSize.cx, view.totalSize.cy)),
              std::string::npos);
    for (const std::string& text : recording.Texts()) {
        // A title too long for the surface is cut where the font's widths say, which
        // the recording only estimates; the picture's cut title starts alike.
        const bool cut = text.size() > 3 && text.compare(text.size() - 3, 3, "...") == 0;
        EXPECT_NE(svg.find(">" + (cut ? text.substr(0, 20) : text + "<")), std::string::npos)
            << text;
    }
}

TEST(RenderCommand, IpUnitsAPictureThatCannotBeWrittenAndRefusedOptions) {
    // IP data are labelled with logarithms of conductivity already: the DC options
    // are no-ops, not refusals.
    test::TempDir dir;
    const std::string ip = (dir.path() / "ip.svg").string();
    const test::CliResult units =
        test::RunCli({"render", kExamples + "/ip-dipole-dipole.dat", "--ip", "--ip-units", "4",
                      "--log10", "--conductivity", "-o", ip});
    EXPECT_EQ(units.status, 0) << units.err;
    EXPECT_NE(test::ReadAll(ip).find("x100"), std::string::npos);  // unit 4
    EXPECT_EQ(test::RunCli({"render", kExamples + "/ip-dipole-dipole.dat", "--ip", "--ip-units",
                            "0", "-o", ip})
                  .status,
              0);

    const test::CliResult unwritable =
        test::RunCli({"render", kDipoleDipole, "-o", (dir.path() / "no" / "p.png").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err.rfind("error: cannot write ", 0), 0u) << unwritable.err;

    const std::string png = (dir.path() / "p.png").string();
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--range", "5", "1"}, "min. should be less than max."},
        {{"--panel", "sideways"}, "--panel"},
        {{"--zoom", "100"}, "--zoom"},
        {{"-o", (dir.path() / "p.jpg").string()}, "-o"},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> arguments{"render", kDipoleDipole};
        arguments.insert(arguments.end(), options.begin(), options.end());
        if (options[0] != "-o") {
            arguments.insert(arguments.end(), {"-o", png});
        }
        const test::CliResult result = test::RunCli(arguments);
        EXPECT_EQ(result.status, 2) << options[0];
        EXPECT_NE(result.err.find(message), std::string::npos) << options[0] << "\n" << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace oskava
