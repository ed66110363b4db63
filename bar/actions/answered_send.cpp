// The bar's wait for another application's answer, dispatching its own messages meanwhile.
#include "bar/actions/answered_send.h"
#include "bar/actions/background_send.h"

namespace {

// How often an answering application is asked again whether it still answers.
constexpr DWORD kProbeEveryMs = 500;
constexpr DWORD kPumpSliceMs = 100;

// Waits a while for the bar's messages, waking early when a send returns.
void WaitForBarMessages(const BackgroundSend& sent, const BackgroundSend& probe)
{
    HANDLE awaited[2];
    DWORD count = 0;
    if (!sent.HasReturned())
        awaited[count++] = sent.Returned();
    if (probe.Returned() && !probe.HasReturned())
        awaited[count++] = probe.Returned();
    MsgWaitForMultipleObjectsEx(count, count ? awaited : nullptr, kPumpSliceMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

// Dispatches the bar's waiting messages; false once the quit message came.
bool DispatchBarMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

} // namespace

WaitStep NextWaitStep(bool answered, bool probeWasAnswered, DWORD probeSentAt, DWORD now)
{
    if (answered)
        return WaitStep::Done;
    const DWORD since = now - probeSentAt;
    if (!probeWasAnswered)
        return since >= kHungAfterMs ? WaitStep::GiveUp : WaitStep::KeepWaiting;
    return since >= kProbeEveryMs ? WaitStep::SendProbe : WaitStep::KeepWaiting;
}

bool IsAskingThePerson(HWND window)
{
    if (!IsWindow(window))
        return false;
    if (!IsWindowEnabled(window))
        return true;
    HWND front = GetForegroundWindow();
    if (!front || front == window)
        return false;
    DWORD windowProcess = 0;
    DWORD frontProcess = 0;
    GetWindowThreadProcessId(window, &windowProcess);
    GetWindowThreadProcessId(front, &frontProcess);
    return windowProcess != 0 && windowProcess == frontProcess;
}

SendOutcome SendWhileAnswering(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Each send waits on a thread of its own, so the bar never blocks. One given up
    // on keeps its record until it returns; its answer then marks nothing here.
    BackgroundSend sent;
    if (!sent.Start(window, message, wParam, lParam, INFINITE))
        return SendOutcome::Gone;
    // The probe goes right behind the message: an application busy in its handler
    // answers it only while it keeps dispatching (a question on screen does). Should
    // the probe's thread overtake the message's, the next probe finds the handler.
    BackgroundSend probe;
    DWORD probeSentAt = GetTickCount();
    probe.Start(window, WM_NULL, 0, 0, kHungAfterMs);
    bool asked = false;
    for (;;) {
        const bool returned = sent.HasReturned();
        const bool answered = returned && sent.Answered();
        if (returned && !answered)
            return SendOutcome::Gone;   // refused, or the window went away
        switch (NextWaitStep(answered, probe.Answered(), probeSentAt, GetTickCount())) {
        case WaitStep::Done:
            return asked ? SendOutcome::AnsweredAfterAsking : SendOutcome::Answered;
        case WaitStep::GiveUp:
            return SendOutcome::Hung;
        case WaitStep::SendProbe:
            probeSentAt = GetTickCount();
            if (!probe.Start(window, WM_NULL, 0, 0, kHungAfterMs))
                return SendOutcome::Gone;
            break;
        case WaitStep::KeepWaiting:
            break;
        }
        if (!IsWindow(window) && !sent.Answered())
            return SendOutcome::Gone;
        asked = asked || (!sent.Answered() && IsAskingThePerson(window));
        // The bar's messages are taken only once the answers that came with them were
        // looked at: a tap that comes as the window goes waits for this command to
        // end, instead of starting another inside it.
        if (!DispatchBarMessages())
            return SendOutcome::Quit;
        WaitForBarMessages(sent, probe);
    }
}
