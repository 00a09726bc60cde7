#include "MainWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStatusBar>

#include "ChannelListView.h"
#include "FileDrop.h"
#include "ListPane.h"
#include "ProblemsPane.h"
#include "ProgramIcon.h"
#include "SatelliteTree.h"
#include "SaveGuards.h"
#include "StatusNotices.h"
#include "TreePane.h"
#include "WindowSettings.h"
#include "session/EditSession.h"
#include "ui/dialogs/Accessibility.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/ShownPath.h"

// The program's resources live in this static library: make sure they are linked in.
static void initWindowResources() {
    Q_INIT_RESOURCE(kavro);
}

namespace kavro {

namespace {

// The window stays usable from 640 x 400.
const QSize MinimumWindowSize(640, 400);

}  // namespace

MainWindow::MainWindow(Interaction& interaction, QWidget* parent, WindowSettings* settings)
    : QMainWindow(parent),
      interaction_(interaction),
      ownSettings_(settings ? nullptr : std::make_unique<WindowSettings>()),
      settings_(settings ? settings : ownSettings_.get()),
      session_(std::make_unique<EditSession>()),
      treePane_(new TreePane(this)),
      listPane_(new ListPane(session_->database(), this)),
      problemsPane_(new ProblemsPane(*session_, *this)),
      refresh_(std::make_unique<WindowRefresh>(*session_, selection_, *treePane_, *listPane_)),
      parts_{this, interaction, *session_, selection_, *treePane_, *listPane_, *refresh_},
      channelCommands_(parts_),
      orderCommands_(parts_),
      transponderCommands_(parts_),
      fileCommands_(parts_, *this),
      historyCommands_(parts_),
      listCommands_(parts_),
      selectCommands_(parts_),
      satelliteCommands_(parts_),
      paneContext_{parts_,
                   channelCommands_,
                   orderCommands_,
                   transponderCommands_,
                   listCommands_,
                   satelliteCommands_,
                   [this](Popup popup, const QPoint& pos) { runPopup(popup, pos); }},
      panes_{*treePane_, *listPane_, *problemsPane_, nullptr} {
    initWindowResources();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(programIcon());
    setMinimumSize(MinimumWindowSize);
    session_->addObserver(*refresh_);
    session_->addObserver(*this);
    notices_ = std::make_unique<StatusNotices>(*statusBar(), *this, interaction_, *settings_);
    parts_.settings = settings_;
    parts_.notices = notices_.get();
    buildMenuBar();
    placePanes();
    treePane_->wire(paneContext_);
    listPane_->wire(paneContext_);
    problemsPane_->wire(paneContext_);
    fileDrop_ = new FileDrop(*this, {treePane_->tree()->viewport(), listPane_->view()->viewport()});
    connect(fileDrop_, &FileDrop::fileDropped, this,
            [this](const QString& path) { openFile(path); });
    treePane_->showView(session_->view());
    showSessionInControls();
    selectCommands_.showCount(*statusBar());
    setListColumnModes();
    restoreLayout();
    listPane_->view()->setFocus(Qt::OtherFocusReason);
    describeControls(*this);
}

// The Problems pane lets go of the session before the session goes.
MainWindow::~MainWindow() {
    session_->removeObserver(*this);
    session_->removeObserver(*refresh_);
    delete problemsPane_;
}

QString MainWindow::currentPath() const {
    return uiPath(session_->path());
}

bool MainWindow::openFile(const QString& path) {
    return fileCommands_.openFile(path);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!focusPlaced_) {
        focusPlaced_ = true;
        listPane_->view()->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::sessionChanged(const SessionChange& change) {
    if (change.event == SessionEvent::Loaded || change.event == SessionEvent::ViewChanged) {
        treePane_->showView(session_->view());
    }
    showSessionInControls();
}

void MainWindow::showSessionInControls() {
    problemsPane_->showSession(session_->isOpen());
    updateCommands();
    showFileInTitle();
}

void MainWindow::showFileInTitle() {
    const QString path = currentPath();
    if (!session_->isOpen() || path.isEmpty()) {
        setWindowFilePath(QString());
        setWindowTitle(tr("Channel Editor "));
        setWindowModified(false);
        return;
    }
    setWindowFilePath(path);
    setWindowTitle(tr("%1[*] - Channel Editor").arg(shownPath(QFileInfo(path).fileName())));
    setWindowModified(session_->isModified());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        listPane_->escape();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
            button->click();
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    listPane_->view()->cancelDrag();
    if (!fileCommands_.settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    saveLayout();
    event->accept();
}

}  // namespace kavro
