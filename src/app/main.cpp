// kavro: the channel database editor. --help and --version answer without a display;
// otherwise the editor's window runs, with the file the command line names, until the user
// closes it.
#include <QApplication>
#include <QCoreApplication>
#include <string>
#include <vector>

#include "ChannelEditorApp.h"
#include "KavroVersion.h"
#include "StartArguments.h"

int main(int argc, char** argv) {
    const kavro::StartRequest request = kavro::readStartArguments(argc, argv);
    if (request != kavro::StartRequest::OpenWindow) {
        return kavro::answerOnStandardOutput(request);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kavro"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(kavro::KavroVersion.data(), kavro::KavroVersion.size()));
    // Lets the desktop match the window with the installed entry and its icon.
    QApplication::setDesktopFileName(QString::fromUtf8(kavro::DesktopId));
    // Qt has taken its own options out of the arguments by now. They are read as Qt gives
    // them, which on Windows is the wide command line, so any file name comes through.
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments()) {
        arguments.push_back(argument.toStdString());
    }
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    const char* file = kavro::fileArgument(static_cast<int>(pointers.size()), pointers.data());
    const char* language =
        kavro::languageArgument(static_cast<int>(pointers.size()), pointers.data());
    kavro::ChannelEditorApp editor(application);
    return editor.run(file ? QString::fromStdString(file) : QString(),
                      language ? QString::fromStdString(language) : QString());
}
