// The popups of the list and the tree, their seven commands (guards, questions, results
// and the row selected afterwards) and the keys that reach the same handlers.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidgetItem>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "support/DialogDriver.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

// The questions, with what they act on on their second line.
QString deleteQuestion(const QString& what) {
    return QStringLiteral("Are you sure to delete all selected channels?\nDelete %1?").arg(what);
}
QString deleteTpQuestion(const QString& what) {
    return QStringLiteral("Are you sure to delete the selected transponder?\nDelete %1?").arg(what);
}
// The texts of a popup's items as the window builds it now.
QStringList popupItems(WindowHarness& h, Popup popup) {
    QStringList items;
    const std::unique_ptr<QMenu> menu = h.window->buildPopup(popup);
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            items.append(action->text());
        }
    }
    return items;
}

QPoint rowPoint(WindowHarness& h, int row) {
    return h.window->list()->visualRect(h.window->listModel()->index(row, ColumnChannel)).center();
}

QPoint itemPoint(WindowHarness& h, QTreeWidgetItem* item) {
    return h.window->tree()->visualItemRect(item).center();
}

void rightClickList(WindowHarness& h, int row) {
    QTest::mouseClick(h.window->list()->viewport(), Qt::RightButton, {}, rowPoint(h, row));
}

void rightClickTree(WindowHarness& h, QTreeWidgetItem* item) {
    QTest::mouseClick(h.window->tree()->viewport(), Qt::RightButton, {}, itemPoint(h, item));
}

// Rows selected as a user would, so that the list owns the selection.
void clickRows(WindowHarness& h, std::initializer_list<int> rows) {
    bool first = true;
    for (int row : rows) {
        QTest::mouseClick(h.window->list()->viewport(), Qt::LeftButton,
                          first ? Qt::NoModifier : Qt::ControlModifier, rowPoint(h, row));
        first = false;
    }
}

QVector<int> selectedRows(WindowHarness& h) {
    return h.window->list()->selectedRowPositions();
}

ScriptedInteraction::DialogScript tickGroups(const QList<int>& groups) {
    return [groups](QDialog& dialog) {
        for (int n = 1; n <= FavoriteGroupCount; ++n) {
            control<QCheckBox>(dialog, QStringLiteral("favCheck%1").arg(n).toLatin1())
                ->setChecked(groups.contains(n));
        }
        pressOk(dialog);
    };
}

ScriptedInteraction::DialogScript newChannel(const QString& name, int serviceId, int pid) {
    return [=](QDialog& dialog) {
        retype(dialog, "nameEdit", name);
        retype(dialog, "serviceIdEdit", QString::number(serviceId));
        retype(dialog, "videoPidEdit", QString::number(pid));
        retype(dialog, "audioPidEdit", QString::number(pid + 1));
        retype(dialog, "pcrPidEdit", QString::number(pid));
        pressOk(dialog);
    };
}

ScriptedInteraction::DialogScript newTransponder(int mhz, int symbolRate) {
    return [=](QDialog& dialog) {
        retype(dialog, "frequencyEdit", QString::number(mhz));
        retype(dialog, "symbolRateEdit", QString::number(symbolRate));
        pressOk(dialog);
    };
}

}  // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void popupsHoldTheirItemsAndCommands();
    void rightPressActsOnWhatItPoints();
    void pickedItemRunsItsCommand();
    void deleteAsksAndSelectsTheRowThatFollowed();
    void deleteOfTheLastRowsSelectsTheNewLastRow();
    void deleteInAFilteredListSelectsWithinIt();
    void addToFavoriteReplacesTheGroupsOfEverySelectedChannel();
    void editFavoriteEditsTheTopmostSelectedChannel();
    void editFavoriteNameNeedsNoSelection();
    void deleteTransponderAsksAndNeverDeletesTwice();
    void addChannelGoesToTheLastSelectedTransponder();
    void addChannelAsksBeforeReplacingAChannel();
    void addTransponderNeedsASatelliteFromTheTree();
    void commandsNeverUseAStaleTransponder();
    void deleteKeyActsOnAKeyboardSelection();
    void deleteKeyOnATransponderItemDeletesIt();
    void fileShortcutsRunOpenSaveAndSaveAs();
    void menuKeyOpensThePopupOfTheFocusedWidget();
};

// Each popup offers what acts on its kind of item, every item enabled but Undo and Redo
// while there is no step for them; after an edit Undo is there too.
void CommandsTest::popupsHoldTheirItemsAndCommands() {
    OpenedWindow h;
    const std::pair<Popup, QStringList> someItems[] = {
        {Popup::List,
         {"Undo", "Redo", "Delete", "Add to Favorite", "Move to Top", "Sort by Name", "Select"}},
        {Popup::Transponder, {"Delete TP", "Add Channel"}},
        {Popup::Satellite, {"Add TP", "Hide Satellite", "Rename Satellite..."}},
    };
    for (const auto& [popup, items] : someItems) {
        const std::unique_ptr<QMenu> menu = h.window->buildPopup(popup);
        QStringList shown;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            shown.append(action->text());
            const CommandId id = commandOf(*action);
            QCOMPARE(action->isEnabled(), id != CommandId::Undo && id != CommandId::Redo);
        }
        for (const QString& item : items) {
            QVERIFY2(shown.contains(item), qPrintable(item));
        }
        QVERIFY(!shown.contains(popup == Popup::List ? "Add TP" : "Delete"));
    }
    QVERIFY(h.renameChannel(0, "Erste"));
    QVERIFY(h.window->buildPopup(Popup::List)->actions().first()->isEnabled());
}

// A right press on what is not selected selects it alone first, so the popup's command
// acts on what was pointed at; on a selected list row the selection stays.
void CommandsTest::rightPressActsOnWhatItPoints() {
    OpenedWindow h;
    clickRows(h, {1, 3});
    rightClickList(h, 3);
    QCOMPARE(selectedRows(h), QVector<int>({1, 3}));
    QCOMPARE(h.interaction.popups.last().items, popupItems(h, Popup::List));
    h.selectTreeItem(h.satelliteItem(0));
    rightClickList(h, 2);
    QCOMPARE(selectedRows(h), QVector<int>({2}));
    QCOMPARE(h.window->selection().kind(), SelectionChannel);
    // Beside the rows: nothing stays selected for a command to act on unseen.
    QTest::mouseClick(h.window->list()->viewport(), Qt::RightButton, {},
                      QPoint(10, h.window->list()->viewport()->height() - 2));
    QVERIFY(selectedRows(h).isEmpty());

    // The tree: transponder A selected, B right-clicked, "Delete TP": B goes, A stays.
    h.satelliteItem(0)->setExpanded(true);
    h.selectTreeItem(h.transponderItem(0, 0));
    clickRows(h, {0});
    h.interaction.popupChoices = QStringList({"Delete TP"});
    rightClickTree(h, h.transponderItem(0, 2));
    QCOMPARE(h.interaction.popups.last().items, popupItems(h, Popup::Transponder));
    QCOMPARE(h.interaction.messageTexts(),
             QStringList({deleteTpQuestion("transponder 12603V and its 1 channel")}));
    QVERIFY(h.db().isLiveTransponder(0) && !h.db().isLiveTransponder(4));
    // Beside the items no popup opens.
    const int popups = h.interaction.popups.size();
    QTest::mouseClick(h.window->tree()->viewport(), Qt::RightButton, {},
                      QPoint(10, h.window->tree()->viewport()->height() - 2));
    QCOMPARE(h.interaction.popups.size(), popups);
}

void CommandsTest::pickedItemRunsItsCommand() {
    OpenedWindow h;
    clickRows(h, {0});
    h.interaction.popupChoices = QStringList({"Delete"});
    h.interaction.answers.append(Interaction::Answer::Cancel);
    rightClickList(h, 4);
    QCOMPARE(h.interaction.messageTexts(), QStringList({deleteQuestion("channel \"Hidden TV\"")}));
    QCOMPARE(h.interaction.messages[0].buttons, Interaction::Buttons::OkCancel);

    h.selectTreeItem(h.satelliteItem(1));
    h.interaction.popupChoices = QStringList({"Add TP"});
    h.interaction.dialogScripts.append(pressCancel());
    rightClickTree(h, h.satelliteItem(1));
    QCOMPARE(h.interaction.dialogsRun, 1);
}

void CommandsTest::deleteAsksAndSelectsTheRowThatFollowed() {
    OpenedWindow h;
    h.selectRows({1, 3});
    h.window->channelCommands().deleteChannels();  // the list does not own the selection
    QVERIFY(h.interaction.messages.isEmpty());

    clickRows(h, {1, 3});
    h.interaction.answers.append(Interaction::Answer::Cancel);
    h.window->channelCommands().deleteChannels();
    QCOMPARE(h.interaction.messageTexts(), QStringList({deleteQuestion("2 channels")}));
    QCOMPARE(h.rows(), 7);
    QCOMPARE(selectedRows(h), QVector<int>({1, 3}));
    QVERIFY(!h.window->session().isModified());

    h.window->channelCommands().deleteChannels();
    QCOMPARE(h.columnTexts(ColumnChannel),
             QStringList({"Das Erste", "Rai 1", "Hidden TV", "Rai Radio 2[R]", "Klassik[R]"}));
    QVERIFY(!h.db().isLiveChannel(3) && !h.db().isLiveChannel(6) && !h.db().isLiveChannel(7));
    // ZDF was followed by "Hidden TV".
    QCOMPARE(selectedRows(h), QVector<int>({2}));
    QVERIFY(h.showsModified(true));
    QCOMPARE(h.window->rowCountField()->text(), QStringLiteral("    5"));
    QCOMPARE(h.treeTexts().first(), QStringLiteral("Astra 19.2E (3 TPs, 2 CHs)"));
}

void CommandsTest::deleteOfTheLastRowsSelectsTheNewLastRow() {
    OpenedWindow h;
    clickRows(h, {5, 6});
    h.window->channelCommands().deleteChannels();
    QCOMPARE(h.rows(), 5);
    QCOMPARE(selectedRows(h), QVector<int>({4}));
    // Everything: no row is left to select.
    h.window->list()->selectAll();
    h.window->channelCommands().deleteChannels();
    QCOMPARE(h.rows(), 0);
    QVERIFY(selectedRows(h).isEmpty());
}

// The row is clamped to the rows the filtered list shows, not to the whole view.
void CommandsTest::deleteInAFilteredListSelectsWithinIt() {
    OpenedWindow h;
    h.selectTreeItem(h.satelliteItem(0));
    QCOMPARE(h.columnTexts(ColumnChannel),
             QStringList({"Das Erste", "Bayern 3[R]", "ZDF", "Klassik[R]"}));
    clickRows(h, {3});
    h.window->channelCommands().deleteChannels();
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Das Erste", "Bayern 3[R]", "ZDF"}));
    QCOMPARE(selectedRows(h), QVector<int>({2}));
    QVERIFY(h.window->selection().filtersBySatellite());
}

void CommandsTest::addToFavoriteReplacesTheGroupsOfEverySelectedChannel() {
    OpenedWindow h;
    h.selectRows({0, 3});
    h.window->channelCommands().addToFavorites();
    QCOMPARE(h.interaction.dialogsRun, 0);

    clickRows(h, {0, 3});
    h.interaction.dialogScripts.append(pressCancel());
    h.interaction.dialogScripts.append(tickGroups({}));
    h.window->channelCommands().addToFavorites();
    h.window->channelCommands().addToFavorites();
    QCOMPARE(h.interaction.dialogsRun, 2);
    QVERIFY(!h.window->session().isModified());
    QCOMPARE(selectedRows(h), QVector<int>({0, 3}));

    h.interaction.dialogScripts.append(tickGroups({2, 3}));
    h.window->channelCommands().addToFavorites();
    QCOMPARE(h.db().channelFavoriteBits(0), 0x6);
    QCOMPARE(h.db().channelFavoriteBits(3), 0x6);  // group 1 replaced, not kept
    QCOMPARE(h.db().channelFavoriteBits(2), 0);
    QCOMPARE(h.columnTexts(ColumnFav), QStringList({"V", "", "", "V", "", "", ""}));
    QCOMPARE(selectedRows(h), QVector<int>({0, 3}));  // the selection stays
    QVERIFY(h.window->session().isModified());
}

void CommandsTest::editFavoriteEditsTheTopmostSelectedChannel() {
    OpenedWindow h;
    clickRows(h, {5, 3});
    h.interaction.dialogScripts.append(pressCancel());
    h.window->channelCommands().editFavorites();
    QVERIFY(!h.window->session().isModified());
    QCOMPARE(selectedRows(h), QVector<int>({3, 5}));

    h.interaction.dialogScripts.append([](QDialog& dialog) {
        QVERIFY(control<QCheckBox>(dialog, "favCheck1")->isChecked());
        control<QCheckBox>(dialog, "favCheck1")->setChecked(false);
        control<QCheckBox>(dialog, "favCheck4")->setChecked(true);
        pressOk(dialog);
    });
    h.window->channelCommands().editFavorites();
    QCOMPARE(h.db().channelFavoriteBits(3), 0x8);
    QCOMPARE(h.db().channelFavoriteBits(6), 0);
    QCOMPARE(selectedRows(h), QVector<int>({3, 5}));
    QVERIFY(h.window->session().isModified());
}

void CommandsTest::editFavoriteNameNeedsNoSelection() {
    WindowHarness h;
    h.interaction.dialogScripts.append(pressCancel());
    h.window->channelCommands().editGroupNames();
    QCOMPARE(h.interaction.dialogsRun, 1);
    QCOMPARE(h.window->selection().kind(), SelectionNone);
}

void CommandsTest::deleteTransponderAsksAndNeverDeletesTwice() {
    OpenedWindow h;
    h.selectTreeItem(h.satelliteItem(0));
    h.window->transponderCommands().deleteTransponder();
    QVERIFY(h.interaction.messages.isEmpty());

    h.selectTreeItem(h.transponderItem(0, 0));
    h.interaction.answers.append(Interaction::Answer::Cancel);
    h.window->transponderCommands().deleteTransponder();
    QCOMPARE(h.interaction.messageTexts(),
             QStringList({deleteTpQuestion("transponder 11494H and its 3 channels")}));
    QVERIFY(h.db().isLiveTransponder(0));
    QVERIFY(!h.window->session().isModified());

    h.window->transponderCommands().deleteTransponder();
    QVERIFY(!h.db().isLiveTransponder(0));
    QVERIFY(!h.db().isLiveChannel(0) && !h.db().isLiveChannel(1) && !h.db().isLiveChannel(3));
    QCOMPARE(h.treeTexts().mid(0, 3), QStringList({"Astra 19.2E (2 TPs, 1 CHs)", "   3800V  2000",
                                                   "  12603V 22000 (1 CHs)"}));
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Klassik[R]"}));
    QCOMPARE(h.window->selection().kind(), SelectionTransponder);
    QCOMPARE(h.window->selection().transponder(), 0);
    QVERIFY(h.window->session().isModified());

    // The recorded transponder is gone: no second question, nothing deleted.
    h.window->transponderCommands().deleteTransponder();
    QCOMPARE(h.interaction.messages.size(), 2);
}

void CommandsTest::addChannelGoesToTheLastSelectedTransponder() {
    OpenedWindow h;
    h.selectTreeItem(h.satelliteItem(1));
    h.window->transponderCommands().addChannel();
    QCOMPARE(h.interaction.dialogsRun, 0);

    h.selectTreeItem(h.transponderItem(1, 0));
    h.interaction.dialogScripts.append(pressCancel());
    h.window->transponderCommands().addChannel();
    QCOMPARE(h.interaction.dialogsRun, 1);
    QVERIFY(!h.window->session().isModified());

    // The new channel takes free slot 5, between Rai 1 and Rai Radio 2: its row is selected.
    h.interaction.dialogScripts.append(newChannel("Rai 3", 3403, 200));
    h.window->transponderCommands().addChannel();
    QVERIFY(h.interaction.messages.isEmpty());
    QCOMPARE(h.window->statusBar()->currentMessage(), QStringLiteral("Channel added"));
    QCOMPARE(h.db().channelTransponder(5), 2);
    QCOMPARE(h.columnTexts(ColumnChannel), QStringList({"Rai 1", "Rai 3", "Rai Radio 2[R]"}));
    QCOMPARE(selectedRows(h), QVector<int>({1}));
    QCOMPARE(h.treeTexts()[4], QStringLiteral("Hotbird 13.0E (1 TPs, 3 CHs)"));
    QVERIFY(h.window->session().isModified());

    // With the list owning the selection, the transponder is still the tree's.
    clickRows(h, {0});
    h.interaction.dialogScripts.append(newChannel("Rai 4", 3404, 300));
    h.window->transponderCommands().addChannel();
    QCOMPARE(h.db().channelName(8), std::string_view("Rai 4"));
    QCOMPARE(h.db().channelTransponder(8), 2);
    QCOMPARE(selectedRows(h), QVector<int>({3}));
}

// A stored channel with service ID 65535 is the record the next add on its transponder
// fills: the user is asked before the dialog opens.
void CommandsTest::addChannelAsksBeforeReplacingAChannel() {
    WindowHarness h;
    TestImageBuilder file = windowTestBuilder();
    writeU16(file.channelRecord(3) + ch::ServiceId, 65535);  // as a file may hold it
    QVERIFY(h.openImage(file.build()));
    h.selectTreeItem(h.transponderItem(0, 0));
    h.interaction.answers.append(Interaction::Answer::No);
    h.window->transponderCommands().addChannel();
    const QString question = QStringLiteral(
        "This replaces the channel \"ZDF\" (service ID 65535) on this transponder. Replace it?");
    QCOMPARE(h.interaction.messageTexts(), QStringList({question}));
    QCOMPARE(h.interaction.messages[0].buttons, Interaction::Buttons::YesNo);
    QCOMPARE(h.interaction.dialogsRun, 0);
    QCOMPARE(h.db().channelName(3), std::string_view("ZDF"));
    QVERIFY(h.showsModified(false));

    h.interaction.answers.append(Interaction::Answer::Yes);
    h.interaction.dialogScripts.append(newChannel("ZDF neo", 28014, 600));
    h.window->transponderCommands().addChannel();
    QCOMPARE(h.interaction.messageTexts(), QStringList({question, question}));
    QCOMPARE(h.db().channelName(3), std::string_view("ZDF neo"));
    QCOMPARE(h.rows(), 4);  // Astra's channels: replaced, not added
    // Elsewhere no question.
    h.selectTreeItem(h.transponderItem(1, 0));
    h.interaction.dialogScripts.append(pressCancel());
    h.window->transponderCommands().addChannel();
    QCOMPARE(h.interaction.messages.size(), 2);
}

void CommandsTest::addTransponderNeedsASatelliteFromTheTree() {
    OpenedWindow h;
    h.window->transponderCommands().addTransponder();
    QCOMPARE(h.interaction.dialogsRun, 0);

    h.selectTreeItem(h.satelliteItem(1));
    h.interaction.dialogScripts.append(newTransponder(11100, 27500));
    h.window->transponderCommands().addTransponder();
    QVERIFY(h.interaction.messages.isEmpty());  // "TP added" in the status bar only
    QCOMPARE(h.window->statusBar()->currentMessage(), QStringLiteral("TP added"));
    QCOMPARE(h.window->selection().transponder(), 5);
    // The new transponder is the tree's selected item.
    const QTreeWidgetItem* selected = h.window->tree()->selectedItem();
    QVERIFY(SatelliteTree::isTransponderItem(selected));
    QCOMPARE(SatelliteTree::itemTransponder(selected, h.session().viewIndex()), 5);
    QCOMPARE(h.db().transponderSatellite(5), 1);
    QCOMPARE(h.treeTexts()[4], QStringLiteral("Hotbird 13.0E (2 TPs, 2 CHs)"));
    QVERIFY(h.window->session().isModified());

    // A view button shows every channel again: no satellite to add to until the tree is
    // used again.
    h.window->viewButton(View::Tv)->click();
    h.window->transponderCommands().addTransponder();
    QCOMPARE(h.interaction.dialogsRun, 1);
}

// "Add Channel" and "Delete TP" act only on a transponder that still exists.
void CommandsTest::commandsNeverUseAStaleTransponder() {
    OpenedWindow h;
    h.selectTreeItem(h.transponderItem(0, 2));
    h.window->transponderCommands().deleteTransponder();
    QVERIFY(!h.db().isLiveTransponder(4));
    h.window->transponderCommands().addChannel();
    QCOMPARE(h.interaction.dialogsRun, 0);

    // A cancelled "Add TP" leaves no transponder either.
    h.selectTreeItem(h.satelliteItem(0));
    h.selectTreeItem(h.transponderItem(0, 0));
    h.interaction.dialogScripts.append(pressCancel());
    h.window->transponderCommands().addTransponder();
    QCOMPARE(h.window->selection().transponder(), TransponderCapacity);
    const int messages = h.interaction.messages.size();
    h.window->transponderCommands().addChannel();
    h.window->transponderCommands().deleteTransponder();
    QCOMPARE(h.interaction.dialogsRun, 1);
    QCOMPARE(h.interaction.messages.size(), messages);
    QVERIFY(h.db().isLiveTransponder(0));
}

// Keys that select rows make the list the owner of the selection, as a click does.
void CommandsTest::deleteKeyActsOnAKeyboardSelection() {
    OpenedWindow h;
    ChannelListView* list = h.window->list();
    list->setFocus();
    list->setCurrentIndex(h.window->listModel()->index(2, 0));
    QCOMPARE(selectedRows(h), QVector<int>({2}));
    QTest::keyClick(list, Qt::Key_Delete);
    QVERIFY(h.interaction.messages.isEmpty());

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(h.window->selection().kind(), SelectionChannel);
    QCOMPARE(selectedRows(h), QVector<int>({3, 4}));
    h.interaction.answers.append(Interaction::Answer::Cancel);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(h.interaction.messageTexts(), QStringList({deleteQuestion("2 channels")}));
    QCOMPARE(h.rows(), 7);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(h.columnTexts(ColumnChannel).mid(2),
             QStringList({"Rai 1", "Rai Radio 2[R]", "Klassik[R]"}));
    QCOMPARE(selectedRows(h), QVector<int>({3}));
}

void CommandsTest::deleteKeyOnATransponderItemDeletesIt() {
    OpenedWindow h;
    SatelliteTree* tree = h.window->tree();
    h.selectTreeItem(h.satelliteItem(0));
    QTest::keyClick(tree, Qt::Key_Delete);  // a satellite: nothing
    QVERIFY(h.interaction.messages.isEmpty());
    h.satelliteItem(0)->setExpanded(true);
    h.selectTreeItem(h.transponderItem(0, 1));
    clickRows(h, {0});  // the list owned the selection; the key is the tree's
    tree->setFocus();
    h.interaction.answers.append(Interaction::Answer::Cancel);
    QTest::keyClick(tree, Qt::Key_Delete);
    QCOMPARE(h.interaction.messageTexts(), QStringList({deleteTpQuestion("transponder 3800V")}));
    QVERIFY(h.db().isLiveTransponder(1));
    QTest::keyClick(tree, Qt::Key_Delete);
    QVERIFY(!h.db().isLiveTransponder(1));
    QVERIFY(h.showsModified(true));
}

void CommandsTest::fileShortcutsRunOpenSaveAndSaveAs() {
    WindowHarness h;
    h.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    const QString path = h.writeImage(QStringLiteral("first.tbn"), windowTestImage());
    h.interaction.openPaths.append(path);
    QTest::keyClick(h.window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(h.window->currentPath(), path);
    QVERIFY(h.window->session().isOpen());

    clickRows(h, {0});
    h.window->channelCommands().deleteChannels();
    QVERIFY(h.window->session().isModified());
    QTest::keyClick(h.window.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(h.showsModified(false));
    QCOMPARE(readFileBytes(path.toStdString()).size(), windowTestImage().size());

    const QString copy = h.pathOf(QStringLiteral("copy.tbn"));
    h.interaction.savePaths.append(copy);
    QTest::keyClick(h.window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(h.interaction.saveInitialPaths, QStringList({path}));
    QCOMPARE(h.window->currentPath(), copy);
    QCOMPARE(readFileBytes(copy.toStdString()), readFileBytes(path.toStdString()));
}

void CommandsTest::menuKeyOpensThePopupOfTheFocusedWidget() {
    OpenedWindow h;
    ChannelListView* list = h.window->list();
    clickRows(h, {2});
    QTest::keyClick(list, Qt::Key_Menu);
    QCOMPARE(h.interaction.popups.size(), 1);
    QCOMPARE(h.interaction.popups[0].items, popupItems(h, Popup::List));
    const QRect row = list->visualRect(h.window->listModel()->index(2, 0));
    QVERIFY(QRect(list->viewport()->mapToGlobal(row.topLeft()), row.size())
                .adjusted(0, 0, row.height(), 1)
                .contains(h.interaction.popups[0].position));

    SatelliteTree* tree = h.window->tree();
    QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(h.interaction.popups.size(), 1);  // nothing selected in the tree
    h.selectTreeItem(h.satelliteItem(1));
    QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(tree, Qt::Key_Menu);
    QCOMPARE(h.interaction.popups.size(), 3);
    QCOMPARE(h.interaction.popups[1].items, popupItems(h, Popup::Satellite));
    QCOMPARE(h.interaction.popups[2].items, popupItems(h, Popup::Satellite));
    QVERIFY(h.interaction.messages.isEmpty());
}

QTEST_MAIN(CommandsTest)
#include "test_commands.moc"
