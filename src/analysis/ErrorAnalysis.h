// What the survey's reciprocals and repeats tell about its errors: the pairs, their
// counts, the share above 10 %, and the error model fitted to them, with the text the
// Error analysis window shows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "analysis/ErrorModel.h"
#include "analysis/ErrorPairs.h"

namespace oskava {

/// Shown instead of an analysis when a survey has no pairs.
inline const char kNoPairs[] = "The survey has no reciprocal or repeated data.";

struct ErrorAnalysis {
    std::vector<ErrorPair> pairs;  // in the order of their later reading
    size_t reciprocals = 0;
    size_t repeats = 0;
    size_t above10 = 0;          // pairs whose e / |R| exceeds 10 %
    double medianRelative = 0;   // median e / |R| of the pairs that have one; NaN if none
    std::vector<BinPoint> bins;  // the model's bin points, ascending in |R|
    std::optional<ErrorModel> model;
    std::string noModel;  // with pairs but no model: why
};

/// Pairs the DC records and fits the model of the kind asked for.
ErrorAnalysis AnalyseErrors(const std::vector<Cobs>& observations, ErrorModelKind kind);

/// The counts, the median and the share above 10 %, and the model with its
/// coefficient of determination (or why there is none), one item a line; kNoPairs
/// without pairs.
std::string ErrorAnalysisText(const ErrorAnalysis& analysis);

}  // namespace oskava
