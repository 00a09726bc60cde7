// The window's panes: the tree pane (the satellite tree and the ALL/TV/RADIO buttons under
// it), the list pane (the channel list, its model, Find, the row count and the filter note)
// and the Problems pane (the panel, its dock and its status-bar button). Each pane makes and
// owns its widgets and wires their signals in wire(); MainWindow only places them. The
// tests reach the widgets through MainWindow::panes() and the panes' getters.
#pragma once

#include <functional>

#include "CommandTable.h"
#include "ListPane.h"
#include "ProblemsPane.h"
#include "TreePane.h"

class QPoint;
class QSplitter;

namespace kavro {

class ChannelCommands;
class ListCommands;
class OrderCommands;
class SatelliteCommands;
class TransponderCommands;
struct WindowParts;

// What a pane's wiring reaches: the window's parts (session, selection, refresh, the other
// panes), the command groups its controls run, and the popups of the command table.
struct PaneContext {
    const WindowParts& parts;
    ChannelCommands& channels;
    OrderCommands& order;
    TransponderCommands& transponders;
    ListCommands& lists;
    SatelliteCommands& satellites;
    // Shows the popup at a place in screen coordinates and runs the picked command.
    std::function<void(Popup, const QPoint&)> runPopup;
};

struct WindowPanes {
    TreePane& tree;
    ListPane& list;
    ProblemsPane& problems;
    QSplitter* splitter;  // the tree pane beside the list
};

}  // namespace kavro
