// The bar's wait for another application's answer, dispatching its own messages meanwhile.
#include "bar/actions/answered_send.h"

namespace {

// How often an answering application is asked again whether it still answers.
constexpr DWORD kProbeEveryMs = 500;
constexpr DWORD kPumpSliceMs = 100;

// Replies arrive as callbacks on this thread, possibly after the wait that asked
// for them has given up; each awaited reply has its own number, so a late reply
// to an abandoned send marks nothing.
ULONG_PTR lastSendNumber = 0;
ULONG_PTR awaitedMessage = 0;
ULONG_PTR awaitedProbe = 0;
bool messageAnswered = false;
bool probeAnswered = false;

void CALLBACK OnReply(HWND, UINT, ULONG_PTR number, LRESULT)
{
    if (number == awaitedMessage)
        messageAnswered = true;
    if (number == awaitedProbe)
        probeAnswered = true;
}

bool SendCounted(HWND window, UINT message, WPARAM wParam, LPARAM lParam, ULONG_PTR* awaited, bool* answered)
{
    *awaited = ++lastSendNumber;
    *answered = false;
    return SendMessageCallbackW(window, message, wParam, lParam, OnReply, *awaited) != FALSE;
}

// Dispatches the bar's messages for a while; false once the quit message came.
bool PumpBarMessages()
{
    MsgWaitForMultipleObjectsEx(0, nullptr, kPumpSliceMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
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
    bool asked = false;
    if (!SendCounted(window, message, wParam, lParam, &awaitedMessage, &messageAnswered))
        return SendOutcome::Gone;
    // The probe goes right behind the message: an application busy in its handler
    // answers it only while it keeps dispatching (a question on screen does).
    DWORD probeSentAt = GetTickCount();
    SendCounted(window, WM_NULL, 0, 0, &awaitedProbe, &probeAnswered);
    for (;;) {
        switch (NextWaitStep(messageAnswered, probeAnswered, probeSentAt, GetTickCount())) {
        case WaitStep::Done:
            return asked ? SendOutcome::AnsweredAfterAsking : SendOutcome::Answered;
        case WaitStep::GiveUp:
            return SendOutcome::Hung;
        case WaitStep::SendProbe:
            probeSentAt = GetTickCount();
            if (!SendCounted(window, WM_NULL, 0, 0, &awaitedProbe, &probeAnswered))
                return SendOutcome::Gone;
            break;
        case WaitStep::KeepWaiting:
            break;
        }
        if (!IsWindow(window) && !messageAnswered)
            return SendOutcome::Gone;
        asked = asked || (!messageAnswered && IsAskingThePerson(window));
        if (!PumpBarMessages())
            return SendOutcome::Quit;
    }
}
