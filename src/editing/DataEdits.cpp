#include "editing/DataEdits.h"

#include <algorithm>
#include <cmath>

#include "editing/DatumProperties.h"
#include "editing/EditJournal.h"
#include "editing/GaussianNoise.h"
#include "survey/CFormat.h"
#include "view/DatView.h"

namespace oskava {

namespace {

std::function<double(double)> PercentPlusMinimum(double percent, double minimum) {
    const double f = percent * 0.01;
    return [f, minimum](double datum) { return std::fabs(datum) * f + minimum; };
}

void SetStdDevs(std::vector<Cobs>& observations, const std::function<double(double)>& stdDevOf) {
    for (Cobs& record : observations) {
        record.stdDev = stdDevOf(record.datum);
    }
}

// A DC datum keeps its sign; 0 counts as negative.
double NoisyDcDatum(double datum, double noise) {
    const double s = datum > 0 ? 1 : -1;
    return (datum + noise) * s <= 0 ? s * 1e-5 : datum + noise;
}

}  // namespace

void ValuesChanged(CDatDoc& doc) {
    if (doc.predictedLoaded) {
        for (Cobs& record : doc.observations) {
            record.SetNormalizedDiff();
        }
    }
    RefillDatumProperties(doc);
    if (doc.view != nullptr) {
        doc.view->RefreshErrors();
        doc.view->RefreshDifference();
    }
}

void AssignStdDev(CDatDoc& doc, double percent, double minimum) {
    AssignStdDevs(doc, edit_name::AssignStdDev, PercentPlusMinimum(percent, minimum));
}

void AssignStdDevs(CDatDoc& doc, const char* editName,
                   const std::function<double(double datum)>& stdDevOf) {
    doc.journal().Add(ValueEdit::StdDevs(editName, doc, 0, doc.observations.size()));
    SetStdDevs(doc.observations, stdDevOf);
    doc.defaultErrors = false;
    doc.SetModifiedFlag();
    ValuesChanged(doc);
}

void AddGaussianNoise(CDatDoc& doc, double percent, double minimum, GaussianDeviates& deviates) {
    doc.journal().Add(ValueEdit::Noise(doc, deviates));
    SetStdDevs(doc.observations, PercentPlusMinimum(percent, minimum));
    doc.valueMin = 1e20;
    doc.valueMax = -1e20;
    deviates.random.seed(2);
    for (Cobs& record : doc.observations) {
        const double noise = deviates.next() * record.stdDev;
        if (doc.isDC) {
            record.datum = NoisyDcDatum(record.datum, noise);
            // A wrong sign has shown its message and left the display value 0.
            record.SetDisplayValue(doc.prompts());
        } else {
            record.datum = record.datum + noise;
            record.displayValue = record.datum;
        }
        doc.valueMin = std::min(doc.valueMin, record.displayValue);
        doc.valueMax = std::max(doc.valueMax, record.displayValue);
    }
    doc.SetModifiedFlag();
    if (doc.view != nullptr) {
        doc.view->ReloadDisplayValues();
    }
    ValuesChanged(doc);
    if (doc.view != nullptr) {
        doc.view->RepaintAll();
    }
}

std::vector<size_t> ElectrodeData(const std::vector<Cobs>& observations, double location,
                                  bool transmitter, bool receiver) {
    std::vector<size_t> listed;
    for (size_t i = 0; i < observations.size(); ++i) {
        const Cobs& r = observations[i];
        if ((transmitter && (r.xa == location || r.xb == location)) ||
            (receiver && (r.xm == location || r.xn == location))) {
            listed.push_back(i);
        }
    }
    return listed;
}

bool ConfirmAndDelete(CDatDoc& doc, const std::vector<size_t>& indices, const char* editName) {
    doc.propertiesDialog.reset();
    if (indices.empty()) {
        doc.prompts().Message("No data deleted.", MessageKind::Warning);
        return false;
    }
    if (!doc.prompts().AskYesNo(CFormat("Are you sure you want to delete %i data?",
                                        static_cast<int>(indices.size())))) {
        return false;
    }
    DeleteRecords(doc, indices, editName);
    return true;
}

void DeleteRecords(CDatDoc& doc, const std::vector<size_t>& indices, const char* editName) {
    doc.journal().Add(std::make_unique<RecordDeletion>(editName, doc, indices));
    doc.SetModifiedFlag();
    if (doc.dataCount < 1) {
        doc.prompts().Message("All data deleted.", MessageKind::Warning);
    }
    RecordsChanged(doc);
}

void RecordsChanged(CDatDoc& doc) {
    doc.dataCount = static_cast<int32_t>(doc.observations.size());
    doc.dataReady = doc.dataCount > 0;
    if (doc.dataReady) {
        doc.UpdateAllViews(1);
        doc.progress().Finished();
    } else if (doc.view != nullptr) {
        // Nothing is drawn while the data set is not ready: the window empties.
        doc.view->RepaintAll();
    }
}

std::string StatisticsText(const std::vector<Cobs>& observations) {
    std::vector<double> magnitudes;
    magnitudes.reserve(observations.size());
    for (const Cobs& record : observations) {
        magnitudes.push_back(std::fabs(record.datum));
    }
    std::sort(magnitudes.begin(), magnitudes.end());
    double sum = 0;
    for (const double m : magnitudes) {
        sum += m;
    }
    const size_t n = magnitudes.size();
    const size_t k = static_cast<size_t>(n * 0.1 + 0.5);
    return CFormat(
        "Data Statistics\n\n# of data %i\n\nmaximum: %g\nminimum: %g\n\naverage: %g\nmedian: "
        "%g\n10 percent smallest: %g\n",
        static_cast<int>(n), magnitudes.back(), magnitudes.front(), sum / n, magnitudes[n / 2],
        magnitudes[k]);
}

}  // namespace oskava
