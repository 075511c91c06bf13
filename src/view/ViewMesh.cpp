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

RasterRect ToRaster(const Rect& r) {
    return RasterRect{r.left, r.top, r.right, r.bottom};
}
Rect FromRaster(const RasterRect& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

bool CDatView::BuildInterpolationMesh() {
    doc_.progress().Stage("Triangulating");
    return oskava::BuildInterpolationMesh(doc_.observations, doc_.xMin, scale, mesh,
                                          doc_.prompts());
}

void CDatView::ClearMesh() {
    mesh = InterpolationMesh{};
}

void CDatView::ToNodeOrder(std::vector<double>& values) const {
    // Without a mesh (a survey that is not mapped) the values stay in record order;
    // nothing draws them then.
    PermuteValues(mesh.order, values);
}

void CDatView::ReloadDisplayValues() {
    mesh.displayValues.assign(doc_.observations.size(), 0);
    for (size_t i = 0; i < doc_.observations.size(); ++i) {
        mesh.displayValues[i] = doc_.observations[i].displayValue;
    }
    ToNodeOrder(mesh.displayValues);
}

void CDatView::PaintInterpolatedImage(Canvas& canvas, const std::vector<double>& values, double min,
                                      double max) const {
    const Rect regionDevice =
        canvas.LPtoDP(FromRaster(ImageRegion(mesh.imageTop, widthExtent, depthExtent)));
    const Rect clipDevice = canvas.LPtoDP(canvas.GetClipBox());
    const RasterDevice device{
        [&canvas](const RasterRect& d) { return ToRaster(canvas.DPtoLP(FromRaster(d))); },
        [&canvas](const RasterRect& l) { return canvas.RectVisible(FromRaster(l)); }};
    RasterInterpolatedImage(mesh, values, ToRaster(regionDevice), ToRaster(clipDevice), device,
                            [&](const RasterRect& cell, double value) {
                                // A cell whose interpolated value is infinite or undefined stays
                                // unpainted.
                                if (std::isfinite(value)) {
                                    canvas.FillSolidRect(FromRaster(cell),
                                                         colourTable[ColourIndex(value, min, max)]);
                                }
                            });
}

}  // namespace oskava
