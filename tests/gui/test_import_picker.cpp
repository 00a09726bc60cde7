// File > Import From...: the picker shows the other file as a tree that marks what this
// database holds and what it cannot take; Copy is one step with a report, and Undo takes it
// back to the byte.
#include <QCheckBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>

#include "support/WindowFixture.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/ImportTreeModel.h"
#include "ui/mainwindow/CommandTable.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

// Satellites in another order than the window's database, and one it does not have.
Bytes otherImage() {
    TestImageBuilder builder(21);
    builder.satellite(0, "Hotbird 13.0E").satellite(1, "Astra 19.2E").satellite(2, "Thor 1.0W");
    builder
        .transponder(0, 1, 11494000, 22000, 1)   // Astra 11494 H, also in the window's
        .transponder(1, 0, 11000000, 27500, 0)   // Hotbird 11000 V, new
        .transponder(2, 2, 10872000, 25000, 1);  // Thor: not importable
    builder.channel(0, 0, "Das Erste", 28106)
        .channel(1, 0, "Arte", 28724)
        .channel(2, 1, "Rai 3", 3403)
        .channel(3, 2, "NRK1", 1);
    return builder.build();
}

QString hereText(const ImportTreeModel& model, const QModelIndex& item) {
    return model.index(item.row(), ImportTreeModel::ColumnHere, item.parent()).data().toString();
}

Bytes tablesOf(const WindowHarness& h) {
    return Bytes(h.db().bytes(), h.db().bytes() + table::Size);
}

}  // namespace

class ImportPickerTest : public QObject {
    Q_OBJECT

private slots:
    void picksMarksCopiesAndUndoes();
};

void ImportPickerTest::picksMarksCopiesAndUndoes() {
    WindowHarness h;
    QVERIFY(h.openImage(windowTestImage()));
    const Bytes before = tablesOf(h);
    h.interaction.openPaths.append(h.writeImage(QStringLiteral("other.tbn"), otherImage()));
    h.interaction.dialogScripts.append([](QDialog& dialog) {
        auto& picker = static_cast<ImportDialog&>(dialog);
        ImportTreeModel& model = picker.model();
        QCOMPARE(model.rowCount(), 3);
        const QModelIndex thor = model.satelliteItem(2);
        QVERIFY(hereText(model, thor).startsWith(QStringLiteral("Not importable")));
        QVERIFY(!model.flags(thor).testFlag(Qt::ItemIsUserCheckable));
        QVERIFY(!model.setData(thor, Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(hereText(model, model.channelItem(0)), QStringLiteral("Here"));
        QCOMPARE(hereText(model, model.channelItem(1)), QStringLiteral("New"));
        QCOMPARE(
            model.index(1, ImportTreeModel::ColumnFirstListColumn + 2, model.transponderItem(0))
                .data()
                .toString(),
            QStringLiteral("Arte"));
        QVERIFY(model.setData(model.satelliteItem(1), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(model.setData(model.channelItem(2), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(model.data(model.transponderItem(0), Qt::CheckStateRole).toInt(),
                 int(Qt::Checked));
        QCOMPARE(model.data(model.satelliteItem(0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(model.tickedChannels(), 3);
        picker.tree()->expandAll();
        picker.copyButton()->click();
    });
    h.window->commands().action(CommandId::ImportFrom)->trigger();

    QCOMPARE(h.interaction.dialogsRun, 1);
    QCOMPARE(h.db().channelName(8), "Arte");  // after the last channel: nothing moves
    QCOMPARE(h.db().channelName(9), "Rai 3");
    QCOMPARE(h.db().transponderSatellite(h.db().channelTransponder(9)), 1);
    QCOMPARE(
        h.window->statusBar()->currentMessage(),
        QStringLiteral("2 channels copied, 0 updated, 1 skipped as present, 0 not importable"));
    QVERIFY(h.interaction.messages.last().text.contains(QStringLiteral("1 transponder added.")));
    QCOMPARE(h.session().undoLabel(), std::string("import 2 channels from other.tbn"));
    QVERIFY(h.session().undo());
    QVERIFY(tablesOf(h) == before);

    // A file Open would refuse is refused here too, and nothing changes.
    h.interaction.openPaths.append(h.writeImage(QStringLiteral("bad.tbn"), Bytes(100, 0)));
    h.window->commands().action(CommandId::ImportFrom)->trigger();
    QCOMPARE(h.interaction.dialogsRun, 1);
    QVERIFY(h.interaction.messages.last().text.startsWith(QStringLiteral("Invalid DB file!")));
    QVERIFY(tablesOf(h) == before);
}

QTEST_MAIN(ImportPickerTest)
#include "test_import_picker.moc"
