#include "support/ScriptedInteraction.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTest>

namespace kavro::testing {

Interaction::Answer ScriptedInteraction::messageBox(QWidget* /*parent*/, const QString& text,
                                                    Buttons buttons, Icon icon) {
    messages.append({text, buttons, icon, {}});
    if (whileShown) {
        whileShown();
    }
    if (buttons != Buttons::Ok && !answers.isEmpty()) {
        return answers.takeFirst();
    }
    switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoReload:
            return Answer::Yes;
        case Buttons::SaveDiscardCancel:
            return Answer::Save;
        default:
            return Answer::Ok;
    }
}

Interaction::Answer ScriptedInteraction::checkedMessageBox(QWidget* parent, const QString& text,
                                                           Buttons buttons, Icon icon,
                                                           const QString& checkText,
                                                           bool& checked) {
    const Answer answer = messageBox(parent, text, buttons, icon);
    messages.last().checkText = checkText;
    if (!checks.isEmpty()) {
        checked = checks.takeFirst();
    }
    return answer;
}

QString ScriptedInteraction::chooseOpenFile(QWidget* /*parent*/, const QString& folder) {
    openFolders.append(folder);
    return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
}

QString ScriptedInteraction::chooseSaveFile(QWidget* /*parent*/, const QString& initialPath) {
    saveInitialPaths.append(initialPath);
    return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
}

QString ScriptedInteraction::chooseListFile(QWidget* /*parent*/, const QString& initialPath) {
    listInitialPaths.append(initialPath);
    return listPaths.isEmpty() ? QString() : listPaths.takeFirst();
}

QString ScriptedInteraction::chooseReferenceFile(QWidget* /*parent*/) {
    return referencePaths.isEmpty() ? QString() : referencePaths.takeFirst();
}

int ScriptedInteraction::runDialog(QDialog& dialog) {
    ++dialogsRun;
    if (dialogScripts.isEmpty()) {
        return QDialog::Rejected;
    }
    const DialogScript script = dialogScripts.takeFirst();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog, 2000)) {
        qWarning("ScriptedInteraction: the dialog did not become active");
    }
    script(dialog);
    if (dialog.isVisible()) {
        dialog.reject();
        return QDialog::Rejected;
    }
    return dialog.result();
}

// As a menu does, it never answers a separator or a disabled item.
QAction* ScriptedInteraction::runPopup(QMenu& menu, const QPoint& globalPos) {
    Popup popup{{}, globalPos};
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            popup.items.append(action->text());
        }
    }
    popups.append(popup);
    const QString choice = popupChoices.isEmpty() ? QString() : popupChoices.takeFirst();
    // "Select > Radio": an item of a submenu, by the texts on the way to it.
    const QStringList path = choice.split(QStringLiteral(" > "));
    const QMenu* level = &menu;
    for (qsizetype step = 0; level != nullptr && !choice.isEmpty() && step < path.size(); ++step) {
        const QMenu* next = nullptr;
        for (QAction* action : level->actions()) {
            if (action->text() != path[step] || !action->isEnabled()) {
                continue;
            }
            if (step + 1 == path.size()) {
                return action;
            }
            next = action->menu();
        }
        level = next;
    }
    return nullptr;
}

QStringList ScriptedInteraction::messageTexts() const {
    QStringList texts;
    for (const Message& message : messages) {
        texts.append(message.text);
    }
    return texts;
}

}  // namespace kavro::testing
