// The application object: one per process. It runs the editor's window until the user
// closes it.
#pragma once

#include <QString>

#include "ui/language/WindowLanguage.h"

class QApplication;

namespace kavro {

class ChannelEditorApp {
public:
    explicit ChannelEditorApp(QApplication& application);

    // Creates the window as the user left it, speaking `language` (a code such as "de";
    // empty: the system's language), opens `file` when one is given (empty: none), shows it
    // and runs the event loop until the window closes; its exit code.
    int run(const QString& file = QString(), const QString& language = QString());

private:
    QApplication& application_;
    WindowLanguage language_;
};

}  // namespace kavro
