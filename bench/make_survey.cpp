// Writes a generated survey file for the benchmark scripts: a field-shaped
// dipole-dipole line of COUNT data (or a Wenner section), in the general or the
// common-current layout, or in pyGIMLi's unified data format for import.
//
//   make_survey COUNT general|common-current|unified OUT [wenner]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "GeneratedSurveys.h"

int main(int argc, char** argv) {
    using namespace oskava::bench;
    const bool usage = argc == 4 || (argc == 5 && std::string(argv[4]) == "wenner");
    const long count = usage ? std::strtol(argv[1], nullptr, 10) : 0;
    const std::string layout = usage ? argv[2] : "";
    if (count < 1 || (layout != "general" && layout != "common-current" && layout != "unified")) {
        std::fprintf(stderr,
                     "usage: make_survey COUNT general|common-current|unified OUT [wenner]\n");
        return 2;
    }
    const size_t size = static_cast<size_t>(count);
    const auto records =
        GenerateSurvey(argc == 5 ? SectionShape(ArrayLayout::Wenner, size) : FieldLikeShape(size));
    const bool written = layout == "general"   ? WriteObservationFile(argv[3], records, true)
                         : layout == "unified" ? WriteUnifiedFile(argv[3], records)
                                               : WriteCommonCurrentFile(argv[3], records, true);
    if (!written) {
        std::fprintf(stderr, "make_survey: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
