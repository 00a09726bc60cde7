// "Edit TP" / "Add TP": frequency in MHz, polarity and symbol rate of one transponder.
// The dialog shows and validates values only; EditTransponder reads and writes the tables.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace kavro {

class Interaction;

class TransponderDialog : public QDialog {
    Q_OBJECT

public:
    // Polarity list entries, by position.
    static constexpr int PolarityVertical = 0;
    static constexpr int PolarityHorizontal = 1;

    explicit TransponderDialog(Interaction& interaction, QWidget* parent = nullptr);

    // Setters show the value at once; getters answer the values read by the last OK.
    void setAddMode(bool add);
    bool addMode() const { return addMode_; }
    void setFrequency(int mhz);
    int frequency() const { return frequency_; }
    void setSymbolRate(int value);
    int symbolRate() const { return symbolRate_; }
    // Selects the entry at the index, or none when there is no such entry.
    void setPolarityIndex(int index);
    int polarityIndex() const { return polarityIndex_; }

    // Reads frequency, symbol rate and polarity in that order; closes only when all pass.
    void accept() override;

private:
    bool readValues();

    Interaction& interaction_;
    bool addMode_ = false;
    int frequency_ = 0;
    int symbolRate_ = 0;
    int polarityIndex_ = -1;

    QComboBox* polarityList_;
    QLineEdit* frequencyEdit_;
    QLineEdit* symbolRateEdit_;
};

}  // namespace kavro
