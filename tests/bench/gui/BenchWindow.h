// What the window benchmarks share: a full-capacity image in a temporary file, written once
// and removed when the process ends, and a shown editor window that opens it.
#pragma once

#include <QDir>
#include <QString>

#include "database/ChannelDatabase.h"
#include "session/EditSession.h"
#include "support/ScriptedInteraction.h"
#include "support/TestImageBuilder.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/SatelliteTree.h"

namespace kavro::testing {

inline const QString& fullImagePath() {
    struct FullImageFile {
        QString folder = QString::fromStdString(makeTempDir());
        QString path = QDir(folder).filePath(QStringLiteral("full.tbn"));
        FullImageFile() { writeFileBytes(path.toStdString(), fullCapacityImage()); }
        ~FullImageFile() { QDir(folder).removeRecursively(); }
    };
    static const FullImageFile file;
    return file.path;
}

struct OpenWindow {
    ScriptedInteraction interaction;
    MainWindow window{interaction};

    OpenWindow() {
        window.show();
        open();
    }
    // Opens the full image again; changes since are dropped, not saved.
    void open() {
        if (window.session().isModified()) {
            interaction.answers.append(Interaction::Answer::Discard);
        }
        interaction.openPaths.append(fullImagePath());
        window.fileCommands().open();
    }
    // Lays out and paints what a screen would show now.
    void paint() {
        window.list()->viewport()->repaint();
        window.tree()->viewport()->repaint();
    }
};

}  // namespace kavro::testing
