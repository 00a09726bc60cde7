// The platform's interaction services as the window and the dialog operations use them:
// message boxes, the file choosers and the modal run of a dialog. QtInteraction is the
// real one; tests put a scripted one in its place.
#pragma once

#include <QString>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;

namespace kavro {

// What each file chooser is for, as its title says.
namespace ChooserTitles {
inline constexpr const char* Open = QT_TRANSLATE_NOOP("kavro::Interaction", "Open");
inline constexpr const char* SaveAs = QT_TRANSLATE_NOOP("kavro::Interaction", "Save As");
inline constexpr const char* ExportList = QT_TRANSLATE_NOOP("kavro::Interaction", "Export List");
inline constexpr const char* ApplyOrder =
    QT_TRANSLATE_NOOP("kavro::Interaction", "Apply Order From");
inline constexpr const char* ImportFrom = QT_TRANSLATE_NOOP("kavro::Interaction", "Import From");
}  // namespace ChooserTitles

class Interaction {
public:
    enum class Icon { None, Information, Exclamation };
    // YesNo defaults to No, and so does YesNoReload, which adds "Reload". SaveDiscardCancel
    // shows "Save", "Don't Save" and "Cancel" and defaults to Save. Escape answers Cancel, or
    // No where there is no Cancel.
    enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel, YesNoReload };
    enum class Answer { Ok, Cancel, Yes, No, Save, Discard, Reload };

    virtual ~Interaction() = default;

    // Caption: the base name of the executable.
    virtual Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon) = 0;
    // The same box with a check box under its text (such as "Don't show this again");
    // `checked` goes in as the box's first state and comes out as the user left it.
    virtual Answer checkedMessageBox(QWidget* parent, const QString& text, Buttons buttons,
                                     Icon icon, const QString& checkText, bool& checked) = 0;
    // Full path of the chosen existing file, empty when cancelled. The chooser starts in
    // `folder`, or in the working folder when it is empty.
    virtual QString chooseOpenFile(QWidget* parent, const QString& folder) = 0;
    // Full path to save to (default suffix added), empty when cancelled.
    virtual QString chooseSaveFile(QWidget* parent, const QString& initialPath) = 0;
    // Full path of the CSV file to write the channel list to (".csv" added), empty when
    // cancelled.
    virtual QString chooseListFile(QWidget* parent, const QString& initialPath) = 0;
    // Full path of an existing list to take the order from: a database file or a CSV list;
    // empty when cancelled.
    virtual QString chooseReferenceFile(QWidget* parent) = 0;
    // Runs the dialog modally; QDialog::Accepted or QDialog::Rejected.
    virtual int runDialog(QDialog& dialog) = 0;
    // Shows a popup menu with its top-left corner at `globalPos` until the user picks an
    // item or dismisses it; the picked item, nullptr when none was picked.
    virtual QAction* runPopup(QMenu& menu, const QPoint& globalPos);
    // Full path of an existing database file to import from, empty when cancelled; the
    // chooser starts in `folder`. Unless overridden, Open's chooser answers.
    virtual QString chooseImportFile(QWidget* parent, const QString& folder);
};

class QtInteraction : public Interaction {
public:
    Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    Answer checkedMessageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                             const QString& checkText, bool& checked) override;
    QString chooseOpenFile(QWidget* parent, const QString& folder) override;
    QString chooseSaveFile(QWidget* parent, const QString& initialPath) override;
    QString chooseListFile(QWidget* parent, const QString& initialPath) override;
    QString chooseReferenceFile(QWidget* parent) override;
    QString chooseImportFile(QWidget* parent, const QString& folder) override;
    int runDialog(QDialog& dialog) override;
};

// The caption of every message box: the executable's base name.
QString programName();

}  // namespace kavro
