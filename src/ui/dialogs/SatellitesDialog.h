// Tree > Satellites...: every satellite slot with a name or a transponder, with its index,
// name, shown mark and its numbers of transponders and channels. Ticking Shown shows or hides
// the satellite in the tree, and a name edited in place renames it (Enter or leaving the
// field; Escape drops it), each change one step of the history, applied at once; Close ends the
// dialog.
#pragma once

#include <QDialog>
#include <vector>

#include "ui/dialogs/DialogOperations.h"
#include "ui/dialogs/DialogSupport.h"

class QCheckBox;
class QLineEdit;
class QTableWidget;

namespace kavro {

class SatellitesDialog : public QDialog {
    Q_OBJECT

public:
    enum Column { ColumnIndex, ColumnName, ColumnShown, ColumnTransponders, ColumnChannels };

    SatellitesDialog(const DialogContext& context, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    // The row of satellite s, -1 when the dialog does not list it.
    int rowOf(int s) const;
    // Makes the row of satellite s current, with its name selected for editing.
    void showSatellite(int s);
    // The edits of the name and shown mark of a row.
    QLineEdit* nameEdit(int row) const;
    QCheckBox* shownBox(int row) const;

    // Escape and the close box: a name typed but not entered is dropped, not renamed as
    // its field loses the focus.
    void reject() override;

private:
    void fill();
    void showRow(int row);
    void rename(int row);
    void setShown(int row, bool shown);

    DialogContext context_;
    QTableWidget* table_ = nullptr;
    std::vector<int> satellites_;  // by row
    std::vector<NameField> names_;
    bool checking_ = false;  // a name's message box is up
};

// Runs the dialog, on satellite s when it lists it.
void runSatellitesDialog(const DialogContext& context, int satellite);

}  // namespace kavro
