#include "app/EditDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <optional>

#include "survey/LoadDataRules.h"

namespace oskava {

std::optional<std::string> DroppedFileName(const QMimeData* mime) {
    std::vector<DroppedItem> items;
    if (mime->hasUrls()) {
        for (const QUrl& url : mime->urls()) {
            items.push_back(
                {url.isLocalFile(), QFile::encodeName(url.toLocalFile()).toStdString()});
        }
    }
    return DroppedFileName(items);
}

CEditDrop::CEditDrop(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(true);
}

void CEditDrop::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFileName(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CEditDrop::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedFileName(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CEditDrop::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DroppedFileName(event->mimeData());
    if (!path) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QString text = QFile::decodeName(QByteArray::fromStdString(*path));
    // The core counts bytes; the box counts characters.
    const int nameStart =
        QFile::decodeName(QByteArray::fromStdString(*path).left(FileNamePartStart(*path))).size();
    setText(text);
    setFocus(Qt::OtherFocusReason);
    // The file's name selected, from its start to the end of the text.
    setCursorPosition(nameStart);
    end(true);
}

}  // namespace oskava
