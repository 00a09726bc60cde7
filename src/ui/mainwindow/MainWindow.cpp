#include "MainWindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ChannelListCtrl.h"
#include "ChannelListModel.h"
#include "SatelliteTree.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "ui/dialogs/Interaction.h"

// The program's resources live in this static library: make sure they are linked in.
static void initWindowResources() {
    Q_INIT_RESOURCE(kavro);
}

namespace kavro {

namespace {

constexpr int TreeWidth = 250;
constexpr int ListHeight = 430;

int listWidthForColumns(const ChannelListCtrl* list) {
    int width = 0;
    for (int column = 0; column < ListColumnCount; ++column) {
        width += ChannelListCtrl::ColumnWidths[column];
    }
    return width + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
}

}  // namespace

MainWindow::MainWindow(Interaction& interaction, QWidget* parent)
    : QDialog(parent), interaction_(interaction) {
    initWindowResources();
    setWindowTitle(QStringLiteral("Channel Editor "));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/kavro.png")));
    viewIndex().currentView = viewMode;
    buildControls();
    connectHandlers();
    OnInitDialog();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    tree_ = new SatelliteTree(this);
    tree_->setFixedWidth(TreeWidth);
    list_ = new ChannelListCtrl(this);
    model_ = new ChannelListModel(this);
    list_->setMinimumSize(listWidthForColumns(list_), ListHeight);
    QWidget* viewGroup = buildViewGroup();

    rowCount_ = new QLabel(this);
    rowCount_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rowCount_->setAlignment(Qt::AlignCenter);
    rowCount_->setMinimumWidth(
        rowCount_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);

    openButton_ = new QPushButton(QStringLiteral("Open"), this);
    saveButton_ = new QPushButton(QStringLiteral("Save"), this);
    saveAsButton_ = new QPushButton(QStringLiteral("Save As"), this);
    exitButton_ = new QPushButton(QStringLiteral("Exit"), this);
    saveButton_->setEnabled(false);
    saveAsButton_->setEnabled(false);
    rowCount_->setFixedHeight(openButton_->sizeHint().height());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(rowCount_);
    bottom->addStretch(1);
    for (QPushButton* button : {openButton_, saveButton_, saveAsButton_, exitButton_}) {
        button->setAutoDefault(false);
        bottom->addWidget(button);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(tree_, 0, 0);
    grid->addWidget(list_, 0, 1);
    grid->addWidget(viewGroup, 1, 0, Qt::AlignLeft);
    grid->addLayout(bottom, 1, 1);
    grid->setColumnStretch(1, 1);
    setTabOrder(tree_, list_);
    setTabOrder(list_, viewButtons_[ViewAll]);
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

void MainWindow::connectHandlers() {
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &MainWindow::OnTreeSelChanged);
    connect(tree_, &SatelliteTree::treeDoubleClicked, this, &MainWindow::OnTreeDblClick);
    connect(tree_, &SatelliteTree::treeClicked, this, &MainWindow::OnTreeClick);
    connect(list_, &ChannelListCtrl::listClicked, this, &MainWindow::OnListClick);
    connect(list_, &ChannelListCtrl::listDoubleClicked, this, &MainWindow::OnListDblClick);
    connect(list_, &ChannelListCtrl::listRightClicked, this, &MainWindow::OnListRightClick);
    connect(list_, &ChannelListCtrl::channelsDropped, this, &MainWindow::MoveSelectedChannels);
    connect(tree_, &SatelliteTree::treeRightClicked, this, &MainWindow::OnTreeRightClick);
    connect(viewButtons_[ViewAll], &QRadioButton::clicked, this, &MainWindow::OnAll);
    connect(viewButtons_[ViewTv], &QRadioButton::clicked, this, &MainWindow::OnTv);
    connect(viewButtons_[ViewRadio], &QRadioButton::clicked, this, &MainWindow::OnRadio);
    connect(openButton_, &QPushButton::clicked, this, &MainWindow::OnOpen);
    connect(saveButton_, &QPushButton::clicked, this, &MainWindow::OnSave);
    connect(saveAsButton_, &QPushButton::clicked, this, &MainWindow::OnSaveAs);
    connect(exitButton_, &QPushButton::clicked, this, &MainWindow::OnExit);
    connectKeys();
}

bool MainWindow::OnInitDialog() {
    showViewModeInControls();
    selectedSatellite = 0;
    showAllChannels = 1;
    list_->SetupListColumns(model_);
    list_->show();
    rowCount_->show();
    setFixedSize(sizeHint());
    list_->setFocus(Qt::OtherFocusReason);
    return true;
}

void MainWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!focusPlaced_) {
        focusPlaced_ = true;
        list_->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::RefreshAll() {
    refreshing = 1;
    const QTreeWidgetItem* shown = tree_->selectedItem();
    const int satellite = shown ? SatelliteTree::itemSatellite(shown) : selectedSatellite;
    const int transponder = SatelliteTree::filledTransponder(shown);
    rebuildViewIndex();
    FillChannelList();
    tree_->FillSatelliteTree();
    if (showAllChannels == 0) {
        showSelectionInTree(satellite, transponder);
    }
    refreshing = 0;
}

void MainWindow::showSelectionInTree(int satellite, int transponder) {
    QTreeWidgetItem* item = tree_->itemOfTransponder(satellite, transponder);
    if (!item) {
        item = tree_->satelliteItem(satellite);
    }
    if (!item) {
        return;
    }
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
}

void MainWindow::MarkModified() {
    setDirty(true);
}

void MainWindow::setDirty(bool dirty) {
    isDirty = dirty ? 1 : 0;
    saveButton_->setEnabled(dirty);
}

DialogContext MainWindow::dialogContext() {
    DialogContext context;
    context.parent = this;
    context.interaction = &interaction_;
    context.markModified = [this] { MarkModified(); };
    return context;
}

QRadioButton* MainWindow::viewButton(int view) const {
    return view >= ViewAll && view <= ViewRadio ? viewButtons_[view] : nullptr;
}

void MainWindow::setViewMode(int view) {
    viewMode = view;
    viewIndex().currentView = view;
}

void MainWindow::showViewModeInControls() {
    if (QRadioButton* button = viewButton(viewMode)) {
        button->setChecked(true);
    }
}

void MainWindow::showMessage(const QString& text) {
    interaction_.messageBox(this, text, Interaction::Buttons::Ok, Interaction::Icon::Exclamation);
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

}  // namespace kavro
