// The survey's own errors: DC data measured twice, as a repeat (the same current
// pair and the same potential pair again) or as a reciprocal (the two pairs' roles
// exchanged, M N A B), paired with their first reading.
#pragma once

#include <cstddef>
#include <vector>

#include "survey/Cobs.h"

namespace oskava {

enum class PairKind { Repeat, Reciprocal };

/// Two readings of one quadrupole.
struct ErrorPair {
    size_t first = 0;   // record index (0-based) of the first reading
    size_t second = 0;  // the later reading
    PairKind kind = PairKind::Repeat;
    double error = 0;      // e = |R1 - s R2|, s = -1 when the pairs' orders differ oddly
    double magnitude = 0;  // |R| = (|R1| + |R2|) / 2
    /// e / |R|; NaN for two readings of 0.
    double Relative() const { return error / magnitude; }
    /// Whether e / |R| exceeds percent % (10 for 10 %).
    bool Above(double percent) const { return Relative() > percent / 100; }
};

/// The sign that makes r2's datum comparable with r1's when r2 is a repeat or a
/// reciprocal of r1: +1 or -1 by the number of pairs written in the other order
/// (A B as B A, M N as N M), 0 when r2 is neither. Positions match as the predicted
/// file's do (survey/PositionMatch.h); a repeat is recognised before a reciprocal.
/// kind is set when the sign is not 0.
int PairSign(const Cobs& r1, const Cobs& r2, PairKind& kind);

/// Every pair of the records, in the order of their later reading: each record is
/// paired with the first earlier record that is the same quadrupole and is itself a
/// first reading, so that a quadrupole measured three times gives two pairs, both
/// with the first reading. Records with a position that is not finite pair with none.
std::vector<ErrorPair> FindErrorPairs(const std::vector<Cobs>& observations);

}  // namespace oskava
