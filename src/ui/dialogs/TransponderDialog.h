// "Edit TP" / "Add TP": frequency in MHz, polarity and symbol rate of one transponder.
// The dialog shows and validates values only; EditTransponder reads and writes the tables.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string_view>

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

    // The satellite the transponder is on, shown read-only.
    void setSatelliteText(std::string_view bytes);
    // Asked with the values read on OK: the question to put before keeping them (a second
    // transponder with that frequency and polarity), empty for none. No keeps the dialog
    // open on the frequency.
    using DuplicateQuestion = std::function<QString(int mhz, int polarity)>;
    void setDuplicateQuestion(DuplicateQuestion question) {
        duplicateQuestion_ = std::move(question);
    }

    // Reads frequency, symbol rate and polarity in that order, then asks the duplicate
    // question if there is one; closes only when all pass.
    void accept() override;

private:
    bool readValues();

    Interaction& interaction_;
    bool addMode_ = false;
    int frequency_ = 0;
    int symbolRate_ = 0;
    int polarityIndex_ = -1;
    DuplicateQuestion duplicateQuestion_;

    QLineEdit* satelliteEdit_;
    QComboBox* polarityList_;
    QLineEdit* frequencyEdit_;
    QLineEdit* symbolRateEdit_;
};

}  // namespace kavro
