// Help > Keyboard Shortcuts: every command of the table with its keys, by menu, and the keys
// no menu shows.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "CommandTable.h"
#include "MenuBar.h"
#include "ui/dialogs/Accessibility.h"

namespace kavro {

namespace {

// Keys that act without a menu entry.
const char* const OtherKeys[][2] = {
    {"Menu, Shift+F10", QT_TRANSLATE_NOOP("kavro::MenuBar", "The popup of the list or the tree")},
    {"Enter", QT_TRANSLATE_NOOP("kavro::MenuBar", "Presses the focused button")},
    {"Escape", QT_TRANSLATE_NOOP("kavro::MenuBar", "Ends a drag, or empties Find")},
};

}  // namespace

std::unique_ptr<QDialog> keyboardShortcutsDialog(const CommandTable& table, QWidget* parent) {
    auto dialog = std::make_unique<QDialog>(parent);
    dialog->setWindowTitle(QCoreApplication::translate("kavro::MenuBar", "Keyboard Shortcuts"));
    auto* keys = new QTableWidget(0, 2, dialog.get());
    keys->setObjectName(QStringLiteral("shortcutTable"));
    keys->setHorizontalHeaderLabels({QCoreApplication::translate("kavro::MenuBar", "Key"),
                                     QCoreApplication::translate("kavro::MenuBar", "Command")});
    keys->verticalHeader()->hide();
    keys->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto addRow = [keys](const QString& key, const QString& command) {
        const int row = keys->rowCount();
        keys->insertRow(row);
        keys->setItem(row, 0, new QTableWidgetItem(key));
        keys->setItem(row, 1, new QTableWidgetItem(command));
    };
    for (const CommandEntry& entry : table.entries()) {
        QStringList texts;
        for (const QKeySequence& key : table.action(entry.id)->shortcuts()) {
            texts.append(keyText(key));
        }
        if (!texts.isEmpty()) {
            addRow(texts.join(QStringLiteral(", ")),
                   QStringLiteral("%1 > %2").arg(
                       CommandTable::menuTitle(entry.menu),
                       QCoreApplication::translate("kavro::MenuBar", entry.text)));
        }
    }
    for (const auto& other : OtherKeys) {
        addRow(QString::fromLatin1(other[0]),
               QCoreApplication::translate("kavro::MenuBar", other[1]));
    }
    keys->resizeColumnsToContents();
    keys->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog.get());
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog.get(), &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(keys);
    layout->addWidget(buttons);
    dialog->resize(520, 460);
    describeControls(*dialog);
    return dialog;
}

}  // namespace kavro
