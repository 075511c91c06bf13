// The viewer's command line on any arguments (the input split at NUL bytes), then the
// opening it asks for, in a folder that holds a small survey "a.dat" with its profile
// "t.topo" and the inversion outputs an open with "/pre" reads.
#include <unistd.h>

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "survey/CommandLine.h"
#include "survey/DatDoc.h"

using namespace oskava;
using namespace oskava::fuzz;

namespace {

const char kSurvey[] =
    "survey\n"
    "0 2 4 6 -0.01\n2 4 6 8 -0.012\n4 6 8 10 -0.009\n0 2 6 8 -0.002\n2 4 8 10 -0.0025\n";
const char kPredicted[] =
    "predicted\n"
    "0 2 4 6 -0.011\n2 4 6 8 -0.012\n4 6 8 10 -0.008\n0 2 6 8 -0.002\n2 4 8 10 -0.003\n";
const char kLog[] =
    "tarnel\nDefault Errors\n  i  xa xb xm xn  error\n"
    "1 0 2 4 6 0.001\n2 2 4 6 8 0.001\n3 4 6 8 10 0.001\n4 0 2 6 8 2e-4\n5 2 4 8 10 3e-4\n";

bool PlainName(const std::string& name) {
    return name.find('/') == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const FuzzFolder& folder = Folder();
    folder.Write("a.dat", kSurvey);
    folder.Write("t.topo", "3 100 0 100 5 99 10 97");
    for (const char* inversion : {"tarnel", "brisko"}) {
        folder.Write(std::string(inversion) + ".pre", kPredicted);
        folder.Write(std::string(inversion) + ".log", kLog);
    }
    return chdir(folder.path().c_str());
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments;
    FuzzBytes bytes(data, size);
    while (!bytes.Rest().empty()) {
        arguments.push_back(bytes.Until(std::string(1, '\0')));
    }
    const CommandLineOptions options = ParseCommandLine(arguments);
    for (const char* option : {"/dc", "/ip", "/pre"}) {
        FUZZ_CHECK(options.dataFile != option);
    }
    // Only names in the folder are opened: a fuzzed path may name any file there is.
    if (options.dataFile.empty() || !PlainName(options.dataFile) ||
        !PlainName(options.topographyFile)) {
        return 0;
    }
    FuzzPrompts prompts;
    CDatDoc doc(prompts);
    const OpenOutcome outcome = doc.OnOpenDocument(options.dataFile, options);
    FUZZ_CHECK(doc.dataReady == (outcome == OpenOutcome::Opened));
    FUZZ_CHECK(outcome == OpenOutcome::Opened || prompts.messages >= 1);
    return 0;
}
