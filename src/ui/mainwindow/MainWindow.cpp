#include "MainWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
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
#include <QToolBar>
#include <QVBoxLayout>

#include "ChannelListModel.h"
#include "ChannelListView.h"
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
#include "ui/dialogs/Accessibility.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/ShownPath.h"
#include "ui/language/CoreTexts.h"

// The program's resources live in this static library: make sure they are linked in.
static void initWindowResources() {
    Q_INIT_RESOURCE(kavro);
}

namespace kavro {

namespace {

// The tree's first width; it and the list keep sizes that show every control, and leave the
// window usable from 640 x 400.
constexpr int TreeWidth = 200;
constexpr int TreeMinimumWidth = 150;
constexpr int ListMinimumWidth = 300;
constexpr int ListMinimumHeight = 120;
const QSize MinimumWindowSize(640, 400);
// Room beside the text of the Problems button for its frame.
constexpr int ProblemsButtonPadding = 24;
constexpr int FindLabelGap = 4;  // between "Find" and its field

}  // namespace

bool WindowParts::confirm(const QString& question) const {
    return interaction.messageBox(window, question, Interaction::Buttons::OkCancel,
                                  Interaction::Icon::None) == Interaction::Answer::Ok;
}

void WindowParts::showMessage(const QString& text) const {
    interaction.messageBox(window, text, Interaction::Buttons::Ok, Interaction::Icon::Exclamation);
}

MainWindow::MainWindow(Interaction& interaction, QWidget* parent, WindowSettings* settings)
    : QMainWindow(parent),
      interaction_(interaction),
      ownSettings_(settings ? nullptr : std::make_unique<WindowSettings>()),
      settings_(settings ? settings : ownSettings_.get()),
      session_(std::make_unique<EditSession>()),
      tree_(new SatelliteTree(this)),
      list_(new ChannelListView(this)),
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
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(programIcon());
    setMinimumSize(MinimumWindowSize);
    session_->addObserver(*refresh_);
    session_->addObserver(*this);
    filterStatus_ = new QLabel(statusBar());
    filterStatus_->setObjectName(QStringLiteral("filterStatus"));
    refresh_->setFilterStatus(filterStatus_);
    notices_ = std::make_unique<StatusNotices>(*statusBar(), *this, interaction_, *settings_);
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
    list_->setUpColumns(model_);
    selectCommands_.showCount(*statusBar());
    setListColumnModes();
    restoreLayout();
    list_->setFocus(Qt::OtherFocusReason);
    describeControls(*this);
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
    tree_->setObjectName(QStringLiteral("satelliteTree"));
    list_->setObjectName(QStringLiteral("channelList"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(buildLeftPane(buildViewGroup()));
    splitter_->addWidget(list_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({TreeWidth, 1100 - TreeWidth});
    setCentralWidget(splitter_);
    buildToolBar();
    buildStatusBar();
    buildProblemsDock();
    setTabOrder(findField_, tree_);
    setTabOrder(tree_, viewButtons_[viewNumber(View::All)]);
    setTabOrder(viewButtons_[viewNumber(View::All)], list_);
    setTabOrder(list_, problems_->view());
}

QWidget* MainWindow::buildLeftPane(QWidget* viewGroup) {
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_, 1);
    layout->addWidget(viewGroup, 0, Qt::AlignLeft);
    return pane;
}

// The commands' own buttons, then Find.
void MainWindow::buildToolBar() {
    auto* bar = addToolBar(QStringLiteral("Main"));
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    commands_->fillToolBar(*bar);
    bar->addSeparator();
    auto* label = new QLabel(tr("Find"), bar);
    label->setContentsMargins(0, 0, FindLabelGap, 0);
    label->setBuddy(findField_);
    bar->addWidget(label);
    bar->addWidget(findField_);
}

void MainWindow::buildStatusBar() {
    rowCount_->setObjectName(QStringLiteral("rowCount"));
    rowCount_->setAlignment(Qt::AlignCenter);
    rowCount_->setMinimumWidth(
        rowCount_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    problemsButton_ = new QPushButton(this);
    problemsButton_->setCheckable(true);
    problemsButton_->setFlat(true);
    problemsButton_->setAutoDefault(false);
    problemsButton_->setObjectName(QStringLiteral("problemsButton"));
    // Wide enough for the count of a full list, so the text is never cut.
    problemsButton_->setMinimumWidth(problemsButton_->fontMetrics().horizontalAdvance(
                                         tr("Problems (%1)").arg(QStringLiteral("00000"))) +
                                     ProblemsButtonPadding);
    statusBar()->addPermanentWidget(filterStatus_);
    statusBar()->addPermanentWidget(rowCount_);
    statusBar()->addPermanentWidget(problemsButton_);
}

QWidget* MainWindow::buildViewGroup() {
    auto* group = new QGroupBox(this);
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(10, 2, 10, 2);
    viewGroup_ = new QButtonGroup(this);
    const char* const captions[] = {QT_TR_NOOP("ALL"), QT_TR_NOOP("TV"), QT_TR_NOOP("RADIO")};
    const char* const names[] = {"viewAll", "viewTv", "viewRadio"};
    for (View view : Views) {
        const int number = viewNumber(view);
        viewButtons_[number] = new QRadioButton(tr(captions[number]), group);
        viewButtons_[number]->setObjectName(QString::fromLatin1(names[number]));
        viewGroup_->addButton(viewButtons_[number], number);
        layout->addWidget(viewButtons_[number]);
    }
    return group;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
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
    problemsButton_->setEnabled(session_->isOpen());
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

QRadioButton* MainWindow::viewButton(View view) const {
    return viewButtons_[viewNumber(view)];
}

void MainWindow::showViewInControls() {
    if (QRadioButton* button = viewButton(session_->view())) {
        button->setChecked(true);
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (list_->isDragging()) {
            list_->cancelDrag();
        } else if (!findField_->text().isEmpty()) {
            findField_->clear();
        }
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
    list_->cancelDrag();
    if (!fileCommands_.settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    saveLayout();
    event->accept();
}

}  // namespace kavro
