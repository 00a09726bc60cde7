#include "ui/dialogs/PositionDialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialogs/DialogOperations.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/OperationSupport.h"

namespace kavro {

PositionDialog::PositionDialog(Interaction& interaction, int lastRow, QWidget* parent)
    : QDialog(parent), interaction_(interaction), lastRow_(lastRow) {
    prepareDialogWindow(*this, QStringLiteral("positionDialog"),
                        QCoreApplication::translate("kavro::PositionDialog", "Move to Position"));
    rowEdit_ = makeNumberEdit(QStringLiteral("rowEdit"), 5);

    QFrame* frame = makeFieldFrame();
    QGridLayout* fields = makeFieldGrid(frame, 16, 12, 24);
    fields->addWidget(new QLabel(QCoreApplication::translate("kavro::PositionDialog", "No.")), 0,
                      0);
    fields->addWidget(rowEdit_, 0, 1);

    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    layOutDialog(*this, {frame}, ok, cancel);
    setTabChain({rowEdit_, ok, cancel});
    setRow(0);
    rowEdit_->setFocus();
}

void PositionDialog::setRow(int row) {
    row_ = row;
    rowEdit_->setText(QString::number(row));
    rowEdit_->selectAll();
}

void PositionDialog::accept() {
    FieldReader reader(this, interaction_);
    int row = 0;
    if (reader.readInteger(rowEdit_, FieldRange{RowNumberLow, lastRow_, "No."}, row)) {
        row_ = row;
        QDialog::accept();
    }
}

int askListRow(const DialogContext& context, int row, int lastRow) {
    PositionDialog dialog(interactionOf(context), lastRow, context.parent);
    dialog.setRow(row);
    if (interactionOf(context).runDialog(dialog) != QDialog::Accepted) {
        return -1;
    }
    return dialog.row();
}

}  // namespace kavro
