// The view's interpolation mesh: its build from the records, the per-node value
// arrays in node order, and the painting of the interpolated image.
#include <cmath>

#include "interp/ImageRaster.h"
#include "interp/NodeOrder.h"
#include "survey/DatDoc.h"
#include "view/ColourScale.h"
#include "view/DatView.h"

namespace oskava {

namespace {

// No colour: the cell's centre lies in no triangle or its value is not finite.
constexpr uint8_t kUnpainted = 255;

RasterRect ToRaster(const Rect& r) {
    return RasterRect{r.left, r.top, r.right, r.bottom};
}
Rect FromRaster(const RasterRect& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

bool CDatView::BuildInterpolationMesh() {
    nodeMarkers_.Clear();
    doc_.progress().Stage("Triangulating");
    if (!oskava::BuildInterpolationMesh(doc_.observations, doc_.xMin, scale, mesh,
                                        doc_.prompts())) {
        return false;
    }
    std::vector<ScreenRect> markers;
    markers.reserve(mesh.order.size());
    for (const int32_t record : mesh.order) {
        markers.push_back(doc_.observations[static_cast<size_t>(record) - 1].screenRect);
    }
    nodeMarkers_.Assign(std::move(markers));
    return true;
}

void CDatView::ClearMesh() {
    mesh = InterpolationMesh{};
    nodeMarkers_.Clear();
}

void CDatView::ToNodeOrder(std::vector<double>& values) const {
    // Without a mesh (a survey that is not mapped) the values stay in record order;
    // nothing draws them then.
    PermuteValues(mesh.order, values);
}

void CDatView::ReloadDisplayValues() {
    mesh.displayValues.resize(doc_.observations.size());
    for (size_t i = 0; i < doc_.observations.size(); ++i) {
        mesh.displayValues[i] = doc_.observations[i].displayValue;
    }
    ToNodeOrder(mesh.displayValues);
}

namespace {

// The raster's view of a canvas: its device region and clip box, and its mapping.
struct RasterSetup {
    RasterRect regionDevice;
    RasterRect clipDevice;
    RasterDevice device;
};

RasterSetup RasterSetupOf(const Canvas& canvas, const InterpolationMesh& mesh, double widthExtent,
                          double depthExtent) {
    const Rect regionDevice =
        canvas.LPtoDP(FromRaster(ImageRegion(mesh.imageTop, widthExtent, depthExtent)));
    const Rect clipDevice = canvas.LPtoDP(canvas.GetClipBox());
    return RasterSetup{
        ToRaster(regionDevice), ToRaster(clipDevice),
        RasterDevice{
            [&canvas](const RasterRect& d) { return ToRaster(canvas.DPtoLP(FromRaster(d))); },
            [&canvas](const RasterRect& l) { return canvas.RectVisible(FromRaster(l)); }}};
}

}  // namespace

std::vector<uint8_t> CDatView::InterpolatedShades(const Canvas& canvas,
                                                  const std::vector<double>& values, double min,
                                                  double max) const {
    const RasterSetup setup = RasterSetupOf(canvas, mesh, widthExtent, depthExtent);
    std::vector<uint8_t> shades;
    RasterEveryCell(mesh, values, setup.regionDevice, setup.clipDevice, setup.device,
                    [&](const RasterRect&, const double* value) {
                        // A cell whose interpolated value is infinite or undefined stays
                        // unpainted.
                        shades.push_back(value != nullptr && std::isfinite(*value)
                                             ? static_cast<uint8_t>(ColourIndex(*value, min, max))
                                             : kUnpainted);
                    });
    return shades;
}

void CDatView::PaintShades(Canvas& canvas, const std::vector<uint8_t>& shades) const {
    const RasterSetup setup = RasterSetupOf(canvas, mesh, widthExtent, depthExtent);
    size_t next = 0;
    ForEachRasterCell(setup.regionDevice, setup.clipDevice, setup.device,
                      [&](const RasterRect& cell) {
                          const uint8_t shade = next < shades.size() ? shades[next] : kUnpainted;
                          ++next;
                          if (shade != kUnpainted) {
                              canvas.FillSolidRect(FromRaster(cell), colourTable[shade]);
                          }
                      });
}

void CDatView::PaintInterpolatedImage(Canvas& canvas, const std::vector<double>& values, double min,
                                      double max) const {
    // One pass over the cells, painting each as its value is found; only the second
    // panel, computed on another core, goes through shades.
    const RasterSetup setup = RasterSetupOf(canvas, mesh, widthExtent, depthExtent);
    RasterInterpolatedImage(
        mesh, values, setup.regionDevice, setup.clipDevice, setup.device,
        [&](const RasterRect& cell, double value) {
            // A cell whose interpolated value is infinite or undefined
            // stays unpainted.
            if (std::isfinite(value)) {
                canvas.FillSolidRect(
                    FromRaster(cell),
                    colourTable[static_cast<size_t>(ColourIndex(value, min, max))]);
            }
        });
}

}  // namespace oskava
