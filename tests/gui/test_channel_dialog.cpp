// "Edit Channel" / "Add Channel" driven through its widgets by EditChannel.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <vector>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/FieldRules.h"
#include "database/RecordLayout.h"
#include "database/ViewIndex.h"
#include "dbfile/ImageFormat.h"
#include "support/DialogDriver.h"
#include "support/TestImageBuilder.h"
#include "ui/dialogs/DialogOperations.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

// Channel 2: a name with bytes outside ASCII and leftovers after its NUL, PID words with
// bits above the PID, locked, two CAS systems and favourite bits.
const char OddName[] = "Caf\xE9 \x80\x9F\xFF";

std::vector<uint8_t> record(const DialogHarness& h, int ch) {
    const uint8_t* bytes = h.db().tables().channels[ch];
    return {bytes, bytes + ChannelRecordSize};
}

std::string nameBytes(const QString& text) {
    const QByteArray latin1 = text.toLatin1();
    return {latin1.constData(), static_cast<size_t>(latin1.size())};
}

int liveChannelsOf(const ChannelDatabase& db, int t, int& last) {
    int count = 0;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch) && db.channelTransponder(ch) == t) {
            ++count;
            last = ch;
        }
    }
    return count;
}

// The image with a u16 field of channel `ch` set to `value`.
Bytes withChannelField(Bytes image, int ch, int offset, int value) {
    writeU16(image.data() + ChannelRegion + ch * ChannelRecordSize + offset,
             static_cast<uint32_t>(value));
    fixChecksums(image);
    return image;
}

}  // namespace

class ChannelDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void editShowsTheChannel();
    void casListShowsStoredBitsAndEditKeepsThem();
    void validation_data();
    void validation();
    void nameTakesSixteenCharacters();
    void editWritesChangedValuesOnly();
    void unchangedOkAndCancelKeepTheRecord();
    void addProposesDefaultName_data();
    void addProposesDefaultName();
    void addRefusalsKeepTheDialogOpen_data();
    void addRefusalsKeepTheDialogOpen();
    void addStoresChannel();
    void addAcceptsItsDefaults();
    void aFullTableSaysSoBeforeTheDialog();
    void tabOrderAndEscape();

private:
    Bytes image_;
};

void ChannelDialogTest::init() {
    TestImageBuilder image;
    image.satellite(0, "Hot Bird 13E")
        .transponder(0, 0, 11727000, 27500, 1)
        .transponder(1, 0, 12000000, 22000, 0)
        .channel(0, 0, "Alpha TV", 100)
        .channel(1, 0, "Beta FM", 200, false)
        .channel(2, 0, OddName, 300);
    uint8_t* odd = image.channelRecord(2);
    std::fill(odd + ch::Name + 9, odd + ch::Name + 16, 0xAA);
    writeU16(odd + ch::VideoPid, 0xE000 | 101);
    writeU16(odd + ch::AudioPid, 0xA000 | 102);
    writeU16(odd + ch::Flags, 3 | ChannelFlagLock | 0x8000);
    writeU16(odd + ch::CasBits, 5);
    writeU16(odd + ch::FavoriteBits, 0x0102);
    image_ = image.build();
}

void ChannelDialogTest::editShowsTheChannel() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Channel"));
        auto* name = control<QLineEdit>(dialog, "nameEdit");
        QCOMPARE(name->text(), QString::fromLatin1(OddName));
        QCOMPARE(name->maxLength(), 16);
        QCOMPARE(focused(dialog), name);
        QCOMPARE(editTexts(dialog, {"videoPidEdit", "audioPidEdit", "pcrPidEdit", "serviceIdEdit",
                                    "satelliteEdit", "transponderEdit"}),
                 QStringList({"101", "102", "101", "300", "Hot Bird 13E", "11727H"}));
        QVERIFY(!control(dialog, "satelliteEdit")->isEnabled());
        QVERIFY(!control(dialog, "transponderEdit")->isEnabled());
        auto* lock = control<QComboBox>(dialog, "lockList");
        QVERIFY(lock->isEnabled());
        QCOMPARE(lock->currentText(), QStringLiteral("On"));
        QCOMPARE(lock->itemText(0), QStringLiteral("Off"));
        // CAS 5 is none of the choices: shown as its systems, an item of its own.
        auto* cas = control<QComboBox>(dialog, "casList");
        QVERIFY(cas->isEnabled());
        QCOMPARE(cas->currentText(), QStringLiteral("Seca/Ir"));
        pressCancel(dialog);
    });
    QVERIFY(!runChannelDialog(h.context, 2, EditMode::Edit).applied);
}

// The stored CAS word shows as "Off", "On" or an item of its own, is kept while that stays
// chosen, and gives way to the choice the user picks.
void ChannelDialogTest::casListShowsStoredBitsAndEditKeepsThem() {
    const struct {
        int stored;
        const char* shown;
        int count;
    } cases[] = {
        {0, "Off", 2}, {1, "On", 2}, {2, "Vi", 3}, {0x81, "Seca/Other", 3}, {0xFF00, "65280", 3}};
    for (const auto& c : cases) {
        for (const bool pickOff : {false, true}) {
            DialogHarness h(withChannelField(image_, 0, ch::CasBits, c.stored));
            h.script([&](QDialog& dialog) {
                auto* cas = control<QComboBox>(dialog, "casList");
                QCOMPARE(cas->currentText(), QString::fromLatin1(c.shown));
                QCOMPARE(cas->count(), c.count);
                if (pickOff) {
                    cas->setCurrentIndex(0);
                }
                pressOk(dialog);
            });
            QVERIFY(runChannelDialog(h.context, 0, EditMode::Edit).applied);
            QCOMPARE(h.db().channelCasBits(0), pickOff ? 0 : c.stored);
        }
    }
}

void ChannelDialogTest::validation_data() {
    validationColumns();
    // Typed: name, video, audio and PCR PID, service ID.
    const QString integer = QStringLiteral("Please enter an integer.");
    const QString pidRange = QStringLiteral("Please enter an integer between 0 and 8191.\nField: ");
    const QString sidRange =
        QStringLiteral("Please enter an integer between 0 and 65534.\nField: Service ID");
    const QString latin1 = QString::fromStdString(latin1Message());
    const QString omega = QStringLiteral("\u03A9mega");
    validationRow("not Latin-1", {omega, "1", "2", "3", "4"}, latin1, "nameEdit");
    validationRow("euro sign", {QStringLiteral("5 \u20AC"), "1", "2", "3", "4"}, latin1,
                  "nameEdit");
    validationRow("name first", {omega, "x", "x", "x", "x"}, latin1, "nameEdit");
    validationRow("video letters", {"A", "1x", "x", "x", "x"}, integer, "videoPidEdit");
    validationRow("video 8192", {"A", "8192", "x", "x", "x"}, pidRange + "Video PID",
                  "videoPidEdit");
    validationRow("audio -1", {"A", "1", "-1", "x", "x"}, pidRange + "Audio PID", "audioPidEdit");
    validationRow("audio empty", {"A", "1", "", "x", "x"}, integer, "audioPidEdit");
    validationRow("pcr 8192", {"A", "1", "2", "8192", "x"}, pidRange + "PCR PID", "pcrPidEdit");
    validationRow("service id letters", {"A", "1", "2", "3", "s"}, integer, "serviceIdEdit");
    validationRow("service id 65535", {"A", "1", "2", "3", "65535"}, sidRange, "serviceIdEdit");
    validationRow("lower bounds, empty name", {"", "0", "0", "0", "0"});
    validationRow("upper bounds", {"ABCDEFGHIJKLMNOP", "8191", " 8191", "8191\t", "65534"});
    validationRow("Latin-1 letters",
                  {QStringLiteral("Caf\u00E9 \u00FF\u00A3"), "+7", "7", "7", "7"});
}

void ChannelDialogTest::validation() {
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, failingEdit);
    DialogHarness h(image_);
    const std::vector<uint8_t> before = record(h, 0);
    h.script([&](QDialog& dialog) {
        typeAndPressOk(dialog,
                       {"nameEdit", "videoPidEdit", "audioPidEdit", "pcrPidEdit", "serviceIdEdit"},
                       typed, failingEdit);
    });
    const bool written = runChannelDialog(h.context, 0, EditMode::Edit).applied;
    if (message.isEmpty()) {
        QVERIFY(written);
        QVERIFY(h.ui.messages.isEmpty());
        QCOMPARE(std::string(h.db().channelName(0)), nameBytes(typed[0]));
        QCOMPARE(h.db().channelVideoPid(0), typed[1].trimmed().toInt());
        QCOMPARE(h.db().channelAudioPid(0), typed[2].trimmed().toInt());
        QCOMPARE(h.db().channelPcrPid(0), typed[3].trimmed().toInt());
        QCOMPARE(h.db().channelServiceId(0), typed[4].toInt());
        QCOMPARE(h.steps(), 1);
    } else {
        QVERIFY(!written);
        expectOnlyMessage(h.ui, message, fieldMessageIcon(message));
        QVERIFY(record(h, 0) == before);
        QCOMPARE(h.steps(), 0);
    }
}

void ChannelDialogTest::nameTakesSixteenCharacters() {
    DialogHarness h(withChannelField(image_, 0, ch::CasBits, 0x1234));
    h.script([](QDialog& dialog) {
        retype(dialog, "nameEdit", QStringLiteral("ABCDEFGHIJKLMNOPQ"));
        QCOMPARE(control<QLineEdit>(dialog, "nameEdit")->text(),
                 QStringLiteral("ABCDEFGHIJKLMNOP"));
        pressOk(dialog);
    });
    QVERIFY(runChannelDialog(h.context, 0, EditMode::Edit).applied);
    QCOMPARE(std::string(h.db().channelName(0)), std::string("ABCDEFGHIJKLMNOP"));
    QCOMPARE(h.db().channelCasBits(0), 0x1234);
}

void ChannelDialogTest::editWritesChangedValuesOnly() {
    DialogHarness h(image_);
    const std::vector<uint8_t> before = record(h, 2);
    h.script([](QDialog& dialog) {
        retype(dialog, "videoPidEdit", QStringLiteral("200"));
        retype(dialog, "serviceIdEdit", QStringLiteral("65534"));
        QTest::keyClick(control(dialog, "lockList"), Qt::Key_Up);
        pressOk(dialog);
    });
    QVERIFY(runChannelDialog(h.context, 2, EditMode::Edit).applied);
    QCOMPARE(h.db().channelVideoPid(2), 200);           // a new PID is the whole word
    QCOMPARE(h.db().channelAudioPid(2), 0xA000 | 102);  // a kept PID keeps its stored word
    QCOMPARE(h.db().channelServiceId(2), 65534);
    QCOMPARE(h.db().channelFlags(2), 3 | 0x8000);  // only the lock bit went
    QCOMPARE(h.db().channelCasBits(2), 5);
    QCOMPARE(h.db().channelFavoriteBits(2), 0x0102);
    const std::vector<uint8_t> after = record(h, 2);
    // The untouched name area, leftovers after the NUL included, is byte for byte the same.
    QVERIFY(std::equal(before.begin() + ch::Name, before.begin() + ch::CasBits,
                       after.begin() + ch::Name));
    QCOMPARE(h.steps(), 1);
}

// OK without changes changes no byte and so marks nothing modified; neither does CANCEL.
void ChannelDialogTest::unchangedOkAndCancelKeepTheRecord() {
    DialogHarness h(image_);
    const std::vector<uint8_t> before = record(h, 2);
    h.script([](QDialog& dialog) { pressOk(dialog); });
    h.script([](QDialog& dialog) {
        retype(dialog, "nameEdit", QStringLiteral("Changed"));
        retype(dialog, "videoPidEdit", QStringLiteral("1"));
        retype(dialog, "serviceIdEdit", QStringLiteral("2"));
        QTest::keyClick(control(dialog, "lockList"), Qt::Key_Up);
        pressCancel(dialog);
    });
    QVERIFY(runChannelDialog(h.context, 2, EditMode::Edit).applied);
    QVERIFY(!runChannelDialog(h.context, 2, EditMode::Edit).applied);
    QCOMPARE(h.steps(), 0);
    QVERIFY(record(h, 2) == before);
    QVERIFY(h.ui.messages.isEmpty());
}

void ChannelDialogTest::addProposesDefaultName_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("transponder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("transponderText");
    QTest::newRow("all, three channels")
        << int(View::All) << 0 << QString("Video CH   4") << QString("11727H");
    QTest::newRow("all, empty transponder")
        << int(View::All) << 1 << QString("Video CH   1") << QString("12000V");
    QTest::newRow("tv") << int(View::Tv) << 0 << QString("Video CH   3") << QString("11727H");
    QTest::newRow("radio") << int(View::Radio) << 0 << QString("Radio CH   2") << QString("11727H");
    QTest::newRow("radio, empty transponder")
        << int(View::Radio) << 1 << QString("Radio CH   1") << QString("12000V");
}

void ChannelDialogTest::addProposesDefaultName() {
    QFETCH(int, view);
    QFETCH(int, transponder);
    QFETCH(QString, name);
    QFETCH(QString, transponderText);
    DialogHarness h(image_);
    h.session->setView(static_cast<View>(view));
    h.script([&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Channel"));
        QCOMPARE(editTexts(dialog, {"nameEdit", "satelliteEdit", "transponderEdit", "videoPidEdit",
                                    "audioPidEdit", "pcrPidEdit", "serviceIdEdit"}),
                 QStringList({name, "Hot Bird 13E", transponderText, "256", "257", "256", "1"}));
        auto* cas = control<QComboBox>(dialog, "casList");
        QVERIFY(cas->isEnabled());
        QCOMPARE(cas->currentText(), QStringLiteral("Off"));
        QCOMPARE(control<QComboBox>(dialog, "lockList")->currentText(), QStringLiteral("Off"));
        pressCancel(dialog);
    });
    QVERIFY(!runChannelDialog(h.context, transponder, EditMode::Add).applied);
    QVERIFY(h.ui.messages.isEmpty());
}

// The values a new channel starts with are accepted as they stand in every view, and the
// service ID is one the transponder does not use yet.
void ChannelDialogTest::addAcceptsItsDefaults() {
    for (const View view : Views) {
        DialogHarness h(image_);
        h.session->setView(view);
        h.script([](QDialog& dialog) { pressOk(dialog); });
        h.script([](QDialog& dialog) { pressOk(dialog); });
        const EditResult first = runChannelDialog(h.context, 0, EditMode::Add);
        const EditResult second = runChannelDialog(h.context, 0, EditMode::Add);
        QVERIFY(first.applied && second.applied);
        QCOMPARE(h.db().channelServiceId(first.slot), 1);
        QCOMPARE(h.db().channelServiceId(second.slot), 2);
    }
}

void ChannelDialogTest::addRefusalsKeepTheDialogOpen_data() {
    QTest::addColumn<int>("view");
    validationColumns();
    // Typed: video, audio and PCR PID, service ID.
    const QString refused = QStringLiteral("Cannot add this channel\n");
    const QString pidRange =
        QStringLiteral("Please enter an integer between 0 and 8191.\nField: Audio PID");
    const auto row = [](const char* tag, View view, const QStringList& typed,
                        const QString& message = {}, const QString& failingEdit = {}) {
        QTest::newRow(tag) << viewNumber(view) << typed << message << failingEdit;
    };
    row("all zero", View::All, {"0", "0", "0", "0"}, refused + "Video PID must not be 0.",
        "videoPidEdit");
    row("audio zero", View::All, {"1", "0", "0", "0"}, refused + "Audio PID must not be 0.",
        "audioPidEdit");
    row("video equals audio", View::Tv, {"7", "7", "0", "0"},
        refused + "Audio PID must differ from Video PID in the TV and ALL views.", "audioPidEdit");
    row("pcr zero", View::All, {"1", "2", "0", "5"}, refused + "PCR PID must not be 0.",
        "pcrPidEdit");
    row("service id zero", View::All, {"1", "2", "3", "0"}, refused + "Service ID must not be 0.",
        "serviceIdEdit");
    row("ranges come first", View::All, {"0", "8192", "0", "0"}, pidRange, "audioPidEdit");
    row("equal PIDs on radio", View::Radio, {"7", "7", "7", "7"});
}

// Add Channel's refusals are the dialog's own: in field order, at the field at fault, and
// the dialog stays open with what was typed.
void ChannelDialogTest::addRefusalsKeepTheDialogOpen() {
    QFETCH(int, view);
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, failingEdit);
    DialogHarness h(image_);
    h.session->setView(static_cast<View>(view));
    h.script([&](QDialog& dialog) {
        typeAndPressOk(dialog, {"videoPidEdit", "audioPidEdit", "pcrPidEdit", "serviceIdEdit"},
                       typed, failingEdit);
    });
    int last = 0;
    if (message.isEmpty()) {
        QVERIFY(runChannelDialog(h.context, 1, EditMode::Add).applied);
        QCOMPARE(liveChannelsOf(h.db(), 1, last), 1);
        return;
    }
    QVERIFY(!runChannelDialog(h.context, 1, EditMode::Add).applied);
    expectOnlyMessage(h.ui, message, Interaction::Icon::Exclamation);
    QCOMPARE(h.steps(), 0);
    QCOMPARE(liveChannelsOf(h.db(), 1, last), 0);
}

void ChannelDialogTest::addStoresChannel() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        retype(dialog, "videoPidEdit", QStringLiteral("512"));
        retype(dialog, "audioPidEdit", QStringLiteral("650"));
        retype(dialog, "pcrPidEdit", QStringLiteral("512"));
        retype(dialog, "serviceIdEdit", QStringLiteral("4711"));
        QTest::keyClick(control(dialog, "casList"), Qt::Key_Down);
        QTest::keyClick(control(dialog, "lockList"), Qt::Key_Down);
        pressOk(dialog);
    });
    QVERIFY(runChannelDialog(h.context, 1, EditMode::Add).applied);
    expectOnlyMessage(h.ui, QStringLiteral("Channel added"), Interaction::Icon::Information);
    QCOMPARE(h.steps(), 1);
    int ch = 0;
    QCOMPARE(liveChannelsOf(h.db(), 1, ch), 1);
    QCOMPARE(std::string(h.db().channelName(ch)), std::string("Video CH   1"));
    QCOMPARE(h.db().channelVideoPid(ch), 512);
    QCOMPARE(h.db().channelAudioPid(ch), 650);
    QCOMPARE(h.db().channelPcrPid(ch), 512);
    QCOMPARE(h.db().channelServiceId(ch), 4711);
    QCOMPARE(h.db().channelCasBits(ch), 1);
    QVERIFY(h.db().isChannelLocked(ch));
    QVERIFY(!h.db().isRadioChannel(ch));
}

void ChannelDialogTest::tabOrderAndEscape() {
    DialogHarness h(image_);
    // Top to bottom, left to right, ending at OK and CANCEL; the read-only fields skipped.
    const QStringList walk{"serviceIdEdit", "videoPidEdit", "audioPidEdit",
                           "pcrPidEdit",    "lockList",     "casList",
                           "okButton",      "cancelButton", "nameEdit"};
    h.script([&](QDialog& dialog) {
        QCOMPARE(focused(dialog)->objectName(), QStringLiteral("nameEdit"));
        QCOMPARE(tabWalk(dialog, 9), walk);
        QVERIFY(hasNoCloseBox(dialog));
        retype(dialog, "nameEdit", QStringLiteral("Changed"));
        pressEscape(dialog);
    });
    h.script([&](QDialog& dialog) {
        QCOMPARE(tabWalk(dialog, 9), walk);
        pressCancel(dialog);
    });
    QVERIFY(!runChannelDialog(h.context, 0, EditMode::Edit).applied);
    QCOMPARE(std::string(h.db().channelName(0)), std::string("Alpha TV"));
    QVERIFY(!runChannelDialog(h.context, 0, EditMode::Add).applied);
    QCOMPARE(h.steps(), 0);
}

// Adding to a full table opens no dialog: the refusal says why at once.
void ChannelDialogTest::aFullTableSaysSoBeforeTheDialog() {
    DialogHarness h(fullCapacityImage());
    const int t = h.db().channelTransponder(0);
    QVERIFY(!runChannelDialog(h.context, t, EditMode::Add).applied);
    expectOnlyMessage(h.ui,
                      QStringLiteral("Cannot add this channel\nThe channel table is full (15,360 "
                                     "channels)."),
                      Interaction::Icon::Exclamation);
}

QTEST_MAIN(ChannelDialogTest)
#include "test_channel_dialog.moc"
