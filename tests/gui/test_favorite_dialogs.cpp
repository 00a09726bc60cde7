// "Edit Favorite" and "Edit Favorite Group Name" driven through their widgets by
// EditFavorites, ChooseFavorites and EditFavoriteNames.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstring>
#include <vector>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/FieldRules.h"
#include "database/RecordLayout.h"
#include "dbfile/ImageFormat.h"
#include "support/DialogDriver.h"
#include "support/TestImageBuilder.h"
#include "ui/dialogs/DialogOperations.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

const char LatinName[] = "Caf\xE9\x85";

std::vector<uint8_t> nameTable(const DialogHarness& h) {
    const uint8_t* bytes = &h.db().tables().favoriteNames[0][0];
    return {bytes, bytes + FavoriteNameSlots * FavoriteNameSize};
}

std::vector<uint8_t> slotBytes(const DialogHarness& h, int slot) {
    const uint8_t* bytes = h.db().tables().favoriteNames[slot];
    return {bytes, bytes + FavoriteNameSize};
}

QCheckBox* box(QDialog& dialog, int group) {
    return control<QCheckBox>(dialog, QStringLiteral("favCheck%1").arg(group).toLatin1());
}

QLineEdit* nameEdit(QDialog& dialog, int group) {
    return control<QLineEdit>(dialog, QStringLiteral("favNameEdit%1").arg(group).toLatin1());
}

// The groups whose box is ticked.
QList<int> checkedGroups(QDialog& dialog) {
    QList<int> groups;
    for (int group = 1; group <= 8; ++group) {
        if (box(dialog, group)->isChecked()) {
            groups.append(group);
        }
    }
    return groups;
}

// Toggles a box as the keyboard does.
void toggle(QDialog& dialog, int group) {
    box(dialog, group)->setFocus();
    QTest::keyClick(box(dialog, group), Qt::Key_Space);
}

}  // namespace

class FavoriteDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void editShowsGroupsAndNames();
    void editStoresTheWholeWord();
    void editOfAFreeSlotIsRefusedSilently();
    void chooseStartsEmptyAndAnswersTheMask();
    void favoriteDialogTabOrder();
    void nameDialogShowsNames();
    void unchangedNamesKeepEveryByte();
    void editedNamesAreStored();
    void nonLatin1NameIsRefused();
    void nameDialogTabOrderAndCancel();

private:
    Bytes image_;
};

void FavoriteDialogsTest::init() {
    TestImageBuilder image;
    image.satellite(0, "Astra")
        .transponder(0, 0, 11727000, 27500, 1)
        .channel(0, 0, "Alpha", 100)
        .channel(1, 0, "Beta", 101)
        .favoriteName(0, "News")
        .favoriteName(1, "")
        .favoriteName(2, "Sport & Fun")
        .favoriteName(3, "Kids")
        .favoriteName(4, LatinName)
        .favoriteName(6, "Music")
        .favoriteName(7, "123456789012345");
    writeU16(image.channelRecord(0) + ch::FavoriteBits, 0x0105);
    // Slot 5 uses all 16 bytes; slot 6 has leftovers after its NUL; slots 8..15 are never
    // shown.
    uint8_t* names = image.bytes() + FavoriteNameRegion;
    std::memcpy(names + 5 * FavoriteNameSize, "ABCDEFGHIJKLMNOP", 16);
    std::memset(names + 6 * FavoriteNameSize + 6, 0xAA, 10);
    for (int slot = 8; slot < FavoriteNameSlots; ++slot) {
        std::memset(names + slot * FavoriteNameSize, 0x40 + slot, FavoriteNameSize);
    }
    image_ = image.build();
}

void FavoriteDialogsTest::editShowsGroupsAndNames() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Favorite"));
        QCOMPARE(focused(dialog)->objectName(), QStringLiteral("favCheck1"));
        QStringList captions;
        for (int group = 1; group <= 8; ++group) {
            captions.append(box(dialog, group)->text());
        }
        QCOMPARE(captions,
                 QStringList({"News", "", "Sport && Fun", "Kids", QString::fromLatin1(LatinName),
                              "ABCDEFGHIJKLMNOP", "Music", "123456789012345"}));
        QCOMPARE(checkedGroups(dialog), QList<int>({1, 3}));
        toggle(dialog, 2);
        pressCancel(dialog);
    });
    QVERIFY(!runFavoriteDialog(h.context, 0));
    QCOMPARE(h.db().channelFavoriteBits(0), 0x0105);
    QCOMPARE(h.steps(), 0);
}

void FavoriteDialogsTest::editStoresTheWholeWord() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        toggle(dialog, 1);
        toggle(dialog, 2);
        toggle(dialog, 8);
        pressOk(dialog);
    });
    h.script([](QDialog& dialog) {
        for (int group : checkedGroups(dialog)) {
            toggle(dialog, group);
        }
        pressOk(dialog);
    });
    QVERIFY(runFavoriteDialog(h.context, 0));
    QCOMPARE(h.db().channelFavoriteBits(0), 0x0086);  // bit 8 is gone with the rewrite
    QVERIFY(runFavoriteDialog(h.context, 0));
    QCOMPARE(h.db().channelFavoriteBits(0), 0);
    QCOMPARE(h.steps(), 2);
    QCOMPARE(h.db().channelFavoriteBits(1), 0);
}

void FavoriteDialogsTest::editOfAFreeSlotIsRefusedSilently() {
    DialogHarness h(image_);
    const int stored = h.db().channelFavoriteBits(5);
    h.script([](QDialog& dialog) {
        toggle(dialog, 4);
        pressOk(dialog);
    });
    QVERIFY(!runFavoriteDialog(h.context, 5));
    QVERIFY(h.ui.messages.isEmpty());
    QCOMPARE(h.steps(), 0);
    QCOMPARE(h.db().channelFavoriteBits(5), stored);
}

void FavoriteDialogsTest::chooseStartsEmptyAndAnswersTheMask() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QVERIFY(checkedGroups(dialog).isEmpty());
        QCOMPARE(box(dialog, 1)->text(), QStringLiteral("News"));
        toggle(dialog, 2);
        toggle(dialog, 8);
        pressOk(dialog);
    });
    h.script([](QDialog& dialog) {
        toggle(dialog, 3);
        pressCancel(dialog);
    });
    h.script([](QDialog& dialog) { pressOk(dialog); });
    QCOMPARE(chooseFavorites(h.context), 0x82);
    QCOMPARE(chooseFavorites(h.context), 0);
    QCOMPARE(chooseFavorites(h.context), 0);
    // Storing the mask is the command's business.
    QCOMPARE(h.db().channelFavoriteBits(0), 0x0105);
    QCOMPARE(h.steps(), 0);
}

void FavoriteDialogsTest::favoriteDialogTabOrder() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QCOMPARE(tabWalk(dialog, 10),
                 (QStringList{"favCheck2", "favCheck3", "favCheck4", "favCheck5", "favCheck6",
                              "favCheck7", "favCheck8", "okButton", "cancelButton", "favCheck1"}));
        QVERIFY(hasNoCloseBox(dialog));
        toggle(dialog, 5);
        pressEscape(dialog);
    });
    QCOMPARE(chooseFavorites(h.context), 0);
}

void FavoriteDialogsTest::nameDialogShowsNames() {
    DialogHarness h(image_);
    h.script([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Favorite Group Name"));
        QCOMPARE(focused(dialog)->objectName(), QStringLiteral("favNameEdit1"));
        QStringList labels;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            labels.append(label->text());
        }
        QCOMPARE(labels,
                 (QStringList{"Fav1", "Fav2", "Fav3", "Fav4", "Fav5", "Fav6", "Fav7", "Fav8"}));
        QStringList shown;
        for (int group = 1; group <= 8; ++group) {
            shown.append(nameEdit(dialog, group)->text());
            QCOMPARE(nameEdit(dialog, group)->maxLength(), 15);
        }
        QCOMPARE(shown,
                 QStringList({"News", "", "Sport & Fun", "Kids", QString::fromLatin1(LatinName),
                              "ABCDEFGHIJKLMNO", "Music", "123456789012345"}));
        pressCancel(dialog);
    });
    QVERIFY(!runGroupNameDialog(h.context));
}

void FavoriteDialogsTest::unchangedNamesKeepEveryByte() {
    DialogHarness h(image_);
    const std::vector<uint8_t> before = nameTable(h);
    h.script([](QDialog& dialog) { pressOk(dialog); });
    QVERIFY(runGroupNameDialog(h.context));
    QVERIFY(nameTable(h) == before);
    QCOMPARE(h.steps(), 0);  // nothing to save
    QVERIFY(h.ui.messages.isEmpty());
}

void FavoriteDialogsTest::editedNamesAreStored() {
    DialogHarness h(image_);
    const std::vector<uint8_t> before = nameTable(h);
    h.script([](QDialog& dialog) {
        retype(nameEdit(dialog, 1), QString());
        retype(nameEdit(dialog, 2), QStringLiteral("Sport"));
        retype(nameEdit(dialog, 3), QStringLiteral("Sport"));
        retype(nameEdit(dialog, 4), QStringLiteral("ABCDEFGHIJKLMNOPQ"));
        QCOMPARE(nameEdit(dialog, 4)->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
        retype(nameEdit(dialog, 8), QStringLiteral("\u00DCber \u00E9t\u00E9"));
        pressOk(dialog);
    });
    QVERIFY(runGroupNameDialog(h.context));
    QCOMPARE(std::string(h.db().favoriteGroupName(0)), std::string());
    QCOMPARE(std::string(h.db().favoriteGroupName(1)), std::string("Sport"));
    QCOMPARE(std::string(h.db().favoriteGroupName(2)), std::string("Sport"));
    QCOMPARE(std::string(h.db().favoriteGroupName(3)), std::string("ABCDEFGHIJKLMNO"));
    QCOMPARE(std::string(h.db().favoriteGroupName(7)), std::string("\xDC"
                                                                   "ber \xE9t\xE9"));
    for (int slot : {4, 5, 6, 8, 9, 15}) {
        QVERIFY(std::equal(before.begin() + slot * FavoriteNameSize,
                           before.begin() + (slot + 1) * FavoriteNameSize,
                           slotBytes(h, slot).begin()));
    }
    QCOMPARE(h.steps(), 1);
}

void FavoriteDialogsTest::nonLatin1NameIsRefused() {
    DialogHarness h(image_);
    const std::vector<uint8_t> before = nameTable(h);
    h.script([](QDialog& dialog) {
        retype(nameEdit(dialog, 2), QStringLiteral("Caf\u00E9"));
        retype(nameEdit(dialog, 3), QStringLiteral("\u041D\u043E\u0432\u043E\u0441\u0442\u0438"));
        retype(nameEdit(dialog, 6), QStringLiteral("5 \u20AC"));
        pressOk(dialog);
        expectRefusedAt(dialog, nameEdit(dialog, 3));
        QCOMPARE(nameEdit(dialog, 2)->text(), QStringLiteral("Caf\u00E9"));
        pressCancel(dialog);
    });
    QVERIFY(!runGroupNameDialog(h.context));
    expectOnlyMessage(h.ui, QString::fromStdString(latin1Message()),
                      Interaction::Icon::Exclamation);
    QVERIFY(nameTable(h) == before);
    QCOMPARE(h.steps(), 0);
}

void FavoriteDialogsTest::nameDialogTabOrderAndCancel() {
    DialogHarness h(image_);
    const std::vector<uint8_t> before = nameTable(h);
    h.script([](QDialog& dialog) {
        QCOMPARE(tabWalk(dialog, 10),
                 (QStringList{"favNameEdit2", "favNameEdit3", "favNameEdit4", "favNameEdit5",
                              "favNameEdit6", "favNameEdit7", "favNameEdit8", "okButton",
                              "cancelButton", "favNameEdit1"}));
        retype(nameEdit(dialog, 1), QStringLiteral("Changed"));
        pressEscape(dialog);
    });
    QVERIFY(!runGroupNameDialog(h.context));
    QVERIFY(nameTable(h) == before);
    QCOMPARE(h.steps(), 0);
}

QTEST_MAIN(FavoriteDialogsTest)
#include "test_favorite_dialogs.moc"
