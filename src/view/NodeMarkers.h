// The data's marker rectangles in node order, as the drawing walks them, and the test
// of which of them can change a pixel of a repaint.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "survey/Cobs.h"
#include "view/Canvas.h"

namespace oskava {

class NodeMarkers {
  public:
    /// Takes the markers (logical units) of the nodes in node order.
    void Assign(std::vector<ScreenRect> markers);
    void Clear() { Assign({}); }
    size_t Size() const { return markers_.size(); }
    const ScreenRect& operator[](size_t node) const { return markers_[node]; }

    /// Calls draw(node) in node order, for the nodes below count, for every marker
    /// that can change a pixel on the canvas: its device box is not empty (at 1e6 data
    /// most markers are smaller than a pixel) and reaches within two pixels of the
    /// clip box (a scroll step repaints a strip of the picture), two more for the pens
    /// of outlines.
    template <typename Draw>
    void ForEachDrawn(const Canvas& canvas, size_t count, Draw draw) const;

  private:
    // The device coordinates of one axis over a range of logical ones, mapped once
    // each when that is cheaper than mapping every marker's corners.
    class Axis {
      public:
        Axis(const Canvas& canvas, bool vertical, int32_t low, int32_t high, size_t uses);
        int32_t operator()(int32_t logical) const {
            const int64_t at = int64_t{logical} - low_;
            return at >= 0 && at < static_cast<int64_t>(table_.size())
                       ? table_[static_cast<size_t>(at)]
                       : Map(logical);
        }

      private:
        int32_t Map(int32_t logical) const {
            return vertical_ ? canvas_.LPtoDP(Point{0, logical}).y
                             : canvas_.LPtoDP(Point{logical, 0}).x;
        }
        const Canvas& canvas_;
        bool vertical_;
        int32_t low_;
        std::vector<int32_t> table_;
    };

    // The node range [first, last) outside which no marker reaches the horizontal span
    // of the clip, found by bisection where the markers lie in order of x.
    void CandidateRange(const Canvas& canvas, const Rect& clip, size_t count, size_t& first,
                        size_t& last) const;

    std::vector<ScreenRect> markers_;
    ScreenRect bounds_;       // of all markers
    bool inOrderOfX_ = true;  // left (and right) edges never decrease in node order
};

template <typename Draw>
void NodeMarkers::ForEachDrawn(const Canvas& canvas, size_t count, Draw draw) const {
    count = std::min(count, markers_.size());
    if (count == 0) {
        return;
    }
    const Rect box = canvas.LPtoDP(canvas.GetClipBox()).Normalized();
    const Rect clip{box.left - 2, box.top - 2, box.right + 2, box.bottom + 2};
    size_t first = 0;
    size_t last = count;
    CandidateRange(canvas, clip, count, first, last);
    if (first == last) {
        return;
    }
    const size_t uses = 2 * (last - first);
    // In order of x, the candidates' left and right edges span the first's left to the
    // last's right.
    const Axis x(canvas, false, inOrderOfX_ ? markers_[first].left : bounds_.left,
                 inOrderOfX_ ? markers_[last - 1].right : bounds_.right, uses);
    const Axis y(canvas, true, bounds_.top, bounds_.bottom, uses);
    for (size_t node = first; node < last; ++node) {
        const ScreenRect& m = markers_[node];
        const int32_t left = x(m.left);
        const int32_t right = x(m.right);
        const int32_t top = y(m.top);
        const int32_t bottom = y(m.bottom);
        if (left != right && top != bottom && std::min(left, right) <= clip.right &&
            std::max(left, right) >= clip.left && std::min(top, bottom) <= clip.bottom &&
            std::max(top, bottom) >= clip.top) {
            draw(node);
        }
    }
}

}  // namespace oskava
