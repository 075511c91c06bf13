#include "app/CorePicture.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/QtCanvas.h"

namespace oskava {

CorePicture::CorePicture(Paint paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {}

void CorePicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QtCanvas canvas(painter, event->rect());
    paint_(canvas, Size{width(), height()});
}

void CorePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && click_) {
        const QPoint at = event->position().toPoint();
        click_(Point{at.x(), at.y()});
    }
}

}  // namespace oskava
