#include "ui/dialogs/TransponderDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialogs/DialogSupport.h"

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

    QFrame* frame = makeFieldFrame();
    QGridLayout* fields = makeFieldGrid(frame, 16, 12, 24);
    fields->addWidget(
        new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "Frequency")), 0, 0);
    fields->addWidget(frequencyEdit_, 0, 1);
    fields->addWidget(
        new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "Polarity")), 1, 0);
    fields->addWidget(polarityList_, 1, 1);
    fields->addWidget(
        new QLabel(QCoreApplication::translate("kavro::TransponderDialog", "Symbol Rate")), 2, 0);
    fields->addWidget(symbolRateEdit_, 2, 1);

    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    layOutDialog(*this, {frame}, ok, cancel);

    // The tab order starts at the polarity list, which therefore has the focus first.
    setTabChain({polarityList_, frequencyEdit_, symbolRateEdit_, ok, cancel});
    setFrequency(0);
    setSymbolRate(0);
    setPolarityIndex(-1);
    polarityList_->setFocus();
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
    if (readValues()) {
        QDialog::accept();
    }
}

bool TransponderDialog::readValues() {
    FieldReader reader(this, interaction_);
    int frequency = 0;
    int symbolRate = 0;
    if (!reader.readInteger(frequencyEdit_, FrequencyLowMhz, FrequencyHighMhz, frequency) ||
        !reader.readInteger(symbolRateEdit_, SymbolRateLow, SymbolRateHigh, symbolRate)) {
        return false;
    }
    frequency_ = frequency;
    symbolRate_ = symbolRate;
    polarityIndex_ = polarityList_->currentIndex();
    return true;
}

}  // namespace kavro
