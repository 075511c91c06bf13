#include "app/ViewWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "app/PictureOutput.h"
#include "app/QtCanvas.h"
#include "survey/DatDoc.h"

namespace oskava {

namespace {

// Arrow keys and the mouse wheel move by this many pixels a step; a page is the window.
constexpr int kScrollLine = 20;
// One notch of a mouse wheel, in the eighths of a degree that Qt counts.
constexpr int kNotch = 120;

QRect ToQRect(const Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)).normalized();
}

}  // namespace

CViewWidget::CViewWidget(CDatDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), view_(doc, *this) {
    setFrameShape(QFrame::NoFrame);
    // Growing the window paints only what it uncovers; the rest is still right.
    viewport()->setAttribute(Qt::WA_StaticContents);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(kScrollLine);
    verticalScrollBar()->setSingleStep(kScrollLine);
    viewport()->setMouseTracking(true);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::actionTriggered, this, [this] { zoomAnchor_.reset(); });
    }
    window()->installEventFilter(this);
}

bool CViewWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::Move) {
        KeepZoomAnchor();
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

Point CViewWidget::ScrollPosition() const {
    return Point{horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CViewWidget::PaintArea(QPainter& painter, const QRect& area) {
    QtCanvas canvas(painter, area);
    view_.PrepareCanvas(canvas, ScrollPosition());
    view_.EraseBackground(canvas);
    view_.OnDraw(canvas);
}

void CViewWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    PaintArea(painter, event->rect());
}

void CViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    view_.OnLButtonDown(Point{at.x(), at.y()}, ScrollPosition());
    emit ViewChanged();
}

void CViewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (zoomAnchor_ && event->globalPosition().toPoint() != zoomAnchor_->pointer) {
        zoomAnchor_.reset();
    }
    ShowReadout(event->position().toPoint());
    QAbstractScrollArea::mouseMoveEvent(event);
}

bool CViewWidget::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave) {
        zoomAnchor_.reset();
        emit ReadoutChanged(QString());
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CViewWidget::ShowReadout(QPoint at) {
    emit ReadoutChanged(
        QString::fromLatin1(view_.PointerReadout(Point{at.x(), at.y()}, ScrollPosition())));
}

void CViewWidget::wheelEvent(QWheelEvent* event) {
    event->accept();
    const QPoint at = event->position().toPoint();
    QPoint turn = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        zoomTurn_ += turn.y() != 0 ? turn.y() : turn.x();
        const int notches = zoomTurn_ / kNotch;
        zoomTurn_ -= notches * kNotch;
        if (notches != 0) {
            // While the frame still fits itself to the last zoom the scroll bars may
            // not yet reach where that zoom put the anchor: zoom on from there.
            const QPoint from = zoomAnchor_ ? zoomAnchor_->onSurface - at
                                            : QPoint(ScrollPosition().x, ScrollPosition().y);
            zooming_ = true;
            const Point scroll =
                view_.ZoomAbout(notches, Point{at.x(), at.y()}, Point{from.x(), from.y()});
            zooming_ = false;
            zoomAnchor_ =
                ZoomAnchor{QPoint(scroll.x, scroll.y) + at, event->globalPosition().toPoint()};
            KeepZoomAnchor();
            emit ViewChanged();
        }
    } else {
        zoomAnchor_.reset();
        // Shift turns the vertical wheel into a horizontal one.
        if (event->modifiers() & Qt::ShiftModifier) {
            turn = QPoint(turn.y() != 0 ? turn.y() : turn.x(), 0);
        }
        scrollTurn_ += turn;
        const QPoint notches(scrollTurn_.x() / kNotch, scrollTurn_.y() / kNotch);
        scrollTurn_ -= notches * kNotch;
        const int step = QApplication::wheelScrollLines() * kScrollLine;
        QScrollBar* bars[] = {horizontalScrollBar(), verticalScrollBar()};
        bars[0]->setValue(bars[0]->value() - notches.x() * step);
        bars[1]->setValue(bars[1]->value() - notches.y() * step);
    }
    ShowReadout(at);
}

void CViewWidget::scrollContentsBy(int dx, int dy) {
    pending_.translate(dx, dy);
    viewport()->scroll(dx, dy);
}

void CViewWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    KeepZoomAnchor();
}

void CViewWidget::KeepZoomAnchor() {
    if (zoomAnchor_) {
        const QPoint scroll =
            zoomAnchor_->onSurface - viewport()->mapFromGlobal(zoomAnchor_->pointer);
        horizontalScrollBar()->setValue(scroll.x());
        verticalScrollBar()->setValue(scroll.y());
    }
}

void CViewWidget::InvalidateAll() {
    pending_ = QRegion(viewport()->rect());
    if (!flushQueued_) {
        flushQueued_ = true;
        QTimer::singleShot(0, this, &CViewWidget::FlushRepaint);
    }
}

void CViewWidget::ValidateRect(const Rect& device) {
    pending_ -= ToQRect(device);
}

void CViewWidget::FlushRepaint() {
    flushQueued_ = false;
    if (!pending_.isEmpty()) {
        viewport()->update(pending_);
        pending_ = QRegion();
    }
    emit ViewChanged();
}

void CViewWidget::SetScrollSizes(Size total) {
    if (!zooming_) {
        zoomAnchor_.reset();
    }
    total_ = total;
    UpdateScrollBars();
}

void CViewWidget::UpdateScrollBars() {
    // A surface that fits the widget needs no scroll bars, whatever they take away now.
    const QSize whole = maximumViewportSize();
    const bool fits = total_.cx <= whole.width() && total_.cy <= whole.height();
    const QSize page = fits ? whole : viewport()->size();
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setRange(0, std::max(0, total_.cx - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, total_.cy - page.height()));
}

void CViewWidget::ResizeParentToFit() {
    emit FitFrameRequested(QSize(total_.cx, total_.cy));
}

Size CViewWidget::ViewArea() const {
    QSize area = maximumViewportSize();
    const QWidget* frame = window();
    const QScreen* screen = frame->screen();
    if (screen != nullptr && !frame->isMaximized() && !frame->isFullScreen()) {
        // The frame fits itself to the surface, up to the screen's free space.
        area += screen->availableGeometry().size() - frame->frameGeometry().size();
    }
    return Size{area.width(), area.height()};
}

void CViewWidget::ShowTypeButtons(bool isDC) {
    emit TypeButtonsRequested(isDC);
}

void CViewWidget::CopyToClipboard() {
    const QImage image = PaintImage(QSize(view_.totalSize.cx, view_.totalSize.cy),
                                    [this](Canvas& canvas) { view_.RenderSurface(canvas); });
    if (image.isNull()) {
        view_.GetDocument().prompts().Message("The picture is too large to copy at this zoom.",
                                              MessageKind::Warning);
        return;
    }
    QGuiApplication::clipboard()->setImage(image);
}

}  // namespace oskava
