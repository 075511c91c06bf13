#include "analysis/ErrorAnalysis.h"

#include <algorithm>
#include <cmath>

#include "survey/CFormat.h"

namespace oskava {

namespace {

double Median(std::vector<double> values) {
    if (values.empty()) {
        return NAN;
    }
    const size_t half = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + half, values.end());
    const double upper = values[half];
    if (values.size() % 2 == 1) {
        return upper;
    }
    return (*std::max_element(values.begin(), values.begin() + half) + upper) / 2;
}

std::string ModelText(const ErrorModel& model, size_t bins) {
    const std::string formula =
        model.kind == ErrorModelKind::Linear ? "e = a + b |R|" : "e = a |R|^b";
    const std::string fit = std::isnan(model.determination)
                                ? std::string("R^2 undefined: the bin means of e are all equal")
                                : CFormat("R^2 = %.4f", model.determination);
    return CFormat("Model (%s): %s\na = %.6g, b = %.6g\n%s over %zu bins\n",
                   ErrorModelName(model.kind), formula.c_str(), model.a, model.b, fit.c_str(),
                   bins);
}

}  // namespace

ErrorAnalysis AnalyseErrors(const std::vector<Cobs>& observations, ErrorModelKind kind) {
    ErrorAnalysis analysis;
    analysis.pairs = FindErrorPairs(observations);
    std::vector<double> relative;
    for (const ErrorPair& pair : analysis.pairs) {
        ++(pair.kind == PairKind::Reciprocal ? analysis.reciprocals : analysis.repeats);
        analysis.above10 += pair.Above(10) ? 1 : 0;
        if (!std::isnan(pair.Relative())) {
            relative.push_back(pair.Relative());
        }
    }
    analysis.medianRelative = Median(relative);
    analysis.bins = BinMeans(analysis.pairs);
    if (!analysis.pairs.empty()) {
        analysis.model = FitErrorModel(analysis.bins, kind, analysis.noModel);
    }
    return analysis;
}

std::string ErrorAnalysisText(const ErrorAnalysis& analysis) {
    if (analysis.pairs.empty()) {
        return kNoPairs;
    }
    const size_t count = analysis.pairs.size();
    std::string text = CFormat("Pairs: %zu (reciprocals %zu, repeats %zu)\n", count,
                               analysis.reciprocals, analysis.repeats);
    text += CFormat("Median e / |R|: %.3g %%\n", analysis.medianRelative * 100);
    text += CFormat("Above 10 %%: %zu pairs (%.1f %%)\n", analysis.above10,
                    100.0 * static_cast<double>(analysis.above10) / static_cast<double>(count));
    return text + (analysis.model ? ModelText(*analysis.model, analysis.bins.size())
                                  : analysis.noModel + "\n");
}

}  // namespace oskava
