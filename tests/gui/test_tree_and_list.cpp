// The tree and the channel list over an opened database: texts, filters, view switches and
// the edits reached by double-click.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidgetItem>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <functional>

#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "support/DialogDriver.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

class TreeAndListTest : public QObject {
    Q_OBJECT

private slots:
    void treeShowsShownSatellitesWithTheirTransponders();
    void listShowsEveryChannelOfTheView();
    void satelliteSelectionFiltersTheList();
    void transponderSelectionListsTheWholeSatellite();
    void viewButtonsSwitchListAndTreeCounts();
    void viewButtonAfterSelectionShowsTheWholeView();
    void theListFilterFollowsEachWayOfChangingIt();
    void refreshAllKeepsTheSelectionInTheTree();
    void treeUpdatesOnlyTheItemsAChangeTouched();
    void listClickSetsChannelSelectionOnlyWithARow();
    void listDoubleClickEditsTopmostSelectedChannel();
    void listDoubleClickByMouseEditsTheClickedRow();
    void cancelledChannelEditChangesNothing();
    void transponderDoubleClickUpdatesItemAndRows();
    void treeDoubleClickOpensOnlyTheSelectedTransponder();
    void rowsFindTheirChannelThroughTheModel();
    void modelPassesTheModelTester();
    void fullCapacityFillsEveryRow();
};

void TreeAndListTest::treeShowsShownSatellitesWithTheirTransponders() {
    OpenedWindow h;
    const QStringList expected = {
        "Astra 19.2E (3 TPs, 4 CHs)", "  11494H 22000 (3 CHs)",       "   3800V  2000",
        "  12603V 22000 (1 CHs)",     "Hotbird 13.0E (1 TPs, 2 CHs)", "  12000V 27500 (2 CHs)",
        "Empty 30.0W (0 TPs, 0 CHs)",
    };
    QCOMPARE(h.treeTexts(), expected);
    QVERIFY(h.window->panes().tree.tree()->selectedItem() == nullptr);
    for (int i = 0; i < h.window->panes().tree.tree()->topLevelItemCount(); ++i) {
        QVERIFY(!h.window->panes().tree.tree()->topLevelItem(i)->isExpanded());
    }
    // Each item carries its satellite and its position.
    QTreeWidgetItem* hotbird = h.satelliteItem(1);
    QVERIFY(hotbird);
    QCOMPARE(SatelliteTree::itemData(hotbird), 1);
    QVERIFY(!SatelliteTree::isTransponderItem(hotbird));
    QTreeWidgetItem* third = h.transponderItem(0, 2);
    QVERIFY(third);
    QCOMPARE(SatelliteTree::itemData(third), 0 * 65536 + 2);
    QVERIFY(SatelliteTree::isTransponderItem(third));
    QCOMPARE(SatelliteTree::itemTransponder(third, h.session().viewIndex()), 4);
    QCOMPARE(SatelliteTree::itemSatellite(h.transponderItem(1, 0)), 1);
}

void TreeAndListTest::listShowsEveryChannelOfTheView() {
    OpenedWindow h;
    QCOMPARE(h.rows(), 7);
    QCOMPARE(h.rowTexts(0),
             QStringList({"0000", "Astra 19.2E", "11494H", "Das Erste", "", "", "", "0"}));
    QCOMPARE(h.rowTexts(1),
             QStringList({"0001", "Astra 19.2E", "11494H", "Bayern 3[R]", "", "", "", "1"}));
    QCOMPARE(h.rowTexts(3),
             QStringList({"0003", "Astra 19.2E", "11494H", "ZDF", "Seca/Vi", "V", "V", "3"}));
    QCOMPARE(h.rowTexts(4),
             QStringList({"0004", "Hidden 5.0W", "10700H", "Hidden TV", "", "", "", "4"}));
    QCOMPARE(h.columnTexts(ColumnIndex), QStringList({"0", "1", "2", "3", "4", "6", "7"}));
    QCOMPARE(h.cell(6, ColumnTp), QStringLiteral("12603V"));
    QCOMPARE(h.window->panes().list.rowCountField()->text(), QStringLiteral("    7"));
    QCOMPARE(h.session().viewIndex().viewCount(View::All), 7);
    // Tooltips carry the whole text as it stands, markup included; every cell is centred.
    const QModelIndex zdfCas = h.window->panes().list.model()->index(3, ColumnCas);
    QTextDocument tip;
    tip.setHtml(zdfCas.data(Qt::ToolTipRole).toString());
    QCOMPARE(tip.toPlainText(), QStringLiteral("Seca/Vi"));
    QVERIFY(h.renameChannel(0, "<b>Erste</b>"));
    tip.setHtml(
        h.window->panes().list.model()->index(0, ColumnChannel).data(Qt::ToolTipRole).toString());
    QCOMPARE(tip.toPlainText(), QStringLiteral("<b>Erste</b>"));
    // A control character in a name keeps the row on one line; the bytes stay as they are.
    QVERIFY(h.renameChannel(1, "Bay\nern"));
    QCOMPARE(h.window->panes().list.model()->index(1, ColumnChannel).data().toString(),
             QString("Bay") + QChar(QChar::ReplacementCharacter) + QString("ern[R]"));
    QCOMPARE(h.db().channelName(1), std::string_view("Bay\nern"));
    QCOMPARE(zdfCas.data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::Alignment(Qt::AlignCenter));
}

void TreeAndListTest::satelliteSelectionFiltersTheList() {
    OpenedWindow h;
    h.selectTreeItem(h.satelliteItem(1));
    QCOMPARE(h.window->selection().kind(), SelectionSatellite);
    QCOMPARE(h.window->selection().satellite(), 1);
    QVERIFY(h.window->refresh().filter().bySatellite);
    QCOMPARE(h.columnTexts(ColumnIndex), QStringList({"2", "6"}));
    QCOMPARE(h.columnTexts(ColumnNo), QStringList({"0000", "0001"}));
    // The field counts rows listed, not the view.
    QCOMPARE(h.window->panes().list.rowCountField()->text(), QStringLiteral("    2"));
    QCOMPARE(h.session().viewIndex().viewCount(View::All), 7);

    h.selectTreeItem(h.satelliteItem(3));
    QCOMPARE(h.rows(), 0);
    QCOMPARE(h.window->panes().list.rowCountField()->text(), QStringLiteral("    0"));
}

void TreeAndListTest::transponderSelectionListsTheWholeSatellite() {
    OpenedWindow h;
    h.selectTreeItem(h.transponderItem(0, 1));  // 3800 MHz, no channels of its own
    QCOMPARE(h.window->selection().kind(), SelectionTransponder);
    QCOMPARE(h.window->selection().satellite(), 0);
    QCOMPARE(h.window->selection().transponder(), 1);
    QCOMPARE(h.columnTexts(ColumnIndex), QStringList({"0", "1", "3", "7"}));
    h.selectTreeItem(h.transponderItem(0, 2));
    QCOMPARE(h.window->selection().transponder(), 4);
}

void TreeAndListTest::viewButtonsSwitchListAndTreeCounts() {
    OpenedWindow h;
    h.window->panes().tree.viewButton(View::Tv)->click();
    QCOMPARE(h.session().view(), View::Tv);
    QCOMPARE(h.columnTexts(ColumnIndex), QStringList({"0", "2", "3", "4"}));
    QCOMPARE(h.treeTexts(), QStringList({
                                "Astra 19.2E (3 TPs, 2 CHs)",
                                "  11494H 22000 (2 CHs)",
                                "   3800V  2000",
                                "  12603V 22000",
                                "Hotbird 13.0E (1 TPs, 1 CHs)",
                                "  12000V 27500 (1 CHs)",
                                "Empty 30.0W (0 TPs, 0 CHs)",
                            }));
    h.window->panes().tree.viewButton(View::Radio)->click();
    QCOMPARE(h.columnTexts(ColumnChannel),
             QStringList({"Bayern 3[R]", "Rai Radio 2[R]", "Klassik[R]"}));
    QCOMPARE(h.columnTexts(ColumnNo), QStringList({"0000", "0001", "0002"}));
    QCOMPARE(h.window->panes().list.rowCountField()->text(), QStringLiteral("    3"));
    QCOMPARE(h.treeTexts().first(), QStringLiteral("Astra 19.2E (3 TPs, 2 CHs)"));
    h.window->panes().tree.viewButton(View::All)->click();
    QCOMPARE(h.rows(), 7);
}

void TreeAndListTest::viewButtonAfterSelectionShowsTheWholeView() {
    OpenedWindow h;
    h.selectTreeItem(h.transponderItem(1, 0));
    h.window->panes().tree.viewButton(View::Tv)->click();
    QVERIFY(!h.window->refresh().filter().bySatellite);
    QCOMPARE(h.rows(), 4);
    QVERIFY(h.window->panes().tree.tree()->selectedItem() == nullptr);
    QCOMPARE(h.window->selection().kind(), SelectionTransponder);
    QCOMPARE(h.window->selection().satellite(), 1);
    QCOMPARE(h.window->selection().transponder(), 2);
    // The view already shown refreshes as well.
    h.selectTreeItem(h.satelliteItem(0));
    h.window->panes().tree.viewButton(View::Tv)->click();
    QCOMPARE(h.rows(), 4);
}

// A refill keeps the tree's selected item, so that the list's filter is always the one the
// tree shows, and every expanded satellite expanded.
// Find, the tree, the view buttons and a finding of the Problems panel each change what
// they own of the one filter and keep the rest; the list shows what the filter passes.
void TreeAndListTest::theListFilterFollowsEachWayOfChangingIt() {
    OpenedWindow h;
    struct Step {
        const char* what;
        std::function<void()> act;
        View view;
        bool bySatellite;
        QStringList names;
    };
    const Step steps[] = {
        {"find",
         [&] { h.window->panes().list.findField()->setText(QStringLiteral("ra")); },
         View::All,
         false,
         {"Rai 1", "Rai Radio 2[R]"}},
        {"tree",
         [&] { h.selectTreeItem(h.satelliteItem(1)); },
         View::All,
         true,
         {"Rai 1", "Rai Radio 2[R]"}},
        {"view button",
         [&] { h.window->panes().tree.viewButton(View::Tv)->click(); },
         View::Tv,
         false,
         {"Rai 1"}},
        {"tree again", [&] { h.selectTreeItem(h.satelliteItem(0)); }, View::Tv, true, {}},
        {"finding",
         [&] { h.window->listCommands().showFinding(6, TransponderCapacity); },
         View::All,
         false,
         {"Rai 1", "Rai Radio 2[R]"}},
        {"find emptied",
         [&] { h.window->panes().list.findField()->clear(); },
         View::All,
         false,
         {"Das Erste", "Bayern 3[R]", "Rai 1", "ZDF", "Hidden TV", "Rai Radio 2[R]", "Klassik[R]"}},
    };
    for (const Step& step : steps) {
        step.act();
        const ListFilter& filter = h.window->refresh().filter();
        QVERIFY2(filter.view == step.view && h.session().view() == step.view, step.what);
        QVERIFY2(filter.bySatellite == step.bySatellite, step.what);
        QVERIFY2((h.window->panes().tree.tree()->selectedItem() != nullptr) == step.bySatellite,
                 step.what);
        QStringList names = h.columnTexts(ColumnChannel);
        for (QString& name : names) {
            name = name.trimmed();
        }
        QCOMPARE(names, step.names);
    }
    // The finding's channel is selected.
    QCOMPARE(h.window->panes()
                 .list.model()
                 ->channelAt(ListRow(h.window->panes().list.view()->firstSelectedRow()))
                 .value,
             6);
}

void TreeAndListTest::refreshAllKeepsTheSelectionInTheTree() {
    OpenedWindow h;
    h.satelliteItem(1)->setExpanded(true);
    h.selectTreeItem(h.transponderItem(0, 0));
    h.window->refresh().refreshAll();
    QCOMPARE(h.window->refresh().isRefreshing(), 0);
    QCOMPARE(h.window->selection().kind(), SelectionTransponder);
    QCOMPARE(h.window->selection().satellite(), 0);
    QCOMPARE(h.window->selection().transponder(), 0);
    QVERIFY(h.window->refresh().filter().bySatellite);
    QCOMPARE(h.window->panes().tree.tree()->selectedItem(), h.transponderItem(0, 0));
    QVERIFY(h.satelliteItem(0)->isExpanded() && h.satelliteItem(1)->isExpanded());
    QVERIFY(!h.satelliteItem(3)->isExpanded());
    QCOMPARE(h.columnTexts(ColumnIndex), QStringList({"0", "1", "3", "7"}));

    // "Add TP" selects the new transponder, and the selection members follow what the tree
    // shows.
    h.selectTreeItem(h.transponderItem(0, 2));  // 12603 MHz, transponder 4
    h.interaction.dialogScripts.append([](QDialog& dialog) {
        control<QLineEdit>(dialog, "frequencyEdit")->setText(QStringLiteral("10700"));
        control<QLineEdit>(dialog, "symbolRateEdit")->setText(QStringLiteral("22000"));
        pressOk(dialog);
    });
    h.window->transponderCommands().addTransponder();
    QCOMPARE(h.treeTexts().first(), QStringLiteral("Astra 19.2E (4 TPs, 4 CHs)"));
    QCOMPARE(h.window->panes().tree.tree()->selectedItem()->text(0),
             QStringLiteral("10700V 22000"));
    QCOMPARE(h.window->selection().transponder(),
             SatelliteTree::itemTransponder(h.window->panes().tree.tree()->selectedItem(),
                                            h.session().viewIndex()));
    QCOMPARE(h.window->selection().kind(), SelectionTransponder);
    QCOMPARE(h.rows(), 4);
}

// After each change the tree reads as a tree filled anew would, and its column is as wide
// as its widest text, while the items of the satellites the change left alone are the same
// items.
void TreeAndListTest::treeUpdatesOnlyTheItemsAChangeTouched() {
    OpenedWindow h;
    SatelliteTree* tree = h.window->panes().tree.tree();
    tree->setFixedWidth(60);
    const auto fitsWidestText = [tree] {
        int widest = 0;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            widest = std::max(
                widest, tree->fontMetrics().horizontalAdvance(tree->topLevelItem(i)->text(0)));
        }
        return tree->header()->sectionSize(0) >= widest;
    };
    const auto sameAsFilledAnew = [&h] {
        SatelliteTree fresh;
        fresh.fill(h.db(), h.session().viewIndex());
        QStringList texts;
        for (QTreeWidgetItemIterator it(&fresh); *it; ++it) {
            texts.append(((*it)->parent() ? "  " : "") + (*it)->text(0));
        }
        return texts == h.treeTexts();
    };
    QTreeWidgetItem* astra = h.satelliteItem(0);
    QTreeWidgetItem* astraFirst = h.transponderItem(0, 0);
    QTreeWidgetItem* hotbird = h.satelliteItem(1);
    const auto edits = std::initializer_list<std::function<void()>>{
        [&] { h.edit(DeleteTransponder{2}); },  // Hotbird's only transponder
        [&] { h.window->runCommand(CommandId::Undo); },
        [&] {
            h.edit(RenameSatellite{1, "Hotbird 13.0E with a longer name"});
        },
        [&] { h.window->runCommand(CommandId::Undo); },
        [&] { h.window->runCommand(CommandId::ViewTv); },
        [&] { h.window->runCommand(CommandId::ViewRadio); },
    };
    for (const auto& edit : edits) {
        edit();
        QVERIFY(sameAsFilledAnew());
        QVERIFY(fitsWidestText());
        QCOMPARE(h.satelliteItem(0), astra);
        QCOMPARE(h.transponderItem(0, 0), astraFirst);
        QCOMPARE(h.satelliteItem(1), hotbird);
    }
}

void TreeAndListTest::listClickSetsChannelSelectionOnlyWithARow() {
    OpenedWindow h;
    h.selectTreeItem(h.satelliteItem(0));
    emit h.window->panes().list.view()->listClicked();  // nothing selected in the list
    QCOMPARE(h.window->selection().kind(), SelectionSatellite);
    QWidget* viewport = h.window->panes().list.view()->viewport();
    const QRect second =
        h.window->panes().list.view()->visualRect(h.window->panes().list.model()->index(1, 1));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, second.center());
    QCOMPARE(h.window->panes().list.view()->selectedRowPositions(), QVector<int>({1}));
    QCOMPARE(h.window->selection().kind(), SelectionChannel);
}

void TreeAndListTest::listDoubleClickEditsTopmostSelectedChannel() {
    OpenedWindow h;
    h.selectRows({5, 2, 3});
    h.interaction.dialogScripts.append(setFieldAndOk("nameEdit", "Rai Uno HD"));
    h.window->channelCommands().editChannel();
    QCOMPARE(h.interaction.dialogsRun, 1);
    QCOMPARE(h.db().channelName(2), std::string_view("Rai Uno HD"));
    QCOMPARE(h.cell(2, ColumnChannel), QStringLiteral("Rai Uno HD"));
    QCOMPARE(h.cell(2, ColumnNo), QStringLiteral("0002"));
    QVERIFY(h.showsModified(true));
    // Other rows and the tree are not refilled.
    QCOMPARE(h.cell(3, ColumnChannel), QStringLiteral("ZDF"));
}

void TreeAndListTest::listDoubleClickByMouseEditsTheClickedRow() {
    OpenedWindow h;
    h.interaction.dialogScripts.append(setFieldAndOk("nameEdit", "Klassik Radio"));
    const QRect last =
        h.window->panes().list.view()->visualRect(h.window->panes().list.model()->index(6, 3));
    QTest::mouseClick(h.window->panes().list.view()->viewport(), Qt::LeftButton, {}, last.center());
    QTest::mouseDClick(h.window->panes().list.view()->viewport(), Qt::LeftButton, {},
                       last.center());
    QCOMPARE(h.interaction.dialogsRun, 1);
    QCOMPARE(h.cell(6, ColumnChannel), QStringLiteral("Klassik Radio[R]"));
}

void TreeAndListTest::cancelledChannelEditChangesNothing() {
    OpenedWindow h;
    h.selectRows({0});
    h.interaction.dialogScripts.append(pressCancel());
    h.window->channelCommands().editChannel();
    QCOMPARE(h.interaction.dialogsRun, 1);
    QVERIFY(h.showsModified(false));
    QCOMPARE(h.cell(0, ColumnChannel), QStringLiteral("Das Erste"));
    // No row selected: no dialog.
    h.selectRows({});
    h.window->channelCommands().editChannel();
    QCOMPARE(h.interaction.dialogsRun, 1);
}

void TreeAndListTest::transponderDoubleClickUpdatesItemAndRows() {
    OpenedWindow h;
    h.satelliteItem(0)->setExpanded(true);
    QTreeWidgetItem* item = h.transponderItem(0, 0);
    h.selectTreeItem(item);
    h.interaction.dialogScripts.append(setFieldAndOk("frequencyEdit", "9750"));
    h.window->transponderCommands().editTransponder();
    QCOMPARE(h.interaction.dialogsRun, 1);
    QCOMPARE(h.db().transponderFrequencyMhz(0), 9750);
    QCOMPARE(h.transponderItem(0, 0)->text(0), QStringLiteral(" 9750H 22000 (3 CHs)"));
    QVERIFY(h.satelliteItem(0)->isExpanded());
    QCOMPARE(h.window->panes().tree.tree()->selectedItem(), h.transponderItem(0, 0));
    QCOMPARE(h.columnTexts(ColumnTp), QStringList({" 9750H", " 9750H", " 9750H", "12603V"}));
    QVERIFY(h.window->session().isModified());
}

void TreeAndListTest::treeDoubleClickOpensOnlyTheSelectedTransponder() {
    OpenedWindow h;
    // A satellite opens nothing.
    h.selectTreeItem(h.satelliteItem(0));
    h.window->transponderCommands().editTransponder();
    QCOMPARE(h.interaction.dialogsRun, 0);
    h.selectTreeItem(h.transponderItem(0, 0));
    // The recorded selection no longer matches the item (a cancelled Add TP made it none):
    // no dialog.
    h.interaction.dialogScripts.append(pressCancel());
    h.window->transponderCommands().addTransponder();
    QCOMPARE(h.window->selection().transponder(), TransponderCapacity);
    h.window->transponderCommands().editTransponder();
    QCOMPARE(h.interaction.dialogsRun, 1);
    // Double-click by mouse on the selected transponder opens it.
    h.satelliteItem(1)->setExpanded(true);
    QTreeWidgetItem* item = h.transponderItem(1, 0);
    const QRect rect = h.window->panes().tree.tree()->visualItemRect(item);
    h.interaction.dialogScripts.append(pressCancel());
    QTest::mouseClick(h.window->panes().tree.tree()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(h.window->panes().tree.tree()->viewport(), Qt::LeftButton, {},
                       rect.center());
    QCOMPARE(h.window->selection().transponder(), 2);
    QCOMPARE(h.interaction.dialogsRun, 2);
    QVERIFY(!h.window->session().isModified());
}

// The commands read a row's channel from the model; the hidden index column shows it.
void TreeAndListTest::rowsFindTheirChannelThroughTheModel() {
    OpenedWindow h;
    h.window->panes().tree.viewButton(View::Radio)->click();
    ChannelListView* list = h.window->panes().list.view();
    const ChannelListModel* model = h.window->panes().list.model();
    QVERIFY(model->channelAt(ListRow(0)) == ChannelSlot(1));
    QVERIFY(model->channelAt(ListRow(2)) == ChannelSlot(7));
    QVERIFY(!model->channelAt(ListRow(3)).exists());
    QVERIFY(!model->channelAt(ListRow(-1)).exists());
    // And back: the rows that show channels, in row order, none for a channel not shown.
    for (int row = 0; row < model->rowCount(); ++row) {
        QVERIFY(model->rowOf(model->channelAt(ListRow(row))) == ListRow(row));
    }
    QVERIFY(!model->rowOf(ChannelSlot(0)).exists());  // a TV channel
    QVERIFY(model->rowsOf(std::vector<int>{7, 0, 1, ChannelCapacity, -1}) ==
            std::vector<ListRow>({ListRow(0), ListRow(2)}));
    QCOMPARE(h.columnTexts(ColumnIndex), QStringList({"1", "6", "7"}));
    QVERIFY(list->isColumnHidden(ColumnIndex));
    // A row pointed at another channel edits that channel.
    h.window->panes().list.model()->updateRow(0, 6);
    QCOMPARE(h.cell(0, ColumnChannel), QStringLiteral("Rai Radio 2[R]"));
    QCOMPARE(h.cell(0, ColumnNo), QStringLiteral("0000"));
    h.selectRows({0});
    h.interaction.dialogScripts.append(setFieldAndOk("nameEdit", "Rai Radio Due"));
    h.window->channelCommands().editChannel();
    QCOMPARE(h.db().channelName(6), std::string_view("Rai Radio Due"));
    QCOMPARE(h.db().channelName(1), std::string_view("Bayern 3"));
}

void TreeAndListTest::modelPassesTheModelTester() {
    WindowHarness h;
    QAbstractItemModelTester tester(h.window->panes().list.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(h.openImage(windowTestImage()));
    h.selectTreeItem(h.satelliteItem(1));
    h.window->panes().tree.viewButton(View::Tv)->click();
    h.window->panes().list.model()->appendRow(6);
    h.window->panes().list.model()->updateRow(0, 2);
    h.window->panes().list.model()->refreshAll();
    QCOMPARE(h.rows(), 5);
}

void TreeAndListTest::fullCapacityFillsEveryRow() {
    WindowHarness h;
    QVERIFY(h.openImage(fullCapacityImage()));
    QCOMPARE(h.rows(), ChannelCapacity);
    QCOMPARE(h.window->panes().list.rowCountField()->text(), QStringLiteral("15360"));
    QCOMPARE(h.cell(ChannelCapacity - 1, ColumnNo), QStringLiteral("15359"));
    QCOMPARE(h.window->panes().tree.tree()->topLevelItemCount(), SatelliteCapacity);
    h.window->panes().tree.viewButton(View::Radio)->click();
    QCOMPARE(h.rows(), ChannelCapacity / 3);
}

QTEST_MAIN(TreeAndListTest)
#include "test_tree_and_list.moc"
