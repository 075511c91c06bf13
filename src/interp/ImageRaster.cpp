// The interpolated image's raster: one sample per 5 x 5 pixel cell, over the visible
// part of the image region widened by 20 pixels, each location walk starting where
// the previous cell's ended.
#include "interp/ImageRaster.h"

#include <algorithm>
#include <cmath>

#include "interp/LinearInterpolation.h"

namespace oskava {

namespace {

constexpr int32_t kCellSize = 5;
constexpr int32_t kClipMargin = 20;

int32_t RoundHalfAwayFromZero(double value) {
    const double rounded = std::round(value);
    if (!(rounded > -2147483648.0)) {
        return value > 0 ? 2147483647 : -2147483647 - 1;
    }
    return rounded < 2147483647.0 ? static_cast<int32_t>(rounded) : 2147483647;
}

// Whole cells in a distance of a >= 0 device pixels.
int64_t FloorCells(int64_t a) {
    return a / kCellSize;
}

}  // namespace

RasterRect ImageRegion(int32_t imageTop, double widthExtent, double depthExtent) {
    return {0, imageTop, RoundHalfAwayFromZero(widthExtent), RoundHalfAwayFromZero(depthExtent)};
}

RasterRect RasterSpan(const RasterRect& regionDevice, const RasterRect& clipDevice) {
    auto widened = [](int32_t edge, int32_t by) {
        return static_cast<int32_t>(std::clamp<int64_t>(int64_t{edge} + by, INT32_MIN, INT32_MAX));
    };
    return {std::max(regionDevice.left, widened(clipDevice.left, -kClipMargin)),
            std::max(regionDevice.top, widened(clipDevice.top, -kClipMargin)),
            std::min(regionDevice.right, widened(clipDevice.right, kClipMargin)),
            std::min(regionDevice.bottom, widened(clipDevice.bottom, kClipMargin))};
}

void ForEachRasterCell(const RasterRect& regionDevice, const RasterRect& clipDevice,
                       const RasterDevice& device,
                       const std::function<void(const RasterRect& cell)>& visit) {
    RasterRect span = RasterSpan(regionDevice, clipDevice);
    if (span.right < span.left || span.bottom < span.top) {
        return;
    }
    // The cells keep their places on the image whatever part of it is repainted: a
    // strip uncovered by scrolling gets the cells a repaint of the whole window gives.
    span.left = static_cast<int32_t>(
        regionDevice.left + kCellSize * FloorCells(int64_t{span.left} - regionDevice.left));
    span.top = static_cast<int32_t>(regionDevice.top +
                                    kCellSize * FloorCells(int64_t{span.top} - regionDevice.top));
    const int64_t columns = FloorCells(int64_t{span.right} - span.left);
    const int64_t rows = FloorCells(int64_t{span.bottom} - span.top);
    for (int64_t c = 0; c <= columns; ++c) {
        const int32_t left = static_cast<int32_t>(span.left - 3 + kCellSize * c);
        for (int64_t r = 0; r <= rows; ++r) {
            const int32_t top = static_cast<int32_t>(span.top - 3 + kCellSize * r);
            const RasterRect cell =
                device.toLogical({left, top, left + kCellSize, top + kCellSize});
            if (device.isVisible(cell)) {
                visit(cell);
            }
        }
    }
}

void RasterEveryCell(
    const InterpolationMesh& mesh, const std::vector<double>& values,
    const RasterRect& regionDevice, const RasterRect& clipDevice, const RasterDevice& device,
    const std::function<void(const RasterRect& cell, const double* value)>& cellValue) {
    const bool meshed = mesh.NodeCount() >= 3;
    // Each cell's walk is the one from the node found for the cell before; it is taken
    // from a node of the last triangle found instead, close by, and its answer turned
    // into that walk's (InterpolateLinearNear).
    int32_t startNode = 1;
    int32_t nearby = 0;
    ForEachRasterCell(regionDevice, clipDevice, device, [&](const RasterRect& cell) {
        if (!meshed) {
            cellValue(cell, nullptr);
            return;
        }
        // Integer division truncates toward zero, as the centre is defined.
        const double cx = static_cast<double>((int64_t{cell.left} + cell.right) / 2);
        const double cy = static_cast<double>((int64_t{cell.top} + cell.bottom) / 2);
        if (nearby == 0) {
            // The nodes are in order of x: the first cell's walk starts in its column.
            const auto column = std::partition_point(mesh.nodeX.begin(), mesh.nodeX.end(),
                                                     [cx](double x) { return x < cx; });
            nearby = static_cast<int32_t>(
                std::min<std::ptrdiff_t>(column - mesh.nodeX.begin() + 1, mesh.NodeCount()));
        }
        const Interpolation at = InterpolateLinearNear(
            cx, cy, mesh.nodeX, mesh.nodeY, values, mesh.lists, &mesh.hullRuns, startNode, nearby);
        cellValue(cell, at.code == kInsideTriangle ? &at.value : nullptr);
    });
}

void RasterInterpolatedImage(
    const InterpolationMesh& mesh, const std::vector<double>& values,
    const RasterRect& regionDevice, const RasterRect& clipDevice, const RasterDevice& device,
    const std::function<void(const RasterRect& cell, double value)>& paintCell) {
    if (mesh.NodeCount() < 3) {
        return;
    }
    RasterEveryCell(mesh, values, regionDevice, clipDevice, device,
                    [&](const RasterRect& cell, const double* value) {
                        if (value != nullptr) {
                            paintCell(cell, *value);
                        }
                    });
}

}  // namespace oskava
