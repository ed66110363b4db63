// A message sent from a thread of its own, so that the sending thread goes on meanwhile.
//
// The thread makes the blocking send and marks its own record when the receiver's
// handler has returned. Each send has a record of its own, shared by the thread and
// the BackgroundSend that started it; whichever lets go last frees it. A send that is
// forgotten (given up on) therefore goes on alone, and its late answer marks nothing
// anybody reads. A window of the sender's own thread gets the message while that
// thread dispatches its messages.
#pragma once
#include <windows.h>

struct BackgroundSendRecord;

class BackgroundSend {
public:
    BackgroundSend() : record_(nullptr) {}
    ~BackgroundSend() { Forget(); }
    BackgroundSend(const BackgroundSend&) = delete;
    BackgroundSend& operator=(const BackgroundSend&) = delete;

    // Forgets the previous send and starts this one, which waits for the receiver at
    // most timeoutMs (INFINITE: as long as it takes). lParam must stay valid for as
    // long as the send may take, also after it is forgotten: pass values, not
    // pointers. False when no thread could be made (nothing is sent then).
    bool Start(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs);

    // Signalled once the send has returned; null when there is no send.
    HANDLE Returned() const;
    bool HasReturned() const;
    // The send returned because the receiver's handler did (not refused, gone or timed out).
    bool Answered() const;

    // Lets go of the send; a send still under way ends on its own thread.
    void Forget();

private:
    BackgroundSendRecord* record_;
};
