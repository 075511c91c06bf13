// Input meant to break the program, taken through the whole opening sequence and, when
// a survey opens, the whole drawing: each case ends in its message or in a picture,
// never in a crash, a hang or memory that grows without bound. Cases that are huge in
// real life (a 1e6-point profile, 1e6 data in one column) are smaller stand-ins here.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "survey/CFormat.h"
#include "survey/OpenSurvey.h"
#include "view/DatView.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

using test::ScriptedPrompts;
using test::TempDir;

// Dipole-dipole data, a = 10 m, n = 1..3, along a 100 m line.
std::string Survey(const std::string& header = "survey\n") {
    std::string text = header;
    for (int n = 1; n <= 3; ++n) {
        for (int a = 0; a + 10 * (n + 2) <= 100; a += 10) {
            text += CFormat("%d %d %d %d -0.001\n", a, a + 10, a + 10 * (n + 1), a + 10 * (n + 2));
        }
    }
    return text;
}

// Records stacked in one column (pseudoX 25 m), a few beside it so that they are no line.
std::string OneColumn(int count) {
    std::string text = "survey\n0 10 40 50 -0.001\n50 60 90 100 -0.001\n";
    for (int i = 0; i < count; ++i) {
        text += CFormat("%d %d %d %d -0.001\n", 25 - 5 * (i % 5 + 1), 25 - 5 * (i % 5),
                        25 + 5 * (i % 5), 25 + 5 * (i % 5 + 1));
    }
    return text;
}

std::string OneSpot(int count) {
    std::string text = "survey\n";
    for (int i = 0; i < count; ++i) {
        text += "0 10 20 30 -0.001\n";
    }
    return text;
}

std::string LongProfile(int points) {
    std::string text = std::to_string(points) + " 100\n";
    for (int i = 0; i < points; ++i) {
        text += CFormat("%.6f %d\n", i * 100.0 / (points - 1), 100 - i % 7);
    }
    return text;
}

class HostileInput : public ::testing::Test {
  protected:
    // A device path is used as it is; anything else is written to a file of that name.
    std::string PathFor(const std::string& name, const std::string& bytes) const {
        return bytes.rfind("/dev/", 0) == 0 ? bytes : dir_.Write(name, bytes);
    }

    TempDir dir_;
    ScriptedPrompts prompts_;
    CDatDoc doc_{prompts_};
    HeadlessViewHost host_;
    CDatView view_{doc_, host_};
};

TEST_F(HostileInput, EachCaseEndsInItsMessageOrAPicture) {
    const std::string nul(4096, '\0');
    const std::string huge = "survey\n0 10 1e308 1.5e308 -0.01\n0 -1e308 30 40 0.01\n" + Survey("");
    struct Case {
        const char* what;
        std::string data, topography, log, predicted;
        OpenOutcome outcome;
        std::string message;  // the first one shown, with "<dat>", "<topo>", ... for paths
        int32_t data_drawn;
    };
    const Case cases[] = {
        {"NUL bytes as observations", nul, "", "", "", OpenOutcome::Failed,
         "There is no data in \n<dat>", 0},
        {"NUL bytes as a profile", Survey(), nul, "", "", OpenOutcome::EndProcess,
         "Error reading topography file: \n<topo>\n"
         "Expecting the number of points and the reference elevation.",
         0},
        {"NUL bytes as predicted data", Survey(), "", "", nul, OpenOutcome::Opened,
         "Error reading predicted data file: \n\n<pre>", 21},
        {"NUL bytes as a log", Survey(), "", nul, "", OpenOutcome::Opened,
         "Default errors table not found in log file: \n<log>\n"
         "The data keep their standard deviations.",
         21},
        {"an endless device as observations", "/dev/zero", "", "", "", OpenOutcome::Failed,
         "Data file: <dat> not found.", 0},
        {"an endless device as a profile", Survey(), "/dev/urandom", "", "",
         OpenOutcome::EndProcess, "Topography file: <topo> not found", 0},
        {"an endless device as a log", Survey(), "", "/dev/zero", "", OpenOutcome::EndProcess,
         "Log file: <log> not found.\nLog file is needed for default errors.", 0},
        {"an endless device as predicted data", Survey(), "", "", "/dev/urandom",
         OpenOutcome::Opened, "Predicted data file: <pre> not found.", 21},
        {"2147483647 current locations", "COMMON_CURRENT\n2147483647\n0 10 1\n20 30 -0.01\n", "",
         "", "", OpenOutcome::Failed, "Error reading data file: \n\n<dat>\nExpecting xa xb nobs.",
         0},
        {"2147483647 observations", "COMMON_CURRENT\n1\n0 10 2147483647\n20 30 -0.01\n", "", "", "",
         OpenOutcome::Failed, "Error reading data file: \n\n<dat>", 0},
        {"positions near the largest double", huge, "", "", "", OpenOutcome::Opened,
         "The survey cannot be drawn: an electrode position or a pseudo-depth is not a finite "
         "number.",
         23},
        {"elevations near the largest double", Survey(), "2 1e308 0 -1e308 100 0", "", "",
         OpenOutcome::EndProcess,
         "Error reading topography file: \n<topo>\n"
         "The elevation of point 1 lies too far from the reference elevation.",
         0},
        {"a datum near the largest double", "survey\n0 10 20 30 -1e308\n" + Survey(""), "", "", "",
         OpenOutcome::Opened, "", 22},
        {"all data on one spot", OneSpot(500), "", "", "", OpenOutcome::Opened,
         "Error: Points in the data file are collinear.", 0},
        {"many data in one column", OneColumn(5000), "", "", "", OpenOutcome::Opened, "", 5002},
        {"a profile of many points", Survey(), LongProfile(20000), "", "", OpenOutcome::Opened, "",
         21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompts_.messages.clear();
        OpenRequest request;
        request.dataFile = PathFor("a.dat", c.data);
        request.topographyFile = c.topography.empty() ? "" : PathFor("a.topo", c.topography);
        request.logFile = c.log.empty() ? "" : PathFor("a.log", c.log);
        request.predictedFile = c.predicted.empty() ? "" : PathFor("a.pre", c.predicted);
        ASSERT_EQ(OpenSurvey(doc_, request), c.outcome);
        if (c.message.empty()) {
            EXPECT_TRUE(prompts_.messages.empty());
        } else {
            ASSERT_FALSE(prompts_.messages.empty());
            std::string expected = c.message;
            for (const auto& [name, path] : {std::pair{"<dat>", request.dataFile},
                                             {"<topo>", request.topographyFile},
                                             {"<log>", request.logFile},
                                             {"<pre>", request.predictedFile}}) {
                const size_t at = expected.find(name);
                if (at != std::string::npos) {
                    expected.replace(at, std::strlen(name), path);
                }
            }
            EXPECT_EQ(prompts_.messages[0].text, expected);
        }
        if (c.outcome == OpenOutcome::Opened) {
            RecordingCanvas canvas(Rect{0, 0, 1000, 1000});
            view_.RenderSurface(canvas);
            EXPECT_EQ(canvas.Texts().end()[-2], CFormat("survey : %d data", c.data_drawn));
        }
    }
}

// A file that another program rewrites while it is read gives either a survey made of
// lines that were in it or a message, whichever version of it each read meets.
TEST_F(HostileInput, AFileRewrittenWhileItIsRead) {
    const std::string path = dir_.Write("a.dat", Survey());
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int round = 0; !done; ++round) {
            std::ofstream(path, std::ios::trunc) << (round % 2 ? Survey() : OneColumn(300));
        }
    });
    for (int i = 0; i < 200; ++i) {
        prompts_.messages.clear();
        const bool read = doc_.ReadDataFile(path);
        EXPECT_EQ(prompts_.messages.size(), read ? 0u : 1u);
        EXPECT_LE(doc_.dataCount, 302);
    }
    done = true;
    writer.join();
}

// A save that fails half-way, here because the file may grow no larger than 4 kB as on
// a full disk, leaves the old file as it was and nothing else behind.
TEST_F(HostileInput, ASaveThatFailsHalfWayKeepsTheOldFile) {
    const std::string path = dir_.Write("a.dat", OneColumn(500));
    ASSERT_EQ(OpenSurvey(doc_, OpenRequest{path, true, "", "", ""}), OpenOutcome::Opened);
    const std::string old = OneColumn(500);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{4096, limit.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = doc_.OnSaveDocument(path);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(saved);
    ASSERT_EQ(prompts_.messages.size(), 1u);
    EXPECT_EQ(prompts_.messages[0].text, "Error writing data file: \n" + path + "\nFile too large");
    std::ifstream file(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
}

}  // namespace
}  // namespace oskava
