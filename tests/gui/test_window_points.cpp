// What the window does where a user would otherwise be surprised: one row a behaviour, each
// on a freshly opened test database.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTreeWidgetItem>
#include <functional>

#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/MenuBar.h"
#include "ui/mainwindow/ProblemsPanel.h"
#include "ui/mainwindow/RecentFiles.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

using Check = std::function<void(OpenedWindow&)>;

QStringList selectedChannels(const OpenedWindow& h) {
    QStringList names;
    for (int row : h.window->panes().list.view()->selectedRowPositions()) {
        names.append(h.cell(row, ColumnChannel));
    }
    return names;
}

void findingsNameChannelsByNo(OpenedWindow& h) {
    QVERIFY(h.renameChannel(2, "ZDF"));  // the name of channel 3
    QTRY_VERIFY(!h.window->panes().problems.panel()->isChecking());
    const FindingList& findings = h.window->panes().problems.panel()->findings();
    const auto named = std::find_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.kind == problem::DuplicateName;
    });
    QVERIFY(named != findings.end());
    QCOMPARE(QString::fromLatin1(named->text.data(), qsizetype(named->text.size())),
             QStringLiteral("No. 0003 \"ZDF\" has the name of No. 0002 \"ZDF\" (both TV)"));
}

void addedChannelIsSelectedAndNoBoxShows(OpenedWindow& h) {
    h.selectTreeItem(h.transponderItem(0, 0));
    h.interaction.dialogScripts.append(
        [](QDialog& dialog) { QMetaObject::invokeMethod(&dialog, "accept"); });
    h.window->commands().action(CommandId::AddChannel)->trigger();
    QVERIFY(h.interaction.messages.isEmpty());
    QCOMPARE(h.window->statusBar()->currentMessage(), QStringLiteral("Channel added"));
    QCOMPARE(selectedChannels(h), QStringList{QStringLiteral("Video CH   4")});
}

void downInFindGoesToTheFirstMatch(OpenedWindow& h) {
    QTest::keyClicks(h.window->panes().list.findField(), QStringLiteral("Rai"));
    QTest::keyClick(h.window->panes().list.findField(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), h.window->panes().list.view());
    QCOMPARE(selectedChannels(h), QStringList{QStringLiteral("Rai 1")});
    QCOMPARE(h.interaction.dialogsRun, 0);
}

void enterInFindOpensTheFirstMatch(OpenedWindow& h) {
    QTest::keyClicks(h.window->panes().list.findField(), QStringLiteral("Rai"));
    QTest::keyClick(h.window->panes().list.findField(), Qt::Key_Return);
    QCOMPARE(h.interaction.dialogsRun, 1);
    QCOMPARE(selectedChannels(h), QStringList{QStringLiteral("Rai 1")});
}

void escapeInFindRestoresTheSelection(OpenedWindow& h) {
    h.selectRows({3});
    const QStringList before = selectedChannels(h);
    QTest::keyClicks(h.window->panes().list.findField(), QStringLiteral("Rai"));
    QVERIFY(selectedChannels(h).isEmpty());
    QTest::keyClick(h.window->panes().list.findField(), Qt::Key_Escape);
    QCOMPARE(selectedChannels(h), before);
}

void escapeInTheTreeShowsEverySatellite(OpenedWindow& h) {
    const int all = h.rows();
    h.edit(RenameSatellite{0, "Astra %1 19.2E"});  // a name is shown as it is, never a pattern
    h.selectTreeItem(h.satelliteItem(0));
    QVERIFY(h.rows() < all);
    QCOMPARE(h.window->panes().list.filterStatus()->text(),
             QStringLiteral("Astra %1 19.2E: ") + QString::number(h.rows()) +
                 QStringLiteral(" of ") + QString::number(all) + QStringLiteral(" channels"));
    QTest::keyClick(h.window->panes().tree.tree(), Qt::Key_Escape);
    QCOMPARE(h.rows(), all);
    QVERIFY(h.window->panes().list.filterStatus()->text().isEmpty());
    QVERIFY(h.window->panes().tree.tree()->selectedItems().isEmpty());
}

void clickOnEmptyTreeShowsEverySatellite(OpenedWindow& h) {
    const int all = h.rows();
    h.selectTreeItem(h.satelliteItem(0));
    QWidget* viewport = h.window->panes().tree.tree()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(4, viewport->height() - 4));
    QCOMPARE(h.rows(), all);
    QVERIFY(h.window->panes().list.filterStatus()->text().isEmpty());
}

void menuTextsEndInDotsForDialogs(OpenedWindow& h) {
    QCOMPARE(h.window->commands().action(CommandId::Open)->text(), QStringLiteral("Open..."));
    QCOMPARE(h.window->commands().action(CommandId::SaveAs)->text(), QStringLiteral("Save As..."));
}

void moveToPositionIsAsWideAsItsTitle(OpenedWindow& h) {
    h.selectRows({0});
    h.interaction.dialogScripts.append([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Move to Position"));
        QVERIFY(dialog.width() >
                dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) * 5 / 4);
    });
    h.window->commands().action(CommandId::MoveToPosition)->trigger();
    QCOMPARE(h.interaction.dialogsRun, 1);
}

void endAndHomeMoveInTheProblemsPanel(OpenedWindow& h) {
    QVERIFY(h.renameChannel(2, "ZDF"));
    QVERIFY(h.renameChannel(6, "Klassik"));
    QTRY_VERIFY(!h.window->panes().problems.panel()->isChecking());
    QTableView* view = h.window->panes().problems.panel()->view();
    const int last = h.window->panes().problems.panel()->count() - 1;
    QVERIFY(last > 0);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(0, 1));
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(view->currentIndex().row(), last);
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(view->currentIndex().row(), 0);
}

void listPopupOffersEditChannel(OpenedWindow& h) {
    h.selectRows({0});
    h.interaction.popupChoices.append(QStringLiteral("Edit Channel..."));
    h.window->panes().list.view()->setFocus();
    QTest::keyClick(h.window->panes().list.view(), Qt::Key_Menu);
    QCOMPARE(h.interaction.dialogsRun, 1);
}

void openRecentCanBeCleared(OpenedWindow& h) {
    QVERIFY(!RecentFiles(h.window->settings()).paths().isEmpty());
    QMenu* recent = nullptr;
    for (QMenu* menu : h.window->findChildren<QMenu*>()) {
        recent = menu->title() == QStringLiteral("Open &Recent") ? menu : recent;
    }
    QVERIFY(recent != nullptr);
    emit recent->aboutToShow();
    QAction* found = nullptr;
    for (QAction* action : recent->actions()) {
        found = action->text() == QStringLiteral("Clear Menu") ? action : found;
    }
    QVERIFY(found != nullptr);
    found->trigger();
    QVERIFY(RecentFiles(h.window->settings()).paths().isEmpty());
    QVERIFY(!recent->isEnabled());
}

}  // namespace

Q_DECLARE_METATYPE(Check)

class WindowPointsTest : public QObject {
    Q_OBJECT

private slots:
    void behaviour_data();
    void behaviour();
};

void WindowPointsTest::behaviour_data() {
    QTest::addColumn<Check>("check");
    QTest::newRow("findings name channels by No.") << Check(findingsNameChannelsByNo);
    QTest::newRow("an added channel is selected, no box")
        << Check(addedChannelIsSelectedAndNoBoxShows);
    QTest::newRow("Down in Find") << Check(downInFindGoesToTheFirstMatch);
    QTest::newRow("Enter in Find") << Check(enterInFindOpensTheFirstMatch);
    QTest::newRow("Escape in Find") << Check(escapeInFindRestoresTheSelection);
    QTest::newRow("Escape in the tree") << Check(escapeInTheTreeShowsEverySatellite);
    QTest::newRow("click on empty tree") << Check(clickOnEmptyTreeShowsEverySatellite);
    QTest::newRow("menu texts") << Check(menuTextsEndInDotsForDialogs);
    QTest::newRow("Move to Position width") << Check(moveToPositionIsAsWideAsItsTitle);
    QTest::newRow("Home and End in Problems") << Check(endAndHomeMoveInTheProblemsPanel);
    QTest::newRow("Edit Channel in the popup") << Check(listPopupOffersEditChannel);
    QTest::newRow("Clear Menu") << Check(openRecentCanBeCleared);
}

void WindowPointsTest::behaviour() {
    QFETCH(Check, check);
    OpenedWindow h;
    check(h);
}

QTEST_MAIN(WindowPointsTest)
#include "test_window_points.moc"
