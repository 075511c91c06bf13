// The main window: menus, toolbar and status bar built from the command table, the
// pseudosection view in the middle, and the routing of every command through the
// view, the document, the frame and the application, in that order.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

#include "survey/CommandRouter.h"

class QAction;
class QLabel;
class QToolBar;

namespace oskava {

class CDatDoc;
class CViewWidget;
class StatusProgress;

/// The frame's size on a screen of the given size: 770 x 550 pixels, or 90 % of the
/// screen's width and 75 % of its height where those are smaller.
QSize InitialFrameSize(QSize screen);

class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    /// The frame of the document's view; application lists the commands the
    /// application handles, asked last. Both must outlive the frame.
    CMainFrame(CDatDoc& doc, const CommandTarget& application);
    ~CMainFrame() override;

    CViewWidget& ViewWidget() const { return *view_; }
    /// The menu item of the command, or null for an id without one.
    QAction* MenuAction(int id) const;
    /// The toolbar button's action of the command, or null.
    QAction* ToolbarAction(int id) const;
    /// Runs the command as its menu item, button or key does: only while enabled.
    void RunCommand(int id);
    /// Asks the command targets for the enabling, check mark and text of every command
    /// and shows them on menu items and buttons; also renews the title.
    void UpdateCommandStates();

  protected:
    void closeEvent(QCloseEvent* event) override;
    /// Becoming active again renews the commands' states: an edit in the Data
    /// Properties window may have changed what Undo and Redo do.
    void changeEvent(QEvent* event) override;
    /// A survey file dropped on the window opens the Load Data dialog with it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void BindFrameCommands();
    /// Resizes the frame so that the view's area is exactly the surface, unless the
    /// frame is maximised; never beyond the screen.
    void FitToSurface(QSize surface);
    void ShowTypeButtons(bool isDC);
    void ShowReadout(const QString& text);

    CDatDoc& doc_;
    CViewWidget* view_;  // owned as the central widget
    QToolBar* toolBar_ = nullptr;
    QLabel* readout_ = nullptr;  // the status bar's idle text or the pointer readout
    std::unique_ptr<StatusProgress> progress_;
    std::map<int, QAction*> menuActions_;
    std::map<int, QAction*> toolbarActions_;
    CommandTarget frameCommands_;
    CommandRouter router_;
};

}  // namespace oskava
