#include "ui/dialogs/Interaction.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace kavro {

namespace {

// The patterns match in any letter case: the file dialog's model compares names
// case-insensitively unless QDir::CaseSensitive is set.
const char* const FileFilter =
    QT_TRANSLATE_NOOP("kavro::Interaction", "Channel Data Files (*.tbn)");
const char* const ListFilter = QT_TRANSLATE_NOOP("kavro::Interaction", "CSV Files (*.csv)");
const char* const ReferenceFilter =
    QT_TRANSLATE_NOOP("kavro::Interaction", "Channel Lists (*.tbn *.csv)");

QMessageBox::Icon boxIcon(Interaction::Icon icon) {
    switch (icon) {
        case Interaction::Icon::Information:
            return QMessageBox::Information;
        case Interaction::Icon::Exclamation:
            return QMessageBox::Warning;
        case Interaction::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

void setUpButtons(QMessageBox& box, Interaction::Buttons buttons) {
    switch (buttons) {
        case Interaction::Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            return;
        case Interaction::Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Cancel);
            return;
        case Interaction::Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            return;
        case Interaction::Buttons::YesNoReload:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Retry);
            box.button(QMessageBox::Retry)
                ->setText(QCoreApplication::translate("kavro::Interaction", "Reload"));
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            return;
        case Interaction::Buttons::SaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.button(QMessageBox::Discard)
                ->setText(QCoreApplication::translate("kavro::Interaction", "Don't Save"));
            box.setDefaultButton(QMessageBox::Save);
            box.setEscapeButton(QMessageBox::Cancel);
            return;
    }
}

Interaction::Answer answerOf(QMessageBox::StandardButton pressed) {
    switch (pressed) {
        case QMessageBox::Ok:
            return Interaction::Answer::Ok;
        case QMessageBox::Yes:
            return Interaction::Answer::Yes;
        case QMessageBox::No:
            return Interaction::Answer::No;
        case QMessageBox::Save:
            return Interaction::Answer::Save;
        case QMessageBox::Discard:
            return Interaction::Answer::Discard;
        case QMessageBox::Retry:
            return Interaction::Answer::Reload;
        default:
            return Interaction::Answer::Cancel;
    }
}

void prepareMessageBox(QMessageBox& box, const QString& text, Interaction::Buttons buttons,
                       Interaction::Icon icon) {
    box.setWindowTitle(programName());
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(boxIcon(icon));
    setUpButtons(box, buttons);
}

void prepareFileDialog(QFileDialog& dialog, const char* title, const char* filter = FileFilter) {
    dialog.setWindowTitle(QCoreApplication::translate("kavro::Interaction", title));
    dialog.setNameFilter(QCoreApplication::translate("kavro::Interaction", filter));
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
#ifndef Q_OS_WIN
    // Native choosers on some desktops match the pattern case-sensitively.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
}

QString chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

// A chooser of a file to write, asking before it overwrites one.
QString chooseFileToWrite(QWidget* parent, const char* title, const QString& initialPath,
                          const char* filter, const QString& suffix) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, title, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!initialPath.isEmpty()) {
        const QFileInfo initial(initialPath);
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    return chosenFile(dialog);
}

}  // namespace

QString programName() {
    if (QCoreApplication::instance() == nullptr) {
        return QStringLiteral("kavro");
    }
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

Interaction::Answer QtInteraction::messageBox(QWidget* parent, const QString& text, Buttons buttons,
                                              Icon icon) {
    QMessageBox box(parent);
    prepareMessageBox(box, text, buttons, icon);
    return answerOf(static_cast<QMessageBox::StandardButton>(box.exec()));
}

Interaction::Answer QtInteraction::checkedMessageBox(QWidget* parent, const QString& text,
                                                     Buttons buttons, Icon icon,
                                                     const QString& checkText, bool& checked) {
    QMessageBox box(parent);
    prepareMessageBox(box, text, buttons, icon);
    auto* check = new QCheckBox(checkText, &box);
    check->setChecked(checked);
    box.setCheckBox(check);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    checked = check->isChecked();
    return answerOf(pressed);
}

namespace {

// An existing database file, the chooser titled `title` and starting in `folder`.
QString chooseDatabaseFile(QWidget* parent, const char* title, const QString& folder) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, title);
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

}  // namespace

QString QtInteraction::chooseOpenFile(QWidget* parent, const QString& folder) {
    return chooseDatabaseFile(parent, ChooserTitles::Open, folder);
}

QString QtInteraction::chooseImportFile(QWidget* parent, const QString& folder) {
    return chooseDatabaseFile(parent, ChooserTitles::ImportFrom, folder);
}

QString QtInteraction::chooseSaveFile(QWidget* parent, const QString& initialPath) {
    return chooseFileToWrite(parent, ChooserTitles::SaveAs, initialPath, FileFilter,
                             QStringLiteral("tbn"));
}

QString QtInteraction::chooseListFile(QWidget* parent, const QString& initialPath) {
    return chooseFileToWrite(parent, ChooserTitles::ExportList, initialPath, ListFilter,
                             QStringLiteral("csv"));
}

QString QtInteraction::chooseReferenceFile(QWidget* parent) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog, ChooserTitles::ApplyOrder, ReferenceFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString Interaction::chooseImportFile(QWidget* parent, const QString& folder) {
    return chooseOpenFile(parent, folder);
}

QAction* Interaction::runPopup(QMenu& menu, const QPoint& globalPos) {
    return menu.exec(globalPos);
}

int QtInteraction::runDialog(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace kavro
