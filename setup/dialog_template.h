// Reading the controls of a dialog template resource, never past its end.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The id a template gives a control that has none.
constexpr unsigned kNoControlId = 0xFFFF;

enum class ControlKind { Button, Edit, Static, ListBox, ScrollBar, ComboBox, Other };

struct TemplateControl {
    unsigned id;            // kNoControlId for a control without an id
    ControlKind kind;
    short x, y, cx, cy;     // dialog units
    bool hasText;           // the title is a string (not an ordinal)
    std::wstring text;
};

// Reads every control of a DLGTEMPLATE or DLGTEMPLATEEX image of size bytes, in
// template order. False, with controls left empty, when the image ends early or is
// malformed, or when two or more controls have no id (they could not be told apart).
// *used, when given, receives the bytes the template occupies.
bool ReadDialogTemplate(const void* data, size_t size, std::vector<TemplateControl>* controls,
                        size_t* used = nullptr);
