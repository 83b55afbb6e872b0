// Signals turned from "end at once" into bytes to read: the handler only writes the signal's number
// into a pipe (async-signal-safe), which the window's event loop or a poll watches. POSIX only; one
// at a time, since a handler can only reach a pipe it knows without being told.
#pragma once

#include <initializer_list>

namespace korvo {

class SignalPipe {
public:
    // Takes over the signals `taken` until it is gone. Where no pipe can be made, or another
    // SignalPipe holds it, nothing is taken over and the signals keep their old effect.
    explicit SignalPipe(std::initializer_list<int> taken);
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    bool open() const;
    // The end to watch for reading; -1 when not open.
    int readEnd() const;
    // The next number written: a signal's, or 0 from wake(); -1 when none is waiting.
    int take();
    // Writes a 0, so that a watcher wakes with no signal.
    void wake();

private:
    bool Owns = false;
};

} // namespace korvo
