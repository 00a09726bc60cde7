// What an edit session tells those who show it, once per change.
#pragma once

#include <span>

namespace kavro {

// How far a change of the tables reaches.
enum class ChangeReach {
    Fields,   // values of fields: which records are live, their order and every count stay
    Order,    // the order of the live channels: their kinds and every count stay
    Records,  // liveness, TV bits or the satellite of a transponder: lists and counts
};

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
    // What may have changed; the view index was rebuilt unless only fields changed. Records
    // for Loaded and ViewChanged.
    ChangeReach reach = ChangeReach::Records;
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
