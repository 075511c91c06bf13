// The cell raster of the interpolated image: which 5 x 5 pixel cells of a panel get
// painted, where, and with which interpolated value. Pure computation: the caller
// supplies its device context's mapping and visibility test and does the painting.
//
// Use from the panel drawing:
//
//   const RasterRect region = ImageRegion(mesh.imageTop, widthExtent, depthExtent);
//   // convert region (logical) and the clip box to device pixels with the canvas, then
//   RasterDevice device{
//       [&](const RasterRect& d) { return ...canvas.DPtoLP(d)...; },
//       [&](const RasterRect& l) { return ...canvas.RectVisible(l)...; }};
//   RasterInterpolatedImage(mesh, values, regionDevice, clipDevice, device,
//       [&](const RasterRect& cell, double v) {
//           canvas.FillSolidRect(cell, colourTable[ColourIndex(v, min, max)]); });
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "interp/InterpolationMesh.h"

namespace oskava {

/// Left, top, right, bottom in whole units: device pixels or logical units.
struct RasterRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool operator==(const RasterRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

/// What the raster asks of the device context it paints on.
struct RasterDevice {
    /// Device pixels to logical units, both corners converted by the context's mapping.
    std::function<RasterRect(const RasterRect& device)> toLogical;
    /// Whether any part of the logical rectangle is visible in the context.
    std::function<bool(const RasterRect& logical)> isVisible;
};

/// The image region in logical units: (0, imageTop) to (widthExtent, depthExtent),
/// the extents rounded half away from zero.
RasterRect ImageRegion(int32_t imageTop, double widthExtent, double depthExtent);

/// The device pixels the raster covers (bounds included): the image region cut to the
/// clip box widened by 20 pixels on every side.
RasterRect RasterSpan(const RasterRect& regionDevice, const RasterRect& clipDevice);

/// Calls visit with the logical rectangle of every cell over RasterSpan(regionDevice,
/// clipDevice) that the device reports visible, columns outer and rows inner: the cells
/// RasterInterpolatedImage paints, in its order.
void ForEachRasterCell(const RasterRect& regionDevice, const RasterRect& clipDevice,
                       const RasterDevice& device,
                       const std::function<void(const RasterRect& cell)>& visit);

/// Walks the cells of ForEachRasterCell, interpolates values (node order) at each
/// cell's centre in logical units and calls cellValue with the cell's logical rectangle
/// and the value, or null where the centre lies in no triangle, for every cell. Visits
/// the cells but gives no values when the mesh has fewer than 3 nodes.
void RasterEveryCell(
    const InterpolationMesh& mesh, const std::vector<double>& values,
    const RasterRect& regionDevice, const RasterRect& clipDevice, const RasterDevice& device,
    const std::function<void(const RasterRect& cell, const double* value)>& cellValue);

/// Walks the cells of ForEachRasterCell, interpolates values (node order)
/// at each cell's centre in logical units and calls paintCell with the cell's logical
/// rectangle and the value for every cell whose centre lies inside a triangle. Paints
/// nothing when the span is empty or the mesh has fewer than 3 nodes.
void RasterInterpolatedImage(
    const InterpolationMesh& mesh, const std::vector<double>& values,
    const RasterRect& regionDevice, const RasterRect& clipDevice, const RasterDevice& device,
    const std::function<void(const RasterRect& cell, double value)>& paintCell);

}  // namespace oskava
