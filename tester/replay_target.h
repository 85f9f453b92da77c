#pragma once

#include <functional>

#include "tester/keystroke_record.h"

/// The typing view as a re-play sees it. The view lives on the user-interface thread; the
/// re-play worker reaches it only by posting work there.
class ReplayTarget {
  public:
    virtual ~ReplayTarget() = default;

    /// Called on the user-interface thread when a re-play starts: show the typing view, empty.
    virtual void BeginReplay() = 0;
    /// Called on the worker thread: run task on the user-interface thread soon, and return
    /// without waiting for it (a queued call). A task may also run at once on the calling
    /// thread when there is no separate user-interface thread (tests, command line).
    virtual void PostToViewThread(std::function<void()> task) = 0;
    /// Called on the user-interface thread: process one recorded event as if it had been
    /// typed, with the record's wParam and lParam.
    virtual void ReplayEvent(const KeystrokeRecord& record) = 0;
    /// Called on the user-interface thread (posted by the worker) when the re-play has run to
    /// the end of the log, after the worker cleared the re-play flags: the commands change.
    /// A new re-play may have started meanwhile, so the flags, not this call, say the state.
    /// A stopped re-play does not call it; the command that stopped it knows.
    virtual void ReplayEnded() = 0;
};
