// The window's layout: the panes in their places, and between runs the size and place, the
// splitter, and the widths of the list's Channel and CAS columns (the only ones the user can
// widen; the others keep theirs).
#include <QGuiApplication>
#include <QHeaderView>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <iterator>

#include "ChannelListView.h"
#include "CommandTable.h"
#include "FindField.h"
#include "ListPane.h"
#include "MainWindow.h"
#include "ProblemsPanel.h"
#include "SatelliteTree.h"
#include "WindowSettings.h"
#include "database/DisplayText.h"

namespace kavro {

namespace {

const QSize DefaultSize(1100, 720);
constexpr int TreeWidth = 200;  // the tree's first width
constexpr ListColumn WidenableColumns[] = {ColumnChannel, ColumnCas};
constexpr int MinimumColumnWidth = 20;
constexpr int MaximumColumnWidth = 2000;

void setColumnModes(QHeaderView& header) {
    header.setSectionResizeMode(QHeaderView::Fixed);
    for (const ListColumn column : WidenableColumns) {
        header.setSectionResizeMode(column, QHeaderView::Interactive);
    }
}

}  // namespace

void MainWindow::placePanes() {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(treePane_);
    splitter->addWidget(listPane_->view());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({TreeWidth, 1100 - TreeWidth});
    setCentralWidget(splitter);
    panes_.splitter = splitter;
    buildToolBar();
    listPane_->addCountsTo(*statusBar());
    problemsPane_->addButtonTo(*statusBar());
    setTabOrder(listPane_->findField(), treePane_->tree());
    setTabOrder(treePane_->tree(), treePane_->viewButton(View::All));
    setTabOrder(treePane_->viewButton(View::All), listPane_->view());
    setTabOrder(listPane_->view(), problemsPane_->panel()->view());
}

// The commands' own buttons, then Find.
void MainWindow::buildToolBar() {
    auto* bar = addToolBar(QStringLiteral("Main"));
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    commands_->fillToolBar(*bar);
    bar->addSeparator();
    listPane_->addFindTo(*bar);
}

void MainWindow::setListColumnModes() {
    setColumnModes(*listPane_->view()->horizontalHeader());
}

void MainWindow::restoreLayout() {
    const QByteArray geometry = settings_->bytes(QString::fromLatin1(WindowSettings::Geometry));
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
        resize(shown ? DefaultSize.boundedTo(shown->availableGeometry().size()) : DefaultSize);
    }
    panes_.splitter->restoreState(settings_->bytes(QString::fromLatin1(WindowSettings::Splitter)));
    restoreState(settings_->bytes(QString::fromLatin1(WindowSettings::Docks)));
    const QStringList widths = settings_->list(QString::fromLatin1(WindowSettings::ListColumns));
    for (int i = 0; i < widths.size() && i < static_cast<int>(std::size(WidenableColumns)); ++i) {
        const int width = widths[i].toInt();
        if (width >= MinimumColumnWidth && width <= MaximumColumnWidth) {
            listPane_->view()->setColumnWidth(WidenableColumns[i], width);
        }
    }
}

void MainWindow::saveLayout() {
    settings_->setBytes(QString::fromLatin1(WindowSettings::Geometry), saveGeometry());
    settings_->setBytes(QString::fromLatin1(WindowSettings::Splitter),
                        panes_.splitter->saveState());
    settings_->setBytes(QString::fromLatin1(WindowSettings::Docks), saveState());
    QStringList widths;
    for (const ListColumn column : WidenableColumns) {
        widths.append(QString::number(listPane_->view()->columnWidth(column)));
    }
    settings_->setList(QString::fromLatin1(WindowSettings::ListColumns), widths);
    settings_->sync();
}

}  // namespace kavro
