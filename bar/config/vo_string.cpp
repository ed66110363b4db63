// CVOString: buffer growth by 16 spare characters, assignment and comparison.
#include "bar/config/vo_string.h"
#include <climits>
#include <cwchar>
#include <new>

namespace {
constexpr int kSpare = 16;
}

CVOString::CVOString(const wchar_t* text)
{
    Assign(text);
}

CVOString::~CVOString()
{
    delete[] buffer_;
}

void CVOString::Assign(const wchar_t* text)
{
    if (!text) {
        delete[] buffer_;
        buffer_ = nullptr;
        length_ = 0;
        capacity_ = 0;
        return;
    }
    size_t length = wcslen(text);
    if (length > size_t(INT_MAX - kSpare))
        return;  // cannot be held; keep what we have
    EnsureCapacity(int(length));
    if (!buffer_ || capacity_ <= int(length))
        return;  // allocation failed
    // The text may lie inside our own buffer; it fits without growing then.
    wmemmove(buffer_, text, length + 1);
    length_ = int(length);
}

void CVOString::EnsureCapacity(int n)
{
    if (n < 0 || n > INT_MAX - kSpare)
        return;
    if (buffer_ && capacity_ > n)
        return;
    int capacity = n + kSpare;
    wchar_t* grown = new (std::nothrow) wchar_t[capacity]();
    if (!grown)
        return;
    if (buffer_)
        wmemcpy(grown, buffer_, size_t(capacity_));
    delete[] buffer_;
    buffer_ = grown;
    capacity_ = capacity;
}

int CVOString::Equals(const wchar_t* text) const
{
    if (!text && !buffer_)
        return 1;
    return wcscmp(text ? text : L"", buffer_ ? buffer_ : L"") == 0 ? 1 : 0;
}
