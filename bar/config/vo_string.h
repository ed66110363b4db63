// CVOString: the minimal wide string a CVOImage keeps its file name in.
#pragma once

class CVOString {
public:
    explicit CVOString(const wchar_t* text = nullptr);
    virtual ~CVOString();
    CVOString(const CVOString&) = delete;
    CVOString& operator=(const CVOString&) = delete;

    // A text is copied (an empty one leaves an empty buffer); null frees the buffer.
    void Assign(const wchar_t* text);
    // Makes room for more than n characters: a new buffer holds n + 16, cleared.
    void EnsureCapacity(int n);
    // 1 when text equals the held text, else 0. Exact and case-sensitive, like every
    // name comparison of the bar. Null and an absent buffer count as empty, so two
    // strings that never held text are equal.
    int Equals(const wchar_t* text) const;
    int Equals(const CVOString& other) const { return Equals(other.buffer_); }

    const wchar_t* Text() const { return buffer_; }  // null when never assigned
    int Length() const { return length_; }
    int Capacity() const { return capacity_; }

private:
    wchar_t* buffer_ = nullptr;
    int length_ = 0;
    int capacity_ = 0;
};
