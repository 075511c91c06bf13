#include "survey/ObservationWriter.h"

#include <algorithm>

#include "survey/CFormat.h"
#include "survey/FilePaths.h"
#include "survey/Prompts.h"
#include "survey/SafeFileWrite.h"
#include "survey/Topography.h"

namespace oskava {

namespace {

// Lines of five and six numbers in one file would make the reader drop every
// standard deviation, so a file carries them on every line or on none.
bool AnyStdDev(const std::vector<Cobs>& observations) {
    return std::any_of(observations.begin(), observations.end(),
                       [](const Cobs& record) { return record.stdDev > 0; });
}

double StdDevToWrite(const Cobs& record) {
    return record.stdDev > 0 ? record.stdDev : 0;
}

void AppendStdDev(std::string& out, const Cobs& record, bool withStdDev) {
    if (withStdDev) {
        out += CFormat(" %.5e", StdDevToWrite(record));
    }
    out += '\n';
}

void WriteGeneralLayout(std::string& out, const CDatDoc& doc, bool withStdDev) {
    out += GeneralLayoutTitle(doc.headerLine);
    out += "\n\n";
    for (const Cobs& record : doc.observations) {
        WriteObservation(out, record, withStdDev);
    }
}

// Blocks of consecutive records that share their current electrodes, as the reader
// of this layout expects them.
void WriteCommonCurrentLayout(std::string& out, const std::vector<Cobs>& observations,
                              bool withStdDev) {
    auto blockEnd = [&](size_t start) {
        size_t end = start + 1;
        while (end < observations.size() && observations[end].xa == observations[start].xa &&
               observations[end].xb == observations[start].xb) {
            ++end;
        }
        return end;
    };
    int blockCount = 0;
    for (size_t start = 0; start < observations.size(); start = blockEnd(start)) {
        ++blockCount;
    }
    out += "COMMON_CURRENT\n";
    out += CFormat("%d\n", blockCount);
    for (size_t start = 0; start < observations.size();) {
        const size_t end = blockEnd(start);
        out += CFormat("%10.2f %10.2f  %i\n", observations[start].xa, observations[start].xb,
                       static_cast<int>(end - start));
        for (size_t k = start; k < end; ++k) {
            const Cobs& record = observations[k];
            out += CFormat("%10.2f %10.2f  %.5e", record.xm, record.xn, record.datum);
            AppendStdDev(out, record, withStdDev);
        }
        start = end;
    }
}

}  // namespace

// A carriage return at the title's end would join the line end and be lost, and a title
// that then reads as the keyword would bring the survey back in the other layout, which
// its lines do not follow: a blank after the keyword keeps the general layout.
std::string GeneralLayoutTitle(std::string title) {
    while (!title.empty() && title.back() == '\r') {
        title.pop_back();
    }
    if (title == "COMMON_CURRENT") {
        title += ' ';
    }
    return title;
}

void WriteObservation(std::string& out, const Cobs& record, bool withStdDev) {
    out += CFormat("%10.2f %10.2f  %10.2f %10.2f  %.5e", record.xa, record.xb, record.xm, record.xn,
                   record.datum);
    AppendStdDev(out, record, withStdDev);
}

std::string ObservationFileText(const CDatDoc& doc) {
    std::string out;
    const bool withStdDev = AnyStdDev(doc.observations);
    if (doc.commonCurrent) {
        WriteCommonCurrentLayout(out, doc.observations, withStdDev);
    } else {
        WriteGeneralLayout(out, doc, withStdDev);
    }
    return out;
}

// An imported survey's elevations exist nowhere but in the survey: they go into a
// topography file beside the observation file, written first, so that the observations
// are never saved without the ground they were measured on.
bool CDatDoc::SaveImportedTopography(const std::string& path) {
    const std::string topography = WithExtension(path, ".topo");
    if (!topographyImported || topography == path) {
        return true;
    }
    std::vector<double> elevation;
    for (const double depth : topoDepth) {
        elevation.push_back(topoReference - depth);
    }
    std::string reason;
    if (!WriteFileSafely(topography, TopographyFileText(topoReference, topoX, elevation), reason)) {
        prompts().Message("Error writing topography file: \n" + topography + "\n" + reason,
                          MessageKind::Warning);
        return false;
    }
    topographyFileName = topography;
    prompts().Message(TopographyWrittenNote(topography, path), MessageKind::Information);
    return true;
}

bool CDatDoc::OnSaveDocument(const std::string& path) {
    std::string reason;
    if (!SaveImportedTopography(path)) {
        return false;
    }
    if (!WriteFileSafely(path, ObservationFileText(*this), reason)) {
        prompts().Message("Error writing data file: \n" + path + "\n" + reason,
                          MessageKind::Warning);
        return false;
    }
    SetModifiedFlag(false);
    if (dataFileName != path) {
        prompts().Message(
            "The data filename has changed.\nMake sure you use the correct name in the OSKAVA "
            "interface.",
            MessageKind::Information);
    }
    dataFileName = path;
    return true;
}

}  // namespace oskava
