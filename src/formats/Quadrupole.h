// The four electrodes of a datum as another program's file gives them, where any may be
// missing (a remote electrode "at infinity"), and the same datum in the program's own
// convention: a pole source written with xb = xa, a pole receiver with xn = xm.
#pragma once

#include <optional>

namespace oskava {

/// Positions along the line as the file writes them (metres); nullopt: not there.
struct FileQuadrupole {
    std::optional<double> a, b, m, n;
};

/// A datum's electrodes in the program's convention, and the factor (1 or -1) that its
/// DC value takes in it.
struct Quadrupole {
    double xa = 0, xb = 0, xm = 0, xn = 0;
    double dcSign = 1;
};

/// Places the electrodes in the program's convention. A missing B repeats A, a missing
/// N repeats M; a lone B takes the A slot and a lone N the M slot, each time changing
/// the sign of a DC value (the lone current electrode in the A slot is the positive
/// one). Returns why the electrodes give no datum (no current or no potential
/// electrode, a position that is not finite, two of a pair at one position), or null
/// when placed.
const char* PlaceQuadrupole(const FileQuadrupole& file, Quadrupole& placed);

/// g = 1/AM - 1/AN - 1/BM + 1/BN (1/m) on flat ground, with the distances between the
/// positions as the file writes them and the terms of missing electrodes left out: the
/// apparent resistivity of transfer resistance R is 2 pi R / g. Infinite where two
/// electrodes coincide.
double FlatElectrodeSum(const FileQuadrupole& file);

/// What turns an apparent resistivity (ohm m) into the transfer resistance (ohm) on flat
/// ground: g / 2 pi (1/m); nullopt when g is 0 or not finite.
std::optional<double> FlatResistancePerRhoa(const FileQuadrupole& file);

}  // namespace oskava
