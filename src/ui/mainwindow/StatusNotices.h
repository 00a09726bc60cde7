// The window's status bar and the notices it carries: a notice ("TP added", "Channel added")
// and the result of a save go to the status bar only.
#pragma once

#include <QString>
#include <QtGlobal>

#include "ui/dialogs/DialogOperations.h"

class QStatusBar;
class QWidget;

namespace kavro {

class Interaction;
class WindowSettings;

class StatusNotices : public Notices {
public:
    StatusNotices(QStatusBar& bar, QWidget& window, Interaction& interaction,
                  WindowSettings& settings)
        : bar_(bar), window_(window), interaction_(interaction), settings_(settings) {}

    void notify(const QString& text) override;
    // In the status bar only, for a while.
    void show(const QString& text);

    static inline const char* const DontAskAgain =
        QT_TRANSLATE_NOOP("kavro::StatusNotices", "Don't ask again");

private:
    QStatusBar& bar_;
    QWidget& window_;
    Interaction& interaction_;
    WindowSettings& settings_;
};

}  // namespace kavro
