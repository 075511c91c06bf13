// The window-system services the pseudosection view asks for: repainting, scroll
// sizes, the frame's size, the toolbar's type buttons and the clipboard. The Qt
// widget implements them for the desktop program; a headless host ignores them.
#pragma once

#include "view/Canvas.h"

namespace oskava {

class ViewHost {
  public:
    virtual ~ViewHost() = default;

    /// Marks the whole client area for repainting, the background erased first.
    virtual void InvalidateAll() = 0;
    /// Takes a rectangle of the window, in device pixels, out of the pending repaint.
    virtual void ValidateRect(const Rect& device) = 0;
    /// Sets the size of the scrollable drawing surface, in device pixels.
    virtual void SetScrollSizes(Size total) = 0;
    /// Lets the frame recalculate its layout and, unless it is maximised, resize itself
    /// so that the view's client area matches the scroll size exactly.
    virtual void ResizeParentToFit() = 0;
    /// Shows the Log10 and Conductivity / Resistivity toolbar buttons for DC data and
    /// hides them for IP data.
    virtual void ShowTypeButtons(bool isDC) = 0;
    /// The largest area, in device pixels, that the window can give the drawing surface
    /// without scroll bars: what Zoom to fit fits the surface into.
    virtual Size ViewArea() const = 0;
    /// Puts the whole drawing surface on the clipboard as a picture of the view's
    /// totalSize, drawn by CDatView::RenderSurface.
    virtual void CopyToClipboard() = 0;
};

/// A host without a window: every request is ignored (command-line rendering).
class HeadlessViewHost : public ViewHost {
  public:
    void InvalidateAll() override {}
    void ValidateRect(const Rect&) override {}
    void SetScrollSizes(Size) override {}
    void ResizeParentToFit() override {}
    void ShowTypeButtons(bool) override {}
    void CopyToClipboard() override {}
    Size ViewArea() const override { return Size{}; }
};

}  // namespace oskava
