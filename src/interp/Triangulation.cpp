// Building the triangulation: a leading run of collinear nodes and the first
// triangles over it, then one node at a time in node order, each inserted into the
// triangle that contains it or joined to the hull chain it sees, and the Delaunay
// property restored around it by diagonal swaps. The lists are edited with gaps
// between them (GappedLists.h) and packed when the build is done.
//
// Degenerate input: a node with a non-finite coordinate, or at the exact position of
// a node inserted before it, is not inserted and keeps an empty list. Every edit is
// checked against the lists before anything is changed, so a node that the lists
// cannot take consistently (possible only when products of coordinates overflow or
// underflow and the geometry contradicts itself) is left out too instead of
// corrupting them.
//
// Capacity: the adjacency array holds 6N - 9 entries. Over the n inserted nodes, B of
// them on the hull, the lists hold 6n - 6 - B entries: the first triangles over a run
// of m nodes use 5m - 1 = 6(m + 1) - 6 - (m + 1), an interior insertion adds 6 with B
// unchanged, an exterior insertion that sees h hull edges adds h + 4 while B changes
// by 2 - h, and a swap replaces one arc by another. B >= 3 once built, and a skipped
// node adds nothing, so 6n - 6 - B <= 6n - 9 <= 6N - 9: skipped nodes only leave room.
#include <algorithm>
#include <cmath>
#include <limits>

#include "interp/GappedLists.h"
#include "interp/ListEditor.h"
#include "interp/Orientation.h"
#include "interp/Triangulation.h"
#include "interp/Walk.h"

namespace oskava {

namespace {

// The largest N whose adjacency capacity 6N - 9 is still a 32-bit position.
constexpr int64_t kMaxNodes = (std::numeric_limits<int32_t>::max() + int64_t{9}) / 6;

class MeshBuilder {
  public:
    MeshBuilder(const std::vector<double>& x, const std::vector<double>& y, int32_t capacity,
                std::vector<int32_t>& storage)
        : x_(x),
          y_(y),
          lists_(static_cast<int32_t>(x.size()), capacity, storage),
          editor_(lists_) {}

    MeshStatus Build() {
        const int32_t n = lists_.NodeCount();
        if (n < 3) {
            return MeshStatus::TooFewNodes;
        }
        const int32_t firstOffLine = BuildFirstTriangles();
        if (firstOffLine == 0) {
            return MeshStatus::Collinear;
        }
        SetUpBands();
        for (int32_t k = firstOffLine + 1; k <= n; ++k) {
            AddNode(k);
        }
        return MeshStatus::Built;
    }

    /// After Built: packs the lists into the storage and fills listEnd.
    void Pack(std::vector<int32_t>& listEnd) { lists_.Pack(listEnd); }

  private:
    bool Usable(int32_t k) const { return std::isfinite(x_[k - 1]) && std::isfinite(y_[k - 1]); }
    bool SamePosition(int32_t a, int32_t b) const {
        return x_[a - 1] == x_[b - 1] && y_[a - 1] == y_[b - 1];
    }
    int OrientationOf(int32_t a, int32_t b, int32_t p) const {
        return Orientation(x_[a - 1], y_[a - 1], x_[b - 1], y_[b - 1], x_[p - 1], y_[p - 1]);
    }
    // Dot product of (k - m) and (l - m).
    double Dot(int32_t k, int32_t m, int32_t l) const {
        return (y_[k - 1] - y_[m - 1]) * (y_[l - 1] - y_[m - 1]) +
               (x_[k - 1] - x_[m - 1]) * (x_[l - 1] - x_[m - 1]);
    }

    // Finds the leading run of collinear nodes and writes the first triangles, each
    // run node joined to the first node off the line. Returns that node, or 0 when
    // every usable node lies on one line (or fewer than two are distinct).
    int32_t BuildFirstTriangles() {
        const int32_t n = lists_.NodeCount();
        std::vector<int32_t> run;   // the run's nodes in their order along the line
        std::vector<int32_t> more;  // nodes on the line after the run grew long
        int32_t k = 1;
        for (; k <= n && run.size() < 2; ++k) {
            if (Usable(k) && (run.empty() || !SamePosition(run[0], k))) {
                run.push_back(k);
            }
        }
        for (;; ++k) {
            if (k > n) {
                return 0;
            }
            if (!Usable(k)) {
                continue;
            }
            const int side = OrientationOf(run.front(), run.back(), k);
            if (side != 0) {
                SortIntoRun(more, run);
                if (side > 0) {
                    std::reverse(run.begin(), run.end());
                }
                break;
            }
            if (run.size() < kLongRun) {
                AddToRun(k, run);
            } else {
                more.push_back(k);
            }
        }
        WriteFirstTriangles(run, k);
        return k;
    }

    // A run this long comes only from degenerate data (all of a section's data on
    // one line, or thousands of equal records moved apart): inserting each node in
    // its place would take time quadratic in their number, so the rest are sorted in.
    static constexpr size_t kLongRun = 1024;

    // Sorts the nodes into the run in their order along the line, the direction of
    // the run kept, a node at the position of an earlier node left out. The order of
    // collinear points is the order of their x (or y, on an upright line): exact,
    // where placing them one by one compares rounded dot products.
    void SortIntoRun(const std::vector<int32_t>& nodes, std::vector<int32_t>& run) const {
        if (nodes.empty()) {
            return;
        }
        const int32_t l = run.front();
        const int32_t r = run.back();
        const bool upright = x_[l - 1] == x_[r - 1];
        const std::vector<double>& along = upright ? y_ : x_;
        const bool increasing = along[l - 1] < along[r - 1];
        run.insert(run.end(), nodes.begin(), nodes.end());
        std::sort(run.begin(), run.end(), [&](int32_t a, int32_t b) {
            const double ta = along[a - 1];
            const double tb = along[b - 1];
            return ta != tb ? (ta < tb) == increasing : a < b;
        });
        run.erase(std::unique(run.begin(), run.end(),
                              [&](int32_t a, int32_t b) { return SamePosition(a, b); }),
                  run.end());
    }

    // Puts node k, on the run's line, in its place along the line; a node at the
    // position of a run node is left out.
    void AddToRun(int32_t k, std::vector<int32_t>& run) const {
        const int32_t l = run.front();
        const int32_t r = run.back();
        if (Dot(k, l, r) <= 0) {
            if (!SamePosition(k, l)) {
                run.insert(run.begin(), k);
            }
            return;
        }
        // Nodes sorted by x usually extend the run at its far end: the common case of
        // the scan below, decided without it.
        if (Dot(k, r, l) < 0) {
            run.push_back(k);
            return;
        }
        for (size_t m = 1; m < run.size(); ++m) {
            if (Dot(k, run[m], l) >= 0) {
                if (!SamePosition(k, run[m])) {
                    run.insert(run.begin() + static_cast<std::ptrdiff_t>(m), k);
                }
                return;
            }
        }
        run.push_back(k);
    }

    // The run is oriented so that node k lies to its right; the hull, counterclockwise,
    // is k, the run's last node, ..., its first node. Lists are written in node order;
    // nodes before k that are not in the run keep empty lists.
    void WriteFirstTriangles(const std::vector<int32_t>& run, int32_t k) {
        const int32_t runLength = static_cast<int32_t>(run.size());
        std::vector<int32_t> runPosition(static_cast<size_t>(k), 0);  // 1-based, 0: none
        for (int32_t i = 0; i < runLength; ++i) {
            runPosition[run[i]] = i + 1;
        }
        auto append = [&](int32_t entry) { lists_.Append(entry); };
        for (int32_t node = 1; node < k; ++node) {
            lists_.StartList(node);
            const int32_t i = runPosition[node];
            if (i != 0) {
                if (i > 1) {
                    append(run[i - 2]);
                }
                append(k);
                if (i < runLength) {
                    append(run[i]);
                }
                append(0);
            }
        }
        lists_.StartList(k);
        for (int32_t i = runLength - 1; i >= 0; --i) {
            append(run[i]);
        }
        append(0);
        lastInserted_ = k;
    }

    // Inserts node k into the triangulation of the nodes before it.
    void AddNode(int32_t k) {
        lists_.StartList(k);
        if (!Usable(k)) {
            return;
        }
        const Location found = Locate(k);
        if (found.i1 == 0) {
            return;
        }
        for (const int32_t node : {found.i1, found.i2, found.i3}) {
            if (node != 0 && SamePosition(node, k)) {
                return;
            }
        }
        const bool inserted = found.i3 != 0
                                  ? editor_.InsertInterior(k, found.i1, found.i2, found.i3)
                                  : editor_.InsertExterior(k, found.i1, found.i2);
        if (!inserted) {
            return;
        }
        lastInserted_ = k;
        lastInBand_[BandOf(y_[k - 1])] = k;
        RestoreDelaunay(k);
    }

    // Where node k lies among the nodes before it: as the walk from the node added
    // last finds it. Nodes come in order of x, so that walk crosses the section's
    // whole height between two nodes of a column. The answer is found instead by a
    // walk from the node added last in k's horizontal band, close by, and converted
    // to the first walk's answer, which depends on where that walk comes from only in
    // how it names a triangle holding k strictly inside (first the edge that the ray
    // from its start through k leaves by). Where the start could matter more (k on an
    // edge, or the ray through a vertex), the walk from the node added last decides.
    Location Locate(int32_t k) {
        const double px = x_[k - 1];
        const double py = y_[k - 1];
        const int32_t nearby = lastInBand_[BandOf(py)];
        if (nearby != 0 && nearby != lastInserted_) {
            const Location found = Walk<GappedLists>(px, py, x_, y_, lists_).From(nearby);
            if (found.i1 != 0 && found.i3 == 0) {
                return found;  // outside or on a hull edge: one answer from any start
            }
            Location named;
            if (found.i3 != 0 && NameAsWalkFrom(lastInserted_, px, py, x_, y_, found, named)) {
                return named;
            }
        }
        return Walk<GappedLists>(px, py, x_, y_, lists_).From(lastInserted_);
    }

    // Horizontal bands of equal height over the usable nodes' range of y, about the
    // square root of N of them, each remembering the node added last in it.
    void SetUpBands() {
        double low = 0;
        double high = 0;
        bool any = false;
        for (size_t i = 0; i < y_.size(); ++i) {
            if (std::isfinite(x_[i]) && std::isfinite(y_[i])) {
                low = any ? std::min(low, y_[i]) : y_[i];
                high = any ? std::max(high, y_[i]) : y_[i];
                any = true;
            }
        }
        const double count = std::sqrt(static_cast<double>(y_.size()));
        lastInBand_.assign(static_cast<size_t>(std::clamp(count, 1.0, 65536.0)), 0);
        bandLow_ = low;
        bandsPerUnit_ = static_cast<double>(lastInBand_.size()) / (high - low);
    }
    int32_t BandOf(double y) const {
        const double band = (y - bandLow_) * bandsPerUnit_;
        const double last = static_cast<double>(lastInBand_.size() - 1);
        return band >= 0 ? static_cast<int32_t>(std::min(band, last)) : 0;
    }

    // Walks around k's list testing each arc opposite k; a swapped arc brings a new
    // neighbour of k, which is tested next. Every swap gives k a neighbour it did not
    // have, so the walk ends.
    void RestoreDelaunay(int32_t k) {
        const int32_t first = lists_.At(lists_.Begin(k));
        int32_t io2 = first;
        int32_t io1 = lists_.At(lists_.Begin(k) + 1);
        // io1's place in k's list: a swap puts in1 at io1's place, and edits of other
        // lists leave k's list as it is.
        int32_t io1Offset = 1;
        for (;;) {
            const int32_t position = editor_.FindNeighbourPosition(io2, io1);
            if (position == 0) {
                return;
            }
            const int32_t in1 = position == lists_.Begin(io2) ? lists_.At(lists_.End(io2))
                                                              : lists_.At(position - 1);
            if (in1 != 0 && SwapTest(in1, k, io1, io2) && StrictlyConvex(in1, k, io1, io2) &&
                editor_.SwapDiagonal(in1, k, io1, io2, position, lists_.Begin(k) + io1Offset)) {
                io1 = in1;
                continue;
            }
            if (io1 == first) {
                return;
            }
            io2 = io1;
            io1Offset = lists_.Begin(k) + io1Offset == lists_.End(k) ? 0 : io1Offset + 1;
            io1 = lists_.At(lists_.Begin(k) + io1Offset);
            if (io1 == 0) {
                return;
            }
        }
    }

    // Whether the new diagonal in1-k separates io1 from io2, so that the swap gives two
    // proper triangles. The angle test implies it in exact arithmetic; this keeps a
    // rounded angle test on a nearly degenerate quadrilateral from folding the mesh.
    bool StrictlyConvex(int32_t in1, int32_t k, int32_t io1, int32_t io2) const {
        return OrientationOf(k, in1, io1) > 0 && OrientationOf(k, in1, io2) < 0;
    }

    // (in1, io1, io2) and (in2, io2, io1) share the arc io1-io2: swap it for in1-in2
    // when the angles at in1 and in2 add up to more than 180 degrees. Cocircular
    // points are left alone, and NaN never swaps.
    bool SwapTest(int32_t in1, int32_t in2, int32_t io1, int32_t io2) const {
        const int32_t nodes[4] = {in1, in2, io1, io2};
        double x[4], y[4];
        double largest = 0;
        for (int i = 0; i < 4; ++i) {
            x[i] = x_[nodes[i] - 1];
            y[i] = y_[nodes[i] - 1];
            largest = std::max({largest, std::fabs(x[i]), std::fabs(y[i])});
        }
        // The test multiplies four differences together: far from 1, one power of two
        // brings the coordinates near 1, which changes no rounding but keeps the
        // products finite and above underflow.
        if (largest > 0x1p240 || largest < 0x1p-240) {
            int exponent = 0;
            std::frexp(largest, &exponent);
            for (int i = 0; i < 4; ++i) {
                x[i] = std::ldexp(x[i], -exponent);
                y[i] = std::ldexp(y[i], -exponent);
            }
        }
        const double dx11 = x[2] - x[0], dy11 = y[2] - y[0];
        const double dx21 = x[3] - x[0], dy21 = y[3] - y[0];
        const double dx12 = x[2] - x[1], dy12 = y[2] - y[1];
        const double dx22 = x[3] - x[1], dy22 = y[3] - y[1];
        const double c1 = dx11 * dx21 + dy11 * dy21;
        const double c2 = dx12 * dx22 + dy12 * dy22;
        if (c1 >= 0 && c2 >= 0) {
            return false;
        }
        if (c1 < 0 && c2 < 0) {
            return true;
        }
        const double s1 = dx11 * dy21 - dy11 * dx21;
        const double s2 = dx22 * dy12 - dy22 * dx12;
        return s1 * c2 + c1 * s2 < 0;
    }

    const std::vector<double>& x_;
    const std::vector<double>& y_;
    GappedLists lists_;
    ListEditor editor_;
    int32_t lastInserted_ = 0;
    std::vector<int32_t> lastInBand_;
    double bandLow_ = 0;
    double bandsPerUnit_ = 0;
};

}  // namespace

MeshStatus BuildMesh(const std::vector<double>& x, const std::vector<double>& y,
                     NeighbourLists& lists) {
    const int64_t n = static_cast<int64_t>(x.size());
    if (y.size() != x.size() || n > kMaxNodes) {
        lists.listEnd.clear();
        lists.adjacency.clear();
        return MeshStatus::TooFewNodes;
    }
    const int32_t capacity = static_cast<int32_t>(std::max<int64_t>(6 * n - 9, 0));
    MeshBuilder builder(x, y, capacity, lists.adjacency);
    const MeshStatus status = builder.Build();
    if (status == MeshStatus::Built) {
        builder.Pack(lists.listEnd);
    } else {
        lists.listEnd.assign(static_cast<size_t>(n), 0);
        lists.adjacency.assign(static_cast<size_t>(capacity), 0);
    }
    return status;
}

}  // namespace oskava
