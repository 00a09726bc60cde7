// The satellite commands: Tree > Satellites..., and Hide Satellite and Rename Satellite...
// of a satellite item's popup. Renaming opens the Satellites dialog on that satellite's
// name; so does a Problems finding about a satellite that is not shown.
#pragma once

namespace kavro {

struct WindowParts;

class SatelliteCommands {
public:
    explicit SatelliteCommands(const WindowParts& parts) : parts_(parts) {}

    // The dialog, on satellite s (none: -1).
    void openDialog(int satellite = -1);
    // The satellite selected in the tree, when a satellite item is selected.
    void hideSelected();
    void renameSelected();

private:
    int selectedSatellite() const;

    const WindowParts& parts_;
};

}  // namespace kavro
