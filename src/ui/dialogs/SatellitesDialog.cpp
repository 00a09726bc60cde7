#include "ui/dialogs/SatellitesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include "database/ChannelDatabase.h"
#include "session/EditSession.h"
#include "ui/dialogs/Accessibility.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/OperationSupport.h"

namespace kavro {

namespace {

QTableWidgetItem* fixedItem(int value) {
    auto* item = new QTableWidgetItem(QString::number(value));
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

SatellitesDialog::SatellitesDialog(const DialogContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    prepareDialogWindow(*this, QStringLiteral("satellitesDialog"), tr("Satellites"));
    table_ = new QTableWidget(0, 5, this);
    table_->setObjectName(QStringLiteral("satelliteTable"));
    table_->setHorizontalHeaderLabels(
        {tr("No."), tr("Name"), tr("Shown"), tr("TPs"), tr("Channels")});
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    fill();
    table_->resizeColumnsToContents();
    table_->setColumnWidth(ColumnName,
                           fontMetrics().horizontalAdvance(QString(24, QLatin1Char('M'))));
    table_->horizontalHeader()->setStretchLastSection(true);
    resize(560, 480);
    describeControls(*this);
}

void SatellitesDialog::fill() {
    const ChannelDatabase& db = databaseOf(context_);
    std::vector<int> transponders(SatelliteCapacity, 0);
    std::vector<int> channels(SatelliteCapacity, 0);
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (db.isLiveTransponder(t) && isValidSatellite(db.transponderSatellite(t))) {
            ++transponders[static_cast<size_t>(db.transponderSatellite(t))];
        }
    }
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch) && isValidSatellite(db.channelSatellite(ch))) {
            ++channels[static_cast<size_t>(db.channelSatellite(ch))];
        }
    }
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (db.satelliteName(s).empty() && transponders[static_cast<size_t>(s)] == 0) {
            continue;
        }
        const int row = table_->rowCount();
        table_->insertRow(row);
        satellites_.push_back(s);
        table_->setItem(row, ColumnIndex, fixedItem(s));
        table_->setItem(row, ColumnTransponders, fixedItem(transponders[static_cast<size_t>(s)]));
        table_->setItem(row, ColumnChannels, fixedItem(channels[static_cast<size_t>(s)]));
        auto* name = new QLineEdit(table_);
        name->setFrame(false);
        table_->setCellWidget(row, ColumnName, name);
        auto* shown = new QCheckBox(table_);
        table_->setCellWidget(row, ColumnShown, shown);
        connect(name, &QLineEdit::editingFinished, this, [this, row] { rename(row); });
        connect(shown, &QCheckBox::toggled, this, [this, row](bool on) { setShown(row, on); });
    }
    names_.resize(satellites_.size());
    for (int row = 0; row < table_->rowCount(); ++row) {
        showRow(row);
    }
}

// The row as the database stands.
void SatellitesDialog::showRow(int row) {
    const ChannelDatabase& db = databaseOf(context_);
    const int s = satellites_[static_cast<size_t>(row)];
    names_[static_cast<size_t>(row)].show(nameEdit(row), db.satelliteName(s), SatelliteNameLimit);
    const QSignalBlocker quiet(shownBox(row));
    shownBox(row)->setChecked(db.isSatelliteShown(s));
}

int SatellitesDialog::rowOf(int s) const {
    for (size_t row = 0; row < satellites_.size(); ++row) {
        if (satellites_[row] == s) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

QLineEdit* SatellitesDialog::nameEdit(int row) const {
    return static_cast<QLineEdit*>(table_->cellWidget(row, ColumnName));
}

QCheckBox* SatellitesDialog::shownBox(int row) const {
    return static_cast<QCheckBox*>(table_->cellWidget(row, ColumnShown));
}

void SatellitesDialog::showSatellite(int s) {
    const int row = rowOf(s);
    if (row >= 0) {
        table_->scrollToItem(table_->item(row, ColumnIndex));
        nameEdit(row)->setFocus(Qt::OtherFocusReason);
        nameEdit(row)->selectAll();
    }
}

// The channel dialog's name rules; a name left as shown keeps its bytes and makes no step.
void SatellitesDialog::rename(int row) {
    const NameField& field = names_[static_cast<size_t>(row)];
    if (checking_ || field.isUnchanged()) {
        return;
    }
    checking_ = true;
    std::string bytes;
    const bool read = FieldReader(this, interactionOf(context_)).readName(field, bytes);
    checking_ = false;
    if (read && applyEdit(context_, RenameSatellite{satellites_[static_cast<size_t>(row)], bytes})
                    .applied) {
        showRow(row);
    }
}

void SatellitesDialog::reject() {
    for (int row = 0; row < table_->rowCount(); ++row) {
        showRow(row);
    }
    QDialog::reject();
}

void SatellitesDialog::setShown(int row, bool shown) {
    applyEdit(context_, ShowSatellite{satellites_[static_cast<size_t>(row)], shown});
    showRow(row);
}

void runSatellitesDialog(const DialogContext& context, int satellite) {
    SatellitesDialog dialog(context, context.parent);
    dialog.showSatellite(satellite);
    interactionOf(context).runDialog(dialog);
}

}  // namespace kavro
