// The application started as from a command line read in the examples folder.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "app/DatApp.h"
#include "app/MainFrame.h"
#include "app/ViewWidget.h"
#include "support/CurrentDirectory.h"

namespace oskava::test {

struct Started {
    explicit Started(const std::vector<std::string>& arguments) {
        const CurrentDirectory examples(OSKAVA_EXAMPLES_DIR);
        EXPECT_EQ(app.InitInstance(arguments), std::nullopt);  // the program runs on
    }
    CMainFrame& frame() { return app.MainFrame(); }
    CViewWidget& widget() { return frame().ViewWidget(); }
    CDatView& view() { return widget().View(); }
    /// Makes the window the active one, so that its keys work.
    void Activate() {
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }

    CDatApp app;
};

}  // namespace oskava::test
