#include "ui/dialogs/ChannelDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "database/ChannelDatabase.h"

namespace kavro {

namespace {

QComboBox* makeOffOnList(const char* objectName) {
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(objectName));
    list->addItem(QCoreApplication::translate("kavro::ChannelDialog", "Off"));
    list->addItem(QCoreApplication::translate("kavro::ChannelDialog", "On"));
    return list;
}

void selectEntry(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

// "Off" and "On" stand for the stored values 0 and 1.
constexpr int OffOnCount = 2;

QLabel* label(const char* text) {
    return new QLabel(QCoreApplication::translate("kavro::ChannelDialog", text));
}

}  // namespace

ChannelDialog::ChannelDialog(Interaction& interaction, QWidget* parent)
    : QDialog(parent), interaction_(interaction) {
    prepareDialogWindow(*this, QStringLiteral("channelDialog"),
                        QCoreApplication::translate("kavro::ChannelDialog", "Edit Channel"));

    satelliteEdit_ = makeTextEdit(QStringLiteral("satelliteEdit"), ChannelNameLimit);
    satelliteEdit_->setEnabled(false);
    transponderEdit_ = makeTextEdit(QStringLiteral("transponderEdit"), ChannelNameLimit);
    transponderEdit_->setEnabled(false);
    nameEdit_ = makeTextEdit(QStringLiteral("nameEdit"), ChannelNameLimit);
    serviceIdEdit_ = makeNumberEdit(QStringLiteral("serviceIdEdit"), 5);
    videoPidEdit_ = makeNumberEdit(QStringLiteral("videoPidEdit"), 4);
    audioPidEdit_ = makeNumberEdit(QStringLiteral("audioPidEdit"), 4);
    pcrPidEdit_ = makeNumberEdit(QStringLiteral("pcrPidEdit"), 4);
    lockList_ = makeOffOnList("lockList");
    casList_ = makeOffOnList("casList");

    QFrame* channelFrame = makeFieldFrame();
    QGridLayout* channelFields = makeFieldGrid(channelFrame, 24, 10, 20);
    channelFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "Satellite")), 0, 0);
    channelFields->addWidget(satelliteEdit_, 0, 1);
    channelFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "Transponder")), 1, 0);
    channelFields->addWidget(transponderEdit_, 1, 1);
    channelFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "Name")), 2, 0);
    channelFields->addWidget(nameEdit_, 2, 1);
    channelFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "Service ID")), 3, 0);
    channelFields->addWidget(serviceIdEdit_, 3, 1);

    QFrame* pidFrame = makeFieldFrame();
    auto* pidFields = new QHBoxLayout(pidFrame);
    pidFields->setContentsMargins(12, 8, 12, 8);
    pidFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "Video PID")));
    pidFields->addWidget(videoPidEdit_);
    pidFields->addSpacing(12);
    pidFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "Audio PID")));
    pidFields->addWidget(audioPidEdit_);
    pidFields->addSpacing(12);
    pidFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "PCR PID")));
    pidFields->addWidget(pcrPidEdit_);

    QFrame* listFrame = makeFieldFrame();
    auto* listFields = new QHBoxLayout(listFrame);
    listFields->setContentsMargins(12, 8, 12, 8);
    listFields->addStretch(1);
    listFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "LOCK")));
    listFields->addWidget(lockList_);
    listFields->addSpacing(32);
    listFields->addWidget(label(QT_TRANSLATE_NOOP("kavro::ChannelDialog", "CAS")));
    listFields->addWidget(casList_);
    listFields->addStretch(1);

    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    layOutDialog(*this, {channelFrame, pidFrame, listFrame}, ok, cancel);

    // Tab order: top to bottom, left to right, ending at the buttons; the two display-only
    // edits are disabled and so skipped.
    setTabChain({satelliteEdit_, transponderEdit_, nameEdit_, serviceIdEdit_, videoPidEdit_,
                 audioPidEdit_, pcrPidEdit_, lockList_, casList_, ok, cancel});
    setName({});
    setCasIndex(-1);
    setLockIndex(-1);
    setVideoPid(0);
    setAudioPid(0);
    setPcrPid(0);
    setServiceId(0);
    nameEdit_->setFocus();
}

void ChannelDialog::setAddMode(bool add, View view) {
    addMode_ = add;
    addView_ = view;
    setWindowTitle(add ? QCoreApplication::translate("kavro::ChannelDialog", "Add Channel")
                       : QCoreApplication::translate("kavro::ChannelDialog", "Edit Channel"));
}

void ChannelDialog::setName(std::string_view bytes) {
    name_.assign(bytes);
    nameField_.show(nameEdit_, bytes, ChannelNameLimit);
}

void ChannelDialog::setVideoPid(int value) {
    videoPid_ = value;
    videoPidEdit_->setText(QString::number(value));
}

void ChannelDialog::setAudioPid(int value) {
    audioPid_ = value;
    audioPidEdit_->setText(QString::number(value));
}

void ChannelDialog::setPcrPid(int value) {
    pcrPid_ = value;
    pcrPidEdit_->setText(QString::number(value));
}

void ChannelDialog::setSatelliteText(std::string_view bytes) {
    satelliteEdit_->setText(latin1Text(bytes));
    satelliteEdit_->setCursorPosition(0);
}

void ChannelDialog::setTransponderText(std::string_view bytes) {
    transponderEdit_->setText(latin1Text(bytes));
}

void ChannelDialog::setServiceId(int value) {
    serviceId_ = value;
    serviceIdEdit_->setText(QString::number(value));
}

void ChannelDialog::setCasIndex(int index) {
    casIndex_ = index;
    while (casList_->count() > OffOnCount) {
        casList_->removeItem(OffOnCount);
    }
    if (index >= OffOnCount) {
        // A stored value that is none of the choices stays an item of its own.
        const std::string systems = casText(index);
        casList_->addItem(
            systems.empty() ? QString::number(index) : QString::fromLatin1(systems.c_str()), index);
        casList_->setCurrentIndex(OffOnCount);
        return;
    }
    selectEntry(casList_, index);
}

void ChannelDialog::setLockIndex(int index) {
    lockIndex_ = index;
    selectEntry(lockList_, index);
}

void ChannelDialog::accept() {
    if (readValues()) {
        QDialog::accept();
    }
}

bool ChannelDialog::readValues() {
    FieldReader reader(this, interaction_);
    std::string name;
    int video = 0;
    int audio = 0;
    int pcr = 0;
    int serviceId = 0;
    if (!reader.readName(nameField_, name) ||
        !reader.readInteger(videoPidEdit_, VideoPidRange, video) ||
        !reader.readInteger(audioPidEdit_, AudioPidRange, audio) ||
        !reader.readInteger(pcrPidEdit_, PcrPidRange, pcr) ||
        !reader.readInteger(serviceIdEdit_, ServiceIdRange, serviceId) ||
        !acceptedForAdd(reader, {{}, video, audio, pcr, serviceId})) {
        return false;
    }
    name_ = std::move(name);
    videoPid_ = video;
    audioPid_ = audio;
    pcrPid_ = pcr;
    serviceId_ = serviceId;
    const int cas = casList_->currentIndex();
    casIndex_ = cas >= OffOnCount ? casList_->itemData(cas).toInt() : cas;
    lockIndex_ = lockList_->currentIndex();
    return true;
}

bool ChannelDialog::acceptedForAdd(FieldReader& reader, const NewChannel& channel) {
    if (!addMode_) {
        return true;
    }
    const ChannelAddFault fault = channelAddFault(addView_, channel);
    QLineEdit* edit = nullptr;
    switch (fault) {
        case ChannelAddFault::None:
            return true;
        case ChannelAddFault::TableFull:
            edit = nameEdit_;
            break;
        case ChannelAddFault::VideoPid:
            edit = videoPidEdit_;
            break;
        case ChannelAddFault::AudioPid:
            edit = audioPidEdit_;
            break;
        case ChannelAddFault::PcrPid:
            edit = pcrPidEdit_;
            break;
        case ChannelAddFault::ServiceId:
            edit = serviceIdEdit_;
            break;
    }
    return reader.refuse(edit,
                         twoLines(channelAddMessage(), channelAddReason(fault, addView_, channel)));
}

}  // namespace kavro
