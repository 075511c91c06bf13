// Long work in the window: while a survey is read and triangulated, the wait cursor,
// the stage in the status bar and, once it takes longer than half a second, a busy
// progress bar. The work runs on the one user-interface thread; between its steps
// the window processes events other than user input, so that it keeps repainting
// and the bar moves. The pseudosection does not repaint meanwhile: it is half built.
#pragma once

#include <QElapsedTimer>
#include <QPointer>

#include "survey/Progress.h"

class QProgressBar;
class QStatusBar;
class QWidget;

namespace oskava {

class StatusProgress : public Progress {
  public:
    /// Reports in the status bar; view is the widget kept from repainting.
    StatusProgress(QStatusBar& statusBar, QWidget& view);
    ~StatusProgress() override;
    StatusProgress(const StatusProgress&) = delete;
    StatusProgress& operator=(const StatusProgress&) = delete;

    void Stage(const std::string& what) override;
    void Tick() override;
    void Finished() override;

    bool Busy() const { return busy_; }

  private:
    void KeepWindowAlive();

    QStatusBar& statusBar_;
    QPointer<QWidget> view_;
    QProgressBar* bar_;  // owned by the status bar
    QElapsedTimer started_;
    QElapsedTimer lastEvents_;
    bool busy_ = false;
};

}  // namespace oskava
