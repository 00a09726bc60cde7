// Reordering channels by dragging list rows, driven by mouse events that go through the
// window as the platform delivers them (so the mouse grab decides who gets them): the live
// movement, the edges, scrolling, the question, and the order the table gets on a drop.
#define QTEST_QPA_MOUSE_HANDLING
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidgetItem>

#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

const QString MoveQuestion = QStringLiteral("Are you sure to move all selected channels?");

// The one question asked was the move question.
bool askedToMove(const ScriptedInteraction& ui) {
    return ui.messages.size() == 1 && ui.messages[0].text.startsWith(MoveQuestion + "\n");
}

// Channels C00 .. C60 in slots 0 .. 60: every third one (C02, C05, ...) on satellite
// "Beta", the others on "Alpha"; so C60, the last, is Alpha's.
Bytes dragImage(int channels = 61) {
    TestImageBuilder builder(5);
    builder.satellite(0, "Alpha").satellite(1, "Beta");
    builder.transponder(0, 0, 11000000, 27500, 0).transponder(1, 1, 12000000, 27500, 1);
    for (int i = 0; i < channels; ++i) {
        const std::string name = QStringLiteral("C%1").arg(i, 2, 10, QChar('0')).toStdString();
        builder.channel(i, i % 3 == 2 ? 1 : 0, name, 100 + i);
    }
    return builder.build();
}

QStringList names(std::initializer_list<int> numbers) {
    QStringList list;
    for (int n : numbers) {
        list.append(QStringLiteral("C%1").arg(n, 2, 10, QChar('0')));
    }
    return list;
}

QStringList namesFrom(int first, int last) {
    QStringList list;
    for (int n = first; n <= last; ++n) {
        list.append(names({n}));
    }
    return list;
}

// The live channels' names in table order: the order the receiver gets.
QStringList tableNames(const ChannelDatabase& db) {
    QStringList list;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch)) {
            const std::string_view name = db.channelName(ch);
            list.append(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
    return list;
}

class Dragger {
public:
    explicit Dragger(WindowHarness& h)
        : h_(h), list_(h.window->list()), viewport_(h.window->list()->viewport()) {}

    QPoint row(int r) const {
        return list_->visualRect(h_.window->listModel()->index(r, ColumnChannel)).center();
    }
    QPoint below() const { return {row(0).x(), viewport_->height() + 6 + nudge_++ % 3}; }
    QPoint above() const { return {row(0).x(), -8 - nudge_++ % 3}; }
    QPoint beside(int r) const { return {-30, row(r).y()}; }

    void press(Qt::MouseButton button, const QPoint& at, Qt::KeyboardModifiers keys = {}) {
        QTest::mousePress(viewport_, button, keys, at);
    }
    void move(const QPoint& to) { QTest::mouseMove(viewport_, to); }
    void release(Qt::MouseButton button, const QPoint& at, QWidget* over = nullptr) {
        QTest::mouseRelease(over ? over : viewport_, button, {}, at);
    }
    void click(int r, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(viewport_, Qt::LeftButton, keys, row(r));
    }
    // Selects rows by mouse: a click on the first, Ctrl+clicks on the others.
    void select(std::initializer_list<int> rows) {
        bool first = true;
        for (int r : rows) {
            click(r, first ? Qt::NoModifier : Qt::ControlModifier);
            first = false;
        }
    }
    // Selects rows `first` to `last` by a click and a Shift+click.
    void selectRange(int first, int last) {
        click(first);
        click(last, Qt::ShiftModifier);
    }
    // Presses on row `from` and moves through the rows to `to` one at a time.
    void pressAndMove(int from, int to, Qt::MouseButton button = Qt::LeftButton) {
        press(button, row(from));
        moveThrough(from, to);
    }
    // Moves from row `from` through the rows to `to`, one at a time.
    void moveThrough(int from, int to) {
        const int step = to > from ? 1 : -1;
        for (int r = from + step; r != to + step; r += step) {
            move(row(r));
        }
    }
    // The same, released at `to`.
    void drag(int from, int to, Qt::MouseButton button = Qt::LeftButton) {
        pressAndMove(from, to, button);
        release(button, row(to));
    }

    QStringList shown() const { return h_.columnTexts(ColumnChannel); }
    QVector<int> selected() const { return list_->selectedRowPositions(); }

private:
    WindowHarness& h_;
    ChannelListView* list_;
    QWidget* viewport_;
    mutable int nudge_ = 0;
};

// The offscreen platform cannot grab the mouse and says so on every drag; the grab it
// stands for is Qt's own while a button is down, which these tests go through.
QtMessageHandler defaultHandler = nullptr;

void dropGrabWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QStringLiteral("This plugin does not support grabbing the mouse"))) {
        defaultHandler(type, context, text);
    }
}

QVector<int> range(int first, int last) {
    QVector<int> rows;
    for (int r = first; r <= last; ++r) {
        rows.append(r);
    }
    return rows;
}

}  // namespace

class DragAndDropTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void selectedRowsFollowTheMouse();
    void pressOnASelectedRowKeepsTheSelectionForTheDrag();
    void blockStopsAtTheFirstAndLastRow();
    void dropCommitsTheOrderShown_data();
    void dropCommitsTheOrderShown();
    void scatteredRowsLandAsOneBlock();
    void cancelRestoresTheStoredOrder();
    void rightButtonDragsAndReleaseOutsideTheListEnds();
    void eitherButtonEndsTheDrag();
    void mouseOutsideTheListScrollsOneRowPerMove();
    void filteredListDropsBeforeTheShownChannel();
    void filteredListDropAfterTheLastShownRow();
    void foundListDropsBeforeTheShownChannel();
    void dragThatEndsWhereItBeganAsksNothing();
    void modelStaysConsistentThroughADrag();
    void closingDuringADragEndsItFirst();
    void dontAskAgainTakenWithOkOnly();

private:
    std::unique_ptr<WindowHarness> h;
};

void DragAndDropTest::initTestCase() {
    defaultHandler = qInstallMessageHandler(dropGrabWarnings);
}

void DragAndDropTest::init() {
    h = std::make_unique<WindowHarness>();
    QVERIFY(h->openImage(dragImage()));
    QVERIFY(QApplication::startDragDistance() < h->window->list()->rowHeight(0));
}

void DragAndDropTest::selectedRowsFollowTheMouse() {
    Dragger d(*h);
    d.selectRange(2, 4);
    d.press(Qt::LeftButton, d.row(3));
    d.move(d.row(3) + QPoint(0, 3));  // within the row: no step yet
    QCOMPARE(d.shown().mid(0, 6), names({0, 1, 2, 3, 4, 5}));
    d.move(d.row(4));
    QCOMPARE(h->window->list()->isDragging(), true);
    QCOMPARE(d.shown().mid(0, 7), names({0, 1, 5, 2, 3, 4, 6}));
    QCOMPARE(d.selected(), range(3, 5));
    d.move(d.row(6));  // a fast move jumps the whole distance at once
    QCOMPARE(d.shown().mid(0, 9), names({0, 1, 5, 6, 7, 2, 3, 4, 8}));
    QCOMPARE(d.selected(), range(5, 7));
    QCOMPARE(h->window->list()->currentIndex().row(), 6);  // the pressed row, carried along
    // "No." is the row's place, not the channel's: it stays while channels move.
    QCOMPARE(h->cell(5, ColumnNo), QStringLiteral("0005"));
    QCOMPARE(h->cell(5, ColumnIndex), QStringLiteral("2"));
    // Beside the rows nothing moves.
    d.move(d.beside(1));
    QCOMPARE(d.selected(), range(5, 7));
    // Only the screen changed so far.
    QCOMPARE(tableNames(h->db()), namesFrom(0, 60));
    QVERIFY(!h->window->session().isModified());

    d.release(Qt::LeftButton, d.row(6));
    QCOMPARE(h->interaction.messageTexts(), QStringList({MoveQuestion + "\nMove 3 channels?"}));
    QCOMPARE(h->window->list()->isDragging(), false);
    QCOMPARE(tableNames(h->db()).mid(0, 9), names({0, 1, 5, 6, 7, 2, 3, 4, 8}));
    QCOMPARE(d.shown().mid(0, 9), names({0, 1, 5, 6, 7, 2, 3, 4, 8}));
    QCOMPARE(d.selected(), range(5, 7));
    QCOMPARE(h->window->list()->currentIndex().row(), 5);
    QCOMPARE(h->cell(5, ColumnNo), QStringLiteral("0005"));
    QVERIFY(h->showsModified(true));
    QCOMPARE(h->window->selection().kind(), SelectionChannel);
}

void DragAndDropTest::pressOnASelectedRowKeepsTheSelectionForTheDrag() {
    Dragger d(*h);
    d.select({1, 4, 6});
    d.press(Qt::LeftButton, d.row(4));
    QCOMPARE(d.selected(), QVector<int>({1, 4, 6}));
    d.move(d.row(5));
    // Gathered at row 1, then one row down with the mouse.
    QCOMPARE(d.selected(), QVector<int>({2, 3, 4}));
    QCOMPARE(d.shown().mid(0, 8), names({0, 2, 1, 4, 6, 3, 5, 7}));
    d.move(d.row(3));
    QCOMPARE(d.selected(), QVector<int>({0, 1, 2}));
    h->interaction.answers.append(Interaction::Answer::Cancel);
    d.release(Qt::LeftButton, d.row(3));
    QCOMPARE(d.selected(), QVector<int>({1, 4, 6}));

    // A click without a drag on a row of the selection selects only that row.
    d.click(4);
    QCOMPARE(d.selected(), QVector<int>({4}));
}

void DragAndDropTest::blockStopsAtTheFirstAndLastRow() {
    Dragger d(*h);
    d.selectRange(1, 3);
    d.press(Qt::LeftButton, d.row(3));
    d.move(d.row(0));  // three up, but only one row is free above the block
    QCOMPARE(d.selected(), range(0, 2));
    QCOMPARE(d.shown().mid(0, 4), names({1, 2, 3, 0}));
    d.move(d.above());
    d.move(d.row(0) + QPoint(0, -2));
    QCOMPARE(d.selected(), range(0, 2));
    // Coming back, the pressed row follows the mouse again.
    d.move(d.row(4));
    QCOMPARE(d.selected(), range(2, 4));
    h->interaction.answers.append(Interaction::Answer::Cancel);
    d.release(Qt::LeftButton, d.row(4));

    // The same against the last row, reached by scrolling to the end.
    const int last = h->rows() - 1;
    h->window->list()->scrollToBottom();
    d.selectRange(last - 3, last - 2);
    d.press(Qt::LeftButton, d.row(last - 3));
    d.move(d.row(last));
    QCOMPARE(d.selected(), range(last - 1, last));
    d.move(d.below());
    QCOMPARE(d.selected(), range(last - 1, last));
    d.release(Qt::LeftButton, d.row(last));
    QCOMPARE(tableNames(h->db()).mid(56), names({56, 59, 60, 57, 58}));
}

void DragAndDropTest::dropCommitsTheOrderShown_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("button");
    QTest::newRow("one row down") << 2 << 1 << 2 << 9 << int(Qt::LeftButton);
    QTest::newRow("block down") << 0 << 4 << 1 << 7 << int(Qt::LeftButton);
    QTest::newRow("block up") << 8 << 3 << 10 << 1 << int(Qt::LeftButton);
    QTest::newRow("block to the top") << 5 << 2 << 5 << 0 << int(Qt::RightButton);
    QTest::newRow("pressed on the block's end") << 3 << 2 << 4 << 12 << int(Qt::RightButton);
    QTest::newRow("far down") << 4 << 2 << 4 << 15 << int(Qt::LeftButton);
}

// For a contiguous selection, what the list showed at the release is what the table gets,
// and the moved channels are selected where they were dropped.
void DragAndDropTest::dropCommitsTheOrderShown() {
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(int, pressed);
    QFETCH(int, to);
    QFETCH(int, button);
    Dragger d(*h);
    d.selectRange(first, first + count - 1);
    const auto mouseButton = static_cast<Qt::MouseButton>(button);
    d.pressAndMove(pressed, to, mouseButton);
    const QStringList shownAtRelease = d.shown();
    const QVector<int> selectedAtRelease = d.selected();
    QCOMPARE(selectedAtRelease.size(), count);
    d.release(mouseButton, d.row(to));
    QVERIFY(askedToMove(h->interaction));
    QCOMPARE(tableNames(h->db()), shownAtRelease);
    QCOMPARE(d.shown(), shownAtRelease);
    QCOMPARE(d.selected(), selectedAtRelease);
}

// Rows that are not adjacent are shown as one block, in their order, at the first one's
// place as soon as the drag moves; the block follows the mouse and lands as shown.
void DragAndDropTest::scatteredRowsLandAsOneBlock() {
    Dragger d(*h);
    d.select({3, 6});
    d.press(Qt::LeftButton, d.row(6));
    d.move(d.row(6) + QPoint(QApplication::startDragDistance() + 1, 0));
    QCOMPARE(d.shown().mid(2, 5), names({2, 3, 6, 4, 5}));
    QCOMPARE(d.selected(), QVector<int>({3, 4}));
    d.moveThrough(6, 11);
    QCOMPARE(d.selected(), QVector<int>({8, 9}));
    const QStringList shownAtRelease = d.shown();
    QCOMPARE(shownAtRelease.mid(7, 4), names({9, 3, 6, 10}));
    QStringList shownWhileAsking;
    h->interaction.whileShown = [&] { shownWhileAsking = d.shown(); };
    d.release(Qt::LeftButton, d.row(11));
    QCOMPARE(shownWhileAsking, shownAtRelease);  // the question is asked over the preview
    QCOMPARE(h->interaction.messageTexts(), QStringList({MoveQuestion + "\nMove 2 channels?"}));
    QCOMPARE(tableNames(h->db()), shownAtRelease);
    QCOMPARE(d.shown(), shownAtRelease);
    QCOMPARE(d.selected(), QVector<int>({8, 9}));

    // Gathering alone is a reorder: dragged back to where it began, it still asks.
    h->interaction.messages.clear();
    d.select({0, 2});
    h->interaction.answers.append(Interaction::Answer::Cancel);
    d.pressAndMove(2, 3);
    d.move(d.row(2));
    d.release(Qt::LeftButton, d.row(2));
    QVERIFY(askedToMove(h->interaction));
}

void DragAndDropTest::cancelRestoresTheStoredOrder() {
    Dragger d(*h);
    d.select({2, 3, 7});
    h->interaction.answers.append(Interaction::Answer::Cancel);
    d.drag(3, 9);
    QVERIFY(askedToMove(h->interaction));
    QCOMPARE(d.shown(), namesFrom(0, 60));
    QCOMPARE(tableNames(h->db()), namesFrom(0, 60));
    QCOMPARE(d.selected(), QVector<int>({2, 3, 7}));
    QVERIFY(h->showsModified(false));
}

void DragAndDropTest::rightButtonDragsAndReleaseOutsideTheListEnds() {
    Dragger d(*h);
    d.click(0);
    // The right button changes no selection: the drag moves the selected row.
    d.press(Qt::RightButton, d.row(0));
    d.move(d.row(1));
    d.move(d.row(2));
    QCOMPARE(d.selected(), QVector<int>({2}));
    // Released over the tree: the list still gets it.
    SatelliteTree* tree = h->window->tree();
    d.release(Qt::RightButton, tree->viewport()->rect().center(), tree->viewport());
    QCOMPARE(h->window->list()->isDragging(), false);
    QCOMPARE(h->interaction.messageTexts(),
             QStringList({MoveQuestion + "\nMove channel \"C00\"?"}));
    QCOMPARE(tableNames(h->db()).mid(0, 4), names({1, 2, 0, 3}));
    // No popup after a right-button drag, and the tree kept its (empty) selection.
    QVERIFY(h->interaction.popups.isEmpty());
    QVERIFY(tree->selectedItem() == nullptr);
}

void DragAndDropTest::eitherButtonEndsTheDrag() {
    Dragger d(*h);
    d.click(5);
    d.press(Qt::LeftButton, d.row(5));
    d.move(d.row(6));
    d.press(Qt::RightButton, d.row(7));  // a second button changes nothing
    d.move(d.row(7));
    QCOMPARE(d.selected(), QVector<int>({7}));
    d.release(Qt::RightButton, d.row(7));
    QCOMPARE(h->window->list()->isDragging(), false);
    QCOMPARE(h->interaction.messages.size(), 1);
    QCOMPARE(tableNames(h->db()).mid(5, 3), names({6, 7, 5}));
    // The left button's own release and moves belong to the finished drag.
    d.move(d.row(2));
    d.release(Qt::LeftButton, d.row(2));
    QCOMPARE(h->interaction.messages.size(), 1);
    QCOMPARE(d.selected(), QVector<int>({7}));
    QVERIFY(h->interaction.popups.isEmpty());
}

void DragAndDropTest::mouseOutsideTheListScrollsOneRowPerMove() {
    Dragger d(*h);
    ChannelListView* list = h->window->list();
    QScrollBar* scroll = list->verticalScrollBar();
    const int page = list->viewport()->height() / list->rowHeight(0);
    d.click(3);
    d.press(Qt::LeftButton, d.row(3));
    d.move(d.row(4));
    QCOMPARE(scroll->value(), 0);
    for (int i = 1; i <= 3; ++i) {
        d.move(d.below());
        QCOMPARE(scroll->value(), i);
        // The row carried along is the first one that was not entirely visible.
        QCOMPARE(d.selected(), QVector<int>({i - 1 + page}));
    }
    // With the mouse held still, nothing scrolls.
    QTest::qWait(150);
    QCOMPARE(scroll->value(), 3);
    d.move(d.above());
    QCOMPARE(scroll->value(), 2);
    QCOMPARE(d.selected(), QVector<int>({2}));
    d.move(d.above());
    d.move(d.above());
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(d.selected(), QVector<int>({0}));
    // Above the first row, the block stays at the top.
    d.move(d.above());
    QCOMPARE(d.selected(), QVector<int>({0}));
    // Far down: the block reaches the last row and stops there.
    for (int i = 0; i < 70; ++i) {
        d.move(d.below());
    }
    QCOMPARE(d.selected(), QVector<int>({60}));
    QCOMPARE(scroll->value(), scroll->maximum());
    d.release(Qt::LeftButton, d.below());
    QCOMPARE(tableNames(h->db()).last(), names({3}).first());
}

// The drop target is the channel shown in the filtered list, never a row of the whole
// view; the channels of the other satellite keep their order.
void DragAndDropTest::filteredListDropsBeforeTheShownChannel() {
    h->selectTreeItem(h->satelliteItem(1));
    Dragger d(*h);
    QCOMPARE(d.shown().mid(0, 4), names({2, 5, 8, 11}));
    d.click(0);
    d.drag(0, 2);
    QCOMPARE(d.shown().mid(0, 4), names({5, 8, 2, 11}));
    QCOMPARE(d.selected(), QVector<int>({2}));
    QStringList expected = namesFrom(0, 60);
    expected.removeOne(QStringLiteral("C02"));
    expected.insert(expected.indexOf(QStringLiteral("C11")), QStringLiteral("C02"));
    QCOMPARE(tableNames(h->db()), expected);
    // The list stays filtered.
    QCOMPARE(h->rows(), 20);
    QVERIFY(h->window->selection().filtersBySatellite());
}

// Under Find the drop lands where it was shown too: before the next channel found.
void DragAndDropTest::foundListDropsBeforeTheShownChannel() {
    QTest::keyClicks(h->window->findField(), "c1");
    Dragger d(*h);
    QCOMPARE(d.shown(), namesFrom(10, 19));
    d.click(0);
    d.drag(0, 2);
    QCOMPARE(d.shown().mid(0, 4), names({11, 12, 10, 13}));
    QStringList expected = namesFrom(0, 60);
    expected.removeOne(QStringLiteral("C10"));
    expected.insert(expected.indexOf(QStringLiteral("C13")), QStringLiteral("C10"));
    QCOMPARE(tableNames(h->db()), expected);
    QCOMPARE(h->rows(), 10);
    QCOMPARE(h->window->findField()->text(), QStringLiteral("c1"));
}

// Dropped below every unselected row of a filtered list, the block goes directly after the
// last of them, not to the end of the table: C60 (Alpha's) still follows.
void DragAndDropTest::filteredListDropAfterTheLastShownRow() {
    h->selectTreeItem(h->satelliteItem(1));
    Dragger d(*h);
    d.selectRange(0, 1);
    d.press(Qt::LeftButton, d.row(1));
    for (int i = 0; i < 30; ++i) {
        d.move(d.below());
    }
    QCOMPARE(d.selected(), QVector<int>({18, 19}));
    d.release(Qt::LeftButton, d.below());
    QCOMPARE(tableNames(h->db()).mid(54), names({56, 57, 58, 59, 2, 5, 60}));
    QCOMPARE(d.shown().mid(15), names({53, 56, 59, 2, 5}));
    QCOMPARE(d.selected(), QVector<int>({18, 19}));
}

void DragAndDropTest::dragThatEndsWhereItBeganAsksNothing() {
    Dragger d(*h);
    d.click(4);
    d.press(Qt::LeftButton, d.row(4));
    d.move(d.row(6));
    d.move(d.row(4));
    d.release(Qt::LeftButton, d.row(4));
    QVERIFY(h->interaction.messages.isEmpty());
    QVERIFY(!h->window->session().isModified());
    QCOMPARE(d.selected(), QVector<int>({4}));
}

void DragAndDropTest::modelStaysConsistentThroughADrag() {
    QAbstractItemModelTester tester(h->window->listModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    Dragger d(*h);
    d.select({0, 2, 3});
    h->interaction.answers.append(Interaction::Answer::Cancel);
    d.drag(2, 8);
    d.drag(3, 5);
    QCOMPARE(tableNames(h->db()).mid(0, 7), names({1, 4, 0, 2, 3, 5, 6}));
}

// Escape during a drag ends it (nothing moves) and asks nothing; the close box ends it too,
// then asks the save question. The button's release afterwards belongs to the ended drag.
void DragAndDropTest::closingDuringADragEndsItFirst() {
    QVERIFY(h->edit(RenameGroups{{{7, "Changed"}}}));
    Dragger d(*h);
    d.select({2, 5});
    d.pressAndMove(2, 6);
    QCOMPARE(h->window->list()->isDragging(), true);
    QTest::keyClick(h->window->list(), Qt::Key_Escape);
    QCOMPARE(h->window->list()->isDragging(), false);
    QCOMPARE(d.shown(), namesFrom(0, 60));
    QCOMPARE(d.selected(), QVector<int>({2, 5}));
    QVERIFY(h->window->isVisible());
    d.release(Qt::LeftButton, d.row(6));
    QVERIFY(h->interaction.messages.isEmpty());

    h->interaction.answers = {Interaction::Answer::Cancel, Interaction::Answer::Discard};
    int draggingWhileAsking = -1;
    h->interaction.whileShown = [&] { draggingWhileAsking = h->window->list()->isDragging(); };
    d.pressAndMove(2, 6);
    QVERIFY(!h->window->close());
    QCOMPARE(draggingWhileAsking, 0);
    QVERIFY(h->window->isVisible());
    d.release(Qt::LeftButton, d.row(6));
    QCOMPARE(h->interaction.messages.size(), 1);
    QVERIFY(h->interaction.messages[0].text.startsWith(QStringLiteral("Do you want to save")));

    d.pressAndMove(2, 4);
    QVERIFY(h->window->close());
    QVERIFY(!h->window->isVisible());
    QCOMPARE(h->interaction.messages.size(), 2);
    QCOMPARE(h->window->list()->isDragging(), false);
    QCOMPARE(tableNames(h->db()), namesFrom(0, 60));
}

// The move question offers "Don't ask again"; ticked with Cancel it is not kept, with OK
// later drops move without asking.
void DragAndDropTest::dontAskAgainTakenWithOkOnly() {
    Dragger d(*h);
    h->interaction.answers = {Interaction::Answer::Cancel};
    h->interaction.checks = {true, true};
    for (int drop = 0; drop < 3; ++drop) {
        h->interaction.messages.clear();
        d.selectRange(0, 0);
        d.pressAndMove(0, 3);
        d.release(Qt::LeftButton, d.row(3));
        QCOMPARE(h->interaction.messages.size(), drop < 2 ? 1 : 0);
    }
    QCOMPARE(h->interaction.checks.size(), 0);
    QCOMPARE(tableNames(h->db()).mid(0, 4), names({2, 3, 0, 1}));
}

QTEST_MAIN(DragAndDropTest)
#include "test_drag_and_drop.moc"
