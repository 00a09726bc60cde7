// "Edit TP" / "Add TP" driven through its widgets by EditTransponder.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/RecordLayout.h"
#include "database/ViewIndex.h"
#include "support/DialogDriver.h"
#include "support/TestImageBuilder.h"
#include "ui/dialogs/DialogOperations.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

uint32_t storedKhz(int t) {
    return readU32(channelDatabase().transponders[t] + tp::FrequencyKhz);
}

int storedPolarization(int t) {
    return channelDatabase().transponders[t][tp::Polarization];
}

}  // namespace

class TransponderDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void addOpensEmptyAndReportsFrequencyFirst();
    void validation_data();
    void validation();
    void unchangedOkKeepsStoredFieldsAndMarksModified();
    void polarityChoiceWritesZeroOrOne();
    void changedFrequencyIsStoredInKhz();
    void outOfRangeStoredValueIsShownAndCancelKeepsIt();
    void addStoresNewTransponder();
    void addToFullTableReportsCannotAdd();
    void tabOrderEscapeAndFrame();
};

void TransponderDialogTest::init() {
    TestImageBuilder image;
    image.satellite(0, "Astra")
        .transponder(0, 0, 11727500, 27500, 1)
        .transponder(1, 0, 12000000, 22000, 7)
        .transponder(2, 0, 500000, 60000, 0);
    QVERIFY(loadIntoDatabase(image.build()));
}

void TransponderDialogTest::addOpensEmptyAndReportsFrequencyFirst() {
    DialogHarness h;
    h.script([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add TP"));
        QCOMPARE(control<QLineEdit>(dialog, "frequencyEdit")->text(), QStringLiteral("0"));
        QCOMPARE(control<QLineEdit>(dialog, "symbolRateEdit")->text(), QStringLiteral("0"));
        auto* polarity = control<QComboBox>(dialog, "polarityList");
        QCOMPARE(polarity->count(), 2);
        QCOMPARE(polarity->itemText(0), QStringLiteral("Vertical-13V"));
        QCOMPARE(polarity->itemText(1), QStringLiteral("Horizontal-18V"));
        QCOMPARE(polarity->currentIndex(), 0);
        QCOMPARE(focused(dialog), polarity);
        pressOk(dialog);
        QVERIFY(dialog.isVisible());
    });
    QCOMPARE(EditTransponder(h.context, 0, EditMode::Add), TransponderCapacity);
    QCOMPARE(h.ui.messageTexts(),
             QStringList{QStringLiteral("Please enter an integer between 1000 and 13000.")});
    QCOMPARE(h.ui.messages[0].icon, Interaction::Icon::Exclamation);
    QCOMPARE(h.modifiedCalls, 0);
    QVERIFY(!isLiveTransponder(3));
}

void TransponderDialogTest::validation_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("symbolRate");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("failingEdit");

    const QString integer = QStringLiteral("Please enter an integer.");
    const QString frequencyRange =
        QStringLiteral("Please enter an integer between 1000 and 13000.");
    const QString rateRange = QStringLiteral("Please enter an integer between 1000 and 50000.");
    QTest::newRow("letters") << "12a00"
                             << "27500" << integer << "frequencyEdit";
    QTest::newRow("empty frequency") << ""
                                     << "27500" << integer << "frequencyEdit";
    QTest::newRow("frequency before symbol rate") << "x"
                                                  << "y" << integer << "frequencyEdit";
    QTest::newRow("999 MHz") << "999"
                             << "27500" << frequencyRange << "frequencyEdit";
    QTest::newRow("13001 MHz") << "13001"
                               << "27500" << frequencyRange << "frequencyEdit";
    QTest::newRow("rate not a number") << "11000"
                                       << "27 500" << integer << "symbolRateEdit";
    QTest::newRow("rate 999") << "11000"
                              << "999" << rateRange << "symbolRateEdit";
    QTest::newRow("rate 50001") << "11000"
                                << "50001" << rateRange << "symbolRateEdit";
    QTest::newRow("lower bounds") << "1000"
                                  << "1000"
                                  << ""
                                  << "";
    QTest::newRow("upper bounds") << "13000"
                                  << "50000"
                                  << ""
                                  << "";
    QTest::newRow("blanks, tabs, sign") << " \t+12000 "
                                        << "\t27500\t"
                                        << ""
                                        << "";
}

void TransponderDialogTest::validation() {
    QFETCH(QString, frequency);
    QFETCH(QString, symbolRate);
    QFETCH(QString, message);
    QFETCH(QString, failingEdit);

    DialogHarness h;
    h.script([&](QDialog& dialog) {
        retype(dialog, "frequencyEdit", frequency);
        retype(dialog, "symbolRateEdit", symbolRate);
        pressOk(dialog);
        if (message.isEmpty()) {
            QVERIFY(!dialog.isVisible());
            return;
        }
        QVERIFY(dialog.isVisible());
        auto* edit = control<QLineEdit>(dialog, failingEdit.toLatin1().constData());
        QCOMPARE(focused(dialog), edit);
        QCOMPARE(edit->selectedText(), edit->text());
        // The user's input stays.
        QCOMPARE(control<QLineEdit>(dialog, "frequencyEdit")->text(), frequency);
        QCOMPARE(control<QLineEdit>(dialog, "symbolRateEdit")->text(), symbolRate);
        pressCancel(dialog);
    });
    const int result = EditTransponder(h.context, 0, EditMode::Edit);
    if (message.isEmpty()) {
        QCOMPARE(result, 0);
        QVERIFY(h.ui.messages.isEmpty());
        QCOMPARE(storedKhz(0), frequency.trimmed().toUInt() * 1000);
        QCOMPARE(transponderSymbolRate(0), symbolRate.trimmed().toInt());
        QCOMPARE(h.modifiedCalls, 1);
    } else {
        QCOMPARE(result, TransponderCapacity);
        QCOMPARE(h.ui.messageTexts(), QStringList{message});
        const bool plain = message == QStringLiteral("Please enter an integer.");
        QCOMPARE(h.ui.messages[0].icon,
                 plain ? Interaction::Icon::None : Interaction::Icon::Exclamation);
        QCOMPARE(storedKhz(0), 11727500u);
        QCOMPARE(h.modifiedCalls, 0);
    }
}

void TransponderDialogTest::unchangedOkKeepsStoredFieldsAndMarksModified() {
    DialogHarness h;
    h.script([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit TP"));
        QCOMPARE(control<QLineEdit>(dialog, "frequencyEdit")->text(), QStringLiteral("11727"));
        QCOMPARE(control<QLineEdit>(dialog, "symbolRateEdit")->text(), QStringLiteral("27500"));
        QCOMPARE(control<QComboBox>(dialog, "polarityList")->currentIndex(), 1);
        pressOk(dialog);
    });
    h.script([](QDialog& dialog) {
        // Polarization 7 is horizontal.
        QCOMPARE(control<QComboBox>(dialog, "polarityList")->currentIndex(), 1);
        pressOk(dialog);
    });
    const std::vector<uint8_t> before(channelDatabase().transponders[0],
                                      channelDatabase().transponders[2]);
    QCOMPARE(EditTransponder(h.context, 0, EditMode::Edit), 0);
    QCOMPARE(EditTransponder(h.context, 1, EditMode::Edit), 1);
    const std::vector<uint8_t> after(channelDatabase().transponders[0],
                                     channelDatabase().transponders[2]);
    QVERIFY(before == after);  // the kHz part and the stored byte 7 survive
    QCOMPARE(h.modifiedCalls, 2);
    QVERIFY(h.ui.messages.isEmpty());
}

void TransponderDialogTest::polarityChoiceWritesZeroOrOne() {
    DialogHarness h;
    h.script([](QDialog& dialog) {
        QTest::keyClick(control(dialog, "polarityList"), Qt::Key_Up);
        pressOk(dialog);
    });
    h.script([](QDialog& dialog) {
        QTest::keyClick(control(dialog, "polarityList"), Qt::Key_Down);
        pressOk(dialog);
    });
    QCOMPARE(EditTransponder(h.context, 1, EditMode::Edit), 1);
    QCOMPARE(EditTransponder(h.context, 2, EditMode::Edit), TransponderCapacity);  // 500 MHz
    QCOMPARE(storedPolarization(1), 0);
    h.script([](QDialog& dialog) {
        retype(dialog, "frequencyEdit", QStringLiteral("10700"));
        retype(dialog, "symbolRateEdit", QStringLiteral("22000"));
        QTest::keyClick(control(dialog, "polarityList"), Qt::Key_Down);
        pressOk(dialog);
    });
    QCOMPARE(EditTransponder(h.context, 2, EditMode::Edit), 2);
    QCOMPARE(storedPolarization(2), 1);
}

void TransponderDialogTest::changedFrequencyIsStoredInKhz() {
    DialogHarness h;
    h.script([](QDialog& dialog) {
        retype(dialog, "frequencyEdit", QStringLiteral("12100"));
        pressOk(dialog);
    });
    QCOMPARE(EditTransponder(h.context, 0, EditMode::Edit), 0);
    QCOMPARE(storedKhz(0), 12100000u);
    QCOMPARE(storedPolarization(0), 1);
    QCOMPARE(transponderSatellite(0), 0);
}

void TransponderDialogTest::outOfRangeStoredValueIsShownAndCancelKeepsIt() {
    DialogHarness h;
    h.script([](QDialog& dialog) {
        QCOMPARE(control<QLineEdit>(dialog, "frequencyEdit")->text(), QStringLiteral("500"));
        QCOMPARE(control<QLineEdit>(dialog, "symbolRateEdit")->text(), QStringLiteral("60000"));
        pressOk(dialog);
        QVERIFY(dialog.isVisible());
        pressCancel(dialog);
    });
    QCOMPARE(EditTransponder(h.context, 2, EditMode::Edit), TransponderCapacity);
    QCOMPARE(storedKhz(2), 500000u);
    QCOMPARE(transponderSymbolRate(2), 60000);
    QCOMPARE(h.modifiedCalls, 0);
}

void TransponderDialogTest::addStoresNewTransponder() {
    DialogHarness h;
    const auto fill = [](QDialog& dialog) {
        QTest::keyClick(control(dialog, "polarityList"), Qt::Key_Down);
        retype(dialog, "frequencyEdit", QStringLiteral("10758"));
        retype(dialog, "symbolRateEdit", QStringLiteral("22000"));
        pressOk(dialog);
    };
    h.script(fill);
    h.script(fill);  // the same transponder again: no duplicate check
    const int first = EditTransponder(h.context, 0, EditMode::Add);
    const int second = EditTransponder(h.context, 0, EditMode::Add);
    QVERIFY(first != TransponderCapacity && second != TransponderCapacity && first != second);
    for (int t : {first, second}) {
        QVERIFY(isLiveTransponder(t));
        QCOMPARE(transponderSatellite(t), 0);
        QCOMPARE(storedKhz(t), 10758000u);
        QCOMPARE(transponderSymbolRate(t), 22000);
        QCOMPARE(storedPolarization(t), 1);
    }
    QCOMPARE(h.ui.messageTexts(),
             (QStringList{QStringLiteral("TP added"), QStringLiteral("TP added")}));
    QCOMPARE(h.ui.messages[0].icon, Interaction::Icon::Information);
    QCOMPARE(h.modifiedCalls, 2);
}

void TransponderDialogTest::addToFullTableReportsCannotAdd() {
    QVERIFY(loadIntoDatabase(fullCapacityImage()));
    DialogHarness h;
    h.script([](QDialog& dialog) {
        retype(dialog, "frequencyEdit", QStringLiteral("10758"));
        retype(dialog, "symbolRateEdit", QStringLiteral("22000"));
        pressOk(dialog);
    });
    QCOMPARE(EditTransponder(h.context, 0, EditMode::Add), TransponderCapacity);
    QCOMPARE(h.ui.messageTexts(), QStringList{QStringLiteral("Cannot add tp")});
    QCOMPARE(h.ui.messages[0].icon, Interaction::Icon::Exclamation);
    QCOMPARE(h.modifiedCalls, 0);
}

void TransponderDialogTest::tabOrderEscapeAndFrame() {
    DialogHarness h;
    h.script([](QDialog& dialog) {
        QCOMPARE(focused(dialog)->objectName(), QStringLiteral("polarityList"));
        QCOMPARE(tabWalk(dialog, 5), (QStringList{"frequencyEdit", "symbolRateEdit", "okButton",
                                                  "cancelButton", "polarityList"}));
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        retype(dialog, "frequencyEdit", QStringLiteral("12000"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(EditTransponder(h.context, 0, EditMode::Edit), TransponderCapacity);
    QCOMPARE(storedKhz(0), 11727500u);
    QCOMPARE(h.modifiedCalls, 0);
}

QTEST_MAIN(TransponderDialogTest)
#include "test_transponder_dialog.moc"
