// The application object: one per process. Its start-up runs the editor's window until
// the user closes it; the window's own modal loop is the program's only event loop.
#pragma once

#include <QString>

#include "ui/language/WindowLanguage.h"

class QApplication;

namespace kavro {

class ChannelEditorApp {
public:
    explicit ChannelEditorApp(QApplication& application);

    // Creates the window as the user left it, speaking `language` (a code such as "de";
    // empty: the system's language), opens `file` when one is given (empty: none), runs it
    // and destroys it. Returns false: nothing else runs after it and the process
    // ends.
    bool StartUp(const QString& file = QString(), const QString& language = QString());

private:
    QApplication& application_;
    WindowLanguage language_;
};

}  // namespace kavro
