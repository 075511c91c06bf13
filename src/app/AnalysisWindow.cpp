#include "app/AnalysisWindow.h"

#include <QTimer>

namespace oskava {

AnalysisWindow::AnalysisWindow(CDatDoc& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setModal(false);
    // Edits come from menus, keys, the Data Properties window and this window's own
    // buttons; comparing the data's state a few times a second catches them all.
    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, &AnalysisWindow::RefreshIfChanged);
    watch->start(250);
}

void AnalysisWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
    RefreshIfChanged();
}

AnalysisWindow::DataState AnalysisWindow::StateNow() const {
    return {doc_.journal().Revision(), doc_.dataReady, doc_.dataCount, doc_.predictedLoaded,
            doc_.isDC};
}

void AnalysisWindow::RefreshIfChanged() {
    if (!isVisible() || shown_ == StateNow()) {
        return;
    }
    shown_ = StateNow();
    Refresh();
}

void AnalysisWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RefreshIfChanged();
}

}  // namespace oskava
