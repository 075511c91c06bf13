#!/usr/bin/env python3
"""Writes the bundled example surveys in examples/ (Python 3, standard library only).

Run from anywhere:  python3 tools/make_examples.py [OUTPUT_DIR]   (default: examples/)
The output is deterministic: the noise comes from one generator with a fixed seed.

Earth model
-----------
Each survey line has a two-layer earth: an upper layer of resistivity rho1(x) and
thickness h(x) over a basement of resistivity rho2(x). The parameters vary smoothly
along the line (Gaussian resistive or conductive zones, a tanh-shaped change of the
thickness), so the pseudosections show structure.

Potentials. A point current I on the surface of a layered half-space gives, at distance
r on the surface, the image series

    V(r) = rho1 * I / (2 pi) * F(r),
    F(r) = 1/r + 2 * sum_{n>=1} k^n / sqrt(r^2 + (2 n h)^2),   k = (rho2 - rho1) / (rho2 + rho1).

The normalised voltage of a quadrupole (what the observation file holds for DC data) is

    V/I = rho1 / (2 pi) * [F(AM) - F(AN) - F(BM) + F(BN)],

leaving out every term that involves an absent electrode (a pole is written xb = xa or
xn = xm). For a uniform earth (k = 0) this is (1/AM - 1/AN - 1/BM + 1/BN) * rho / (2 pi),
the program's geometric term times rho / (2 pi), so the apparent resistivity the viewer
computes is rho. Every DC datum written is checked to carry the sign of that geometric
term, which the viewer requires.

Lateral variation (an approximation, stated as such): each quadrupole sees a local
layered earth whose parameters are Gaussian-weighted averages of rho1 (in log), rho2 (in
log) and h around the quadrupole's pseudo-location (the viewer's construction on flat
ground), over a standard deviation of half its pseudo-depth. Shallow data thus see the
ground right below them and deep data a broad average, as the sensitivity of real arrays
does. The response of a single layered earth is exact; the lateral variation is not a
two-dimensional forward solution.

Topography. The line on sloping ground uses the straight-line distances between its
electrodes in the x-z plane (the distances the viewer uses for its geometric factor) in
the layered-earth formula. Four points in one vertical plane can be laid flat with the
same mutual distances, so the data are exactly those of a flat layered earth with those
distances; the effect of the terrain shape itself is left out.

IP. Apparent chargeability by Seigel's rule: with intrinsic chargeabilities m1(x), m2(x)
(fractions), m_a = 1 - rho_a(rho) / rho_a(rho / (1 - m)), where rho_a(rho / (1 - m)) is
the response with both layer resistivities raised to rho_j / (1 - m_j). Written in mV/V.

Noise and standard deviations. Observed datum = exact datum + Gaussian noise with standard
deviation p * |exact| + floor. Files that carry standard deviations (and the inversion
logs' default-error tables) hold p * |observed| + floor, the rule of the viewer's Assign
standard deviation command.

Inversion outputs. tarnel.pre/.log (DC, for dipole-dipole.dat) and brisko.pre/.log (IP, for
ip-dipole-dipole.dat) hold the noise-free data of a "recovered" model: the true model with
its anomalies 2 % weaker and 3 % wider, as a smoothing inversion would return it (they
fit the observations to a chi-squared of about 1.2 times the number of data). In the
logs, the misfits of the starting model and of the final model are computed from the
files; the iterations between them, the mesh and the regularisation numbers are
illustrative.
"""

import math
import os
import random
import statistics
import sys

SEED = 271828
TWO_PI = 2.0 * math.pi
SERIES_TOLERANCE = 1e-13
SERIES_MAX_TERMS = 200000
FOOTPRINT_SAMPLES = 41


# --------------------------------------------------------------------------- model


def bump(x, centre, width):
    return math.exp(-0.5 * ((x - centre) / width) ** 2)


class LayeredLine:
    """A two-layer earth whose parameters vary smoothly along the line.

    Resistivity zones are (centre, width, factor): the resistivity is multiplied by
    factor at the centre, with a Gaussian taper. Chargeability zones are (centre, width,
    amount): amount (a fraction) is added at the centre. The thickness is
    h0 + dh * tanh((x - h_centre) / h_width).
    """

    def __init__(self, rho1, rho2, h0, dh=0.0, h_centre=0.0, h_width=1.0,
                 rho1_zones=(), rho2_zones=(), m1=0.0, m2=0.0, m1_zones=(), m2_zones=(),
                 strength=1.0, spread=1.0):
        self.rho1, self.rho2 = rho1, rho2
        self.h0, self.dh, self.h_centre, self.h_width = h0, dh, h_centre, h_width
        self.rho1_zones, self.rho2_zones = rho1_zones, rho2_zones
        self.m1, self.m2 = m1, m2
        self.m1_zones, self.m2_zones = m1_zones, m2_zones
        self.strength, self.spread = strength, spread

    def recovered(self):
        """The model as a smoothing inversion would return it: weaker, wider anomalies."""
        return LayeredLine(self.rho1, self.rho2, self.h0, self.dh, self.h_centre,
                           self.h_width * 1.03, self.rho1_zones, self.rho2_zones, self.m1,
                           self.m2, self.m1_zones, self.m2_zones, strength=0.98, spread=1.03)

    def _log_rho(self, x, background, zones):
        value = math.log(background)
        for centre, width, factor in zones:
            value += self.strength * math.log(factor) * bump(x, centre, width * self.spread)
        return value

    def _chargeability(self, x, background, zones):
        value = background
        for centre, width, amount in zones:
            value += self.strength * amount * bump(x, centre, width * self.spread)
        return value

    def local(self, x):
        """(log rho1, log rho2, h, m1, m2) at position x."""
        h = self.h0 + self.strength * self.dh * math.tanh((x - self.h_centre) / self.h_width)
        return (self._log_rho(x, self.rho1, self.rho1_zones),
                self._log_rho(x, self.rho2, self.rho2_zones), h,
                self._chargeability(x, self.m1, self.m1_zones),
                self._chargeability(x, self.m2, self.m2_zones))

    def averaged(self, centre, sigma):
        """Gaussian-weighted average of local() over the footprint centre +- 3 sigma."""
        sums = [0.0] * 5
        total = 0.0
        for j in range(FOOTPRINT_SAMPLES):
            t = -3.0 + 6.0 * j / (FOOTPRINT_SAMPLES - 1)
            weight = math.exp(-0.5 * t * t)
            for i, value in enumerate(self.local(centre + t * sigma)):
                sums[i] += weight * value
            total += weight
        log_rho1, log_rho2, h, m1, m2 = (s / total for s in sums)
        return math.exp(log_rho1), math.exp(log_rho2), h, m1, m2


# ------------------------------------------------------------------ layered earth


def layered_kernel(r, h, k):
    """F(r) = 1/r + 2 sum k^n / sqrt(r^2 + (2nh)^2), summed until the terms are negligible."""
    total = 1.0 / r
    power = 1.0
    for n in range(1, SERIES_MAX_TERMS):
        power *= k
        term = 2.0 * power / math.sqrt(r * r + (2.0 * n * h) ** 2)
        total += term
        if abs(term) < SERIES_TOLERANCE * total:
            return total
    raise RuntimeError("image series did not converge (k = %g)" % k)


class Geometry:
    """Electrode depths below the reference elevation (0 without topography)."""

    def __init__(self, topography=None):
        self.topography = topography

    def depth(self, x):
        if self.topography is None:
            return 0.0
        xs, depths = self.topography
        k = 1
        while x > xs[k] and k < len(xs) - 1:
            k += 1
        return depths[k - 1] + (depths[k] - depths[k - 1]) / (xs[k] - xs[k - 1]) * (x - xs[k - 1])

    def distance(self, x1, x2):
        return math.hypot(x2 - x1, self.depth(x2) - self.depth(x1))

    def terms(self, quad):
        """The (sign, distance) pairs of the four-electrode sum, absent electrodes left out."""
        xa, xb, xm, xn = quad
        has_b, has_n = xa != xb, xm != xn
        pairs = [(1.0, self.distance(xa, xm))]
        if has_n:
            pairs.append((-1.0, self.distance(xa, xn)))
        if has_b:
            pairs.append((-1.0, self.distance(xb, xm)))
            if has_n:
                pairs.append((1.0, self.distance(xb, xn)))
        return pairs

    def geometric_term(self, quad):
        """1/AM - 1/AN - 1/BM + 1/BN, the viewer's geometric term (without the 2 pi)."""
        return sum(sign / r for sign, r in self.terms(quad))


def pseudo_location(quad):
    """The viewer's pseudo-location on flat ground: (x, depth)."""
    xa, xb, xm, xn = quad
    has_b, has_n = xa != xb, xm != xn
    if has_b and (xn - xb) * (xn - xa) < 0 and (xm - xb) * (xm - xa) < 0:
        return (xm + xn) * 0.5, abs(xb - xa) / 5.0
    c = (xa + xb) * 0.5
    if not has_n:
        p = xm
    elif has_b:
        p = (xm + xn) * 0.5
    else:
        p = xm if abs(c - xn) > abs(c - xm) else xn
    return (c + p) * 0.5, abs(p - c) * 0.5


def normalised_voltage(geometry, quad, rho1, rho2, h):
    """V/I in ohms of a quadrupole on the two-layer earth (rho1, rho2, h)."""
    k = (rho2 - rho1) / (rho2 + rho1)
    return rho1 / TWO_PI * sum(sign * layered_kernel(r, h, k)
                               for sign, r in geometry.terms(quad))


def local_parameters(model, quad):
    centre, depth = pseudo_location(quad)
    return model.averaged(centre, 0.5 * depth)


def dc_datum(model, geometry, quad):
    rho1, rho2, h, _, _ = local_parameters(model, quad)
    datum = normalised_voltage(geometry, quad, rho1, rho2, h)
    assert datum * geometry.geometric_term(quad) > 0.0, ("wrong sign", quad, datum)
    return datum


def ip_datum(model, geometry, quad):
    """Apparent chargeability in mV/V by Seigel's rule."""
    rho1, rho2, h, m1, m2 = local_parameters(model, quad)
    plain = normalised_voltage(geometry, quad, rho1, rho2, h)
    charged = normalised_voltage(geometry, quad, rho1 / (1.0 - m1), rho2 / (1.0 - m2), h)
    return 1000.0 * (1.0 - plain / charged)


# ------------------------------------------------------------------------ arrays


def dipole_dipole(electrodes, dipoles, levels):
    """A-B-M-N with |AB| = |MN| = a (in electrode steps) and M at n * a beyond B."""
    quads = []
    for a in dipoles:
        for n in levels:
            for i in range(len(electrodes)):
                j = i + (n + 2) * a
                if j < len(electrodes):
                    quads.append((electrodes[i], electrodes[i + a],
                                  electrodes[i + (n + 1) * a], electrodes[j]))
    return quads


def pole_dipole(electrodes, levels):
    """Forward pole-dipole: A, then M at n steps and N one step further; B at infinity."""
    quads = []
    for n in levels:
        for i in range(len(electrodes) - n - 1):
            a = electrodes[i]
            quads.append((a, a, electrodes[i + n], electrodes[i + n + 1]))
    return quads


def multiple_gradient(electrodes, spans):
    """Current pairs spanning s steps; every one-step dipole strictly inside AB.

    Current pairs of one span are shifted by s - 2 steps, so that no dipole is measured
    twice with the same span (two such data would share a pseudo-location). Returns a
    list of ((xa, xb), [(xm, xn), ...]) blocks.
    """
    last = len(electrodes) - 1
    blocks = []
    for s in spans:
        count = (last - s) // (s - 2) + 1
        start = (last - s - (count - 1) * (s - 2)) // 2
        for b in range(count):
            i = start + b * (s - 2)
            dipoles = [(electrodes[j], electrodes[j + 1]) for j in range(i + 1, i + s - 1)]
            blocks.append(((electrodes[i], electrodes[i + s]), dipoles))
    return blocks


def line_of(count, spacing):
    return [i * spacing for i in range(count)]


# ------------------------------------------------------------------- noise, output


class Noise:
    def __init__(self, seed):
        self.random = random.Random(seed)

    def add(self, exact, percent, floor):
        return exact + self.random.gauss(0.0, percent * 0.01 * abs(exact) + floor)


def assigned_error(datum, percent, floor):
    return percent * 0.01 * abs(datum) + floor


def positions(quad):
    return "%10.2f %10.2f  %10.2f %10.2f" % quad


def write_lines(path, lines):
    with open(path, "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def provenance(what):
    return ["! Synthetic %s, made by tools/make_examples.py (not field data)." % what,
            "! Model and formulas: examples/README.md and the script's docstring."]


def write_general(path, title, comments, quads, data, errors=None):
    lines = [title] + comments
    for i, quad in enumerate(quads):
        if errors is None:
            lines.append("%s  %.5e" % (positions(quad), data[i]))
        else:
            lines.append("%s  %.5e %.5e" % (positions(quad), data[i], errors[i]))
    write_lines(path, lines)


def write_common_current(path, comments, blocks, data):
    lines = ["COMMON_CURRENT"] + comments + ["%d" % len(blocks)]
    k = 0
    for (xa, xb), dipoles in blocks:
        lines.append("%10.2f %10.2f %d" % (xa, xb, len(dipoles)))
        for xm, xn in dipoles:
            lines.append("%10.2f %10.2f  %.5e" % (xm, xn, data[k]))
            k += 1
    write_lines(path, lines)


def chi_squared(observed, predicted, errors):
    return sum(((o - p) / e) ** 2 for o, p, e in zip(observed, predicted, errors))


def write_inversion_log(path, program, kind, data_file, quads, observed, predicted, errors,
                        error_rule, start_model, start_chi2, units):
    """A plausible log of an inversion run, with its "Default Errors" table."""
    final_chi2 = chi_squared(observed, predicted, errors)
    count = len(quads)
    iterations = 6
    xs = [x for quad in quads for x in quad]
    lines = [
        " %s: 2D %s inversion" % (program, kind),
        " (synthetic log made by tools/make_examples.py; the misfits of iteration 0 and of",
        "  the last iteration are those of the files, the others are illustrative)",
        "",
        " Data file            : %s" % data_file,
        " Number of data       : %d" % count,
        " Line                 : x from %.2f to %.2f m" % (min(xs), max(xs)),
        " Data errors          : %s" % error_rule,
        " Mesh                 : 96 x 18 cells",
        " Starting model       : %s" % start_model,
        " Target chi-squared   : %d" % count,
        "",
        " Iter   Chi-squared   RMS (normalized)   Lagrange mult.   Roughness",
    ]
    for it in range(iterations + 1):
        fraction = 1.0 - (1.0 - it / iterations) ** 2
        chi2 = start_chi2 * (final_chi2 / start_chi2) ** fraction
        lagrange = 10.0 ** (2.0 - 0.45 * it)
        roughness = 0.0 if it == 0 else 35.0 * fraction
        lines.append(" %4d %13.1f %18.3f %16.4g %11.2f"
                     % (it, chi2, math.sqrt(chi2 / count), lagrange, roughness))
    lines += [
        "",
        " Converged after %d iterations: chi-squared %.1f for %d data."
        % (iterations, final_chi2, count),
        "",
        " Default Errors (%s)" % units,
        "   index         xa         xb         xm         xn         stdDev",
    ]
    for i, quad in enumerate(quads):
        lines.append(" %7d %10.2f %10.2f %10.2f %10.2f %14.5e" % ((i + 1,) + quad + (errors[i],)))
    lines += [
        "",
        " Predicted data written to %s.pre" % program,
        " Model written to %s.mod" % program,
        " Normal end of %s" % program,
    ]
    write_lines(path, lines)


def rounded(values):
    """The values as the files hold them (six significant digits)."""
    return [float("%.5e" % v) for v in values]


# ------------------------------------------------------------------------ surveys


def make_dipole_dipole(out, noise):
    """The default survey, with its DC inversion outputs tarnel.pre and tarnel.log."""
    model = LayeredLine(rho1=80.0, rho2=600.0, h0=5.0, dh=2.5, h_centre=55.0, h_width=12.0,
                        rho1_zones=((30.0, 5.0, 5.0), (70.0, 6.0, 0.2)))
    geometry = Geometry()
    quads = dipole_dipole(line_of(51, 2.0), dipoles=(1, 2), levels=range(1, 9))
    exact = [dc_datum(model, geometry, q) for q in quads]
    percent, floor = 2.5, 1e-4
    observed = rounded(noise.add(d, percent, floor) for d in exact)
    errors = rounded(assigned_error(d, percent, floor) for d in observed)
    for quad, datum in zip(quads, observed):
        assert datum * geometry.geometric_term(quad) > 0.0, ("noise flipped a sign", quad)
    write_general(os.path.join(out, "dipole-dipole.dat"),
                  "Synthetic dipole-dipole survey, 51 electrodes at 2 m, a = 2 and 4 m, "
                  "n = 1..8, DC V/I [ohm] with std",
                  provenance("DC data") + [
                      "! Two-layer earth: 80 ohm-m over 600 ohm-m, 2.5-7.5 m thick; resistive "
                      "zone at 30 m, conductive zone at 70 m.",
                      "! Noise 2.5 % + 1e-4 ohm; std = 2.5 % of |datum| + 1e-4 ohm."],
                  quads, observed, errors)

    predicted = rounded(dc_datum(model.recovered(), geometry, q) for q in quads)
    write_general(os.path.join(out, "tarnel.pre"),
                  "tarnel predicted data for dipole-dipole.dat", [], quads, predicted)
    apparent = [TWO_PI * d / geometry.geometric_term(q) for q, d in zip(quads, observed)]
    half_space = statistics.median(apparent)
    start = [half_space * geometry.geometric_term(q) / TWO_PI for q in quads]
    write_inversion_log(os.path.join(out, "tarnel.log"), "tarnel", "DC resistivity",
                        "dipole-dipole.dat", quads, observed, predicted, errors,
                        "%.1f %% of |datum| + %.1e ohm" % (percent, floor),
                        "homogeneous half-space of %.1f ohm-m" % half_space,
                        chi_squared(observed, start, errors), "ohm")
    return {"dipole-dipole.dat": len(quads), "tarnel.pre": len(quads),
            "tarnel.log": chi_squared(observed, predicted, errors)}


def make_gradient(out, noise):
    """Multiple-gradient survey in the common-current layout, without standard deviations."""
    model = LayeredLine(rho1=50.0, rho2=300.0, h0=12.0, dh=6.0, h_centre=100.0, h_width=30.0,
                        rho1_zones=((50.0, 10.0, 4.0), (125.0, 12.0, 0.3)))
    geometry = Geometry()
    blocks = multiple_gradient(line_of(41, 5.0), spans=(4, 6, 8, 10, 13, 16, 20, 25, 31, 40))
    quads = [(xa, xb, xm, xn) for (xa, xb), dipoles in blocks for xm, xn in dipoles]
    observed = rounded(noise.add(dc_datum(model, geometry, q), 2.0, 1e-4) for q in quads)
    for quad, datum in zip(quads, observed):
        assert datum * geometry.geometric_term(quad) > 0.0, ("noise flipped a sign", quad)
    write_common_current(os.path.join(out, "gradient-common-current.dat"),
                         provenance("DC multiple-gradient data, 41 electrodes at 5 m, "
                                    "V/I [ohm], no std") + [
                             "! Two-layer earth: 50 ohm-m over 300 ohm-m, 6-18 m thick; "
                             "resistive zone at 50 m, conductive zone at 125 m.",
                             "! Noise 2 % + 1e-4 ohm."],
                         blocks, observed)
    return {"gradient-common-current.dat": len(quads)}


def make_pole_dipole(out, noise):
    """Forward pole-dipole survey (B at infinity, written xb = xa), with standard deviations."""
    model = LayeredLine(rho1=120.0, rho2=40.0, h0=7.0, dh=3.0, h_centre=60.0, h_width=25.0,
                        rho1_zones=((75.0, 4.0, 0.15),), rho2_zones=((30.0, 12.0, 4.0),))
    geometry = Geometry()
    quads = pole_dipole(line_of(41, 3.0), levels=range(1, 13))
    percent, floor = 3.0, 1e-4
    observed = rounded(noise.add(dc_datum(model, geometry, q), percent, floor) for q in quads)
    errors = rounded(assigned_error(d, percent, floor) for d in observed)
    for quad, datum in zip(quads, observed):
        assert datum * geometry.geometric_term(quad) > 0.0, ("noise flipped a sign", quad)
    write_general(os.path.join(out, "pole-dipole.dat"),
                  "Synthetic forward pole-dipole survey, 41 electrodes at 3 m, n = 1..12, "
                  "remote B, DC V/I [ohm] with std",
                  provenance("DC data") + [
                      "! Two-layer earth: 120 ohm-m over 40 ohm-m, 4-10 m thick; conductive "
                      "fault zone at 75 m, resistive basement high at 30 m.",
                      "! Noise 3 % + 1e-4 ohm; std = 3 % of |datum| + 1e-4 ohm."],
                  quads, observed, errors)
    return {"pole-dipole.dat": len(quads)}


def hillside_profile(xs):
    """Ground elevations (m) of the sloping line, two decimals as the file holds them."""
    return [round(100.0 + 0.16 * x + 3.0 * math.exp(-0.5 * ((x - 62.0) / 9.0) ** 2), 2)
            for x in xs]


def make_topography(out, noise):
    """Wenner-beta survey on sloping ground, with its topography file.

    Not Wenner: the viewer puts data whose potential electrodes lie inside AB at |AB| / 5
    below the reference elevation rather than below the ground, so shallow Wenner data on
    a slope would lie above the ground line and be clipped away.
    """
    model = LayeredLine(rho1=200.0, rho2=50.0, h0=5.0, dh=2.0, h_centre=47.0, h_width=20.0,
                        rho1_zones=((40.0, 5.0, 3.0),))
    electrodes = line_of(48, 2.0)
    elevations = hillside_profile(electrodes)
    reference = 120.0
    geometry = Geometry((electrodes, [reference - z for z in elevations]))
    # Wenner-beta is the dipole-dipole array with n = 1: A-B, B-M and M-N all a apart.
    quads = dipole_dipole(electrodes, dipoles=range(1, 16), levels=(1,))
    observed = rounded(noise.add(dc_datum(model, geometry, q), 2.0, 1e-4) for q in quads)
    for quad, datum in zip(quads, observed):
        assert datum * geometry.geometric_term(quad) > 0.0, ("noise flipped a sign", quad)
    write_general(os.path.join(out, "wenner-beta-topography.dat"),
                  "Synthetic Wenner-beta survey on sloping ground, 48 electrodes at 2 m, "
                  "a = 2..30 m, DC V/I [ohm] (with wenner-beta-topography.topo)",
                  provenance("DC data") + [
                      "! Two-layer earth parallel to the ground: 200 ohm-m over 50 ohm-m, "
                      "3-7 m thick; resistive zone at 40 m.",
                      "! Noise 2 % + 1e-4 ohm; no std."],
                  quads, observed)
    lines = ["%d" % len(electrodes), "%.2f" % reference]
    lines += ["%.2f %.2f" % (x, z) for x, z in zip(electrodes, elevations)]
    write_lines(os.path.join(out, "wenner-beta-topography.topo"), lines)
    return {"wenner-beta-topography.dat": len(quads),
            "wenner-beta-topography.topo": len(electrodes)}


def make_ip(out, noise):
    """IP dipole-dipole survey in mV/V, with its IP inversion outputs brisko.pre and .log."""
    model = LayeredLine(rho1=150.0, rho2=60.0, h0=10.0, rho2_zones=((130.0, 15.0, 0.5),),
                        m1=0.004, m2=0.006, m1_zones=((60.0, 8.0, 0.040),),
                        m2_zones=((130.0, 15.0, 0.120),))
    geometry = Geometry()
    quads = dipole_dipole(line_of(41, 5.0), dipoles=(1, 2), levels=range(1, 7))
    percent, floor = 3.0, 0.5
    observed = rounded(noise.add(ip_datum(model, geometry, q), percent, floor) for q in quads)
    write_general(os.path.join(out, "ip-dipole-dipole.dat"),
                  "Synthetic IP dipole-dipole survey, 41 electrodes at 5 m, a = 5 and 10 m, "
                  "n = 1..6, apparent chargeability [mV/V]",
                  provenance("IP data") + [
                      "! Two-layer earth: 150 ohm-m over 60 ohm-m, 10 m thick; chargeability "
                      "4 / 6 mV/V, shallow chargeable zone at 60 m,",
                      "! chargeable and conductive basement body at 130 m. Seigel's rule. "
                      "Noise 3 % + 0.5 mV/V; no std."],
                  quads, observed)

    predicted = rounded(ip_datum(model.recovered(), geometry, q) for q in quads)
    errors = rounded(assigned_error(d, percent, floor) for d in observed)
    write_general(os.path.join(out, "brisko.pre"),
                  "brisko predicted data for ip-dipole-dipole.dat", [], quads, predicted)
    write_inversion_log(os.path.join(out, "brisko.log"), "brisko", "IP (chargeability)",
                        "ip-dipole-dipole.dat", quads, observed, predicted, errors,
                        "%.1f %% of |datum| + %.1f mV/V" % (percent, floor),
                        "uniform chargeability of 0 mV/V",
                        chi_squared(observed, [0.0] * len(quads), errors), "mV/V")
    return {"ip-dipole-dipole.dat": len(quads), "brisko.pre": len(quads),
            "brisko.log": chi_squared(observed, predicted, errors)}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "examples")
    os.makedirs(out, exist_ok=True)
    noise = Noise(SEED)
    summary = {}
    for make in (make_dipole_dipole, make_gradient, make_pole_dipole, make_topography,
                 make_ip):
        summary.update(make(out, noise))
    for name, value in summary.items():
        if name.endswith(".log"):
            print("%-30s chi-squared of the predicted data %.1f" % (name, value))
        else:
            print("%-30s %d %s" % (name, value, "points" if name.endswith(".topo") else "data"))

if __name__ == "__main__":
    main()
