// The window as a desktop application: its title, the menu bar built from the command
// table, the layout and the choices it remembers in its settings file, the recent files,
// a .tbn file dropped on it, and the notices of its status bar.
#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <QWidgetAction>

#include "database/DisplayText.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/FileDrop.h"
#include "ui/mainwindow/MenuBar.h"
#include "ui/mainwindow/RecentFiles.h"
#include "ui/mainwindow/StatusNotices.h"
#include "ui/mainwindow/WindowSettings.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

const QString OpenFailed = QStringLiteral("File open failed!");

// Every action of the menu bar, submenus' included.
QList<QAction*> menuActions(const QMenu* menu) {
    QList<QAction*> actions;
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            actions += menuActions(action->menu());
        } else if (!action->isSeparator()) {
            actions.append(action);
        }
    }
    return actions;
}

// Sends the drag-and-drop of `urls` to `target` as a file manager would; true when the
// target took the drag.
bool dropUrls(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

}  // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT

private slots:
    void titleNamesTheFileAndFollowsTheModifiedMark();
    void everyCommandIsInAMenuAndNoKeyIsBoundTwice();
    void keysActThroughTheirCommands();
    void popupsShareTheMenusActions();
    void layoutComesBackFromTheSettingsFile();
    void recentFilesKeepTheLastEightNewestFirst();
    void openRecentDropsAMissingFile();
    void openersRememberTheirFolders();
    void droppedTbnFileOpensAfterTheSaveQuestion();
    void noticesShowInTheStatusBarOnly();
};

void DesktopWindowTest::titleNamesTheFileAndFollowsTheModifiedMark() {
    WindowHarness h;
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Channel Editor "));
    // Commands on the database wait for one; Open and Help do not.
    QVERIFY(!h.window->commands().action(CommandId::SortByName)->isEnabled());
    QVERIFY(!h.window->commands().action(CommandId::ExportList)->isEnabled());
    QVERIFY(h.window->commands().action(CommandId::Open)->isEnabled());
    QVERIFY(h.openImage(windowTestImage()));
    QVERIFY(h.window->commands().action(CommandId::SortByName)->isEnabled());
    QCOMPARE(h.window->windowTitle(), QStringLiteral("db.tbn[*] - Channel Editor"));
    QCOMPARE(h.window->windowFilePath(), h.pathOf(QStringLiteral("db.tbn")));
    QVERIFY(!h.window->isWindowModified());
    QVERIFY(h.renameChannel(0, "Erste"));
    QVERIFY(h.window->isWindowModified());
    h.window->historyCommands().undo();
    QVERIFY(!h.window->isWindowModified());
}

// The menu bar offers every command of the table, with its key; the popups and the toolbar
// show the same actions; a key that works in the whole window runs one command only.
void DesktopWindowTest::everyCommandIsInAMenuAndNoKeyIsBoundTwice() {
    OpenedWindow h;
    const CommandTable& table = h.window->commands();
    QList<QAction*> inMenus;
    for (const QAction* menu : table.menuBar()->actions()) {
        inMenus += menuActions(menu->menu());
    }
    QHash<QString, CommandId> windowKeys;
    for (const CommandEntry& entry : table.entries()) {
        QAction* action = table.action(entry.id);
        QVERIFY2(inMenus.contains(action), entry.text);
        QVERIFY2(menuActions(table.menu(entry.menu)).contains(action), entry.text);
        const QString keys = QString::fromLatin1(entry.keys);
        QCOMPARE(keys.isEmpty() ? QList<QKeySequence>() : QKeySequence::listFromString(keys),
                 action->shortcuts());
        if (entry.keyOwnedByView) {
            QCOMPARE(action->shortcutContext(), Qt::WidgetShortcut);
            continue;
        }
        for (const QKeySequence& key : action->shortcuts()) {
            QVERIFY2(!windowKeys.contains(key.toString()), qPrintable(key.toString()));
            windowKeys.insert(key.toString(), entry.id);
        }
    }
    QCOMPARE(inMenus.size(), qsizetype(table.entries().size()));  // Open Recent is empty
    for (const Popup popup : {Popup::List, Popup::Transponder, Popup::Satellite}) {
        const std::unique_ptr<QMenu> menu = h.window->buildPopup(popup);
        QVERIFY(!menu->actions().isEmpty());
        for (QAction* action : menuActions(menu.get())) {  // a submenu's: the menu bar's own
            QVERIFY(inMenus.contains(action));
        }
    }
    for (QAction* action : h.window->findChild<QToolBar*>()->actions()) {
        QVERIFY(action->isSeparator() || inMenus.contains(action) ||
                qobject_cast<QWidgetAction*>(action));
    }
}

void DesktopWindowTest::keysActThroughTheirCommands() {
    OpenedWindow h;
    // A key acts through the menu's action: Ctrl+2 shows the TV view, Ctrl+A selects every
    // row; a tree command acts on the item of its kind only.
    QTest::keyClick(h.window.get(), Qt::Key_2, Qt::ControlModifier);
    QVERIFY(h.window->commands().action(CommandId::ViewTv)->isChecked());
    QTest::keyClick(h.window.get(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(h.window->list()->selectedRowPositions().size(), h.rows());
    h.selectTreeItem(h.satelliteItem(0));
    QTest::keyClick(h.window.get(), Qt::Key_N, Qt::ControlModifier);  // Add Channel
    QCOMPARE(h.interaction.dialogsRun, 0);
    QTest::keyClick(h.window.get(), Qt::Key_T, Qt::ControlModifier);  // Add TP
    QCOMPARE(h.interaction.dialogsRun, 1);
}

void DesktopWindowTest::popupsShareTheMenusActions() {
    OpenedWindow h;
    const std::unique_ptr<QMenu> popup = h.window->buildPopup(Popup::List);
    QAction* undo = popup->actions().first();
    QCOMPARE(undo, h.window->commands().action(CommandId::Undo));
    QVERIFY(!undo->isEnabled());
    QVERIFY(h.renameChannel(0, "Erste"));
    QVERIFY(undo->isEnabled());  // one action: the menu, the popup and Ctrl+Z agree
    QCOMPARE(undo->text(), h.window->commands().menu(MenuName::Edit)->actions().first()->text());
    // Picked in a popup, a command runs once.
    h.interaction.popupChoices = QStringList({undo->text()});
    emit h.window->list()->listRightClicked();
    QCOMPARE(h.db().channelName(0), std::string("Das Erste"));
    QVERIFY(h.window->session().canRedo());
    QVERIFY(!h.window->session().canUndo());
}

void DesktopWindowTest::layoutComesBackFromTheSettingsFile() {
    const QString folder = QString::fromStdString(makeTempDir());
    const QString path = QDir(folder).filePath(QStringLiteral("kavro.ini"));
    ScriptedInteraction ui;
    QList<int> splitterSizes;
    QSize size;
    {
        WindowSettings settings(path);
        MainWindow window(ui, nullptr, &settings);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int width = window.minimumSize().width() + 10;
        window.resize(width, 540);
        size = window.size();
        QCOMPARE(size, QSize(width, 540));
        window.splitter()->setSizes({300, width - 350});
        splitterSizes = window.splitter()->sizes();
        window.list()->setColumnWidth(ColumnChannel, 260);
        QVERIFY(window.close());  // closing keeps the layout
    }
    WindowSettings settings(path);
    MainWindow window(ui, nullptr, &settings);
    QCOMPARE(window.size(), size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.splitter()->sizes(), splitterSizes);
    QCOMPARE(window.list()->columnWidth(ColumnChannel), 260);
    const QHeaderView* header = window.list()->horizontalHeader();
    QCOMPARE(header->sectionResizeMode(ColumnCas), QHeaderView::Interactive);
    QCOMPARE(header->sectionResizeMode(ColumnTp), QHeaderView::Fixed);
    QDir(folder).removeRecursively();
}

void DesktopWindowTest::recentFilesKeepTheLastEightNewestFirst() {
    WindowSettings settings;
    RecentFiles recent(settings);
    for (int i = 0; i < 10; ++i) {
        recent.add(QStringLiteral("/data/f%1.tbn").arg(i));
    }
    recent.add(QStringLiteral("/data/f5.tbn"));
    recent.add(QStringLiteral("/data/sub/../f7.tbn"));  // the same file, spelled otherwise
    QCOMPARE(recent.paths(),
             QStringList({"/data/f7.tbn", "/data/f5.tbn", "/data/f9.tbn", "/data/f8.tbn",
                          "/data/f6.tbn", "/data/f4.tbn", "/data/f3.tbn", "/data/f2.tbn"}));
    recent.remove(QStringLiteral("/data/f9.tbn"));
    QCOMPARE(recent.paths().size(), 7);
    QVERIFY(!recent.paths().contains(QStringLiteral("/data/f9.tbn")));
}

void DesktopWindowTest::openRecentDropsAMissingFile() {
    OpenedWindow h;
    RecentFiles recent(h.window->settings());
    QCOMPARE(recent.paths(), QStringList({h.path}));
    const QString gone = h.writeImage(QStringLiteral("gone.tbn"), windowTestImage());
    QVERIFY(h.window->openFile(gone));
    QCOMPARE(recent.paths(), QStringList({gone, h.path}));
    QVERIFY(QFile::remove(gone));
    QVERIFY(!h.window->openFile(gone));
    QCOMPARE(h.interaction.messages.last().text.section('\n', 0, 0), OpenFailed);
    QCOMPARE(recent.paths(), QStringList({h.path}));
    QCOMPARE(h.window->currentPath(), gone);  // the database shown was kept
}

void DesktopWindowTest::openersRememberTheirFolders() {
    OpenedWindow h;
    QCOMPARE(h.interaction.openFolders, QStringList({QString()}));
    QVERIFY(h.open(h.path));
    QCOMPARE(h.interaction.openFolders.last(), h.folder);
    // Save As starts where it last saved, with the open file's name.
    QDir(h.folder).mkdir(QStringLiteral("out"));
    const QString saved = h.pathOf(QStringLiteral("out/copy.tbn"));
    h.interaction.savePaths = QStringList({saved});
    h.window->fileCommands().saveAs();
    QCOMPARE(h.window->currentPath(), saved);
    QVERIFY(h.window->statusBar()->currentMessage().startsWith(QStringLiteral("Saved ")));
    QVERIFY(h.open(h.path));
    h.window->fileCommands().saveAs();
    QCOMPARE(h.interaction.saveInitialPaths.last(), h.pathOf(QStringLiteral("out/db.tbn")));
}

void DesktopWindowTest::droppedTbnFileOpensAfterTheSaveQuestion() {
    OpenedWindow h;
    const QString other = h.writeImage(QStringLiteral("other.TBN"), windowTestImage(12));
    QVERIFY(!dropUrls(h.window->list()->viewport(),
                      {QUrl::fromLocalFile(h.pathOf(QStringLiteral("notes.txt")))}));
    QVERIFY(h.renameChannel(0, "Erste"));
    h.interaction.answers = {Interaction::Answer::Cancel};
    QVERIFY(dropUrls(h.window->list()->viewport(), {QUrl::fromLocalFile(other)}));
    QTRY_COMPARE(h.interaction.messages.size(), 1);
    QCOMPARE(h.interaction.messages[0].text.section('\n', 0, 0),
             QStringLiteral("Do you want to save changes?"));
    QCOMPARE(h.window->currentPath(), h.path);  // cancelled: nothing opened
    h.interaction.answers = {Interaction::Answer::Discard};
    QVERIFY(dropUrls(h.window.get(), {QUrl::fromLocalFile(other)}));
    QTRY_COMPARE(h.window->currentPath(), other);
    QVERIFY(!h.window->session().isModified());
}

void DesktopWindowTest::noticesShowInTheStatusBarOnly() {
    WindowSettings settings;
    ScriptedInteraction ui;
    QWidget window;
    QStatusBar bar(&window);
    StatusNotices notices(bar, window, ui, settings);
    notices.notify(QStringLiteral("TP added"));
    notices.notify(QStringLiteral("Channel added"));
    QVERIFY(ui.messages.isEmpty());
    QCOMPARE(bar.currentMessage(), QStringLiteral("Channel added"));
}

QTEST_MAIN(DesktopWindowTest)
#include "test_desktop_window.moc"
