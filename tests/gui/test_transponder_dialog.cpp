// "Edit TP" / "Add TP" driven through its widgets by EditTransponder.
#include <QComboBox>
#include <QLabel>
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

uint32_t storedKhz(const DialogHarness& h, int t) {
    return readU32(h.db().tables().transponders[t] + tp::FrequencyKhz);
}

int storedPolarization(const DialogHarness& h, int t) {
    return h.db().tables().transponders[t][tp::Polarization];
}

// The bytes of transponders 0 and 1.
std::vector<uint8_t> records(const DialogHarness& h) {
    return {h.db().tables().transponders[0], h.db().tables().transponders[2]};
}

}  // namespace

class TransponderDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void addOpensWithValuesItAccepts();
    void aSecondTransponderOfOneFrequencyIsAskedFor();
    void validation_data();
    void validation();
    void unchangedOkKeepsStoredFieldsAndMarksNothing();
    void polarityChoiceWritesZeroOrOne();
    void changedFrequencyIsStoredInKhz();
    void outOfRangeStoredValueIsShownAndCancelKeepsIt();
    void addStoresNewTransponder();
    void addToFullTableReportsCannotAdd();
    void tabOrderEscapeAndFrame();

private:
    Bytes image_;
};

void TransponderDialogTest::init() {
    TestImageBuilder image;
    image.satellite(0, "Astra")
        .transponder(0, 0, 11727500, 27500, 1)
        .transponder(1, 0, 12000000, 22000, 7)
        .transponder(2, 0, 500000, 60000, 0);
    image_ = image.build();
}

// Add TP names its satellite and units and starts with values OK takes as they stand.
void TransponderDialogTest::addOpensWithValuesItAccepts() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add TP"));
        QCOMPARE(editTexts(dialog, {"satelliteEdit", "frequencyEdit", "symbolRateEdit"}),
                 QStringList({"Astra", "11000", "27500"}));
        QVERIFY(!control(dialog, "satelliteEdit")->isEnabled());
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            labels.append(label->text());
        }
        QVERIFY(labels.contains("MHz") && labels.contains("kS/s"));
        auto* polarity = control<QComboBox>(dialog, "polarityList");
        QCOMPARE(polarity->count(), 2);
        QCOMPARE(polarity->itemText(0), QStringLiteral("Vertical-13V"));
        QCOMPARE(polarity->itemText(1), QStringLiteral("Horizontal-18V"));
        QCOMPARE(polarity->currentIndex(), 0);
        QCOMPARE(focused(dialog)->objectName(), QStringLiteral("frequencyEdit"));
        pressOk(dialog);
    });
    QCOMPARE(runTransponderDialog(h.context, 0, EditMode::Add), 3);
    QCOMPARE(h.db().transponderFrequencyMhz(3), 11000);
    QCOMPARE(h.steps(), 1);
}

// Add and Edit TP ask before a satellite gets a second transponder of one frequency and
// polarity; No (the default) keeps the dialog open on the frequency, Yes keeps both.
void TransponderDialogTest::aSecondTransponderOfOneFrequencyIsAskedFor() {
    const QString question = QStringLiteral("Astra already has 12000H. Keep both?");
    for (const auto answer : {Interaction::Answer::No, Interaction::Answer::Yes}) {
        for (const EditMode mode : {EditMode::Add, EditMode::Edit}) {
            DialogHarness h(image_);
            h.ui.answers = {answer};
            bool stayedOpen = false;
            h.script([&](QDialog& dialog) {
                retype(dialog, "frequencyEdit", QStringLiteral("12000"));
                control<QComboBox>(dialog, "polarityList")->setCurrentIndex(1);
                pressOk(dialog);
                stayedOpen = dialog.isVisible();
                if (stayedOpen) {
                    QCOMPARE(focused(dialog)->objectName(), QStringLiteral("frequencyEdit"));
                }
            });
            const int result = runTransponderDialog(h.context, 0, mode);
            QCOMPARE(h.ui.messages.value(0).text, question);
            QCOMPARE(h.ui.messages.value(0).buttons, Interaction::Buttons::YesNo);
            QCOMPARE(stayedOpen, answer == Interaction::Answer::No);
            QCOMPARE(result != TransponderCapacity, answer == Interaction::Answer::Yes);
            QCOMPARE(h.steps(), answer == Interaction::Answer::Yes ? 1 : 0);
        }
    }
    // The transponder itself, left as it is, is no second one.
    DialogHarness h(image_);
    h.script([](QDialog& dialog) { pressOk(dialog); });
    QCOMPARE(runTransponderDialog(h.context, 1, EditMode::Edit), 1);
    QVERIFY(h.ui.messages.isEmpty());
}

void TransponderDialogTest::validation_data() {
    validationColumns();
    // Typed: frequency, symbol rate.
    const QString integer = QStringLiteral("Please enter an integer.");
    const QString frequencyRange =
        QStringLiteral("Please enter an integer between 1000 and 13000.\nField: Frequency");
    const QString rateRange =
        QStringLiteral("Please enter an integer between 1000 and 50000.\nField: Symbol Rate");
    validationRow("letters", {"12a00", "27500"}, integer, "frequencyEdit");
    validationRow("empty frequency", {"", "27500"}, integer, "frequencyEdit");
    validationRow("frequency before symbol rate", {"x", "y"}, integer, "frequencyEdit");
    validationRow("999 MHz", {"999", "27500"}, frequencyRange, "frequencyEdit");
    validationRow("13001 MHz", {"13001", "27500"}, frequencyRange, "frequencyEdit");
    validationRow("rate not a number", {"11000", "27 500"}, integer, "symbolRateEdit");
    validationRow("rate 999", {"11000", "999"}, rateRange, "symbolRateEdit");
    validationRow("rate 50001", {"11000", "50001"}, rateRange, "symbolRateEdit");
    validationRow("lower bounds", {"1000", "1000"});
    validationRow("upper bounds", {"13000", "50000"});
    validationRow("blanks, tabs, sign", {" \t+12100 ", "\t27500\t"});
}

void TransponderDialogTest::validation() {
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, failingEdit);
    DialogHarness h(image_);
    h.script([&](QDialog& dialog) {
        typeAndPressOk(dialog, {"frequencyEdit", "symbolRateEdit"}, typed, failingEdit);
    });
    const int result = runTransponderDialog(h.context, 0, EditMode::Edit);
    if (message.isEmpty()) {
        QCOMPARE(result, 0);
        QVERIFY(h.ui.messages.isEmpty());
        QCOMPARE(storedKhz(h, 0), typed[0].trimmed().toUInt() * 1000);
        QCOMPARE(h.db().transponderSymbolRate(0), typed[1].trimmed().toInt());
        QCOMPARE(h.steps(), 1);
    } else {
        QCOMPARE(result, TransponderCapacity);
        expectOnlyMessage(h.ui, message, fieldMessageIcon(message));
        QCOMPARE(storedKhz(h, 0), 11727500u);
        QCOMPARE(h.steps(), 0);
    }
}

void TransponderDialogTest::unchangedOkKeepsStoredFieldsAndMarksNothing() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit TP"));
        QCOMPARE(editTexts(dialog, {"frequencyEdit", "symbolRateEdit"}),
                 QStringList({"11727", "27500"}));
        QCOMPARE(control<QComboBox>(dialog, "polarityList")->currentIndex(), 1);
        pressOk(dialog);
    });
    h.script([](QDialog& dialog) {
        // Polarization 7 is horizontal.
        QCOMPARE(control<QComboBox>(dialog, "polarityList")->currentIndex(), 1);
        pressOk(dialog);
    });
    const std::vector<uint8_t> before = records(h);
    QCOMPARE(runTransponderDialog(h.context, 0, EditMode::Edit), 0);
    QCOMPARE(runTransponderDialog(h.context, 1, EditMode::Edit), 1);
    QVERIFY(records(h) == before);  // the kHz part and the stored byte 7 survive
    QCOMPARE(h.steps(), 0);         // no byte changed, nothing to save
    QVERIFY(h.ui.messages.isEmpty());
}

void TransponderDialogTest::polarityChoiceWritesZeroOrOne() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QTest::keyClick(control(dialog, "polarityList"), Qt::Key_Up);
        pressOk(dialog);
    });
    h.script([](QDialog& dialog) {
        QTest::keyClick(control(dialog, "polarityList"), Qt::Key_Down);
        pressOk(dialog);
    });
    QCOMPARE(runTransponderDialog(h.context, 1, EditMode::Edit), 1);
    QCOMPARE(runTransponderDialog(h.context, 2, EditMode::Edit), TransponderCapacity);  // 500 MHz
    QCOMPARE(storedPolarization(h, 1), 0);
    h.script([](QDialog& dialog) {
        retype(dialog, "frequencyEdit", QStringLiteral("10700"));
        retype(dialog, "symbolRateEdit", QStringLiteral("22000"));
        QTest::keyClick(control(dialog, "polarityList"), Qt::Key_Down);
        pressOk(dialog);
    });
    QCOMPARE(runTransponderDialog(h.context, 2, EditMode::Edit), 2);
    QCOMPARE(storedPolarization(h, 2), 1);
}

void TransponderDialogTest::changedFrequencyIsStoredInKhz() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        retype(dialog, "frequencyEdit", QStringLiteral("12100"));
        pressOk(dialog);
    });
    QCOMPARE(runTransponderDialog(h.context, 0, EditMode::Edit), 0);
    QCOMPARE(storedKhz(h, 0), 12100000u);
    QCOMPARE(storedPolarization(h, 0), 1);
    QCOMPARE(h.db().transponderSatellite(0), 0);
}

void TransponderDialogTest::outOfRangeStoredValueIsShownAndCancelKeepsIt() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QCOMPARE(editTexts(dialog, {"frequencyEdit", "symbolRateEdit"}),
                 QStringList({"500", "60000"}));
        pressOk(dialog);
        QVERIFY(dialog.isVisible());
        pressCancel(dialog);
    });
    QCOMPARE(runTransponderDialog(h.context, 2, EditMode::Edit), TransponderCapacity);
    QCOMPARE(storedKhz(h, 2), 500000u);
    QCOMPARE(h.db().transponderSymbolRate(2), 60000);
    QCOMPARE(h.steps(), 0);
}

void TransponderDialogTest::addStoresNewTransponder() {
    DialogHarness h(image_);
    const auto fill = [](QDialog& dialog) {
        QTest::keyClick(control(dialog, "polarityList"), Qt::Key_Down);
        retype(dialog, "frequencyEdit", QStringLiteral("10758"));
        retype(dialog, "symbolRateEdit", QStringLiteral("22000"));
        pressOk(dialog);
    };
    h.script(fill);
    h.script(fill);  // the same transponder again, kept after the question
    h.ui.answers = {Interaction::Answer::Yes};
    const int first = runTransponderDialog(h.context, 0, EditMode::Add);
    const int second = runTransponderDialog(h.context, 0, EditMode::Add);
    QVERIFY(first != TransponderCapacity && second != TransponderCapacity && first != second);
    for (int t : {first, second}) {
        QVERIFY(h.db().isLiveTransponder(t));
        QCOMPARE(h.db().transponderSatellite(t), 0);
        QCOMPARE(storedKhz(h, t), 10758000u);
        QCOMPARE(h.db().transponderSymbolRate(t), 22000);
        QCOMPARE(storedPolarization(h, t), 1);
    }
    QCOMPARE(h.ui.messageTexts(),
             (QStringList{QStringLiteral("TP added"),
                          QStringLiteral("Astra already has 10758H. Keep both?"),
                          QStringLiteral("TP added")}));
    QCOMPARE(h.ui.messages[0].icon, Interaction::Icon::Information);
    QCOMPARE(h.steps(), 2);
}

void TransponderDialogTest::addToFullTableReportsCannotAdd() {
    DialogHarness h(fullCapacityImage());
    h.script([](QDialog& dialog) {
        typeAndPressOk(dialog, {"frequencyEdit", "symbolRateEdit"}, {"10758", "22000"}, {});
    });
    QCOMPARE(runTransponderDialog(h.context, 0, EditMode::Add), TransponderCapacity);
    expectOnlyMessage(h.ui, QStringLiteral("Cannot add tp"), Interaction::Icon::Exclamation);
    QCOMPARE(h.steps(), 0);
}

void TransponderDialogTest::tabOrderEscapeAndFrame() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QCOMPARE(focused(dialog)->objectName(), QStringLiteral("frequencyEdit"));
        QCOMPARE(tabWalk(dialog, 5), (QStringList{"polarityList", "symbolRateEdit", "okButton",
                                                  "cancelButton", "frequencyEdit"}));
        QVERIFY(hasNoCloseBox(dialog));
        retype(dialog, "frequencyEdit", QStringLiteral("12000"));
        pressEscape(dialog);
    });
    QCOMPARE(runTransponderDialog(h.context, 0, EditMode::Edit), TransponderCapacity);
    QCOMPARE(storedKhz(h, 0), 11727500u);
    QCOMPARE(h.steps(), 0);
}

QTEST_MAIN(TransponderDialogTest)
#include "test_transponder_dialog.moc"
