#include "BackupsDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kavro {

namespace {

const char* const Columns[] = {
    QT_TRANSLATE_NOOP("kavro::BackupsDialog", "Time"),
    QT_TRANSLATE_NOOP("kavro::BackupsDialog", "Size"),
    QT_TRANSLATE_NOOP("kavro::BackupsDialog", "Differences from the open database")};

QTableWidget* makeTable(const QList<BackupRow>& rows, QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 3, parent);
    QStringList titles;
    for (const char* title : Columns) {
        titles << QCoreApplication::translate("kavro::BackupsDialog", title);
    }
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < rows.size(); ++r) {
        const QString texts[] = {rows[r].time, rows[r].size, rows[r].difference};
        for (int c = 0; c < 3; ++c) {
            table->setItem(r, c, new QTableWidgetItem(texts[c]));
        }
    }
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
    if (!rows.isEmpty()) {
        table->selectRow(0);
    }
    return table;
}

}  // namespace

BackupsDialog::BackupsDialog(const QString& file, const QString& folder,
                             const QList<BackupRow>& rows, QWidget* parent)
    : QDialog(parent), table_(makeTable(rows, this)) {
    setWindowTitle(QCoreApplication::translate("kavro::BackupsDialog", "Backups"));
    auto* layout = new QVBoxLayout(this);
    const QString intro =
        rows.isEmpty()
            ? QCoreApplication::translate("kavro::BackupsDialog",
                                          "No backups of %1 are kept in %2.")
            : QCoreApplication::translate("kavro::BackupsDialog", "Backups of %1 kept in %2:");
    auto* label = new QLabel(
        intro.arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(folder)), this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    open_ = buttons->addButton(QCoreApplication::translate("kavro::BackupsDialog", "Open"),
                               QDialogButtonBox::AcceptRole);
    open_->setToolTip(QCoreApplication::translate(
        "kavro::BackupsDialog", "Takes the backup into the window as unsaved changes"));
    open_->setEnabled(!rows.isEmpty());
    showFolderButton_ =
        buttons->addButton(QCoreApplication::translate("kavro::BackupsDialog", "Show Folder"),
                           QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(open_, &QPushButton::clicked, this, [this] {
        chosen_ = table_->currentRow();
        if (chosen_ >= 0) {
            accept();
        }
    });
    connect(showFolderButton_, &QPushButton::clicked, this, [this] {
        if (showFolder_) {
            showFolder_();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, open_, &QPushButton::click);
    resize(720, 320);
}

}  // namespace kavro
