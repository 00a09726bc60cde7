// Undo and Redo in the window: each kind of step taken back and done again through the
// buttons and the keys, the channels shown and selected afterwards, the buttons' and the
// popup's texts, the modified mark, and the tree's expansion.
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTreeWidgetItem>
#include <functional>

#include "database/DisplayText.h"
#include "support/DialogDriver.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

Bytes tables(const WindowHarness& h) {
    return Bytes(h.db().bytes(), h.db().bytes() + table::Size);
}

// Rows selected as a user would, so that the list owns the selection.
void clickRows(WindowHarness& h, std::initializer_list<int> rows) {
    bool first = true;
    for (int row : rows) {
        const QRect rect = h.window->list()->visualRect(h.window->listModel()->index(row, 1));
        QTest::mouseClick(h.window->list()->viewport(), Qt::LeftButton,
                          first ? Qt::NoModifier : Qt::ControlModifier, rect.center());
        first = false;
    }
}

QVector<int> selectedRows(const WindowHarness& h) {
    return h.window->list()->selectedRowPositions();
}

// The rows `rows` carried `by` places as a drag carries them, and dropped.
void drag(WindowHarness& h, std::initializer_list<int> rows, int by) {
    clickRows(h, rows);
    ChannelListView* list = h.window->list();
    list->beginDrag(*rows.begin());
    list->moveSelectionTo(*rows.begin() + by);
    list->dragButtonUp();
}

struct StepKind {
    const char* name;
    const char* label;
    std::function<void(WindowHarness&)> make;
};

// Each kind of step as the user makes it; every question is answered OK.
const StepKind StepKinds[] = {
    {"delete", "delete 2 channels",
     [](WindowHarness& h) {
         clickRows(h, {1, 3});
         h.window->channelCommands().deleteChannels();
     }},
    {"drag", "move 2 channels",
     [](WindowHarness& h) {
         drag(h, {0, 2}, 3);
     }},
    {"dialog edit", "edit channel",
     [](WindowHarness& h) {
         clickRows(h, {2});
         h.interaction.dialogScripts.append(setFieldAndOk("nameEdit", "Rai Uno"));
         h.window->channelCommands().editChannel();
     }},
    {"favourites", "set favorites of 2 channels",
     [](WindowHarness& h) {
         clickRows(h, {0, 4});
         h.interaction.dialogScripts.append([](QDialog& dialog) {
             control<QCheckBox>(dialog, "favCheck3")->setChecked(true);
             pressOk(dialog);
         });
         h.window->channelCommands().addToFavorites();
     }},
    {"group names", "rename favorite groups",
     [](WindowHarness& h) {
         h.interaction.dialogScripts.append(setFieldAndOk("favNameEdit2", "Kino"));
         h.window->channelCommands().editGroupNames();
     }},
    {"add tp", "add transponder",
     [](WindowHarness& h) {
         h.selectTreeItem(h.satelliteItem(1));
         h.interaction.dialogScripts.append([](QDialog& dialog) {
             retype(dialog, "frequencyEdit", QStringLiteral("11100"));
             retype(dialog, "symbolRateEdit", QStringLiteral("27500"));
             pressOk(dialog);
         });
         h.window->transponderCommands().addTransponder();
     }},
    {"delete tp", "delete transponder",
     [](WindowHarness& h) {
         h.selectTreeItem(h.transponderItem(0, 0));
         h.window->transponderCommands().deleteTransponder();
     }},
};

}  // namespace

class UndoRedoTest : public QObject {
    Q_OBJECT

private slots:
    void eachKindOfStepIsUndoneAndRedoneByButtonsAndKeys();
    void theListShowsAndSelectsTheChannelsOfTheStep();
    void buttonsAndPopupNameTheStep();
    void theModifiedMarkFollowsSaveUndoAndRedo();
    void theTreeKeepsItsExpansion();
};

// Every kind of step is one step: one undo gives back every byte, one redo the change,
// whichever button or key does it; the list and the tree show the tables as they stand.
void UndoRedoTest::eachKindOfStepIsUndoneAndRedoneByButtonsAndKeys() {
    const std::function<void(WindowHarness&)> undos[] = {
        [](WindowHarness& h) { h.window->action(CommandId::Undo)->trigger(); },
        [](WindowHarness& h) { QTest::keyClick(h.window.get(), Qt::Key_Z, Qt::ControlModifier); },
    };
    const std::function<void(WindowHarness&)> redos[] = {
        [](WindowHarness& h) { h.window->action(CommandId::Redo)->trigger(); },
        [](WindowHarness& h) { QTest::keyClick(h.window.get(), Qt::Key_Y, Qt::ControlModifier); },
        [](WindowHarness& h) {
            QTest::keyClick(h.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        },
    };
    int n = 0;
    for (const StepKind& kind : StepKinds) {
        OpenedWindow h;
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        const Bytes before = tables(h);
        const QStringList treeBefore = h.treeTexts();
        kind.make(h);
        const Bytes after = tables(h);
        const QStringList listAfter = h.columnTexts(ColumnChannel);
        QVERIFY2(after != before, kind.name);
        QCOMPARE(h.session().undoLabel(), std::string(kind.label));
        QCOMPARE(h.session().history().stepCount(), size_t{1});

        undos[n % 2](h);
        QVERIFY2(tables(h) == before, kind.name);
        QCOMPARE(h.treeTexts(), treeBefore);
        QVERIFY(h.showsModified(false));
        redos[n % 3](h);
        QVERIFY2(tables(h) == after, kind.name);
        QVERIFY(h.showsModified(true));
        if (h.window->selection().filtersBySatellite() == false) {
            QCOMPARE(h.columnTexts(ColumnChannel), listAfter);
        }
        ++n;
    }
}

void UndoRedoTest::theListShowsAndSelectsTheChannelsOfTheStep() {
    OpenedWindow h;
    clickRows(h, {1, 3});
    h.window->channelCommands().deleteChannels();
    h.window->action(CommandId::Undo)->trigger();
    QCOMPARE(selectedRows(h), QVector<int>({1, 3}));
    QCOMPARE(h.window->selection().kind(), SelectionChannel);  // Delete acts on them again
    h.window->action(CommandId::Redo)->trigger();
    QVERIFY(selectedRows(h).isEmpty());  // they are gone
    QCOMPARE(h.rows(), 5);

    // A drag: the channels where they stood, then where the drop put them.
    h.window->action(CommandId::Undo)->trigger();
    drag(h, {0, 2}, 3);  // Das Erste and Rai 1 after ZDF
    QCOMPARE(h.columnTexts(ColumnChannel).mid(0, 5),
             QStringList({"Bayern 3[R]", "ZDF", "Hidden TV", "Das Erste", "Rai 1"}));
    h.window->action(CommandId::Undo)->trigger();
    QCOMPARE(selectedRows(h), QVector<int>({0, 2}));
    h.window->action(CommandId::Redo)->trigger();
    QCOMPARE(selectedRows(h), QVector<int>({3, 4}));

    // A channel the satellite filter hides: the list shows the whole view to show it.
    h.selectTreeItem(h.satelliteItem(1));
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Rai 1", "Rai Radio 2[R]"}));
    clickRows(h, {1});
    h.window->channelCommands().deleteChannels();
    h.selectTreeItem(h.satelliteItem(0));
    h.window->action(CommandId::Undo)->trigger();
    QVERIFY(!h.window->selection().filtersBySatellite());
    QCOMPARE(h.rows(), 7);
    QCOMPARE(selectedRows(h), QVector<int>({5}));
    QCOMPARE(h.cell(5, ColumnChannel), QStringLiteral("Rai Radio 2[R]"));
}

void UndoRedoTest::buttonsAndPopupNameTheStep() {
    OpenedWindow h;
    QVERIFY(!h.window->action(CommandId::Undo)->isEnabled() &&
            !h.window->action(CommandId::Redo)->isEnabled());
    clickRows(h, {1, 3});
    h.window->channelCommands().deleteChannels();
    QVERIFY(h.window->action(CommandId::Undo)->isEnabled() &&
            !h.window->action(CommandId::Redo)->isEnabled());
    QCOMPARE(h.window->action(CommandId::Undo)->toolTip(),
             QStringLiteral("Undo delete 2 channels"));

    // The popup's first two items; picking Undo takes the step back.
    clickRows(h, {0});
    h.interaction.popupChoices = QStringList({"Undo delete 2 channels"});
    const QRect row = h.window->list()->visualRect(h.window->listModel()->index(0, 1));
    QTest::mouseClick(h.window->list()->viewport(), Qt::RightButton, {}, row.center());
    QCOMPARE(h.interaction.popups.last().items.mid(0, 3),
             QStringList({"Undo delete 2 channels", "Redo", "Edit Channel..."}));
    QCOMPARE(h.rows(), 7);
    QVERIFY(!h.window->action(CommandId::Undo)->isEnabled() &&
            h.window->action(CommandId::Redo)->isEnabled());
    QCOMPARE(h.window->action(CommandId::Redo)->toolTip(),
             QStringLiteral("Redo delete 2 channels"));
    // A disabled entry runs nothing.
    h.interaction.popupChoices = QStringList({"Undo"});
    QTest::mouseClick(h.window->list()->viewport(), Qt::RightButton, {}, row.center());
    QCOMPARE(h.interaction.popups.last().items.mid(0, 2),
             QStringList({"Undo", "Redo delete 2 channels"}));
    QVERIFY(h.window->action(CommandId::Redo)->isEnabled());
}

// The mark is off exactly where the file was last opened or saved.
void UndoRedoTest::theModifiedMarkFollowsSaveUndoAndRedo() {
    OpenedWindow h;
    QVERIFY(h.renameChannel(0, "Erste"));
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.showsModified(false));
    h.window->action(CommandId::Undo)->trigger();
    QVERIFY(h.showsModified(true));
    h.window->action(CommandId::Undo)->trigger();  // nothing more to undo
    QVERIFY(h.showsModified(true));
    h.window->action(CommandId::Redo)->trigger();
    QVERIFY(h.showsModified(false));
    h.window->action(CommandId::Undo)->trigger();
    h.window->action(CommandId::Exit)->trigger();  // the save question comes back
    QVERIFY(h.interaction.messages.last().text.startsWith(QStringLiteral("Do you want")));
}

// After an edit, an undo or a redo every satellite that was expanded still is.
void UndoRedoTest::theTreeKeepsItsExpansion() {
    OpenedWindow h;
    h.satelliteItem(0)->setExpanded(true);
    h.satelliteItem(1)->setExpanded(true);
    clickRows(h, {0});
    h.window->channelCommands().deleteChannels();
    QVERIFY(h.satelliteItem(0)->isExpanded() && h.satelliteItem(1)->isExpanded());
    h.selectTreeItem(h.transponderItem(1, 0));
    h.window->runCommand(CommandId::DeleteTransponder);
    QCOMPARE(h.treeTexts().size(), 6);  // Hotbird has no transponder left
    QVERIFY(h.satelliteItem(0)->isExpanded() && h.satelliteItem(1)->isExpanded());
    h.window->action(CommandId::Undo)->trigger();
    QVERIFY(h.satelliteItem(0)->isExpanded() && h.satelliteItem(1)->isExpanded());
    h.window->action(CommandId::Undo)->trigger();
    QVERIFY(h.satelliteItem(0)->isExpanded() && h.satelliteItem(1)->isExpanded());
    QVERIFY(!h.satelliteItem(3)->isExpanded());
    h.window->action(CommandId::Redo)->trigger();
    QVERIFY(h.satelliteItem(0)->isExpanded() && h.satelliteItem(1)->isExpanded());
    QCOMPARE(h.treeTexts().first(), QStringLiteral("Astra 19.2E (3 TPs, 3 CHs)"));
}

QTEST_MAIN(UndoRedoTest)
#include "test_undo_redo.moc"
