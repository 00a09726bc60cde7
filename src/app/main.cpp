// kavro: the channel database editor. --help and --version answer without a display;
// otherwise the editor's window runs, with the file the command line names, until the user
// closes it.
#include <QApplication>
#include <QFile>

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
    // Qt has taken its own options out of argv by now.
    const char* file = kavro::fileArgument(argc, argv);
    kavro::ChannelEditorApp editor(application);
    editor.StartUp(file ? QFile::decodeName(file) : QString());
    return 0;
}
