// The application object: one per process. It runs the editor's window until the user
// closes it.
#pragma once

#include <QString>

class QApplication;

namespace kavro {

class ChannelEditorApp {
public:
    explicit ChannelEditorApp(QApplication& application);

    // Creates the window as the user left it, opens `file` when one is given (empty: none),
    // shows it and runs the event loop until the window closes; its exit code.
    int run(const QString& file = QString());

private:
    QApplication& application_;
};

}  // namespace kavro
