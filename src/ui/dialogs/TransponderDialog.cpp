#include "ui/dialogs/TransponderDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

TransponderDialog::TransponderDialog(Interaction& interaction, QWidget* parent)
    : QDialog(parent), interaction_(interaction) {
    prepareDialogWindow(*this, QStringLiteral("transponderDialog"),
                        QCoreApplication::translate("kavro::TransponderDialog", "Edit TP"));

    polarityList_ = new QComboBox;
    polarityList_->setObjectName(QStringLiteral("polarityList"));
    polarityList_->addItem(QCoreApplication::translate("kavro::TransponderDialog", "Vertical-13V"));
    polarityList_->addItem(
        QCoreApplication::translate("kavro::TransponderDialog", "Horizontal-18V"));
    frequencyEdit_ = makeNumberEdit(QStringLiteral("frequencyEdit"), 5);
    symbolRateEdit_ = makeNumberEdit(QStringLiteral("symbolRateEdit"), 5);
    satelliteEdit_ = makeTextEdit(QStringLiteral("satelliteEdit"), 12);
    satelliteEdit_->setEnabled(false);

    QFrame* frame = makeFieldFrame();
    QGridLayout* fields = makeFieldGrid(frame, 16, 12, 24);
    fields->addWidget(
        new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "Satellite")), 0, 0);
    fields->addWidget(satelliteEdit_, 0, 1, 1, 2);
    fields->addWidget(
        new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "Frequency")), 1, 0);
    fields->addWidget(frequencyEdit_, 1, 1);
    fields->addWidget(new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "MHz")), 1,
                      2);
    fields->addWidget(
        new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "Polarity")), 2, 0);
    fields->addWidget(polarityList_, 2, 1, 1, 2);
    fields->addWidget(
        new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "Symbol Rate")), 3, 0);
    fields->addWidget(symbolRateEdit_, 3, 1);
    fields->addWidget(new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "kS/s")),
                      3, 2);

    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    layOutDialog(*this, {frame}, ok, cancel);

    // Top to bottom, ending at the buttons; the satellite is display-only and skipped.
    setTabChain({satelliteEdit_, frequencyEdit_, polarityList_, symbolRateEdit_, ok, cancel});
    setFrequency(0);
    setSymbolRate(0);
    setPolarityIndex(-1);
    frequencyEdit_->setFocus();
}

void TransponderDialog::setSatelliteText(std::string_view bytes) {
    satelliteEdit_->setText(latin1Text(bytes));
    satelliteEdit_->setCursorPosition(0);
}

void TransponderDialog::setAddMode(bool add) {
    addMode_ = add;
    setWindowTitle(add ? QCoreApplication::translate("kavro::TransponderDialog", "Add TP")
                       : QCoreApplication::translate("kavro::TransponderDialog", "Edit TP"));
}

void TransponderDialog::setFrequency(int mhz) {
    frequency_ = mhz;
    frequencyEdit_->setText(QString::number(mhz));
}

void TransponderDialog::setSymbolRate(int value) {
    symbolRate_ = value;
    symbolRateEdit_->setText(QString::number(value));
}

void TransponderDialog::setPolarityIndex(int index) {
    polarityIndex_ = index;
    polarityList_->setCurrentIndex(index >= 0 && index < polarityList_->count() ? index : -1);
}

void TransponderDialog::accept() {
    if (!readValues()) {
        return;
    }
    const QString question =
        duplicateQuestion_ ? duplicateQuestion_(frequency_, polarityIndex_) : QString();
    if (!question.isEmpty() &&
        interaction_.messageBox(this, question, Interaction::Buttons::YesNo,
                                Interaction::Icon::Exclamation) != Interaction::Answer::Yes) {
        frequencyEdit_->setFocus(Qt::OtherFocusReason);
        frequencyEdit_->selectAll();
        return;
    }
    QDialog::accept();
}

bool TransponderDialog::readValues() {
    FieldReader reader(this, interaction_);
    int frequency = 0;
    int symbolRate = 0;
    if (!reader.readInteger(frequencyEdit_, FrequencyRange, frequency) ||
        !reader.readInteger(symbolRateEdit_, SymbolRateRange, symbolRate)) {
        return false;
    }
    frequency_ = frequency;
    symbolRate_ = symbolRate;
    polarityIndex_ = polarityList_->currentIndex();
    return true;
}

}  // namespace kavro
