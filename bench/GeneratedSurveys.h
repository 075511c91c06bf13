// Synthetic surveys of any size for the benchmarks: electrode layouts of the usual
// arrays on flat ground, rolled along the line until the requested number of data is
// reached, with DC data whose sign agrees with each array's geometric factor.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "survey/Cobs.h"

namespace oskava::bench {

constexpr double kPi = 3.14159265358979323846;

enum class ArrayLayout {
    DipoleDipole,  // A B M N, dipole lengths a, separations n = 1..levels
    Wenner,        // A M N B with equal spacings a = 1..levels
};

/// Which array, how many data, and the line's electrode spacing in metres.
struct SurveyShape {
    ArrayLayout layout = ArrayLayout::DipoleDipole;
    size_t dataCount = 1000;
    double spacing = 1.0;
    int levels = 6;          // n for dipole-dipole, a / spacing for Wenner
    int dipoleLengths = 3;   // dipole-dipole only: a = 1..dipoleLengths spacings
    bool withStdDev = true;  // false: stdDev 0, as a file without standard deviations
};

/// A smooth, positive apparent resistivity in ohm-metres over the pseudosection.
inline double ModelResistivity(double x, double depth) {
    return 100.0 * std::exp(0.5 * std::sin(x / 37.0)) * (1.0 + 0.3 * std::cos(depth / 11.0));
}

/// The value rounded to six significant digits, as a field file would hold it; a
/// record therefore reads back from its file bit for bit.
inline double SixDigits(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return std::strtod(text, nullptr);
}

/// Flat-ground geometric term 1/AM - 1/AN - 1/BM + 1/BN, poles left out.
inline double GeometricTerm(const Cobs& r) {
    double g = 1 / std::fabs(r.xm - r.xa);
    if (r.xm != r.xn) {
        g -= 1 / std::fabs(r.xn - r.xa);
    }
    if (r.xa != r.xb) {
        g -= 1 / std::fabs(r.xm - r.xb);
        if (r.xm != r.xn) {
            g += 1 / std::fabs(r.xn - r.xb);
        }
    }
    return g;
}

/// Gives the record the normalised voltage that the model resistivity produces, with
/// the sign of its geometric term, and a standard deviation of 3 % plus 1e-5.
inline void SetModelDatum(Cobs& r, bool withStdDev) {
    const double x = (r.xa + r.xb + r.xm + r.xn) / 4;
    const double depth = std::fabs((r.xm + r.xn) - (r.xa + r.xb)) / 4;
    r.datum = SixDigits(GeometricTerm(r) * ModelResistivity(x, depth) / (2 * kPi));
    r.stdDev = withStdDev ? SixDigits(0.03 * std::fabs(r.datum) + 1e-5) : 0.0;
}

/// A shape whose deepest pseudo-depth is about a fifth of the line's length, the
/// proportions of a field pseudosection, for dataCount data: dipole-dipole with
/// n = 1..8 and as many dipole lengths as that takes, Wenner with a = 1..levels.
inline SurveyShape SectionShape(ArrayLayout layout, size_t dataCount) {
    SurveyShape shape;
    shape.layout = layout;
    shape.dataCount = dataCount;
    const double count = static_cast<double>(dataCount);
    if (layout == ArrayLayout::DipoleDipole) {
        shape.levels = 8;
        shape.dipoleLengths = std::max(1, static_cast<int>(std::lround(std::sqrt(count / 180))));
    } else {
        shape.levels = std::max(1, static_cast<int>(std::lround(std::sqrt(count / 3))));
    }
    return shape;
}

/// Exactly shape.dataCount records, station after station along the line starting at
/// x = 0, every array of a station before the next station.
inline std::vector<Cobs> GenerateSurvey(const SurveyShape& shape) {
    std::vector<Cobs> records;
    records.reserve(shape.dataCount);
    const double s = shape.spacing;
    auto add = [&](double xa, double xb, double xm, double xn) {
        if (records.size() == shape.dataCount) {
            return;
        }
        Cobs r;
        r.xa = xa;
        r.xb = xb;
        r.xm = xm;
        r.xn = xn;
        SetModelDatum(r, shape.withStdDev);
        records.push_back(r);
    };
    for (long station = 0; records.size() < shape.dataCount; ++station) {
        const double x0 = static_cast<double>(station) * s;
        if (shape.layout == ArrayLayout::DipoleDipole) {
            for (int a = 1; a <= shape.dipoleLengths; ++a) {
                for (int n = 1; n <= shape.levels; ++n) {
                    add(x0, x0 + a * s, x0 + (a + n * a) * s, x0 + (2 * a + n * a) * s);
                }
            }
        } else {
            for (int a = 1; a <= shape.levels; ++a) {
                add(x0, x0 + 3 * a * s, x0 + a * s, x0 + 2 * a * s);
            }
        }
    }
    return records;
}

/// Every record copies times in a row, as a survey that measured each quadrupole
/// copies times lists them.
inline std::vector<Cobs> RepeatQuadrupoles(const std::vector<Cobs>& records, int copies) {
    std::vector<Cobs> repeated;
    repeated.reserve(records.size() * static_cast<size_t>(copies));
    for (const Cobs& r : records) {
        repeated.insert(repeated.end(), static_cast<size_t>(copies), r);
    }
    return repeated;
}

/// Writes the records as a general-layout observation file under a title line; the
/// standard deviation column is left out when withStdDev is false. False when the
/// file cannot be written.
inline bool WriteObservationFile(const std::string& path, const std::vector<Cobs>& records,
                                 bool withStdDev) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::fputs("Generated survey\n", file);
    for (const Cobs& r : records) {
        if (withStdDev) {
            std::fprintf(file, "%.17g %.17g %.17g %.17g %.6g %.6g\n", r.xa, r.xb, r.xm, r.xn,
                         r.datum, r.stdDev);
        } else {
            std::fprintf(file, "%.17g %.17g %.17g %.17g %.6g\n", r.xa, r.xb, r.xm, r.xn, r.datum);
        }
    }
    return std::fclose(file) == 0;
}

/// Writes the records as a common-current observation file: one block per run of
/// records that share their current pair, in record order.
inline bool WriteCommonCurrentFile(const std::string& path, const std::vector<Cobs>& records,
                                   bool withStdDev) {
    std::vector<size_t> blockStarts;
    for (size_t i = 0; i < records.size(); ++i) {
        if (i == 0 || records[i].xa != records[i - 1].xa || records[i].xb != records[i - 1].xb) {
            blockStarts.push_back(i);
        }
    }
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "COMMON_CURRENT\n%zu\n", blockStarts.size());
    for (size_t b = 0; b < blockStarts.size(); ++b) {
        const size_t end = b + 1 < blockStarts.size() ? blockStarts[b + 1] : records.size();
        const Cobs& first = records[blockStarts[b]];
        std::fprintf(file, "%.17g %.17g %zu\n", first.xa, first.xb, end - blockStarts[b]);
        for (size_t i = blockStarts[b]; i < end; ++i) {
            const Cobs& r = records[i];
            if (withStdDev) {
                std::fprintf(file, "%.17g %.17g %.6g %.6g\n", r.xm, r.xn, r.datum, r.stdDev);
            } else {
                std::fprintf(file, "%.17g %.17g %.6g\n", r.xm, r.xn, r.datum);
            }
        }
    }
    return std::fclose(file) == 0;
}

/// Writes the records, whose electrodes stand at whole metres from 0, in pyGIMLi's
/// unified data format: the electrodes with elevations of a gently rolling ground, then
/// "a b m n rhoa err" per datum, the apparent resistivity from the datum with the
/// flat-ground factor and a relative error of 3 %. False when the file cannot be written.
inline bool WriteUnifiedFile(const std::string& path, const std::vector<Cobs>& records) {
    auto electrode = [](double x) { return std::lround(x) + 1; };
    long electrodes = 0;
    for (const Cobs& r : records) {
        for (const double x : {r.xa, r.xb, r.xm, r.xn}) {
            electrodes = std::max(electrodes, electrode(x));
        }
    }
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "%ld\n# x z\n", electrodes);
    for (long i = 0; i < electrodes; ++i) {
        std::fprintf(file, "%ld %.6g\n", i, 100 + 5 * std::sin(static_cast<double>(i) / 50));
    }
    std::fprintf(file, "%zu\n# a b m n rhoa err\n", records.size());
    for (const Cobs& r : records) {
        std::fprintf(file, "%ld %ld %ld %ld %.6g 0.03\n", electrode(r.xa), electrode(r.xb),
                     electrode(r.xm), electrode(r.xn), 2 * kPi * r.datum / GeometricTerm(r));
    }
    std::fputs("0\n", file);
    return std::fclose(file) == 0;
}

/// A dipole-dipole line of count data shaped like a field survey: about as many
/// stations as data per station, so that the pseudosection is some five times as long
/// as deep and the image fills a good part of the picture. (One station of six levels
/// rolled along a line of 1e6 data would be a flat strip without pixels.)
inline SurveyShape FieldLikeShape(size_t count) {
    const double root = std::sqrt(static_cast<double>(count));
    SurveyShape shape;
    shape.dataCount = count;
    shape.levels = std::max(6, static_cast<int>(std::lround(1.2 * std::sqrt(root))));
    shape.dipoleLengths = std::max(1, static_cast<int>(std::lround(root / shape.levels)));
    return shape;
}

}  // namespace oskava::bench
