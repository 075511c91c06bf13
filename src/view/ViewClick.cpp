// A left click on the view: the datum under the pointer is shown in the Data
// Properties window and marked in both panels.
#include "survey/DatDoc.h"
#include "view/DatView.h"
#include "view/RecordingCanvas.h"

namespace oskava {

void CDatView::OnLButtonDown(Point device, Point scrollPosition) {
    if (!doc_.dataReady) {
        return;
    }
    clickPoint = device;
    RecordingCanvas mapping;
    PrepareCanvas(mapping, scrollPosition);
    Point logical = mapping.DPtoLP(device);
    const double panelShift = depthExtent + 3000;
    if (secondPanel && logical.y > panelShift) {
        logical.y -= static_cast<int32_t>(panelShift);
    }
    if (doc_.ShowDatumProperties(logical.x, logical.y) < 0) {
        return;
    }
    // The mark inverts what lies below it, so it is drawn with the rest of the picture:
    // a repaint removes the previous one and draws the new one in both panels.
    RepaintAll();
}

}  // namespace oskava
