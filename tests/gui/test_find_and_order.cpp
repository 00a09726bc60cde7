// Find above the list, the list's Move and Sort commands by keys and popup, Move to Position,
// type-ahead and the open keys: what the user sees afterwards, what is selected, and the undo
// of each. The rules themselves are tested in the core.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "database/DisplayText.h"
#include "support/DialogDriver.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/FindField.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

// The whole list of the test database in view All.
const QStringList AllRows = {"Das Erste", "Bayern 3[R]",    "Rai 1",     "ZDF",
                             "Hidden TV", "Rai Radio 2[R]", "Klassik[R]"};

QPoint rowPoint(WindowHarness& h, int row) {
    return h.window->panes()
        .list.view()
        ->visualRect(h.window->panes().list.model()->index(row, ColumnChannel))
        .center();
}

void clickRows(WindowHarness& h, std::initializer_list<int> rows) {
    bool first = true;
    for (int row : rows) {
        QTest::mouseClick(h.window->panes().list.view()->viewport(), Qt::LeftButton,
                          first ? Qt::NoModifier : Qt::ControlModifier, rowPoint(h, row));
        first = false;
    }
}

QVector<int> selectedRows(const WindowHarness& h) {
    return h.window->panes().list.view()->selectedRowPositions();
}

void typeInFind(WindowHarness& h, const QString& text) {
    QTest::keyClick(h.window.get(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(h.window->panes().list.findField(), text);
}

void rightClickAndPick(WindowHarness& h, int row, const QString& item) {
    h.interaction.popupChoices = QStringList({item});
    QTest::mouseClick(h.window->panes().list.view()->viewport(), Qt::RightButton, {},
                      rowPoint(h, row));
}

struct OrderCase {
    const char* name;
    std::initializer_list<int> rows;  // clicked first
    std::function<void(WindowHarness&)> run;
    QStringList after;
    QVector<int> selected;
    const char* undoText;
};

std::function<void(WindowHarness&)> key(int k) {
    return [k](WindowHarness& h) {
        QTest::keyClick(h.window->panes().list.view(), static_cast<Qt::Key>(k),
                        Qt::ControlModifier);
    };
}

std::function<void(WindowHarness&)> popup(const char* item) {
    return [item](WindowHarness& h) {
        rightClickAndPick(h, h.window->panes().list.view()->firstSelectedRow(),
                          QString::fromLatin1(item));
    };
}

}  // namespace

class FindAndOrderTest : public QObject {
    Q_OBJECT

private slots:
    void findNarrowsTheListAndCommandsActOnTheRowsSeen();
    void findFollowsEditsAndEscapeEmptiesIt();
    void eachMoveAndSortByKeyAndPopupIsOneUndoableStep();
    void sortWithOneRowFollowsItsOwnCopyOfARecord();
    void movesOnAFilteredListKeepToTheRowsShown();
    void moveToPositionRefusesWhatNoRowIs();
    void typeAheadAndOpenKeys();
};

void FindAndOrderTest::findNarrowsTheListAndCommandsActOnTheRowsSeen() {
    OpenedWindow h;
    typeInFind(h, "rAi");
    QVERIFY(h.window->panes().list.findField()->hasFocus());
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Rai 1", "Rai Radio 2[R]"}));
    QCOMPARE(h.window->panes().list.rowCountField()->text().trimmed(), QStringLiteral("2"));
    QCOMPARE(h.columnTexts(ColumnNo), QStringList({"0000", "0001"}));  // counts the rows shown
    // Delete acts on the row seen and selected, and the filter stays.
    clickRows(h, {1});
    QTest::keyClick(h.window->panes().list.view(), Qt::Key_Delete);
    QCOMPARE(h.db().channelName(6), "Klassik");  // the later slots moved up
    QCOMPARE(h.db().channelName(2), "Rai 1");
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Rai 1"}));
    // Undo brings it back into the filtered list.
    h.window->action(CommandId::Undo)->trigger();
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Rai 1", "Rai Radio 2[R]"}));
    // A digit text finds the service ID as well as names holding it.
    h.window->panes().list.findField()->clear();
    QTest::keyClicks(h.window->panes().list.findField(), "3");
    QVERIFY(h.columnTexts(ColumnChannel).contains("Bayern 3[R]"));
}

void FindAndOrderTest::findFollowsEditsAndEscapeEmptiesIt() {
    OpenedWindow h;
    typeInFind(h, "rai");
    clickRows(h, {0, 1});
    QVERIFY(h.renameChannel(2, "Uno"));
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Rai Radio 2[R]"}));
    QCOMPARE(selectedRows(h), QVector<int>({0}));  // the channel still shown stays selected
    QVERIFY(h.renameChannel(2, "Rai Uno"));        // and one that matches again comes back
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Rai Uno", "Rai Radio 2[R]"}));
    // Escape in the field empties it; the window stays open.
    QTest::keyClick(h.window->panes().list.findField(), Qt::Key_Escape);
    QCOMPARE(h.window->panes().list.findField()->text(), QString());
    QCOMPARE(h.rows(), AllRows.size());
    QVERIFY(h.window->isVisible());
}

void FindAndOrderTest::eachMoveAndSortByKeyAndPopupIsOneUndoableStep() {
    const OrderCase cases[] = {
        {"Ctrl+Home",
         {2, 4},
         key(Qt::Key_Home),
         {"Rai 1", "Hidden TV", "Das Erste", "Bayern 3[R]", "ZDF", "Rai Radio 2[R]", "Klassik[R]"},
         {0, 1},
         "Undo move 2 channels"},
        {"Ctrl+End",
         {0},
         key(Qt::Key_End),
         {"Bayern 3[R]", "Rai 1", "ZDF", "Hidden TV", "Rai Radio 2[R]", "Klassik[R]", "Das Erste"},
         {6},
         "Undo move 1 channel"},
        {"Ctrl+Up",
         {2, 4},
         key(Qt::Key_Up),
         {"Das Erste", "Rai 1", "Hidden TV", "Bayern 3[R]", "ZDF", "Rai Radio 2[R]", "Klassik[R]"},
         {1, 2},
         "Undo move 2 channels"},
        {"Ctrl+Down",
         {3},
         key(Qt::Key_Down),
         {"Das Erste", "Bayern 3[R]", "Rai 1", "Hidden TV", "ZDF", "Rai Radio 2[R]", "Klassik[R]"},
         {4},
         "Undo move 1 channel"},
        {"Move to Top",
         {6},
         popup("Move to Top"),
         {"Klassik[R]", "Das Erste", "Bayern 3[R]", "Rai 1", "ZDF", "Hidden TV", "Rai Radio 2[R]"},
         {0},
         "Undo move 1 channel"},
        {"Move to Bottom",
         {1, 3},
         popup("Move to Bottom"),
         {"Das Erste", "Rai 1", "Hidden TV", "Rai Radio 2[R]", "Klassik[R]", "Bayern 3[R]", "ZDF"},
         {5, 6},
         "Undo move 2 channels"},
        {"Move Up", {0}, popup("Move Up"), AllRows, {0}, "Undo move 1 channel"},
        {"Move Down",
         {5},
         popup("Move Down"),
         {"Das Erste", "Bayern 3[R]", "Rai 1", "ZDF", "Hidden TV", "Klassik[R]", "Rai Radio 2[R]"},
         {6},
         "Undo move 1 channel"},
        {"Move to Position",
         {5, 6},
         [](WindowHarness& h) {
             h.interaction.dialogScripts.append(setFieldAndOk("rowEdit", "1"));
             popup("Move to Position...")(h);
         },
         {"Das Erste", "Rai Radio 2[R]", "Klassik[R]", "Bayern 3[R]", "Rai 1", "ZDF", "Hidden TV"},
         {1, 2},
         "Undo move 2 channels"},
        // Sort of a selection: the three channels change places among their rows only.
        {"Sort by Name",
         {3, 4, 5},
         popup("Sort by Name"),
         {"Das Erste", "Bayern 3[R]", "Rai 1", "Hidden TV", "Rai Radio 2[R]", "ZDF", "Klassik[R]"},
         {3, 4, 5},
         "Undo sort 3 channels by name"},
        // One row selected: the whole list, and the channel stays selected where it went.
        {"Sort by Name, one row",
         {0},
         popup("Sort by Name"),
         {"Bayern 3[R]", "Das Erste", "Hidden TV", "Klassik[R]", "Rai 1", "Rai Radio 2[R]", "ZDF"},
         {1},
         "Undo sort 7 channels by name"},
    };
    for (const OrderCase& c : cases) {
        OpenedWindow h;
        clickRows(h, c.rows);
        const Bytes before(h.db().bytes(), h.db().bytes() + table::Size);
        c.run(h);
        QVERIFY2(h.columnTexts(ColumnChannel) == c.after, c.name);
        QVERIFY2(selectedRows(h) == c.selected, c.name);
        if (c.after != AllRows) {
            QCOMPARE(h.window->action(CommandId::Undo)->toolTip(), QString::fromLatin1(c.undoText));
            h.window->action(CommandId::Undo)->trigger();
            QVERIFY2(Bytes(h.db().bytes(), h.db().bytes() + table::Size) == before, c.name);
        }
        QVERIFY2(h.columnTexts(ColumnChannel) == AllRows, c.name);
    }
}

// Two channels with the same bytes: Sort with one of them selected keeps that one selected,
// the first copy or the second, wherever the sort puts them.
void FindAndOrderTest::sortWithOneRowFollowsItsOwnCopyOfARecord() {
    for (const auto& [clicked, expected] : {std::pair{0, 1}, std::pair{4, 2}}) {
        OpenedWindow h;
        std::vector<uint8_t> tables(h.db().bytes(), h.db().bytes() + table::Size);
        const auto offsetOf = [&h](int ch) {
            return static_cast<size_t>(h.db().tables().channels[ch] - h.db().bytes());
        };
        std::copy_n(tables.begin() + static_cast<std::ptrdiff_t>(offsetOf(0)), ChannelRecordSize,
                    tables.begin() + static_cast<std::ptrdiff_t>(offsetOf(4)));
        QVERIFY(h.edit(RestoreTables{tables}));  // "Hidden TV" becomes a copy of "Das Erste"
        clickRows(h, {clicked});
        rightClickAndPick(h, clicked, "Sort by Name");
        QCOMPARE(h.cell(1, ColumnChannel), QStringLiteral("Das Erste"));
        QCOMPARE(h.cell(2, ColumnChannel), QStringLiteral("Das Erste"));
        QCOMPARE(selectedRows(h), QVector<int>({expected}));
    }
}

// Satellite filter and Find together: the block lands among the rows shown, and the rows
// hidden keep their places.
void FindAndOrderTest::movesOnAFilteredListKeepToTheRowsShown() {
    OpenedWindow h;
    typeInFind(h, "r");  // Das Erste, Bayern 3, Rai 1, Rai Radio 2
    QCOMPARE(h.rows(), 4);
    clickRows(h, {3});
    QTest::keyClick(h.window->panes().list.view(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(h.columnTexts(ColumnChannel),
             QStringList({"Rai Radio 2[R]", "Das Erste", "Bayern 3[R]", "Rai 1"}));
    QCOMPARE(selectedRows(h), QVector<int>({0}));
    // Sort with one row selected sorts the rows shown only.
    rightClickAndPick(h, 0, "Sort by Service ID");
    h.window->panes().list.findField()->clear();
    QCOMPARE(h.rows(), AllRows.size());
    QCOMPARE(h.cell(4, ColumnChannel), QStringLiteral("ZDF"));  // unshown rows stay put
    QCOMPARE(h.cell(5, ColumnChannel), QStringLiteral("Hidden TV"));
    QCOMPARE(h.cell(6, ColumnChannel), QStringLiteral("Klassik[R]"));
}

void FindAndOrderTest::moveToPositionRefusesWhatNoRowIs() {
    OpenedWindow h;
    clickRows(h, {2});
    h.interaction.dialogScripts.append(setFieldAndOk("rowEdit", "7"));  // rows are 0..6
    rightClickAndPick(h, 2, "Move to Position...");
    QCOMPARE(h.interaction.messages.size(), 1);
    QCOMPARE(h.columnTexts(ColumnChannel), AllRows);
    QVERIFY(!h.window->action(CommandId::Undo)->isEnabled());
}

void FindAndOrderTest::typeAheadAndOpenKeys() {
    OpenedWindow h;
    ChannelListView* list = h.window->panes().list.view();
    list->setFocus();
    QTest::keyClicks(list, "ra");
    QCOMPARE(list->currentIndex().row(), 2);
    QTest::keyClicks(list, "i r");  // "rai r" goes on from the current row
    QCOMPARE(list->currentIndex().row(), 5);
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClick(list, Qt::Key_R);
    QTest::keyClick(list, Qt::Key_R);  // the same letter again steps on
    QCOMPARE(list->currentIndex().row(), 5);
    QCOMPARE(selectedRows(h), QVector<int>({5}));
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(list, "K");
    QCOMPARE(list->currentIndex().row(), 6);
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->currentIndex().row(), 0);
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(selectedRows(h).size(), AllRows.size());
    // Ctrl+F reaches Find from the list too, and the letters typed go there.
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(h.window->panes().list.findField()->hasFocus());
    list->setFocus();
    // Enter and F2 open the current row's channel, as a double-click does.
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_F2}) {
        const int dialogs = h.interaction.dialogsRun;
        h.interaction.dialogScripts.append(pressCancel());
        QTest::keyClick(list, k);
        QCOMPARE(h.interaction.dialogsRun, dialogs + 1);
    }
}

QTEST_MAIN(FindAndOrderTest)
#include "test_find_and_order.moc"
