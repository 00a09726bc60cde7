// "Move to Position": asks for the row of the channel list, as its "No." column counts,
// where the selected channels are to stand. The row is read on OK with the rules and
// messages of every number field.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kavro {

class Interaction;
struct DialogContext;

class PositionDialog : public QDialog {
    Q_OBJECT

public:
    // Rows 0 to `lastRow` are accepted.
    PositionDialog(Interaction& interaction, int lastRow, QWidget* parent = nullptr);

    void setRow(int row);
    // The row read by the last OK.
    int row() const { return row_; }

    void accept() override;

private:
    Interaction& interaction_;
    QLineEdit* rowEdit_ = nullptr;
    int lastRow_ = 0;
    int row_ = 0;
};

// Runs the dialog showing `row` first; the row after OK, -1 after CANCEL.
int askListRow(const DialogContext& context, int row, int lastRow);

}  // namespace kavro
