// Import of any bytes (the format found from the content), then export in both formats
// and import again: the same positions, data, standard deviations and elevations.
#include <cmath>

#include "ImportChecks.h"
#include "formats/Export.h"
#include "formats/FormatCommands.h"

using namespace oskava;
using namespace oskava::fuzz;

namespace {

bool Near(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

void CheckSame(const CDatDoc& doc, const std::string& text, ForeignFormat format) {
    const ImportedSurvey back = ImportChecked(text, format, format == ForeignFormat::Unified);
    FUZZ_CHECK(back.error.empty());
    FUZZ_CHECK(back.data.size() == doc.observations.size());
    for (size_t i = 0; i < back.data.size(); ++i) {
        const Cobs& r = doc.observations[i];
        const ImportedDatum& d = back.data[i];
        const bool reciprocal = format == ForeignFormat::Res2DInv && r.xb != r.xa && r.xn == r.xm;
        FUZZ_CHECK(d.xa == (reciprocal ? r.xm : r.xa) && d.xm == (reciprocal ? r.xa : r.xm));
        FUZZ_CHECK(d.xb == (reciprocal ? r.xm : r.xb) && d.xn == (reciprocal ? r.xb : r.xn));
        FUZZ_CHECK(d.value == r.datum);
        FUZZ_CHECK(back.hasStdDev ? Near(d.stdDev, r.stdDev) : d.stdDev == 0);
    }
    for (const GroundPoint& point : back.ground) {
        FUZZ_CHECK(Near(point.elevation, ElectrodeElevation(doc, point.x)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPrompts prompts;
    CDatDoc doc(prompts);
    // IP: the data open whatever their signs; the Res2DInv export takes them as resistances.
    const std::string path = Folder().Write("first", FuzzBytes(data, size).Rest());
    if (ImportIntoDocument(doc, {path, std::nullopt, false}) != OpenOutcome::Opened) {
        return 0;
    }
    CheckSame(doc, UnifiedText(doc), ForeignFormat::Unified);
    CheckSame(doc, Res2DInvText(doc), ForeignFormat::Res2DInv);
    return 0;
}
