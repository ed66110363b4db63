// A bounded reader over the two dialog template layouts.
#include "setup/dialog_template.h"
#include <cstdint>
#include <cstring>

namespace {

constexpr uint32_t kSetFont = 0x40;       // DS_SETFONT
constexpr uint32_t kShellFont = 0x48;     // DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// A cursor over the image; every read checks the end and poisons the cursor.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool ok() const { return ok_; }
    size_t offset() const { return offset_; }

    uint16_t Word() { uint16_t v = 0; Copy(&v, 2); return v; }
    uint32_t Dword() { uint32_t v = 0; Copy(&v, 4); return v; }
    int16_t Short() { return static_cast<int16_t>(Word()); }
    void Byte() { uint8_t v; Copy(&v, 1); }

    // A zero-terminated UTF-16 string.
    std::wstring String()
    {
        std::wstring text;
        for (uint16_t c = Word(); ok_ && c != 0; c = Word())
            text.push_back(static_cast<wchar_t>(c));
        return text;
    }

    // The menu, class and title fields: 0 (none), 0xFFFF and an ordinal, or a string.
    // Returns whether it was a string; *ordinal gets the ordinal otherwise.
    bool StringOrOrdinal(std::wstring* text, uint16_t* ordinal)
    {
        const uint16_t first = Peek();
        if (first == 0xFFFF) {
            Word();
            *ordinal = Word();
            return false;
        }
        *ordinal = 0;
        *text = String();
        return ok_;
    }

    void AlignDword()
    {
        const size_t aligned = (offset_ + 3) & ~static_cast<size_t>(3);
        if (aligned > size_) {
            // Padding after the last item may be cut from the image.
            offset_ = size_;
            return;
        }
        offset_ = aligned;
    }

    void Skip(size_t bytes)
    {
        if (bytes > size_ - offset_)
            ok_ = false;
        else
            offset_ += bytes;
    }

private:
    uint16_t Peek()
    {
        uint16_t v = 0;
        if (ok_ && size_ - offset_ >= 2)
            std::memcpy(&v, data_ + offset_, 2);
        return v;
    }

    void Copy(void* out, size_t bytes)
    {
        if (!ok_ || bytes > size_ - offset_) {
            ok_ = false;
            return;
        }
        std::memcpy(out, data_ + offset_, bytes);
        offset_ += bytes;
    }

    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
    bool ok_ = true;
};

ControlKind KindOfAtom(uint16_t atom)
{
    switch (atom) {
    case 0x80: return ControlKind::Button;
    case 0x81: return ControlKind::Edit;
    case 0x82: return ControlKind::Static;
    case 0x83: return ControlKind::ListBox;
    case 0x84: return ControlKind::ScrollBar;
    case 0x85: return ControlKind::ComboBox;
    default: return ControlKind::Other;
    }
}

ControlKind KindOfClassName(const std::wstring& name)
{
    if (name == L"Button") return ControlKind::Button;
    if (name == L"Edit") return ControlKind::Edit;
    if (name == L"Static") return ControlKind::Static;
    if (name == L"ListBox") return ControlKind::ListBox;
    if (name == L"ScrollBar") return ControlKind::ScrollBar;
    if (name == L"ComboBox") return ControlKind::ComboBox;
    return ControlKind::Other;
}

bool ReadControl(Reader& in, bool extended, TemplateControl* control)
{
    in.AlignDword();
    if (extended) {
        in.Dword();   // help id
        in.Dword();   // extended style
        in.Dword();   // style
    } else {
        in.Dword();   // style
        in.Dword();   // extended style
    }
    control->x = in.Short();
    control->y = in.Short();
    control->cx = in.Short();
    control->cy = in.Short();
    control->id = extended ? (in.Dword() & 0xFFFF) : in.Word();

    std::wstring className;
    uint16_t atom = 0;
    const bool namedClass = in.StringOrOrdinal(&className, &atom);
    control->kind = namedClass ? KindOfClassName(className) : KindOfAtom(atom);
    uint16_t titleOrdinal = 0;
    control->hasText = in.StringOrOrdinal(&control->text, &titleOrdinal);
    const uint16_t extra = in.Word();
    in.Skip(extra);
    return in.ok();
}

} // namespace

bool ReadDialogTemplate(const void* data, size_t size, std::vector<TemplateControl>* controls,
                        size_t* used)
{
    controls->clear();
    if (!data)
        return false;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    Reader probe(bytes, size);
    const bool extended = probe.Word() == 1 && probe.Word() == 0xFFFF && probe.ok();
    Reader in(bytes, size);
    uint32_t style = 0;
    if (extended) {
        in.Dword();   // version and signature
        in.Dword();   // help id
        in.Dword();   // extended style
        style = in.Dword();
    } else {
        style = in.Dword();
        in.Dword();   // extended style
    }
    const uint16_t count = in.Word();
    for (int i = 0; i < 4; ++i)
        in.Short();   // the dialog's own rectangle
    std::wstring text;
    uint16_t ordinal = 0;
    in.StringOrOrdinal(&text, &ordinal);   // menu
    in.StringOrOrdinal(&text, &ordinal);   // class
    in.String();                           // title
    if ((style & kSetFont) || (extended && (style & kShellFont) == kShellFont)) {
        in.Word();                         // point size
        if (extended) {
            in.Word();                     // weight
            in.Byte();                     // italic
            in.Byte();                     // character set
        }
        in.String();                       // face name
    }
    if (!in.ok())
        return false;

    std::vector<TemplateControl> read(count);
    int withoutId = 0;
    for (TemplateControl& control : read) {
        if (!ReadControl(in, extended, &control))
            return false;
        if (control.id == kNoControlId && ++withoutId > 1)
            return false;
    }
    if (used)
        *used = in.offset();
    controls->swap(read);
    return true;
}
