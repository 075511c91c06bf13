// The pseudosection in the window: a scroll area over the view's drawing surface of
// totalSize pixels. It paints through QtCanvas only what is exposed, turns clicks
// into the view's click, the wheel into scrolling or (with Ctrl) zooming about the
// pointer, passes on what the view says of the point under the pointer, and answers
// the view's requests to the window system.
//
// Pixels: the core's device pixels are the widget's device-independent pixels. On a
// screen with a device pixel ratio above 1 Qt paints every line, fill and glyph at
// the screen's full resolution, so the picture keeps its size and stays sharp, and
// a click's position maps onto the same datum.
#pragma once

#include <QAbstractScrollArea>
#include <QRegion>
#include <optional>

#include "view/DatView.h"
#include "view/ViewHost.h"

namespace oskava {

class CDatDoc;

class CViewWidget : public QAbstractScrollArea, public ViewHost {
    Q_OBJECT

  public:
    /// Creates the view of the document; the document must outlive the widget.
    CViewWidget(CDatDoc& doc, QWidget* parent);

    CDatView& View() { return view_; }
    /// The top-left corner of the window on the drawing surface, device pixels.
    Point ScrollPosition() const;
    /// Paints the area of the window (device pixels) as a paint event would.
    void PaintArea(QPainter& painter, const QRect& area);

    // The view's requests.
    void InvalidateAll() override;
    void ValidateRect(const Rect& device) override;
    void SetScrollSizes(Size total) override;
    void ResizeParentToFit() override;
    void ShowTypeButtons(bool isDC) override;
    void CopyToClipboard() override;
    /// Without scroll bars: the window's area for the view when the frame is maximised,
    /// else the area it reaches when the frame grows to the screen's free space.
    Size ViewArea() const override;

  signals:
    /// The frame should fit its size around the surface, unless it is maximised.
    void FitFrameRequested(QSize surface);
    /// The frame should show (DC) or hide (IP) the type buttons of its toolbar.
    void TypeButtonsRequested(bool isDC);
    /// The view changed what it shows: enabling and check marks may differ now.
    void ViewChanged();
    /// What the status bar should say of the point under the pointer; empty: its idle
    /// text.
    void ReadoutChanged(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    /// The frame's moves, which carry the view under a pointer that stays put.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void UpdateScrollBars();
    /// Hands the pending area to Qt's repaint, once all of a command's requests are in.
    void FlushRepaint();
    void ShowReadout(QPoint at);
    /// Scrolls the surface point of the last zoom by wheel back under the pointer.
    void KeepZoomAnchor();

    // A wheel turns in notches of 120; finer wheels send parts of one, kept here until
    // they make a notch. One for zooming, one for each scrolling direction.
    int zoomTurn_ = 0;
    QPoint scrollTurn_;
    // A zoom by wheel keeps the surface pixel under the pointer; the frame then fits
    // itself to the new surface and may move, and the pixel is brought back under the
    // pointer once it has. Anything else that sizes or scrolls the surface ends this.
    struct ZoomAnchor {
        QPoint onSurface;  // device pixels from the surface's top-left corner
        QPoint pointer;    // on the screen
    };
    std::optional<ZoomAnchor> zoomAnchor_;
    bool zooming_ = false;

    Size total_{1, 1};
    QRegion pending_;  // what the view asked to repaint, not yet handed to Qt
    bool flushQueued_ = false;
    CDatView view_;  // last: it asks for scroll sizes while it is constructed
};

}  // namespace oskava
