// Input meant to break the program, taken through the whole opening sequence and, when
// a survey opens, the whole drawing: each case ends in its message or in a picture,
// never in a crash, a hang or memory that grows without bound. Cases that are huge in
// real life (1e6 data in one column) are smaller stand-ins here.
#include <sys/resource.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/SurveyFixture.h"
#include "survey/CFormat.h"
#include "survey/OpenSurvey.h"
#include "view/DatView.h"
#include "view/RecordingCanvas.h"

namespace oskava {
namespace {

// Dipole-dipole data, a = 10 m, n = 1..3, along a 100 m line: 21 data.
std::string Survey(const std::string& header = "survey\n") {
    std::string text = header;
    for (int n = 1; n <= 3; ++n) {
        for (int a = 0; a + 10 * (n + 2) <= 100; a += 10) {
            text += CFormat("%d %d %d %d -0.001\n", a, a + 10, a + 10 * (n + 1), a + 10 * (n + 2));
        }
    }
    return text;
}

// Records stacked in one column (pseudoX 25 m), two beside it so that they are no line.
std::string OneColumn(int count) {
    std::string text = "survey\n0 10 40 50 -0.001\n50 60 90 100 -0.001\n";
    for (int i = 0; i < count; ++i) {
        text += CFormat("%d %d %d %d -0.001\n", 25 - 5 * (i % 5 + 1), 25 - 5 * (i % 5),
                        25 + 5 * (i % 5), 25 + 5 * (i % 5 + 1));
    }
    return text;
}

class HostileInput : public test::SurveyFixture {
  protected:
    HeadlessViewHost host;
    CDatView view{doc, host};
};

TEST_F(HostileInput, EachCaseEndsInItsMessageOrAPicture) {
    const std::string nul(4096, '\0');
    const std::string dat = (dir.path() / "a.dat").string();
    const std::string topo = (dir.path() / "a.topo").string();
    std::string spot = "survey\n";
    for (int i = 0; i < 500; ++i) {
        spot += "0 10 20 30 -0.001\n";
    }
    const std::string topoError = "Error reading topography file: \n" + topo + "\n";
    const struct {
        const char* what;
        std::string data, topography;
        OpenOutcome outcome;
        std::string message;  // the first one shown
        int drawn;            // the data the picture's title counts
    } cases[] = {
        {"NUL bytes as observations", nul, "", OpenOutcome::Failed, "There is no data in \n" + dat,
         0},
        {"NUL bytes as a profile", Survey(), nul, OpenOutcome::EndProcess,
         topoError + "Expecting the number of points and the reference elevation.", 0},
        // Every reader opens its file the same way; devices are refused there.
        {"an endless device", "/dev/zero", "", OpenOutcome::Failed,
         "Data file: /dev/zero not found.", 0},
        {"2147483647 current locations", "COMMON_CURRENT\n2147483647\n0 10 1\n20 30 -0.01\n", "",
         OpenOutcome::Failed, "Error reading data file: \n\n" + dat + "\nExpecting xa xb nobs.", 0},
        {"2147483647 observations", "COMMON_CURRENT\n1\n0 10 2147483647\n20 30 -0.01\n", "",
         OpenOutcome::Failed, "Error reading data file: \n\n" + dat, 0},
        {"positions near the largest double",
         "survey\n0 10 1e308 1.5e308 -0.01\n0 -1e308 30 40 0.01\n" + Survey(""), "",
         OpenOutcome::Opened,
         "The survey cannot be drawn: an electrode position or a pseudo-depth is not a finite "
         "number.",
         23},
        {"elevations near the largest double", Survey(), "2 1e308 0 -1e308 100 0",
         OpenOutcome::EndProcess,
         topoError + "The elevation of point 1 lies too far from the reference elevation.", 0},
        {"a datum near the largest double", "survey\n0 10 20 30 -1e308\n" + Survey(""), "",
         OpenOutcome::Opened, "", 22},
        {"all data on one spot", spot, "", OpenOutcome::Opened,
         "Error: Points in the data file are collinear.", 0},
        {"many data in one column", OneColumn(5000), "", OpenOutcome::Opened, "", 5002},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string data =
            c.data.rfind("/dev/", 0) == 0 ? c.data : dir.Write("a.dat", c.data);
        const std::string topography =
            c.topography.empty() ? "" : dir.Write("a.topo", c.topography);
        ASSERT_EQ(OpenSurvey(doc, OpenRequest{data, true, topography, "", ""}), c.outcome);
        const std::vector<std::string> shown = prompts.Texts();
        prompts.messages.clear();
        EXPECT_EQ(shown.empty() ? "" : shown[0], c.message);
        if (c.outcome == OpenOutcome::Opened) {
            RecordingCanvas canvas(Rect{0, 0, 1000, 1000});
            view.RenderSurface(canvas);
            EXPECT_EQ(canvas.Texts().end()[-2], CFormat("survey : %d data", c.drawn));
        }
    }
}

// A file that another program rewrites while it is read gives either a survey made of
// lines that were in it or a message, whichever version of it each read meets.
TEST_F(HostileInput, AFileRewrittenWhileItIsRead) {
    const std::string path = dir.Write("a.dat", Survey());
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int round = 0; !done; ++round) {
            std::ofstream(path, std::ios::trunc) << (round % 2 ? Survey() : OneColumn(300));
        }
    });
    for (int i = 0; i < 200; ++i) {
        const bool read = doc.ReadDataFile(path);
        EXPECT_EQ(Shown().size(), read ? 0u : 1u);
        EXPECT_LE(doc.dataCount, 302);
    }
    done = true;
    writer.join();
}

// A save that fails half-way, here because the file may grow no larger than 4 kB as on
// a full disk, leaves the old file as it was and nothing else behind.
TEST_F(HostileInput, ASaveThatFailsHalfWayKeepsTheOldFile) {
    const std::string old = OneColumn(500);
    const std::string path = dir.Write("a.dat", old);
    ASSERT_EQ(OpenSurvey(doc, OpenRequest{path, true, "", "", ""}), OpenOutcome::Opened);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{4096, limit.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = doc.OnSaveDocument(path);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(saved);
    EXPECT_EQ(Shown(), Warning("Error writing data file: \n" + path + "\nFile too large"));
    EXPECT_EQ(test::ReadAll(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace oskava
