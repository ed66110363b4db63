// Sending a message to another application's window without freezing the bar.
//
// The send waits as long as the application keeps answering (it may be asking the
// person something inside its handler); meanwhile the bar's own messages are
// dispatched, so it paints and its timers run. An application that leaves a probe
// unanswered for kHungAfterMs is given up on.
#pragma once
#include <windows.h>

constexpr DWORD kHungAfterMs = 5000;

enum class SendOutcome {
    Answered,   // the handler returned
    AnsweredAfterAsking,   // the handler returned after a question of its own on screen
    Hung,       // the application stopped answering
    Gone,       // the window went away unanswered, or the send was refused
    Quit        // the bar is ending: its quit message was seen and posted again
};

// A disabled window, or another window of its process in front, is an application
// asking the person something (a modal question of its own).
bool IsAskingThePerson(HWND window);

// lParam is a value, not a pointer: a send given up on may still be delivered later.
SendOutcome SendWhileAnswering(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// What the wait does next, from what it knows at time now (milliseconds): whether
// the message was answered, whether the last probe was, and when that probe went.
enum class WaitStep { Done, SendProbe, KeepWaiting, GiveUp };
WaitStep NextWaitStep(bool answered, bool probeAnswered, DWORD probeSentAt, DWORD now);
