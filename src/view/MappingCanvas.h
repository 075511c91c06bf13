// A canvas that only maps: a copy of another canvas's mapping and clip box, on which
// work that needs the mapping (the raster of a panel's image) can run on another
// thread while the canvas it was copied from goes on drawing. It draws nothing.
#pragma once

#include "view/Canvas.h"

namespace oskava {

class MappingCanvas : public Canvas {
  public:
    /// The canvas's mapping and device clip box, with another window origin.
    MappingCanvas(const Canvas& canvas, Point windowOrg)
        : Canvas(canvas), clip_(canvas.GetDeviceClipBox()) {
        SetWindowOrg(windowOrg);
    }

  protected:
    void DoLine(Point, Point) override {}
    void DoEllipse(const Rect&) override {}
    void DoRectangle(const Rect&) override {}
    void DoFillRect(const Rect&, Colour) override {}
    void DoText(Point, const std::string&) override {}
    int32_t DoTextWidth(const std::string&) const override { return 0; }
    void DoExcludeClipPolygon(const std::vector<Point>&) override {}
    void DoResetClip() override {}
    Rect DoClipBox() const override { return clip_; }

  private:
    Rect clip_;
};

}  // namespace oskava
