#include "support/WindowFixture.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidgetItem>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/RecordLayout.h"
#include "support/DialogDriver.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/SatelliteTree.h"
#include "ui/mainwindow/SaveGuards.h"

namespace kavro::testing {

TestImageBuilder windowTestBuilder(uint32_t seed) {
    TestImageBuilder builder(seed);
    builder.satellite(0, "Astra 19.2E")
        .satellite(1, "Hotbird 13.0E")
        .satellite(2, "Hidden 5.0W", false)
        .satellite(3, "Empty 30.0W");
    builder.transponder(0, 0, 11494000, 22000, 1)
        .transponder(1, 0, 3800000, 2000, 0)
        .transponder(2, 1, 12000000, 27500, 0)
        .transponder(3, 2, 10700000, 22000, 1)
        .transponder(4, 0, 12603000, 22000, 0);
    builder.channel(0, 0, "Das Erste", 28106)
        .channel(1, 0, "Bayern 3", 28400, false)
        .channel(2, 2, "Rai 1", 3401)
        .channel(3, 0, "ZDF", 28006)
        .channel(4, 3, "Hidden TV", 77)
        .channel(6, 2, "Rai Radio 2", 12, false)
        .channel(7, 4, "Klassik", 13, false);
    uint8_t* zdf = builder.channelRecord(3);
    writeU16(zdf + ch::CasBits, 0x0003);
    writeU16(zdf + ch::FavoriteBits, 0x0001);
    writeU16(zdf + ch::Flags, ChannelFlagTv | 1 | ChannelFlagLock);
    return builder;
}

Bytes windowTestImage(uint32_t seed) {
    return windowTestBuilder(seed).build();
}

namespace {

// Backups go to a data folder of the test run's own, from the start (tests look for them
// before they make a window).
[[maybe_unused]] const bool DataFolderSet = [] {
    return qputenv("XDG_DATA_HOME", QByteArray::fromStdString(makeTempDir()));
}();

}  // namespace

WindowHarness::WindowHarness() {
    QStandardPaths::setTestModeEnabled(true);
    folder = QString::fromStdString(makeTempDir());
    window = std::make_unique<MainWindow>(interaction);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qWarning("WindowHarness: the window was not exposed");
    }
}

WindowHarness::~WindowHarness() {
    window.reset();
    QDir(folder).removeRecursively();
    QDir(backupFolder()).removeRecursively();  // the backups of this test's saves
}

QString WindowHarness::pathOf(const QString& name) const {
    return QDir(folder).filePath(name);
}

QString WindowHarness::writeImage(const QString& name, const Bytes& bytes) {
    const QString path = pathOf(name);
    writeFileBytes(path.toStdString(), bytes);
    return path;
}

bool WindowHarness::open(const QString& path) {
    const int before = interaction.messages.size();
    interaction.openPaths.append(path);
    window->fileCommands().open();
    // The save question may come first; any other message is a failure.
    for (int i = before; i < interaction.messages.size(); ++i) {
        if (!interaction.messages[i].text.startsWith(
                QStringLiteral("Do you want to save changes?"))) {
            return false;
        }
    }
    return window->currentPath() == path && window->session().isOpen();
}

bool WindowHarness::openImage(const Bytes& bytes, const QString& name) {
    return open(writeImage(name, bytes));
}

OpenedWindow::OpenedWindow() : path(pathOf(QStringLiteral("db.tbn"))) {
    QTest::qVerify(openImage(windowTestImage()), "openImage(windowTestImage())", "", __FILE__,
                   __LINE__);
}

bool WindowHarness::showsModified(bool dirty) const {
    return window->session().isModified() == dirty &&
           window->action(CommandId::Save)->isEnabled() == dirty;
}

QString WindowHarness::cell(int row, int column) const {
    return window->listModel()->index(row, column).data().toString();
}

QStringList WindowHarness::rowTexts(int row) const {
    QStringList texts;
    for (int column = 0; column < window->listModel()->columnCount(); ++column) {
        texts.append(cell(row, column));
    }
    return texts;
}

QStringList WindowHarness::columnTexts(int column) const {
    QStringList texts;
    for (int row = 0; row < rows(); ++row) {
        texts.append(cell(row, column));
    }
    return texts;
}

int WindowHarness::rows() const {
    return window->listModel()->rowCount();
}

QStringList WindowHarness::treeTexts() const {
    QStringList texts;
    const SatelliteTree* tree = window->tree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* satellite = tree->topLevelItem(i);
        texts.append(satellite->text(0));
        for (int j = 0; j < satellite->childCount(); ++j) {
            texts.append(QStringLiteral("  ") + satellite->child(j)->text(0));
        }
    }
    return texts;
}

QTreeWidgetItem* WindowHarness::satelliteItem(int s) const {
    return window->tree()->satelliteItem(s);
}

QTreeWidgetItem* WindowHarness::transponderItem(int s, int j) const {
    return window->tree()->transponderItem(s, j);
}

void WindowHarness::selectTreeItem(QTreeWidgetItem* item) {
    window->tree()->setCurrentItem(item);
}

void WindowHarness::selectRows(std::initializer_list<int> rows) {
    QItemSelectionModel* selection = window->list()->selectionModel();
    selection->clearSelection();
    for (int row : rows) {
        selection->select(window->listModel()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

bool WindowHarness::renameChannel(int ch, std::string_view name) const {
    return edit(renamedChannel(db(), ch, name));
}

EditChannel renamedChannel(const ChannelDatabase& tables, int ch, std::string_view name) {
    return EditChannel{ch,
                       std::string(name),
                       tables.channelVideoPid(ch) & PidMask,
                       tables.channelAudioPid(ch) & PidMask,
                       tables.channelPcrPid(ch) & PidMask,
                       tables.channelServiceId(ch),
                       tables.isChannelLocked(ch)};
}

std::unique_ptr<EditSession> loadedFile(const QString& path) {
    auto session = std::make_unique<EditSession>();
    if (!loadImage(*session, readFileBytes(path.toStdString()))) {
        return nullptr;
    }
    return session;
}

ScriptedInteraction::DialogScript setFieldAndOk(const QString& editName, const QString& text) {
    return [editName, text](QDialog& dialog) {
        control<QLineEdit>(dialog, editName.toLatin1().constData())->setText(text);
        pressOk(dialog);
    };
}

ScriptedInteraction::DialogScript pressCancel() {
    return [](QDialog& dialog) { pressCancel(dialog); };
}

}  // namespace kavro::testing
