// The Order words' table and the default Order and Display.
#include "common/order_words.h"
#include <cwchar>

namespace {

const OrderToken kOrderTokens[kOrderWordCount] = {
    {L"signal", L"Signal", BUTTON_SIGNAL, -1},
    {L"connection", L"ActiveSync State", BUTTON_CONNECTION, BUTTON_DISCONNECT},
    {L"home", L"Home", BUTTON_HOME, -1},
    {L"volume", L"Voice", BUTTON_VOLUME, BUTTON_MUTE},
    {L"battery", L"Battery/Memory", BUTTON_BATTERY, -1},
    {L"clock", L"Time", BUTTON_CLOCK, -1},
    {L"menu", L"Menu button", BUTTON_MENU, -1},
    {L"close", L"OK/Close", BUTTON_CLOSE, BUTTON_OK},
};

} // namespace

const OrderToken* OrderTokens()
{
    return kOrderTokens;
}

const OrderToken* FindOrderToken(const wchar_t* word)
{
    for (const OrderToken& token : kOrderTokens)
        if (wcscmp(word, token.word) == 0)
            return &token;
    return nullptr;
}

const OrderToken* FindOrderTokenByRowText(const wchar_t* rowText)
{
    for (const OrderToken& token : kOrderTokens)
        if (wcscmp(rowText, token.rowText) == 0)
            return &token;
    return nullptr;
}

const char* DefaultOrder(bool phone)
{
    return phone ? "signal,connection,home,volume,battery,clock,menu,close"
                 : "connection,home,volume,battery,clock,menu,close";
}

const char* DefaultDisplay(bool phone)
{
    return phone ? "11111111" : "1111111";
}
