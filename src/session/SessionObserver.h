// What an edit session tells those who show it, once per change.
#pragma once

#include <span>

namespace kavro {

enum class SessionEvent {
    Loaded,       // another database (or none): everything is new, the history empty
    ViewChanged,  // the current view
    Edited,       // an edit changed the tables: one new step
    Undone,       // a step was undone
    Redone,       // a step was redone
    Saved,        // the tables were written: the modified mark may have changed
};

struct SessionChange {
    SessionEvent event = SessionEvent::Loaded;
    // The view index was rebuilt: liveness, order or TV bits may have changed. Always so for
    // Loaded and ViewChanged.
    bool structural = false;
    // Edited, Undone, Redone: the channels the step is about, as slots of the tables now
    // (those it deleted are not among them after it stands, nor those it added after it was
    // undone).
    std::span<const int> channels;
};

class SessionObserver {
public:
    virtual ~SessionObserver() = default;
    // Called after the change, with the session in its new state. The observer reads the
    // session; it must not change it from here.
    virtual void sessionChanged(const SessionChange& change) = 0;
};

}  // namespace kavro
