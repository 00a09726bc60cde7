// Names and descriptions for assistive technology. A screen reader announces a control by
// its accessible name and describes it by its accessible description; Qt derives a name
// only from a button's text. This gives every control of a window or dialog both: the name
// from the text of the label beside it (made the label's buddy, so the label's key also
// reaches it) or from its own text, and the description from one table of what each
// control does, in the window's language.
#pragma once

class QWidget;

namespace kavro {

// Names and describes every control under `root` (the window or a dialog, once its
// controls are laid out). A name or description already set is kept.
void describeControls(QWidget& root);

}  // namespace kavro
