#!/usr/bin/env python3
"""The peer that scripts/bench sets beside `oskava-data render`: the same picture made
the usual Python way. Reads a general-layout survey (a title line, then xa xb xm xn
datum [stddev] per line, comments after "!" or "%"), places each datum at its flat-
ground pseudo-location, takes log10 of the apparent conductivity, triangulates the
pseudo-locations with scipy's Delaunay and draws them with matplotlib's tripcolor
(gouraud shading) into a PNG of the given pixel size.

    tripcolor_pipeline.py OBS OUT.png WIDTH HEIGHT
"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.tri import Triangulation  # noqa: E402
from scipy.spatial import Delaunay  # noqa: E402


def read_survey(path):
    with open(path) as f:
        f.readline()
        rows = np.loadtxt(f, comments=["!", "%"], ndmin=2)
    return rows[:, 0], rows[:, 1], rows[:, 2], rows[:, 3], rows[:, 4]


def pseudo_locations(xa, xb, xm, xn):
    current = (xa + xb) / 2
    potential = (xm + xn) / 2
    inside = (xb != xa) & ((xn - xb) * (xn - xa) < 0) & ((xm - xb) * (xm - xa) < 0)
    x = np.where(inside, potential, (current + potential) / 2)
    depth = np.where(inside, np.abs(xb - xa) / 5, np.abs(potential - current) / 2)
    return x, depth


def log_conductivity(xa, xb, xm, xn, v):
    def inverse(d):
        return 1 / np.abs(d)

    g = inverse(xm - xa)
    g -= np.where(xm != xn, inverse(xn - xa), 0)
    g -= np.where(xa != xb, inverse(xm - xb), 0)
    g += np.where((xa != xb) & (xm != xn), inverse(xn - xb), 0)
    return np.log10(np.abs(g / (2 * np.pi) / v))


def main():
    path, out, width, height = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    xa, xb, xm, xn, v = read_survey(path)
    with np.errstate(divide="ignore", invalid="ignore"):
        x, depth = pseudo_locations(xa, xb, xm, xn)
        values = log_conductivity(xa, xb, xm, xn, v)
    mesh = Delaunay(np.column_stack([x, depth]))
    triangulation = Triangulation(x, depth, mesh.simplices)
    dpi = 100
    figure = plt.figure(figsize=(width / dpi, height / dpi), dpi=dpi)
    axes = figure.add_axes([0.08, 0.1, 0.8, 0.8])
    image = axes.tripcolor(triangulation, np.nan_to_num(values), shading="gouraud", cmap="jet")
    axes.invert_yaxis()
    figure.colorbar(image, ax=axes)
    figure.savefig(out, dpi=dpi)


if __name__ == "__main__":
    main()
