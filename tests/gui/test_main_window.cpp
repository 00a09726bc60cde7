// The window before and around a database: its initial state, the inert handlers, the
// modified mark and the ways it closes.
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QToolBar>
#include <QTreeWidgetItem>
#include <QWidgetAction>

#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/ProblemsPanel.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithItsInitialState();
    void focusStartsOnTheList();
    void listHasItsColumns();
    void listCellsShowGridAndSelection();
    void handlersAreInertBeforeAnOpen();
    void viewButtonBeforeOpenOnlyMovesTheMark();
    void fitsASmallScreenAtDoubleScale();
    void exitClosesACleanWindow();
    void escapeNeverClosesTheWindow();
    void closeBoxClosesACleanWindowWithoutAsking();
    void changesAreAskedForOnExitAndCloseBox();
    void enterDoesNotCloseTheWindow();
};

void MainWindowTest::startsEmptyWithItsInitialState() {
    WindowHarness h;
    MainWindow& w = *h.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Channel Editor "));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.session().view(), View::All);
    QVERIFY(!w.session().isOpen());
    QVERIFY(!w.session().isModified());
    QVERIFY(!w.refresh().isRefreshing());
    QCOMPARE(w.selection().kind(), SelectionNone);
    QVERIFY(!w.refresh().filter().bySatellite);
    QCOMPARE(w.selection().satellite(), 0);
    QCOMPARE(w.selection().transponder(), TransponderCapacity);
    QVERIFY(w.currentPath().isEmpty());

    QVERIFY(w.panes().tree.viewButton(View::All)->isChecked());
    QCOMPARE(w.panes().tree.viewButton(View::All)->text(), QStringLiteral("ALL"));
    QCOMPARE(w.panes().tree.viewButton(View::Tv)->text(), QStringLiteral("TV"));
    QCOMPARE(w.panes().tree.viewButton(View::Radio)->text(), QStringLiteral("RADIO"));
    // The toolbar: the file and history commands with their short texts, then Find.
    const auto* toolBar = w.findChild<QToolBar*>(QStringLiteral("mainToolBar"));
    QVERIFY(toolBar);
    QStringList tools;
    for (QAction* action : toolBar->actions()) {
        if (!action->isSeparator() && !qobject_cast<QWidgetAction*>(action)) {
            tools.append(action->iconText());
            QVERIFY(!action->icon().isNull());
        }
    }
    QCOMPARE(tools, QStringList({"Open", "Save", "Save As", "Undo", "Redo"}));
    QCOMPARE(w.panes().list.findField()->parentWidget(), toolBar);
    QVERIFY(!w.action(CommandId::Undo)->isEnabled() && !w.action(CommandId::Redo)->isEnabled());
    QVERIFY(w.action(CommandId::Open)->isEnabled());
    QVERIFY(!w.action(CommandId::Save)->isEnabled());
    QVERIFY(!w.action(CommandId::SaveAs)->isEnabled());
    QVERIFY(w.action(CommandId::Exit)->isEnabled());

    QCOMPARE(w.panes().tree.tree()->topLevelItemCount(), 0);
    QCOMPARE(w.panes().list.model()->rowCount(), 0);
    QVERIFY(w.panes().list.rowCountField()->isVisible());
    QVERIFY(w.panes().list.rowCountField()->text().isEmpty());
    QCOMPARE(w.panes().list.rowCountField()->parentWidget(), w.statusBar());
    QCOMPARE(w.panes().problems.button()->parentWidget(), w.statusBar());
    QVERIFY(!w.panes().problems.dock()->isVisible());
}

// 1280 x 800 at scale factor 2 leaves 640 x 400 logical pixels, the window's frame and the
// desktop's panels aside.
void MainWindowTest::fitsASmallScreenAtDoubleScale() {
    OpenedWindow h;
    QVERIFY(h.window->minimumSizeHint().width() <= 640);
    QVERIFY(h.window->minimumSizeHint().height() <= 400);
    h.window->resize(640, 400);
    h.window->panes().problems.button()->click();
    QCoreApplication::processEvents();
    QCOMPARE(h.window->size(), QSize(640, 400));
    QVERIFY(h.window->panes().list.view()->isVisible() &&
            h.window->panes().tree.tree()->isVisible());
    QVERIFY(h.window->panes().problems.panel()->isVisible());
    QVERIFY(h.window->panes().tree.viewButton(View::Radio)->isVisible());
}

void MainWindowTest::focusStartsOnTheList() {
    WindowHarness h;
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h.window->panes().list.view()));
}

void MainWindowTest::listHasItsColumns() {
    WindowHarness h;
    ChannelListView* list = h.window->panes().list.view();
    ChannelListModel* model = h.window->panes().list.model();
    QCOMPARE(model->columnCount(), 8);
    const QStringList titles = {"No.", "Sat", "Tp", "Channel", "CAS", "FAV", "Lock", ""};
    for (int column = 0; column < 8; ++column) {
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), titles[column]);
        QCOMPARE(
            model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
            Qt::Alignment(Qt::AlignCenter));
    }
    QCOMPARE(list->columnWidth(ColumnNo), 50);
    QCOMPARE(list->columnWidth(ColumnChannel), 180);
    QVERIFY(list->isColumnHidden(ColumnIndex));
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(!list->isSortingEnabled());
    QVERIFY(!list->horizontalHeader()->sectionsClickable());
    QVERIFY(list->verticalHeader()->isHidden());
    // Every column is visible within the list without scrolling sideways.
    int widths = 0;
    for (int column = 0; column < ColumnIndex; ++column) {
        widths += list->columnWidth(column);
    }
    QVERIFY(list->viewport()->width() >= widths);
}

// The list paints its cells itself: the grid parts them, and a selected row takes the
// selection's colour while a row beside it keeps the base colour.
void MainWindowTest::listCellsShowGridAndSelection() {
    OpenedWindow h;
    ChannelListView* list = h.window->panes().list.view();
    h.selectRows({1});
    QStyleOptionViewItem option;
    option.initFrom(list);
    const QColor grid = QColor::fromRgba(
        static_cast<QRgb>(list->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, list)));

    const QImage shown = list->viewport()->grab().toImage();
    const int x = list->columnViewportPosition(1) + 2;
    const auto inside = [&](int row) { return list->rowViewportPosition(row) + 2; };
    QCOMPARE(shown.pixel(list->columnViewportPosition(1) - 1, inside(0)), grid.rgb());
    QCOMPARE(shown.pixel(x, list->rowViewportPosition(1) - 1), grid.rgb());
    QCOMPARE(shown.pixel(x, inside(1)), list->palette().color(QPalette::Highlight).rgb());
    QCOMPARE(shown.pixel(x, inside(0)), list->palette().color(QPalette::Base).rgb());
}

void MainWindowTest::handlersAreInertBeforeAnOpen() {
    WindowHarness h;
    MainWindow& w = *h.window;
    emit w.panes().tree.tree()->itemSelectionChanged();
    emit w.panes().tree.tree()->treeDoubleClicked();
    emit w.panes().list.view()->listClicked();
    emit w.panes().list.view()->listDoubleClicked();
    w.panes().tree.viewButton(View::All)->click();
    w.panes().tree.viewButton(View::Tv)->click();
    w.panes().tree.viewButton(View::Radio)->click();
    w.fileCommands().save();
    w.fileCommands().saveAs();
    w.historyCommands().undo();
    w.historyCommands().redo();
    QCOMPARE(w.session().view(), View::All);
    QCOMPARE(w.selection().kind(), SelectionNone);
    QVERIFY(!w.refresh().filter().bySatellite);
    QCOMPARE(h.interaction.dialogsRun, 0);
    QVERIFY(h.interaction.messages.isEmpty());
    QVERIFY(h.interaction.saveInitialPaths.isEmpty());
    QCOMPARE(w.panes().list.model()->rowCount(), 0);
    QVERIFY(w.panes().list.rowCountField()->text().isEmpty());
}

void MainWindowTest::viewButtonBeforeOpenOnlyMovesTheMark() {
    WindowHarness h;
    MainWindow& w = *h.window;
    w.panes().tree.viewButton(View::Tv)->click();
    QVERIFY(w.panes().tree.viewButton(View::Tv)->isChecked());
    QCOMPARE(w.session().view(), View::All);
    // A cancelled Open dialog leaves the mark where it is...
    w.fileCommands().open();
    QVERIFY(w.panes().tree.viewButton(View::Tv)->isChecked());
    // ...a chosen file sets it back from the session's view, and the list shows the ALL view.
    QVERIFY(h.openImage(windowTestImage()));
    QVERIFY(w.panes().tree.viewButton(View::All)->isChecked());
    QCOMPARE(w.panes().list.model()->rowCount(), 7);
    QVERIFY(w.session().isOpen());
    QVERIFY(w.action(CommandId::SaveAs)->isEnabled());
    QVERIFY(!w.action(CommandId::Save)->isEnabled());
}

void MainWindowTest::exitClosesACleanWindow() {
    OpenedWindow h;
    QTest::keyClick(h.window->panes().list.view(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!h.window->isVisible());
    QVERIFY(h.interaction.messages.isEmpty());
}

// Escape empties Find, else does nothing; with changes it does not even ask.
void MainWindowTest::escapeNeverClosesTheWindow() {
    OpenedWindow h;
    QVERIFY(h.edit(RenameGroups{{{7, "Changed"}}}));
    for (QWidget* focus : std::initializer_list<QWidget*>{h.window->panes().list.view(),
                                                          h.window->panes().tree.tree()}) {
        h.window->panes().list.findField()->setText(QStringLiteral("ra"));
        QCOMPARE(h.rows(), 2);
        QTest::keyClick(focus, Qt::Key_Escape);
        QVERIFY(h.window->panes().list.findField()->text().isEmpty());
        QCOMPARE(h.rows(), 7);
        QTest::keyClick(focus, Qt::Key_Escape);
        QVERIFY(h.window->isVisible());
    }
    QVERIFY(h.interaction.messages.isEmpty());
    QVERIFY(h.showsModified(true));
}

void MainWindowTest::closeBoxClosesACleanWindowWithoutAsking() {
    for (const bool opened : {false, true}) {
        WindowHarness h;
        QVERIFY(!opened || h.openImage(windowTestImage()));
        QVERIFY(h.window->close());
        QVERIFY(!h.window->isVisible());
        QVERIFY(h.interaction.messages.isEmpty());
    }
}

// The modified mark enables Save; then Exit and the close box ask before closing: Save,
// Don't Save or Cancel, and Cancel goes back to the editor with nothing changed.
void MainWindowTest::changesAreAskedForOnExitAndCloseBox() {
    for (const bool exit : {true, false}) {
        OpenedWindow h;
        QVERIFY(h.edit(RenameGroups{{{7, "Changed"}}}));
        QVERIFY(h.showsModified(true));
        h.interaction.answers = {Interaction::Answer::Cancel, Interaction::Answer::Discard};
        const auto closeWindow = [&] {
            exit ? h.window->runCommand(CommandId::Exit) : void(h.window->close());
        };
        closeWindow();
        QVERIFY(h.window->isVisible());
        QVERIFY(h.showsModified(true));
        closeWindow();
        QVERIFY(!h.window->isVisible());
        const QString question =
            QStringLiteral("Do you want to save changes?\n") + QDir::toNativeSeparators(h.path);
        QCOMPARE(h.interaction.messageTexts(), QStringList({question, question}));
        QCOMPARE(h.interaction.messages.first().buttons, Interaction::Buttons::SaveDiscardCancel);
        QCOMPARE(h.interaction.messages.first().icon, Interaction::Icon::None);
    }
}

void MainWindowTest::enterDoesNotCloseTheWindow() {
    OpenedWindow h;
    QTest::keyClick(h.window->panes().list.view(), Qt::Key_Return);
    QTest::keyClick(h.window->panes().tree.tree(), Qt::Key_Enter);
    QVERIFY(h.window->isVisible());
    // On a focused button Enter presses it.
    h.window->panes().tree.viewButton(View::Tv)->setFocus();
    QTest::keyClick(h.window->panes().tree.viewButton(View::Tv), Qt::Key_Return);
    QCOMPARE(h.window->session().view(), View::Tv);
    QVERIFY(h.window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
