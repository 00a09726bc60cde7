// Names and descriptions for assistive technology. A screen reader announces a control by
// its accessible name and describes it by its accessible description; Qt derives a name
// only from a button's text. This gives every control of a window or dialog both: the name
// from the text of the label beside it (made the label's buddy, so the label's key also
// reaches it) or from its own text, and the description from one table of what each
// control does, in the window's language.
#pragma once

#include <QPalette>

class QColor;
class QWidget;

namespace kavro {

// Names and describes every control under `root` (the window or a dialog, once its
// controls are laid out). A name or description already set is kept. Makes its colours
// readable too (readableColors).
void describeControls(QWidget& root);

// The contrast ratio of two colours as WCAG defines it, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// `palette` with every pair of text and background colour (text on base, window, button,
// tooltip and highlight, in the active and inactive groups) at a contrast of 4.5:1 or more,
// as WCAG AA asks for text: a text colour below that becomes black or white, whichever reads
// better, and the background is darkened or lightened until it reaches 4.5. Pairs that read
// well are kept as the desktop theme has them.
QPalette readableColors(const QPalette& palette);

}  // namespace kavro
