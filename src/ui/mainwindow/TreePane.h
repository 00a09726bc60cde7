// The tree pane: the satellite/transponder tree with the ALL / TV / RADIO buttons under it.
// Choosing an item filters the list to its satellite; a double-click edits a transponder;
// the right button and the menu key open the item's popup; Delete deletes a transponder;
// a click on empty space shows every satellite's channels again; the buttons switch the view.
#pragma once

#include <QWidget>

#include "CommandTable.h"
#include "database/View.h"

class QButtonGroup;
class QRadioButton;

namespace kavro {

class SatelliteTree;
struct PaneContext;

class TreePane : public QWidget {
    Q_OBJECT

public:
    explicit TreePane(QWidget* parent = nullptr);

    // Connects the tree and the buttons to what they run.
    void wire(const PaneContext& context);
    // Marks the button of `view`.
    void showView(View view);
    // The popup for the selected item's kind; None with none selected.
    Popup popup() const;

    SatelliteTree* tree() const { return tree_; }
    // The button of view `view`.
    QRadioButton* viewButton(View view) const;

private:
    QWidget* buildViewGroup();
    void onSelectionChanged(const PaneContext& context);
    void onViewButton(const PaneContext& context, View view);
    void showPopup(const PaneContext& context, const QPoint& globalPos);

    SatelliteTree* tree_;
    QButtonGroup* viewGroup_ = nullptr;
    QRadioButton* viewButtons_[3] = {};
};

}  // namespace kavro
