// The Problems pane: the panel of findings in a dock under the list, and its "Problems (N)"
// button in the status bar, which opens and closes it. A double-click on a finding shows
// what it concerns: the channel in the list (Find emptied first when it hides it), the
// transponder in the tree, or the Satellites dialog for a satellite that is not shown.
#pragma once

#include <QObject>

class QDockWidget;
class QMainWindow;
class QPushButton;
class QStatusBar;

namespace kavro {

class EditSession;
class ProblemsPanel;
struct PaneContext;

class ProblemsPane : public QObject {
    Q_OBJECT

public:
    // Docks the panel, hidden, under the list of `window`; the panel follows `session`
    // while the pane lives.
    ProblemsPane(EditSession& session, QMainWindow& window);
    ~ProblemsPane() override;

    void wire(const PaneContext& context);
    void addButtonTo(QStatusBar& bar);
    // The button opens the panel while a database is open.
    void showSession(bool open);

    ProblemsPanel* panel() const { return panel_; }
    QDockWidget* dock() const { return dock_; }
    QPushButton* button() const { return button_; }

private:
    void showCount(int count);

    EditSession& session_;
    QDockWidget* dock_;
    ProblemsPanel* panel_;
    QPushButton* button_;
};

}  // namespace kavro
