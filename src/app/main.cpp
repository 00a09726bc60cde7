// kavro: the channel database editor. It takes no arguments and keeps no settings.
#include <QApplication>

#include "ChannelEditorApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    kavro::ChannelEditorApp editor(application);
    editor.StartUp();
    return 0;
}
