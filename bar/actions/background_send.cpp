// Sends made on a thread of their own, each with a record that lives until both sides let go.
#include "bar/actions/background_send.h"
#include <new>

struct BackgroundSendRecord {
    LONG holders;      // the thread and the BackgroundSend, until each lets go
    HANDLE returned;   // manual reset: set by the thread once the send returned
    LONG answered;     // written before returned is set
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD timeoutMs;
};

namespace {

void LetGo(BackgroundSendRecord* record)
{
    if (InterlockedDecrement(&record->holders) == 0) {
        CloseHandle(record->returned);
        delete record;
    }
}

DWORD WINAPI SendOnThread(LPVOID parameter)
{
    BackgroundSendRecord* record = static_cast<BackgroundSendRecord*>(parameter);
    DWORD_PTR result = 0;
    if (SendMessageTimeout(record->window, record->message, record->wParam, record->lParam, SMTO_NORMAL,
                           record->timeoutMs, &result))
        InterlockedExchange(&record->answered, 1);
    SetEvent(record->returned);
    LetGo(record);
    return 0;
}

} // namespace

bool BackgroundSend::Start(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs)
{
    Forget();
    BackgroundSendRecord* record = new (std::nothrow) BackgroundSendRecord{};
    if (!record)
        return false;
    record->returned = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!record->returned) {
        delete record;
        return false;
    }
    record->holders = 2;
    record->window = window;
    record->message = message;
    record->wParam = wParam;
    record->lParam = lParam;
    record->timeoutMs = timeoutMs;
    HANDLE thread = CreateThread(nullptr, 0, SendOnThread, record, 0, nullptr);
    if (!thread) {
        record->holders = 1;
        LetGo(record);
        return false;
    }
    // The thread ends on its own; nothing waits for it.
    CloseHandle(thread);
    record_ = record;
    return true;
}

HANDLE BackgroundSend::Returned() const
{
    return record_ ? record_->returned : nullptr;
}

bool BackgroundSend::HasReturned() const
{
    return record_ && WaitForSingleObject(record_->returned, 0) == WAIT_OBJECT_0;
}

bool BackgroundSend::Answered() const
{
    return HasReturned() && record_->answered != 0;
}

void BackgroundSend::Forget()
{
    if (record_)
        LetGo(record_);
    record_ = nullptr;
}
