#include "MainWindow.h"

#include <QButtonGroup>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ChannelListCtrl.h"
#include "ChannelListModel.h"
#include "CommandTable.h"
#include "FileDrop.h"
#include "FindField.h"
#include "ProblemsPanel.h"
#include "ProgramIcon.h"
#include "SatelliteTree.h"
#include "SaveGuards.h"
#include "StatusNotices.h"
#include "WindowSettings.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "session/StepLabels.h"
#include "ui/dialogs/Interaction.h"

// The program's resources live in this static library: make sure they are linked in.
static void initWindowResources() {
    Q_INIT_RESOURCE(kavro);
}

namespace kavro {

namespace {

// The tree's first width; it and the list keep sizes that show every control.
constexpr int TreeWidth = 250;
constexpr int TreeMinimumWidth = 160;
constexpr int ListMinimumWidth = 320;
constexpr int ListMinimumHeight = 200;
// Room beside the text of the Problems button for its frame.
constexpr int ProblemsButtonPadding = 24;

}  // namespace

bool WindowParts::confirm(const QString& question) const {
    return interaction.messageBox(window, question, Interaction::Buttons::OkCancel,
                                  Interaction::Icon::None) == Interaction::Answer::Ok;
}

void WindowParts::showMessage(const QString& text) const {
    interaction.messageBox(window, text, Interaction::Buttons::Ok, Interaction::Icon::Exclamation);
}

MainWindow::MainWindow(Interaction& interaction, QWidget* parent, WindowSettings* settings)
    : QDialog(parent),
      interaction_(interaction),
      ownSettings_(settings ? nullptr : std::make_unique<WindowSettings>()),
      settings_(settings ? settings : ownSettings_.get()),
      session_(std::make_unique<EditSession>()),
      tree_(new SatelliteTree(this)),
      list_(new ChannelListCtrl(this)),
      model_(new ChannelListModel(session_->database(), this)),
      findField_(new FindField(this)),
      rowCount_(new QLabel(this)),
      refresh_(std::make_unique<WindowRefresh>(*session_, selection_, *tree_, *list_, *model_,
                                               *rowCount_)),
      parts_{this, interaction, *session_, selection_, *tree_, *list_, *model_, *refresh_},
      channelCommands_(parts_),
      orderCommands_(parts_),
      transponderCommands_(parts_),
      fileCommands_(parts_, *this),
      historyCommands_(parts_),
      listCommands_(parts_),
      selectCommands_(parts_),
      satelliteCommands_(parts_) {
    initWindowResources();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());
    session_->addObserver(*refresh_);
    session_->addObserver(*this);
    statusBar_ = new QStatusBar(this);
    filterStatus_ = new QLabel(statusBar_);
    filterStatus_->setObjectName(QStringLiteral("filterStatus"));
    statusBar_->addPermanentWidget(filterStatus_);
    refresh_->setFilterStatus(filterStatus_);
    notices_ = std::make_unique<StatusNotices>(*statusBar_, *this, interaction_, *settings_);
    parts_.settings = settings_;
    parts_.notices = notices_.get();
    buildMenuBar();
    buildControls();
    session_->addObserver(*problems_);
    connectHandlers();
    connectListTools();
    fileDrop_ = new FileDrop(*this, {tree_->viewport(), list_->viewport()});
    connect(fileDrop_, &FileDrop::fileDropped, this,
            [this](const QString& path) { openFile(path); });
    showViewInControls();
    showSessionInControls();
    list_->SetupListColumns(model_);
    selectCommands_.showCount(*statusBar_);
    setListColumnModes();
    restoreLayout();
    list_->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() {
    session_->removeObserver(*problems_);
    session_->removeObserver(*this);
    session_->removeObserver(*refresh_);
}

QString MainWindow::currentPath() const {
    return uiPath(session_->path());
}

bool MainWindow::openFile(const QString& path) {
    return fileCommands_.openFile(path);
}

void MainWindow::buildControls() {
    tree_->setMinimumWidth(TreeMinimumWidth);
    list_->setMinimumSize(ListMinimumWidth, ListMinimumHeight);
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(buildLeftPane(buildViewGroup()));
    splitter_->addWidget(buildRightPane());
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({TreeWidth, 1100 - TreeWidth});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(commands_->menuBar());
    layout->addWidget(splitter_, 1);
    layout->addWidget(statusBar_);
    setTabOrder(tree_, findField_);
    setTabOrder(findField_, list_);
    setTabOrder(list_, problems_->view());
    setTabOrder(problems_->view(), viewButtons_[ViewAll]);
}

QWidget* MainWindow::buildLeftPane(QWidget* viewGroup) {
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(9, 9, 0, 0);
    layout->addWidget(tree_, 1);
    layout->addWidget(viewGroup, 0, Qt::AlignLeft);
    return pane;
}

QWidget* MainWindow::buildRightPane() {
    auto* pane = new QWidget(this);
    rowCount_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rowCount_->setAlignment(Qt::AlignCenter);
    rowCount_->setMinimumWidth(
        rowCount_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(rowCount_);
    buildButtons();
    problemsButton_->setAutoDefault(false);
    bottom->addWidget(problemsButton_);
    bottom->addStretch(1);
    for (QPushButton* button :
         {undoButton_, redoButton_, openButton_, saveButton_, saveAsButton_, exitButton_}) {
        button->setAutoDefault(false);
        bottom->addWidget(button);
    }
    rowCount_->setFixedHeight(openButton_->sizeHint().height());

    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 9, 9, 0);
    layout->addLayout(buildFindRow());
    layout->addWidget(buildListArea(), 1);
    layout->addLayout(bottom);
    return pane;
}

QLayout* MainWindow::buildFindRow() {
    auto* label = new QLabel(QStringLiteral("Find"), this);
    label->setBuddy(findField_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(findField_, 1);
    return row;
}

void MainWindow::buildButtons() {
    undoButton_ = new QPushButton(QString::fromUtf8(UndoText.data(), UndoText.size()), this);
    redoButton_ = new QPushButton(QString::fromUtf8(RedoText.data(), RedoText.size()), this);
    openButton_ = new QPushButton(QStringLiteral("Open"), this);
    saveButton_ = new QPushButton(QStringLiteral("Save"), this);
    saveAsButton_ = new QPushButton(QStringLiteral("Save As"), this);
    exitButton_ = new QPushButton(QStringLiteral("Exit"), this);
    problemsButton_ = new QPushButton(this);
    problemsButton_->setCheckable(true);
    problemsButton_->setObjectName(QStringLiteral("problemsButton"));
    // Wide enough for the count of a full list, so the text is never cut.
    problemsButton_->setMinimumWidth(
        problemsButton_->fontMetrics().horizontalAdvance(QStringLiteral("Problems (00000)")) +
        ProblemsButtonPadding);
    undoButton_->setObjectName(QStringLiteral("undoButton"));
    redoButton_->setObjectName(QStringLiteral("redoButton"));
}

QWidget* MainWindow::buildViewGroup() {
    auto* group = new QGroupBox(this);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(10, 2, 10, 2);
    viewGroup_ = new QButtonGroup(this);
    const char* const captions[] = {"ALL", "TV", "RADIO"};
    for (int view = ViewAll; view <= ViewRadio; ++view) {
        viewButtons_[view] = new QRadioButton(QString::fromLatin1(captions[view]), group);
        viewGroup_->addButton(viewButtons_[view], view);
        layout->addWidget(viewButtons_[view]);
    }
    return group;
}

void MainWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!focusPlaced_) {
        focusPlaced_ = true;
        list_->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::sessionChanged(const SessionChange& change) {
    if (change.event == SessionEvent::Loaded || change.event == SessionEvent::ViewChanged) {
        showViewInControls();
    }
    showSessionInControls();
}

void MainWindow::showSessionInControls() {
    saveButton_->setEnabled(session_->isModified());
    saveAsButton_->setEnabled(session_->isOpen());
    problemsButton_->setEnabled(session_->isOpen());
    HistoryCommands::showInButtons(*session_, *undoButton_, *redoButton_);
    updateCommands();
    showFileInTitle();
}

void MainWindow::showFileInTitle() {
    const QString path = currentPath();
    if (!session_->isOpen() || path.isEmpty()) {
        setWindowFilePath(QString());
        setWindowTitle(QStringLiteral("Channel Editor "));
        setWindowModified(false);
        return;
    }
    setWindowFilePath(path);
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] - Channel Editor"));
    setWindowModified(session_->isModified());
}

QRadioButton* MainWindow::viewButton(int view) const {
    return view >= ViewAll && view <= ViewRadio ? viewButtons_[view] : nullptr;
}

void MainWindow::showViewInControls() {
    if (QRadioButton* button = viewButton(session_->view())) {
        button->setChecked(true);
    }
}

// Enter never closes the window: it presses a focused button and nothing else.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MainWindow::done(int result) {
    saveLayout();
    QDialog::done(result);
}

void MainWindow::reject() {
    list_->cancelDrag();
    if (!fileCommands_.settleUnsavedChanges()) {
        return;
    }
    QDialog::reject();
}

}  // namespace kavro
