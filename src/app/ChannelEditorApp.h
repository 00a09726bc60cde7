// The application object: one per process. Its start-up runs the editor's window until
// the user closes it; the window's own modal loop is the program's only event loop.
#pragma once

class QApplication;

namespace kavro {

class ChannelEditorApp {
public:
    explicit ChannelEditorApp(QApplication& application);

    // Creates the window, runs it and destroys it. Returns false: nothing else runs after
    // it and the process ends.
    bool StartUp();

private:
    QApplication& application_;
};

}  // namespace kavro
