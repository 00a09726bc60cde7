// Interaction services answered from a script, for the window and dialog tests.
#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/dialogs/Interaction.h"

namespace kavro::testing {

class ScriptedInteraction : public Interaction {
public:
    struct Message {
        QString text;
        Buttons buttons;
        Icon icon;
        QString checkText;  // the check box under the text; empty for a plain box
    };
    using DialogScript = std::function<void(QDialog&)>;
    struct Popup {
        QStringList items;  // the item texts, in order, separators left out
        QPoint position;    // where the popup's top-left corner was asked for
    };

    // Every message box shown, in order.
    QList<Message> messages;
    // Run whenever a message box is shown, before it is answered: to look at the window
    // while the box is up.
    std::function<void()> whileShown;
    // Answers for boxes with a choice, taken in order; when the queue is empty, the first
    // button (Ok, Yes or Save).
    QList<Answer> answers;
    // The state the user leaves each check box in, taken in order; when the queue is
    // empty, the box's first state.
    QList<bool> checks;
    // Paths the file choosers return, taken in order; cancel when the queue is empty.
    QStringList openPaths;
    QStringList savePaths;
    // Scripts for the dialogs run, taken in order. runDialog shows the dialog, runs the
    // script (which fills widgets and clicks OK or CANCEL) and answers the dialog's result;
    // a dialog still open afterwards is rejected. No script: the dialog is rejected.
    QList<DialogScript> dialogScripts;
    // The folder each Open chooser was given.
    QStringList openFolders;
    // The initial path each Save chooser was given.
    QStringList saveInitialPaths;
    // Paths the list chooser (Export List) and the reference chooser (Apply Order From)
    // return, taken in order; cancel when the queue is empty. The initial path each list
    // chooser was given.
    QStringList listPaths;
    QStringList referencePaths;
    QStringList listInitialPaths;
    int dialogsRun = 0;
    // Every popup menu shown, in order.
    QList<Popup> popups;
    // The item picked in each popup, by its text, taken in order; "Select > Radio" picks an
    // item of a submenu. An empty text, a disabled item or an empty queue dismisses the
    // popup.
    QStringList popupChoices;

    Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    Answer checkedMessageBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon,
                             const QString& checkText, bool& checked) override;
    QString chooseOpenFile(QWidget* parent, const QString& folder) override;
    QString chooseSaveFile(QWidget* parent, const QString& initialPath) override;
    QString chooseListFile(QWidget* parent, const QString& initialPath) override;
    QString chooseReferenceFile(QWidget* parent) override;
    int runDialog(QDialog& dialog) override;
    QAction* runPopup(QMenu& menu, const QPoint& globalPos) override;

    QStringList messageTexts() const;
};

}  // namespace kavro::testing
