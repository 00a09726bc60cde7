// The window before and around a database: its initial state, the inert handlers, the
// modified mark and the ways it closes.
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidgetItem>

#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListCtrl.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithItsInitialState();
    void focusStartsOnTheList();
    void listHasItsColumns();
    void handlersAreInertBeforeAnOpen();
    void viewButtonBeforeOpenOnlyMovesTheMark();
    void exitClosesACleanWindow();
    void escapeAndCloseBoxCloseACleanWindowWithoutAsking();
    void changesAreAskedForOnEscapeAndCloseBox();
    void enterDoesNotCloseTheWindow();
};

void MainWindowTest::startsEmptyWithItsInitialState() {
    WindowHarness h;
    MainWindow& w = *h.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Channel Editor "));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.session().view(), int(ViewAll));
    QVERIFY(!w.session().isOpen());
    QVERIFY(!w.session().isModified());
    QVERIFY(!w.refresh().isRefreshing());
    QCOMPARE(w.selection().kind(), SelectionNone);
    QVERIFY(!w.selection().filtersBySatellite());
    QCOMPARE(w.selection().satellite(), 0);
    QCOMPARE(w.selection().transponder(), TransponderCapacity);
    QVERIFY(w.currentPath().isEmpty());

    QVERIFY(w.viewButton(ViewAll)->isChecked());
    QCOMPARE(w.viewButton(ViewAll)->text(), QStringLiteral("ALL"));
    QCOMPARE(w.viewButton(ViewTv)->text(), QStringLiteral("TV"));
    QCOMPARE(w.viewButton(ViewRadio)->text(), QStringLiteral("RADIO"));
    QCOMPARE(w.undoButton()->text(), QStringLiteral("Undo"));
    QCOMPARE(w.redoButton()->text(), QStringLiteral("Redo"));
    QVERIFY(!w.undoButton()->isEnabled() && !w.redoButton()->isEnabled());
    QCOMPARE(w.openButton()->text(), QStringLiteral("Open"));
    QCOMPARE(w.saveButton()->text(), QStringLiteral("Save"));
    QCOMPARE(w.saveAsButton()->text(), QStringLiteral("Save As"));
    QCOMPARE(w.exitButton()->text(), QStringLiteral("Exit"));
    QVERIFY(w.openButton()->isEnabled());
    QVERIFY(!w.saveButton()->isEnabled());
    QVERIFY(!w.saveAsButton()->isEnabled());
    QVERIFY(w.exitButton()->isEnabled());

    QCOMPARE(w.tree()->topLevelItemCount(), 0);
    QCOMPARE(w.listModel()->rowCount(), 0);
    QVERIFY(w.rowCountField()->isVisible());
    QVERIFY(w.rowCountField()->text().isEmpty());
    QCOMPARE(w.rowCountField()->frameShadow(), QFrame::Sunken);
    QVERIFY(w.rowCountField()->alignment() & Qt::AlignHCenter);
}

void MainWindowTest::focusStartsOnTheList() {
    WindowHarness h;
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(h.window->list()));
}

void MainWindowTest::listHasItsColumns() {
    WindowHarness h;
    ChannelListCtrl* list = h.window->list();
    ChannelListModel* model = h.window->listModel();
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
    QVERIFY(list->showGrid());
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

void MainWindowTest::handlersAreInertBeforeAnOpen() {
    WindowHarness h;
    MainWindow& w = *h.window;
    emit w.tree()->itemSelectionChanged();
    emit w.tree()->treeDoubleClicked();
    emit w.list()->listClicked();
    emit w.list()->listDoubleClicked();
    w.viewButton(ViewAll)->click();
    w.viewButton(ViewTv)->click();
    w.viewButton(ViewRadio)->click();
    w.fileCommands().save();
    w.fileCommands().saveAs();
    w.historyCommands().undo();
    w.historyCommands().redo();
    QCOMPARE(w.session().view(), int(ViewAll));
    QCOMPARE(w.selection().kind(), SelectionNone);
    QVERIFY(!w.selection().filtersBySatellite());
    QCOMPARE(h.interaction.dialogsRun, 0);
    QVERIFY(h.interaction.messages.isEmpty());
    QVERIFY(h.interaction.saveInitialPaths.isEmpty());
    QCOMPARE(w.listModel()->rowCount(), 0);
    QVERIFY(w.rowCountField()->text().isEmpty());
}

void MainWindowTest::viewButtonBeforeOpenOnlyMovesTheMark() {
    WindowHarness h;
    MainWindow& w = *h.window;
    w.viewButton(ViewTv)->click();
    QVERIFY(w.viewButton(ViewTv)->isChecked());
    QCOMPARE(w.session().view(), int(ViewAll));
    // A cancelled Open dialog leaves the mark where it is...
    w.fileCommands().open();
    QVERIFY(w.viewButton(ViewTv)->isChecked());
    // ...a chosen file sets it back from the session's view, and the list shows the ALL view.
    QVERIFY(h.openImage(windowTestImage()));
    QVERIFY(w.viewButton(ViewAll)->isChecked());
    QCOMPARE(w.listModel()->rowCount(), 7);
    QVERIFY(w.session().isOpen());
    QVERIFY(w.saveAsButton()->isEnabled());
    QVERIFY(!w.saveButton()->isEnabled());
}

void MainWindowTest::exitClosesACleanWindow() {
    OpenedWindow h;
    h.window->exitButton()->click();
    QVERIFY(!h.window->isVisible());
    QCOMPARE(h.window->result(), int(QDialog::Accepted));
    QVERIFY(h.interaction.messages.isEmpty());
}

void MainWindowTest::escapeAndCloseBoxCloseACleanWindowWithoutAsking() {
    {
        WindowHarness h;
        QTest::keyClick(h.window->list(), Qt::Key_Escape);
        QVERIFY(!h.window->isVisible());
        QVERIFY(h.interaction.messages.isEmpty());
    }
    {
        OpenedWindow h;
        QVERIFY(h.window->close());
        QVERIFY(h.interaction.messages.isEmpty());
    }
}

// The modified mark enables Save; then Escape and the close box ask before closing: Save,
// Don't Save or Cancel, and Cancel goes back to the editor with nothing changed.
void MainWindowTest::changesAreAskedForOnEscapeAndCloseBox() {
    for (const bool escape : {true, false}) {
        OpenedWindow h;
        QVERIFY(h.edit(RenameGroups{{{7, "Changed"}}}));
        QVERIFY(h.showsModified(true));
        h.interaction.answers = {Interaction::Answer::Cancel, Interaction::Answer::Discard};
        const auto closeWindow = [&] {
            escape ? QTest::keyClick(h.window->list(), Qt::Key_Escape) : void(h.window->close());
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
    QTest::keyClick(h.window->list(), Qt::Key_Return);
    QTest::keyClick(h.window->tree(), Qt::Key_Enter);
    QVERIFY(h.window->isVisible());
    // On a focused button Enter presses it.
    QVERIFY(h.edit(RenameGroups{{{7, "Changed"}}}));
    h.window->saveButton()->setFocus();
    QTest::keyClick(h.window->saveButton(), Qt::Key_Return);
    QVERIFY(!h.window->session().isModified());
    QVERIFY(h.window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
