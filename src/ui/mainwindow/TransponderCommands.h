// The tree's transponder commands: Delete TP (from the popup and the Delete key), Add
// Channel, Add TP and the edit of a double-clicked transponder. Each checks for itself
// whether it can act and ends silently when it cannot; Delete TP asks first.
#pragma once

namespace kavro {

struct WindowParts;

class TransponderCommands {
public:
    explicit TransponderCommands(const WindowParts& parts) : parts_(parts) {}

    // Only a transponder that still exists, selected in the tree.
    void deleteTransponder();
    // Delete on the tree: "Delete TP" for a selected transponder item.
    void deleteByKey();
    // Adds to the transponder selected last, when it still exists; the new channel's row is
    // selected and shown when the list lists it.
    void addChannel();
    // Adds to the satellite selected in the tree; the tree keeps the item it had selected.
    void addTransponder();
    // The transponder item selected in the tree, when it is still the one selected last.
    void editTransponder();

private:
    const WindowParts& parts_;
};

}  // namespace kavro
