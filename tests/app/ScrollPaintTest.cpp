// Scrolling moves the pixels already painted and repaints only the uncovered strip,
// in which the view leaves out markers that cannot touch it: the window must then show
// what a repaint of the whole window shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "app/StartedApp.h"
#include "survey/CommandIds.h"

namespace oskava {
namespace {

TEST(ScrollPaintTest, ScrolledWindowShowsWhatAFullRepaintShows) {
    test::Started started({"dipole-dipole.dat"});
    ASSERT_EQ(started.status, std::nullopt);
    CMainFrame& frame = started.frame();
    CViewWidget& widget = started.widget();
    for (int i = 0; i < 4; ++i) {
        frame.MenuAction(command::ZoomIn)->trigger();
    }
    // What the window shows: the backing store, not a fresh rendering of the widget.
    const auto shown = [&] {
        QTest::qWait(30);
        return frame.screen()->grabWindow(frame.winId()).toImage();
    };
    shown();
    for (const auto& [dx, dy] : {std::pair{37, 0}, {0, 23}, {-55, -11}, {101, 3}}) {
        widget.horizontalScrollBar()->setValue(widget.horizontalScrollBar()->value() + dx);
        widget.verticalScrollBar()->setValue(widget.verticalScrollBar()->value() + dy);
        const QImage scrolled = shown();
        widget.viewport()->update();
        ASSERT_EQ(scrolled, shown()) << "after scrolling by " << dx << ", " << dy;
    }
}

}  // namespace
}  // namespace oskava
