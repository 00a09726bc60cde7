#include "ChannelEditorApp.h"

#include <QApplication>
#include <cstdio>

#include "ui/dialogs/Interaction.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/ProgramIcon.h"
#include "ui/mainwindow/WindowSettings.h"

namespace kavro {

ChannelEditorApp::ChannelEditorApp(QApplication& application) : application_(application) {}

int ChannelEditorApp::run(const QString& file, const QString& language) {
    application_.setWindowIcon(programIcon());
    if (language.isEmpty()) {
        language_.useSystemLanguages();
    } else if (!language_.use(language)) {
        std::fprintf(stderr, "kavro: no translation for \"%s\"; the window stays in English\n",
                     qPrintable(language));
    }
    QtInteraction interaction;
    const std::unique_ptr<WindowSettings> settings = WindowSettings::forUser();
    MainWindow window(interaction, nullptr, settings.get());
    // The file is read before the window maps, so its first frame shows it.
    if (!file.isEmpty()) {
        window.openFile(file);
    }
    // Polished, laid out and drawn once before it maps (fonts, icons, item texts made
    // ready): the first frame follows the map at once, and the screen never shows the window
    // empty.
    window.grab();
    window.show();
    return application_.exec();
}

}  // namespace kavro
