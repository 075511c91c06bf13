#include "app/StatusProgress.h"

#include <QApplication>
#include <QProgressBar>
#include <QStatusBar>

namespace oskava {

namespace {

constexpr qint64 kShowBarAfterMs = 500;
// Events are processed this often at most: often enough for a smooth bar, rarely
// enough to cost the work nothing to speak of.
constexpr qint64 kEventsEveryMs = 40;

}  // namespace

StatusProgress::StatusProgress(QStatusBar& statusBar, QWidget& view)
    : statusBar_(statusBar), view_(&view), bar_(new QProgressBar(&statusBar)) {
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setRange(0, 0);  // busy: how far a stage has come is not known
    bar_->setMaximumWidth(160);
    bar_->hide();
    statusBar_.addPermanentWidget(bar_);
}

StatusProgress::~StatusProgress() {
    Finished();
}

void StatusProgress::Stage(const std::string& what) {
    if (!busy_) {
        busy_ = true;
        started_.start();
        lastEvents_.start();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (view_) {
            view_->setUpdatesEnabled(false);
        }
    }
    statusBar_.showMessage(QString::fromStdString(what) + QStringLiteral(" ..."));
    KeepWindowAlive();
}

void StatusProgress::Tick() {
    if (busy_ && lastEvents_.elapsed() >= kEventsEveryMs) {
        KeepWindowAlive();
    }
}

void StatusProgress::Finished() {
    if (!busy_) {
        return;
    }
    busy_ = false;
    bar_->hide();
    statusBar_.clearMessage();
    if (view_) {
        view_->setUpdatesEnabled(true);
    }
    QApplication::restoreOverrideCursor();
}

void StatusProgress::KeepWindowAlive() {
    if (started_.elapsed() >= kShowBarAfterMs && bar_->isHidden()) {
        bar_->show();
    }
    lastEvents_.restart();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace oskava
