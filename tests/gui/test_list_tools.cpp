// The Problems panel, Export List and Apply Order From in the window: the findings follow
// every change, a double-click shows what a finding concerns, the export writes the bytes
// the tool writes, and taking a reference's order is one step that Undo takes back.
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTreeWidgetItem>

#include "cli/Tool.h"
#include "database/DisplayText.h"
#include "database/Problems.h"
#include "database/ViewIndex.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/MenuBar.h"
#include "ui/mainwindow/ProblemsPanel.h"
#include "ui/mainwindow/SatelliteTree.h"

#include <sstream>

using namespace kavro;
using namespace kavro::testing;

namespace {

// The test database's findings: Hidden TV on a hidden satellite, transponder 1 without
// channels, ZDF in favourite group 1, which has no name.
constexpr int Zdf = 3;
constexpr int EmptyTransponder = 1;

// Double-clicks the finding of `kind` in the open panel.
void doubleClickFinding(WindowHarness& h, std::string_view kind) {
    ProblemsPanel* panel = h.window->problemsPanel();
    QTRY_VERIFY(!panel->isChecking());
    for (int row = 0; row < panel->count(); ++row) {
        if (panel->findings()[static_cast<size_t>(row)].kind == kind) {
            QTableView* view = panel->view();
            const QRect rect = view->visualRect(view->model()->index(row, 1));
            // A click first, as a person's double-click begins with one.
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
            return;
        }
    }
    QFAIL("no such finding");
}

// The channels of the rows shown.
std::vector<int> shownChannels(const WindowHarness& h) {
    std::vector<int> channels;
    for (int row = 0; row < h.rows(); ++row) {
        channels.push_back(h.window->listModel()->channelAt(row));
    }
    return channels;
}

int selectedChannel(const WindowHarness& h) {
    const QVector<int> rows = h.window->list()->selectedRowPositions();
    return rows.size() == 1 ? h.window->listModel()->channelAt(rows[0]) : -1;
}

std::string toolOutput(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    return cli::runTool(args, in, out, err) == 0 ? out.str() : "failed: " + err.str();
}

Bytes tablesOf(const WindowHarness& h) {
    return Bytes(h.db().bytes(), h.db().bytes() + table::Size);
}

}  // namespace

class ListToolsTest : public QObject {
    Q_OBJECT

private slots:
    void theProblemCountFollowsEveryChange();
    void aDoubleClickedFindingIsShownWhereverTheListStood();
    void exportWritesTheRowsAsShownAsTheToolDoes();
    void applyOrderIsOneStepAndTellsTheCounts();
};

// The findings are found off the change path and shown once ready; those of tables that
// changed again meanwhile never show.
void ListToolsTest::theProblemCountFollowsEveryChange() {
    WindowHarness empty;
    QVERIFY(!empty.window->problemsButton()->isEnabled());
    OpenedWindow h;
    QPushButton* button = h.window->problemsButton();
    QTRY_COMPARE(button->text(), QStringLiteral("Problems (3)"));
    QVERIFY(!h.window->problemsPanel()->isVisible());
    button->click();
    QVERIFY(h.window->problemsPanel()->isVisible());
    QCOMPARE(h.window->problemsPanel()->view()->model()->rowCount(), 3);

    QVERIFY(h.renameChannel(2, "das erste"));  // a second "Das Erste" among the TV channels
    QTRY_COMPARE(button->text(), QStringLiteral("Problems (4)"));
    QCOMPARE(h.window->problemsPanel()->findings()[0].kind, problem::DuplicateName);
    h.window->action(CommandId::Undo)->trigger();
    QTRY_COMPARE(button->text(), QStringLiteral("Problems (3)"));
    h.window->action(CommandId::Redo)->trigger();
    QTRY_COMPARE(button->text(), QStringLiteral("Problems (4)"));

    // Changes quicker than the checks: the last tables' findings, and no others, show.
    QStringList shown;
    connect(h.window->problemsPanel(), &ProblemsPanel::countChanged,
            [&shown](int count) { shown.append(QString::number(count)); });
    for (int step = 0; step < 5; ++step) {
        h.window->action(step % 2 == 0 ? CommandId::Undo : CommandId::Redo)->trigger();
    }
    QTRY_VERIFY(!h.window->problemsPanel()->isChecking());
    QCOMPARE(shown, QStringList({"3"}));
    QCOMPARE(h.window->problemsPanel()->findings().size(), findProblems(h.db()).size());
    button->click();
    QVERIFY(!h.window->problemsPanel()->isVisible());
}

void ListToolsTest::aDoubleClickedFindingIsShownWhereverTheListStood() {
    OpenedWindow h;
    h.window->problemsButton()->click();
    // A TV channel while the radio view is shown: the whole view comes back.
    h.window->viewButton(View::Radio)->click();
    doubleClickFinding(h, problem::FavoriteUnnamed);
    QCOMPARE(h.session().view(), View::All);
    QVERIFY(h.window->viewButton(View::All)->isChecked());
    QCOMPARE(selectedChannel(h), Zdf);
    QCOMPARE(h.window->selection().kind(), SelectionChannel);

    // The list shows another satellite: the filter goes, the tree keeps no selection.
    h.selectTreeItem(h.satelliteItem(1));
    QCOMPARE(h.rows(), 2);
    doubleClickFinding(h, problem::FavoriteUnnamed);
    QCOMPARE(h.rows(), 7);
    QCOMPARE(selectedChannel(h), Zdf);
    QVERIFY(h.window->tree()->selectedItem() == nullptr);

    // Find hides the channel: Find is emptied and the whole list comes back.
    QTest::keyClicks(h.window->findField(), "no such name");
    QCOMPARE(h.rows(), 0);
    doubleClickFinding(h, problem::FavoriteUnnamed);
    QVERIFY(h.window->findField()->text().isEmpty());
    QCOMPARE(h.rows(), 7);
    QCOMPARE(selectedChannel(h), Zdf);

    // A transponder: its item in the tree, which filters the list to its satellite.
    doubleClickFinding(h, problem::EmptyTransponder);
    const QTreeWidgetItem* item = h.window->tree()->selectedItem();
    QVERIFY(item != nullptr);
    QCOMPARE(SatelliteTree::filledTransponder(item), EmptyTransponder);
    QCOMPARE(h.window->selection().kind(), SelectionTransponder);
}

void ListToolsTest::exportWritesTheRowsAsShownAsTheToolDoes() {
    OpenedWindow h;
    h.window->viewButton(View::Tv)->click();
    h.interaction.listPaths.append(h.pathOf(QStringLiteral("tv.csv")));
    QTest::keyClick(h.window.get(), Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(h.interaction.listInitialPaths, QStringList({h.pathOf(QStringLiteral("db.csv"))}));
    const std::string file = h.path.toStdString();
    const Bytes tv = readFileBytes(h.pathOf(QStringLiteral("tv.csv")).toStdString());
    QCOMPARE(std::string(tv.begin(), tv.end()),
             toolOutput({"list", file, "--view", "tv", "--format", "csv"}));
    QCOMPARE(h.window->statusBar()->currentMessage(),
             QStringLiteral("Exported %1 channels to %2")
                 .arg(h.window->listModel()->rowCount())
                 .arg(QDir::toNativeSeparators(h.pathOf(QStringLiteral("tv.csv")))));
    QVERIFY(h.interaction.messages.isEmpty());

    // From the popup, the rows of one satellite.
    h.selectTreeItem(h.satelliteItem(0));
    h.interaction.listPaths.append(h.pathOf(QStringLiteral("astra.csv")));
    h.interaction.popupChoices.append(QStringLiteral("Export List..."));
    h.window->list()->setFocus();
    QTest::keyClick(h.window->list(), Qt::Key_Menu);
    const Bytes astra = readFileBytes(h.pathOf(QStringLiteral("astra.csv")).toStdString());
    QCOMPARE(std::string(astra.begin(), astra.end()),
             toolOutput({"list", file, "--view", "tv", "--satellite", "0", "--format", "csv"}));

    // A file that cannot be written is said so.
    h.interaction.listPaths.append(h.pathOf(QStringLiteral("no/such/folder/x.csv")));
    h.window->commands().action(CommandId::ExportList)->trigger();
    QCOMPARE(h.interaction.messages.size(), 1);
    QVERIFY(h.interaction.messages[0].text.startsWith(QStringLiteral("File create failed!\n")));
}

// The reference lists Klassik first and lacks Rai 1.
void ListToolsTest::applyOrderIsOneStepAndTellsTheCounts() {
    OpenedWindow h;
    EditSession reference;
    QVERIFY(loadImage(reference, windowTestImage()));
    QVERIFY(reference.apply(MoveChannels{{7}, 0}).changed);
    QVERIFY(reference.apply(DeleteChannels{{3}}).changed);  // Rai 1, after the move
    const QString referencePath = h.pathOf(QStringLiteral("ref.tbn"));
    QVERIFY(reference.saveAs(referencePath.toStdString()).outcome == SaveOutcome::Written);
    const Bytes before = tablesOf(h);

    h.interaction.referencePaths.append(referencePath);
    h.interaction.popupChoices.append(QStringLiteral("Apply Order From..."));
    h.window->list()->setFocus();
    QTest::keyClick(h.window->list(), Qt::Key_Menu);
    QVERIFY(h.interaction.messages.isEmpty());
    QCOMPARE(h.window->statusBar()->currentMessage(),
             QStringLiteral("6 channels ordered, 1 without a match"));
    QCOMPARE(h.columnTexts(ColumnChannel),
             QStringList({"Klassik[R]", "Das Erste", "Bayern 3[R]", "ZDF", "Hidden TV",
                          "Rai Radio 2[R]", "Rai 1"}));
    QCOMPARE(h.window->action(CommandId::Undo)->toolTip(), QStringLiteral("Undo order 6 channels"));
    QVERIFY(h.showsModified(true));
    h.window->action(CommandId::Undo)->trigger();
    QVERIFY(tablesOf(h) == before);
    QCOMPARE(shownChannels(h), (std::vector<int>{0, 1, 2, 3, 4, 6, 7}));

    // A reference that cannot be read changes nothing and says why.
    h.interaction.referencePaths.append(h.pathOf(QStringLiteral("none.csv")));
    h.window->listCommands().applyOrder();
    QCOMPARE(h.interaction.messages.size(), 1);
    QVERIFY(h.interaction.messages[0].text.startsWith(QStringLiteral("File open failed!\n")));
    QVERIFY(tablesOf(h) == before);
}

QTEST_MAIN(ListToolsTest)
#include "test_list_tools.moc"
