// The error model fitted to the pairs: the pairs sorted by |R| and cut into bins, a
// line through the bins' mean points, and the standard deviation it gives a datum.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "analysis/ErrorPairs.h"

namespace oskava {

enum class ErrorModelKind {
    Linear,  // e = a + b |R|
    Power,   // e = a |R|^b
};

/// "linear" or "power".
const char* ErrorModelName(ErrorModelKind kind);

struct ErrorModel {
    ErrorModelKind kind = ErrorModelKind::Linear;
    double a = 0;
    double b = 0;
    double determination = 0;  // R^2 of the bin points about the model; NaN when they are all equal
    /// The standard deviation the model gives a datum of magnitude |R|, in its units.
    double StdDev(double magnitude) const;
};

/// The mean |R| and mean e of one bin of pairs.
struct BinPoint {
    double magnitude = 0;
    double error = 0;
};

/// The pairs sorted by |R| (ties in pair order) and cut into n = min(20, max(1,
/// floor(P / 5))) bins, bin k (from 0) taking the sorted pairs floor(k P / n) to
/// floor((k + 1) P / n) - 1. None without pairs.
std::vector<BinPoint> BinMeans(const std::vector<ErrorPair>& pairs);

/// The model through the bin points, or none, with why in reason: fewer than two bins
/// (under 10 pairs), bins that all have one |R|, and for the power model a bin whose
/// mean e or |R| is 0, whose logarithm has no value. Linear: least squares, refitted
/// through the origin (a = 0) when a < 0, so that no standard deviation is negative.
/// Power: least squares in log10 |R| and log10 e, a = 10^intercept, b = slope.
std::optional<ErrorModel> FitErrorModel(const std::vector<BinPoint>& bins, ErrorModelKind kind,
                                        std::string& reason);

}  // namespace oskava
