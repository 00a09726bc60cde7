// What the window tests share: a small database with known texts, a window driven by
// scripted interaction services, and files in a temporary folder opened through Open.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

#include "database/ChannelDatabase.h"
#include "session/EditSession.h"
#include "support/ScriptedInteraction.h"
#include "support/TestImageBuilder.h"
#include "ui/mainwindow/MainWindow.h"

class QTreeWidgetItem;

namespace kavro::testing {

// Satellites: 0 "Astra 19.2E" (transponders 0, 1, 4), 1 "Hotbird 13.0E" (transponder 2),
// 2 "Hidden 5.0W" (not shown; transponder 3), 3 "Empty 30.0W" (shown, no transponders).
// Channels: 0 "Das Erste" TV on 0; 1 "Bayern 3" radio on 0; 2 "Rai 1" TV on 2; 3 "ZDF" TV on
// 0, CAS Seca/Vi, favourite, locked; 4 "Hidden TV" TV on 3; slot 5 free; 6 "Rai Radio 2"
// radio on 2; 7 "Klassik" radio on 4.
TestImageBuilder windowTestBuilder(uint32_t seed = 11);
Bytes windowTestImage(uint32_t seed = 11);

class WindowHarness {
public:
    // Makes a window and shows it.
    WindowHarness();
    ~WindowHarness();

    ScriptedInteraction interaction;
    std::unique_ptr<MainWindow> window;
    QString folder;

    QString pathOf(const QString& name) const;
    QString writeImage(const QString& name, const Bytes& bytes);
    // Open with the chooser answering `path`; true when the window took the file.
    bool open(const QString& path);
    // Writes the image and opens it.
    bool openImage(const Bytes& bytes, const QString& name = QStringLiteral("db.tbn"));

    // The modified mark and the Save button both say `dirty`.
    bool showsModified(bool dirty) const;
    // The window's session and its tables.
    EditSession& session() const { return window->session(); }
    const ChannelDatabase& db() const { return window->session().database(); }
    // Applies an edit through the window's session, as a command would; true when it
    // changed the tables.
    bool edit(const Edit& edit) const { return session().apply(edit).changed; }
    // Channel `ch` renamed as the channel dialog renames it, its other values as they are.
    bool renameChannel(int ch, std::string_view name) const;

    // Texts as shown.
    QString cell(int row, int column) const;
    QStringList rowTexts(int row) const;
    QStringList columnTexts(int column) const;
    int rows() const;
    QStringList treeTexts() const;  // satellites, each followed by its transponders, indented
    QTreeWidgetItem* satelliteItem(int s) const;
    QTreeWidgetItem* transponderItem(int s, int j) const;

    // Selects the tree item as the user would (the tree reports the change).
    void selectTreeItem(QTreeWidgetItem* item);
    // Selects list rows (replacing the selection).
    void selectRows(std::initializer_list<int> rows);
};

// A window with the test database opened from db.tbn. A failed open fails the test.
class OpenedWindow : public WindowHarness {
public:
    OpenedWindow();
    const QString path;
};

// The edit the channel dialog makes to rename channel `ch`, its other values as they are.
EditChannel renamedChannel(const ChannelDatabase& tables, int ch, std::string_view name);

// The file at `path` loaded into a session of its own; nullptr when it is refused.
std::unique_ptr<EditSession> loadedFile(const QString& path);

// A dialog script that sets a line edit found by object name and presses OK.
ScriptedInteraction::DialogScript setFieldAndOk(const QString& editName, const QString& text);
// A script that presses CANCEL.
ScriptedInteraction::DialogScript pressCancel();

}  // namespace kavro::testing
