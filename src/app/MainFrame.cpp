#include "app/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include "app/CommandTable.h"
#include "app/EditDrop.h"
#include "app/PictureSaving.h"
#include "app/StatusProgress.h"
#include "app/ToolbarIcons.h"
#include "app/ViewWidget.h"
#include "survey/CommandIds.h"
#include "survey/DatDoc.h"

namespace oskava {

namespace {

const char kWindowTitle[] = "OSKAVA Data Viewer";
const char kIdleText[] = "oskava-data-viewer: DC resistivity and IP pseudosections";

QAction* NewAction(const CommandSpec& entry, QObject* parent) {
    auto* action = new QAction(QString::fromUtf8(entry.text), parent);
    action->setStatusTip(QString::fromUtf8(entry.prompt));
    action->setToolTip(QString::fromUtf8(entry.toolTip));
    action->setCheckable(entry.checkable);
    return action;
}

}  // namespace

QSize InitialFrameSize(QSize screen) {
    return QSize(std::min(770, static_cast<int>(0.9 * screen.width())),
                 std::min(550, static_cast<int>(0.75 * screen.height())));
}

CMainFrame::CMainFrame(CDatDoc& doc, const CommandTarget& application)
    : doc_(doc), view_(new CViewWidget(doc, this)) {
    setCentralWidget(view_);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    BindFrameCommands();
    router_.SetTargets(
        {&view_->View().Commands(), &doc_.Commands(), &frameCommands_, &application});
    connect(view_, &CViewWidget::FitFrameRequested, this, &CMainFrame::FitToSurface);
    connect(view_, &CViewWidget::TypeButtonsRequested, this, &CMainFrame::ShowTypeButtons);
    connect(view_, &CViewWidget::ViewChanged, this, &CMainFrame::UpdateCommandStates);
    connect(view_, &CViewWidget::ReadoutChanged, this, &CMainFrame::ShowReadout);
    setAcceptDrops(true);
    doc_.SetProgress(progress_.get());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(InitialFrameSize(screen->size()));
    }
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
    // The document outlives the frame: it must not report to a status bar that is gone.
    doc_.SetProgress(nullptr);
}

void CMainFrame::CreateActions() {
    for (const CommandSpec& entry : CommandTable()) {
        QAction* action = NewAction(entry, this);
        action->setObjectName(QStringLiteral("command%1").arg(entry.id));
        action->setShortcuts(entry.keys);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { RunCommand(id); });
        menuActions_[entry.id] = action;
        addAction(action);  // its keys work whether or not the menu bar shows
    }
}

void CMainFrame::CreateMenus() {
    std::map<QString, QMenu*> menus;
    for (const CommandSpec& entry : CommandTable()) {
        const QStringList path = QString::fromUtf8(entry.menu).split(QLatin1Char('/'));
        QMenu*& menu = menus[path.front()];
        if (menu == nullptr) {
            menu = menuBar()->addMenu(path.front());
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        }
        QMenu* target = menu;
        if (path.size() > 1) {
            QMenu*& submenu = menus[path.join(QLatin1Char('/'))];
            if (submenu == nullptr) {
                submenu = menu->addMenu(path.back());
            }
            target = submenu;
        }
        target->addAction(menuActions_.at(entry.id));
        if (entry.separatorAfter) {
            target->addSeparator();
        }
    }
}

void CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const int id : ToolbarLayout()) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        const CommandSpec& entry = *FindCommand(id);
        QAction* action = NewAction(entry, toolBar_);
        action->setObjectName(QStringLiteral("button%1").arg(id));
        action->setIcon(ToolbarIcon(id));
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        toolBar_->addAction(action);
        toolbarActions_[id] = action;
    }
}

void CMainFrame::CreateStatusBar() {
    readout_ = new QLabel(QString::fromUtf8(kIdleText), statusBar());
    readout_->setObjectName(QStringLiteral("readout"));
    statusBar()->addWidget(readout_, 1);
    progress_ = std::make_unique<StatusProgress>(*statusBar(), *view_->viewport());
}

void CMainFrame::BindFrameCommands() {
    frameCommands_.Bind(
        command::FileSavePicture, [this] { SavePictureAs(this, view_->View()); },
        [this] { return CommandState{doc_.dataReady}; });
    frameCommands_.Bind(
        command::ViewToolbar, [this] { toolBar_->setVisible(toolBar_->isHidden()); },
        [this] {
            return CommandState{true, !toolBar_->isHidden()};
        });
    frameCommands_.Bind(
        command::ViewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); },
        [this] {
            return CommandState{true, !statusBar()->isHidden()};
        });
}

QAction* CMainFrame::MenuAction(int id) const {
    const auto found = menuActions_.find(id);
    return found == menuActions_.end() ? nullptr : found->second;
}

QAction* CMainFrame::ToolbarAction(int id) const {
    const auto found = toolbarActions_.find(id);
    return found == toolbarActions_.end() ? nullptr : found->second;
}

void CMainFrame::RunCommand(int id) {
    // A key reaches a command only while the command is enabled, as its menu item does.
    if (router_.State(id).enabled) {
        router_.Execute(id);
    }
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
    for (const auto* actions : {&menuActions_, &toolbarActions_}) {
        for (const auto& [id, action] : *actions) {
            const CommandState state = router_.State(id);
            action->setEnabled(state.enabled);
            action->setChecked(state.checked);
            const QString text = state.text.empty() ? QString::fromUtf8(FindCommand(id)->text)
                                                    : QString::fromStdString(state.text);
            if (action->text() != text) {
                action->setText(text);
            }
        }
    }
    const std::string& title = doc_.GetTitle();
    setWindowTitle(QStringLiteral("%1 - %2").arg(
        title.empty() ? QStringLiteral("Untitled") : QString::fromStdString(title),
        QString::fromUtf8(kWindowTitle)));
}

void CMainFrame::ShowTypeButtons(bool isDC) {
    for (const int id : {command::Log10, command::ConductivityResistivity}) {
        toolbarActions_.at(id)->setVisible(isDC);
    }
}

void CMainFrame::FitToSurface(QSize surface) {
    if (isMaximized() || isFullScreen()) {
        return;
    }
    // A hidden frame gets no resize events: lay it out now, so that the view's size
    // is the one the frame's size gives.
    layout()->invalidate();
    layout()->activate();
    QSize wanted = size() - view_->size() + surface;
    if (const QScreen* screen = this->screen()) {
        const QSize decoration = frameGeometry().size() - geometry().size();
        wanted = wanted.boundedTo(screen->availableGeometry().size() - decoration);
    }
    resize(wanted);
}

void CMainFrame::ShowReadout(const QString& text) {
    readout_->setText(text.isEmpty() ? QString::fromUtf8(kIdleText) : text);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFileName(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedFileName(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = DroppedFileName(event->mimeData());
    if (!path) {
        return;
    }
    event->acceptProposedAction();
    // The dialog runs once the drop is over, so that the program the file came from is
    // not kept waiting while the person fills it in.
    QTimer::singleShot(0, this, [this, file = *path] {
        doc_.OnDropFile(file);
        UpdateCommandStates();
    });
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        UpdateCommandStates();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (doc_.SaveModified()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace oskava
