// Undo and Redo in the window: their place in the Edit menu, their texts and enabling,
// their keys, and the picture after an electrode's data are deleted and brought back.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/StartedApp.h"
#include "editing/DataEdits.h"
#include "editing/EditJournal.h"
#include "survey/CommandIds.h"

namespace oskava {
namespace {

TEST(UndoWindowTest, DeletionUndoneAndRedoneByKeysRestoresThePicture) {
    test::Started started({"dipole-dipole.dat"});
    ASSERT_EQ(started.status, std::nullopt);
    CMainFrame& frame = started.frame();
    CDatDoc& doc = started.app.Document();
    started.Activate();
    QAction* undo = frame.MenuAction(command::EditUndo);
    QAction* redo = frame.MenuAction(command::EditRedo);
    const QList<QAction*> edit = frame.menuBar()->actions()[1]->menu()->actions();
    ASSERT_GE(edit.size(), 3);
    EXPECT_EQ(edit[0], undo);
    EXPECT_EQ(edit[1], redo);
    EXPECT_TRUE(edit[2]->isSeparator());
    const auto items = [&] {
        return (undo->isEnabled() ? "e " : "- ") + undo->text() +
               (redo->isEnabled() ? " | e " : " | - ") + redo->text();
    };
    EXPECT_EQ(items(), "- Undo | - Redo");
    // The view's pixels once it has repainted. A deletion's repaint may add scroll
    // bars: pictures are compared where both have pixels.
    const auto picture = [&frame] {
        QTest::qWait(20);
        return frame.ViewWidget().viewport()->grab().toImage();
    };
    const auto same = [](const QImage& a, const QImage& b) {
        const QRect both = a.rect() & b.rect();
        return a.copy(both) == b.copy(both);
    };

    const QImage opened = picture();
    DeleteRecords(doc, ElectrodeData(doc.observations, 20, true, true), edit_name::DeleteElectrode);
    frame.UpdateCommandStates();
    const QImage deleted = picture();
    ASSERT_FALSE(same(deleted, opened));
    EXPECT_EQ(items(), "e Undo Delete electrode | - Redo");

    // A Data Properties window goes with the records it could show.
    const ScreenRect& m = doc.observations[3].screenRect;
    ASSERT_GE(doc.ShowDatumProperties(m.left, m.top), 0);
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc.propertiesDialog, nullptr);
    EXPECT_TRUE(same(picture(), opened));
    EXPECT_EQ(items(), "- Undo | e Redo Delete electrode");
    EXPECT_FALSE(doc.IsModified());
    // Rebuilding the view reported its triangulation; the window must paint again.
    EXPECT_TRUE(frame.ViewWidget().viewport()->updatesEnabled());

    for (const QKeyCombination redoKey :
         {Qt::ControlModifier | Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z}) {
        QTest::keyClick(&frame, redoKey.key(), redoKey.keyboardModifiers());
        EXPECT_TRUE(same(picture(), deleted));
        EXPECT_EQ(items(), "e Undo Delete electrode | - Redo");
        QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_TRUE(same(picture(), opened));
}

}  // namespace
}  // namespace oskava
