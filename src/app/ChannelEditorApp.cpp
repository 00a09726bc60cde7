#include "ChannelEditorApp.h"

#include <QApplication>
#include <QIcon>

#include "ui/dialogs/Interaction.h"
#include "ui/mainwindow/MainWindow.h"

namespace kavro {

ChannelEditorApp::ChannelEditorApp(QApplication& application) : application_(application) {}

bool ChannelEditorApp::StartUp() {
    application_.setWindowIcon(QIcon(QStringLiteral(":/kavro.png")));
    QtInteraction interaction;
    {
        MainWindow window(interaction);
        window.exec();
    }
    return false;
}

}  // namespace kavro
