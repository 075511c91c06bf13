#include "app/ViewWidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "app/PictureOutput.h"
#include "app/QtCanvas.h"
#include "survey/DatDoc.h"

namespace oskava {

namespace {

// Arrow keys and the mouse wheel move by this many pixels a step; a page is the window.
constexpr int kScrollLine = 20;

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

void CViewWidget::scrollContentsBy(int dx, int dy) {
    pending_.translate(dx, dy);
    viewport()->scroll(dx, dy);
}

void CViewWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
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
