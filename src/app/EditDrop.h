// CEditDrop: a file-name box that takes a file dropped on it from the desktop.
#pragma once

#include <QLineEdit>

namespace oskava {

class CEditDrop : public QLineEdit {
    Q_OBJECT
  public:
    explicit CEditDrop(QWidget* parent = nullptr);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace oskava
