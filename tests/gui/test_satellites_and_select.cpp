// Select by what channels are (Edit > Select and the list popup's Select) and the satellite
// commands (Tree > Satellites..., the satellite popup, the Problems finding): one test per
// entry point, proving the wiring; the set rules themselves are the core's.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidgetItem>

#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "support/WindowFixture.h"
#include "ui/dialogs/SatellitesDialog.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/MenuBar.h"
#include "ui/mainwindow/ProblemsPanel.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

// Rows: 0 Das Erste, 1 Bayern 3 (radio), 2 Rai 1, 3 ZDF (scrambled), 4 Hidden TV,
// 5 Rai Radio 2 (radio), 6 Klassik (radio).
QVector<int> selectedRows(WindowHarness& h) {
    return h.window->list()->selectedRowPositions();
}

QString countText(WindowHarness& h) {
    return h.window->statusBar()->findChild<QLabel*>(QStringLiteral("selectedCount"))->text();
}

void trigger(WindowHarness& h, CommandId command) {
    h.window->commands().action(command)->trigger();
}

SatellitesDialog& satellitesDialog(QDialog& dialog) {
    return static_cast<SatellitesDialog&>(dialog);
}

}  // namespace

class SatellitesAndSelectTest : public QObject {
    Q_OBJECT

private slots:
    void menuSelectsAmongTheRowsShownAndShiftAdds();
    void popupSelectsByTheRowPointedAt();
    void satellitesDialogHidesAndRenamesEachAStep();
    void treePopupAndProblemsReachTheSatellite();
};

void SatellitesAndSelectTest::menuSelectsAmongTheRowsShownAndShiftAdds() {
    OpenedWindow h;
    const Bytes before = readFileBytes(h.path.toStdString());
    trigger(h, CommandId::SelectRadio);
    QCOMPARE(selectedRows(h), (QVector<int>{1, 5, 6}));
    QCOMPARE(countText(h), QStringLiteral("3 selected"));
    trigger(h, CommandId::SelectInvert);
    QCOMPARE(selectedRows(h), (QVector<int>{0, 2, 3, 4}));

    h.selectTreeItem(h.satelliteItem(1));  // Hotbird: Rai 1, Rai Radio 2
    trigger(h, CommandId::SelectRadio);
    QCOMPARE(selectedRows(h), QVector<int>{1});
    QCOMPARE(h.window->listModel()->channelAt(1), 6);

    h.window->viewButton(View::All)->click();
    trigger(h, CommandId::SelectRadio);
    h.window->selectCommands().select({ChannelSetKind::Scrambled, 0, {}}, true);
    QCOMPARE(selectedRows(h), (QVector<int>{1, 3, 5, 6}));
    QCOMPARE(countText(h), QStringLiteral("4 selected"));
    trigger(h, CommandId::Delete);  // asks; the answer is OK
    QCOMPARE(h.rows(), 3);
    h.window->historyCommands().undo();
    QCOMPARE(h.rows(), 7);
    trigger(h, CommandId::SelectNone);
    QVERIFY(selectedRows(h).isEmpty());
    QCOMPARE(countText(h), QString());
    const auto reopened = loadedFile(h.path);
    QCOMPARE(Bytes(h.db().bytes(), h.db().bytes() + table::Size),
             Bytes(reopened->database().bytes(), reopened->database().bytes() + table::Size));
    QCOMPARE(readFileBytes(h.path.toStdString()), before);
}

void SatellitesAndSelectTest::popupSelectsByTheRowPointedAt() {
    OpenedWindow h;
    ChannelListView* list = h.window->list();
    const QPoint row0 = list->visualRect(h.window->listModel()->index(0, 0)).center();
    h.interaction.popupChoices = {QStringLiteral("Select > On This Transponder"),
                                  QStringLiteral("Select > Scrambled"),
                                  QStringLiteral("Select > Nothing Like This")};
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, row0);
    QCOMPARE(selectedRows(h), (QVector<int>{0, 1, 3}));  // transponder 0
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, row0);
    QCOMPARE(selectedRows(h), QVector<int>{3});
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      list->visualRect(h.window->listModel()->index(3, 0)).center());
    QCOMPARE(selectedRows(h), QVector<int>{3});  // dismissed: nothing changes
    QCOMPARE(h.interaction.popups.size(), 3);
}

void SatellitesAndSelectTest::satellitesDialogHidesAndRenamesEachAStep() {
    OpenedWindow h;
    h.interaction.dialogScripts.append([&h](QDialog& dialog) {
        SatellitesDialog& d = satellitesDialog(dialog);
        QCOMPARE(d.table()->rowCount(), 4);  // 0..3: each has a name or a transponder
        QVERIFY(!d.shownBox(d.rowOf(2))->isChecked());
        d.shownBox(d.rowOf(0))->click();
        QLineEdit* name = d.nameEdit(d.rowOf(1));
        QCOMPARE(name->maxLength(), 43);
        name->setText(QStringLiteral("\u20AC uro"));
        emit name->editingFinished();
        QCOMPARE(h.interaction.messages.size(), 1);
        QCOMPARE(h.db().satelliteName(1), "Hotbird 13.0E");
        name->setText(QStringLiteral("Aurora 4.8\u00B0E"));
        emit name->editingFinished();
        // Escape drops a name typed but not entered, and closes.
        QLineEdit* other = d.nameEdit(d.rowOf(3));
        other->setFocus();
        other->setText(QStringLiteral("Never kept"));
        QTest::keyClick(other, Qt::Key_Escape);
        emit other->editingFinished();  // as the closing dialog takes its focus
    });
    const std::string third(h.db().satelliteName(3));
    trigger(h, CommandId::Satellites);
    QCOMPARE(h.interaction.messages[0].text,
             QStringLiteral("Please enter only Latin-1 characters."));
    QVERIFY(!h.db().isSatelliteShown(0));
    QCOMPARE(h.db().satelliteName(1),
             "Aurora 4.8\xB0"
             "E");
    QCOMPARE(h.session().undoLabel(), "rename satellite Hotbird 13.0E");
    QCOMPARE(h.db().satelliteName(3), third);
    QVERIFY(!h.treeTexts().join(QLatin1Char('\n')).contains(QStringLiteral("Astra")));
    h.window->historyCommands().undo();
    QCOMPARE(h.session().undoLabel(), "hide satellite Astra 19.2E");
    h.window->historyCommands().undo();
    QVERIFY(!h.session().canUndo());
    QVERIFY(h.treeTexts().join(QLatin1Char('\n')).contains(QStringLiteral("Astra")));
    QVERIFY(!h.session().isModified());
}

void SatellitesAndSelectTest::treePopupAndProblemsReachTheSatellite() {
    OpenedWindow h;
    SatelliteTree* tree = h.window->tree();
    h.interaction.popupChoices = {QStringLiteral("Hide Satellite")};
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                      tree->visualItemRect(h.satelliteItem(1)).center());
    QVERIFY(!h.db().isSatelliteShown(1));
    QCOMPARE(h.session().undoLabel(), "hide satellite Hotbird 13.0E");

    // The "not shown" finding opens the dialog on its satellite's name.
    int focusedRow = -1;
    h.interaction.dialogScripts.append([&focusedRow](QDialog& dialog) {
        SatellitesDialog& d = satellitesDialog(dialog);
        for (int row = 0; row < d.table()->rowCount(); ++row) {
            if (dialog.focusWidget() == d.nameEdit(row)) {
                focusedRow = row;
            }
        }
        focusedRow = focusedRow == d.rowOf(2) ? 2 : -2;
    });
    h.window->problemsButton()->click();
    QTRY_VERIFY(!h.window->problemsPanel()->isChecking());
    auto* view = h.window->problemsPanel()->view();
    int findingRow = -1;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            if (view->model()
                    ->index(row, column)
                    .data()
                    .toString()
                    .contains(QStringLiteral("\"Hidden 5.0W\" is not shown"))) {
                findingRow = row;
            }
        }
    }
    QVERIFY(findingRow >= 0);
    const QPoint at = view->visualRect(view->model()->index(findingRow, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(h.interaction.dialogsRun, 1);
    QCOMPARE(focusedRow, 2);
}

QTEST_MAIN(SatellitesAndSelectTest)
#include "test_satellites_and_select.moc"
