// A drawing of the core in a widget: painted through QtCanvas at the widget's size,
// with clicks handed back in the drawing's device pixels.
#pragma once

#include <QWidget>
#include <functional>

#include "view/Canvas.h"

namespace oskava {

class CorePicture : public QWidget {
    Q_OBJECT

  public:
    /// Draws on a canvas whose device is a picture of the given size, in pixels.
    using Paint = std::function<void(Canvas& canvas, Size picture)>;
    /// A left click at a device pixel of that picture.
    using Click = std::function<void(Point device)>;

    CorePicture(Paint paint, QWidget* parent);
    void SetClick(Click click) { click_ = std::move(click); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Paint paint_;
    Click click_;
};

}  // namespace oskava
