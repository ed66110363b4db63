// Desktop Win32: the time stamp that the message queue gave the message being handled.
#include "platform/message_time.h"

DWORD CurrentMessageTime()
{
    return static_cast<DWORD>(GetMessageTime());
}
