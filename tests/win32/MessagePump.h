#pragma once

#include <functional>

// The tests' stand-in for the program's message loop, which runs until the
// window closes: it hands on what is queued, as that loop would, and stops
// when the test has what it waits for.
class MessagePump
{
public:
    // Handles what is queued. A closed window's quit request is for a loop
    // these tests do not run.
    static void handlePending();
    // Handles the queued messages, and the input that arrives, until `done`
    // holds; whether it did within ten seconds, long after any input sent
    // has come.
    static bool handleUntil(const std::function<bool()>& done);
};
