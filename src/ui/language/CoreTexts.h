// The core's texts in the window's language. The core (standard library only) writes its
// messages, titles and step names in English, as named constants or from fixed patterns;
// this maps each of them to its translation under the context "CoreTexts", so that the
// core needs no Qt. A text it does not know is shown as it is.
#pragma once

#include <QString>
#include <string_view>

namespace kavro {

// The translation of the core's text `text` (UTF-8), with the names and numbers it carries.
QString translatedCoreText(std::string_view text);
// The same for a core text already made a QString for the screen (a tree item's text, its
// Latin-1 name in it).
QString translatedShownText(const QString& english);

// "Undo delete 3 channels" (or "Redo ..."), "Undo" alone for an empty step name, translated.
QString historyText(bool undo, std::string_view stepLabel);

}  // namespace kavro
