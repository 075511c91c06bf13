#include "analysis/ErrorModel.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "survey/CFormat.h"

namespace oskava {

namespace {

struct Line {
    double intercept = 0;
    double slope = 0;
};

double Mean(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}

// Ordinary least squares; the slope is not finite when every x is the same.
Line LeastSquares(const std::vector<double>& x, const std::vector<double>& y) {
    const double mx = Mean(x);
    const double my = Mean(y);
    double sxx = 0;
    double sxy = 0;
    for (size_t k = 0; k < x.size(); ++k) {
        sxx += (x[k] - mx) * (x[k] - mx);
        sxy += (x[k] - mx) * (y[k] - my);
    }
    const double slope = sxy / sxx;
    return {my - slope * mx, slope};
}

double Determination(const std::vector<double>& x, const std::vector<double>& y, Line line) {
    const double my = Mean(y);
    double residual = 0;
    double total = 0;
    for (size_t k = 0; k < x.size(); ++k) {
        const double r = y[k] - (line.intercept + line.slope * x[k]);
        residual += r * r;
        total += (y[k] - my) * (y[k] - my);
    }
    return total > 0 ? 1 - residual / total : NAN;
}

}  // namespace

const char* ErrorModelName(ErrorModelKind kind) {
    return kind == ErrorModelKind::Linear ? "linear" : "power";
}

double ErrorModel::StdDev(double magnitude) const {
    return kind == ErrorModelKind::Linear ? a + b * magnitude : a * std::pow(magnitude, b);
}

std::vector<BinPoint> BinMeans(const std::vector<ErrorPair>& pairs) {
    std::vector<ErrorPair> sorted = pairs;
    std::stable_sort(sorted.begin(), sorted.end(), [](const ErrorPair& p, const ErrorPair& q) {
        return p.magnitude < q.magnitude;
    });
    const size_t count = sorted.size();
    const size_t n = std::min<size_t>(20, std::max<size_t>(1, count / 5));
    std::vector<BinPoint> bins;
    for (size_t k = 0; k < n && count > 0; ++k) {
        const size_t begin = k * count / n;
        const size_t end = (k + 1) * count / n;
        BinPoint point;
        for (size_t i = begin; i < end; ++i) {
            point.magnitude += sorted[i].magnitude;
            point.error += sorted[i].error;
        }
        point.magnitude /= static_cast<double>(end - begin);
        point.error /= static_cast<double>(end - begin);
        bins.push_back(point);
    }
    return bins;
}

std::optional<ErrorModel> FitErrorModel(const std::vector<BinPoint>& bins, ErrorModelKind kind,
                                        std::string& reason) {
    if (bins.size() < 2) {
        reason = "No error model: it needs at least 10 pairs.";
        return std::nullopt;
    }
    std::vector<double> x;
    std::vector<double> y;
    for (const BinPoint& bin : bins) {
        if (kind == ErrorModelKind::Power && !(bin.magnitude > 0 && bin.error > 0)) {
            reason = "No power model: a bin of pairs has a mean |R| or e of 0.";
            return std::nullopt;
        }
        x.push_back(kind == ErrorModelKind::Power ? std::log10(bin.magnitude) : bin.magnitude);
        y.push_back(kind == ErrorModelKind::Power ? std::log10(bin.error) : bin.error);
    }
    Line line = LeastSquares(x, y);
    if (!std::isfinite(line.slope) || !std::isfinite(line.intercept)) {
        reason = CFormat("No %s model: every bin of pairs has the same |R|.", ErrorModelName(kind));
        return std::nullopt;
    }
    ErrorModel model;
    model.kind = kind;
    if (kind == ErrorModelKind::Power) {
        model.a = std::pow(10.0, line.intercept);
        model.b = line.slope;
    } else {
        if (line.intercept < 0) {
            double sxy = 0;
            double sxx = 0;
            for (size_t k = 0; k < x.size(); ++k) {
                sxy += x[k] * y[k];
                sxx += x[k] * x[k];
            }
            line = Line{0, sxy / sxx};
        }
        model.a = line.intercept;
        model.b = line.slope;
    }
    model.determination = Determination(x, y, line);
    return model;
}

}  // namespace oskava
