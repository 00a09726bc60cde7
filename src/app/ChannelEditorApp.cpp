#include "ChannelEditorApp.h"

#include <QApplication>

#include "ui/dialogs/Interaction.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/ProgramIcon.h"
#include "ui/mainwindow/WindowSettings.h"

namespace kavro {

ChannelEditorApp::ChannelEditorApp(QApplication& application) : application_(application) {}

int ChannelEditorApp::run(const QString& file) {
    application_.setWindowIcon(programIcon());
    QtInteraction interaction;
    const std::unique_ptr<WindowSettings> settings = WindowSettings::forUser();
    MainWindow window(interaction, nullptr, settings.get());
    // The file is read before the window maps, so its first frame shows it.
    if (!file.isEmpty()) {
        window.openFile(file);
    }
    window.show();
    return application_.exec();
}

}  // namespace kavro
