#include "StatusNotices.h"

#include <QCoreApplication>
#include <QStatusBar>

#include "WindowParts.h"
#include "WindowSettings.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

constexpr int ShownMilliseconds = 10000;

// The names listed under `key`: notices not to show, questions not to ask.
bool isListed(const WindowSettings& settings, const char* key, const QString& name) {
    return settings.list(QString::fromLatin1(key)).contains(name);
}

void addToList(WindowSettings& settings, const char* key, const QString& name) {
    QStringList names = settings.list(QString::fromLatin1(key));
    if (!names.contains(name)) {
        names.append(name);
        settings.setList(QString::fromLatin1(key), names);
    }
}

}  // namespace

// A notice needs no answer: it never stops the user with a box.
void StatusNotices::notify(const QString& text) {
    show(text);
}

void StatusNotices::show(const QString& text) {
    bar_.showMessage(text, ShownMilliseconds);
}

bool WindowParts::confirm(const QString& question) const {
    return interaction.messageBox(window, question, Interaction::Buttons::OkCancel,
                                  Interaction::Icon::None) == Interaction::Answer::Ok;
}

void WindowParts::showMessage(const QString& text) const {
    interaction.messageBox(window, text, Interaction::Buttons::Ok, Interaction::Icon::Exclamation);
}

DialogContext WindowParts::dialogContext() const {
    return {window, &interaction, &session, notices};
}

bool WindowParts::confirmUnlessSkipped(const QString& question, const QString& name) const {
    if (settings == nullptr) {
        return confirm(question);
    }
    if (isListed(*settings, WindowSettings::SkippedQuestions, name)) {
        return true;
    }
    bool skip = false;
    const bool ok =
        interaction.checkedMessageBox(
            window, question, Interaction::Buttons::OkCancel, Interaction::Icon::None,
            QCoreApplication::translate("kavro::StatusNotices", StatusNotices::DontAskAgain),
            skip) == Interaction::Answer::Ok;
    if (ok && skip) {
        addToList(*settings, WindowSettings::SkippedQuestions, name);
    }
    return ok;
}

}  // namespace kavro
