#include "view/NodeMarkers.h"

#include <algorithm>

namespace oskava {

namespace {

// Tables beyond this many entries are not worth their memory: the markers are
// mapped one by one instead.
constexpr int64_t kLargestTable = int64_t{1} << 20;

}  // namespace

void NodeMarkers::Assign(std::vector<ScreenRect> markers) {
    markers_ = std::move(markers);
    bounds_ = ScreenRect{};
    inOrderOfX_ = true;
    for (size_t i = 0; i < markers_.size(); ++i) {
        const ScreenRect& m = markers_[i];
        if (i == 0) {
            bounds_ = m;
        }
        bounds_.left = std::min({bounds_.left, m.left, m.right});
        bounds_.right = std::max({bounds_.right, m.left, m.right});
        bounds_.top = std::min({bounds_.top, m.top, m.bottom});
        bounds_.bottom = std::max({bounds_.bottom, m.top, m.bottom});
        if (i > 0 && (m.left < markers_[i - 1].left || m.right < markers_[i - 1].right ||
                      m.left > m.right)) {
            inOrderOfX_ = false;
        }
    }
}

NodeMarkers::Axis::Axis(const Canvas& canvas, bool vertical, int32_t low, int32_t high, size_t uses)
    : canvas_(canvas), vertical_(vertical), low_(low) {
    const int64_t size = int64_t{high} - low + 1;
    if (size > 0 && size <= kLargestTable && static_cast<uint64_t>(size) < uses) {
        table_.resize(static_cast<size_t>(size));
        for (int64_t i = 0; i < size; ++i) {
            table_[static_cast<size_t>(i)] = Map(static_cast<int32_t>(low + i));
        }
    }
}

void NodeMarkers::CandidateRange(const Canvas& canvas, const Rect& clip, size_t count,
                                 size_t& first, size_t& last) const {
    first = 0;
    last = count;
    // Logical to device is a rounded multiplication, which never decreases along an
    // axis whose extents have the same sign. With the markers in order of x, those
    // that end left of the clip then come first and those that start right of it last.
    const bool increasing = (canvas.GetViewportExt().cx > 0) == (canvas.GetWindowExt().cx > 0);
    if (!inOrderOfX_ || !increasing) {
        return;
    }
    const auto deviceX = [&canvas](int32_t logical) { return canvas.LPtoDP(Point{logical, 0}).x; };
    const auto begin = markers_.begin();
    const auto end = begin + static_cast<std::ptrdiff_t>(count);
    const auto from = std::partition_point(
        begin, end, [&](const ScreenRect& m) { return deviceX(m.right) < clip.left; });
    const auto to = std::partition_point(
        from, end, [&](const ScreenRect& m) { return deviceX(m.left) <= clip.right; });
    first = static_cast<size_t>(from - begin);
    last = static_cast<size_t>(to - begin);
}

}  // namespace oskava
