// CEditDrop: a file-name box that takes a file dropped on it from the desktop, and
// the reading of a drop that the main window shares with it.
#pragma once

#include <QLineEdit>
#include <optional>
#include <string>

class QMimeData;

namespace oskava {

/// The path a drop carries by the core's rule (the first item, when it is a local
/// file), in the file system's bytes; unset when the drop is to be ignored. Text and
/// web addresses are never taken.
std::optional<std::string> DroppedFileName(const QMimeData* mime);

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
