// The commands on the list as a whole: Export List... (a button beside Save As and the list's
// popup) writes the rows as shown to a CSV file; Apply Order From... (the list's popup) takes
// the order of a reference list as one step; and showing what a finding of the Problems
// panel concerns.
#pragma once

class QString;

namespace kavro {

struct WindowParts;

class ListCommands {
public:
    explicit ListCommands(const WindowParts& parts) : parts_(parts) {}

    // The rows as shown (view, satellite filter), as `kavro-tool list --format csv` writes
    // them, to the CSV file the user chooses; the status bar says how many went where.
    void exportList();
    // The channels that match a channel of the list the user chooses (a database file or a
    // CSV list) take its order, the others following in theirs, as one step; the status bar
    // tells how many were ordered and how many found no match.
    void applyOrder();
    // Copies what the user picks of another database file (read as Open reads it) into
    // this one as one step, at the end or before the selected channel; the status bar and
    // a closing message tell what was copied and what not.
    void importFrom();
    // Selects the channel's row, showing the whole view first when the list does not show
    // it; without a live channel, selects the transponder's item in the tree.
    void showFinding(int channel, int transponder);

private:
    void showChannel(int channel);
    void showTransponder(int transponder);
    void report(const QString& text);

    const WindowParts& parts_;
};

}  // namespace kavro
