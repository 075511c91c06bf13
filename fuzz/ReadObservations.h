// The observation reader on one file's bytes, with what must hold after it: a read
// that fails has said why and left no records; a survey it accepts holds only numbers,
// and writes out and reads back to the same file.
#pragma once

#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "survey/DatDoc.h"
#include "survey/ObservationWriter.h"

namespace oskava::fuzz {

inline void CheckRead(const CDatDoc& doc, bool read, const FuzzPrompts& prompts) {
    if (!read) {
        FUZZ_CHECK(prompts.messages == 1);
        FUZZ_CHECK(doc.observations.empty());
        return;
    }
    FUZZ_CHECK(prompts.messages == 0);
    FUZZ_CHECK(doc.dataCount > 0);
    FUZZ_CHECK(static_cast<size_t>(doc.dataCount) == doc.observations.size());
    for (const Cobs& record : doc.observations) {
        for (const double value :
             {record.xa, record.xb, record.xm, record.xn, record.datum, record.stdDev}) {
            FUZZ_CHECK(std::isfinite(value));
        }
        FUZZ_CHECK(!doc.defaultErrors || record.stdDev == 0);
    }
}

inline void ReadObservations(const std::string& bytes) {
    FuzzPrompts prompts;
    CDatDoc doc(prompts);
    const bool read = doc.ReadDataFile(Folder().Write("survey.dat", bytes));
    CheckRead(doc, read, prompts);
    if (!read) {
        return;
    }
    // The written file rounds the numbers once; from then on it reads and writes
    // back unchanged.
    const std::string written = ObservationFileText(doc);
    CDatDoc again(prompts);
    FUZZ_CHECK(again.ReadDataFile(Folder().Write("written.dat", written)));
    CheckRead(again, true, prompts);
    FUZZ_CHECK(again.commonCurrent == doc.commonCurrent);
    FUZZ_CHECK(again.dataCount == doc.dataCount);
    FUZZ_CHECK(ObservationFileText(again) == written);
}

}  // namespace oskava::fuzz
