#include "dialog_template.h"

namespace {

struct Reader {
    const BYTE* p;
    WORD Word() { WORD v = *(const WORD*)p; p += 2; return v; }
    DWORD Dword() { DWORD v = *(const DWORD*)p; p += 4; return v; }
    short Short() { return (short)Word(); }
    BYTE Byte() { return *p++; }
    std::string Text()
    {
        std::string text;
        for (WORD c = Word(); c != 0; c = Word())
            text += (char)c;
        return text;
    }
    // A name that is either an ordinal (0xFFFF, number) or a text.
    std::string NameOrOrdinal(bool* isOrdinal, WORD* ordinal)
    {
        WORD first = *(const WORD*)p;
        if (first == 0xFFFF) {
            p += 2;
            *isOrdinal = true;
            *ordinal = Word();
            return "";
        }
        *isOrdinal = false;
        return Text();
    }
    void AlignDword(const BYTE* base) { p += (4 - ((p - base) & 3)) & 3; }
};

std::string ClassName(Reader& r)
{
    bool isOrdinal;
    WORD ordinal;
    std::string name = r.NameOrOrdinal(&isOrdinal, &ordinal);
    if (!isOrdinal)
        return name;
    switch (ordinal) {
    case 0x80: return "BUTTON";
    case 0x81: return "EDIT";
    case 0x82: return "STATIC";
    case 0x83: return "LISTBOX";
    case 0x84: return "SCROLLBAR";
    case 0x85: return "COMBOBOX";
    }
    return "#" + std::to_string(ordinal);
}

}  // namespace

bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate* dialog)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
    if (resource == NULL)
        return false;
    const BYTE* base = (const BYTE*)LockResource(LoadResource(module, resource));
    Reader r = {base};
    bool isOrdinal;
    WORD ordinal;
    WORD controls;
    dialog->extended = ((const WORD*)base)[1] == 0xFFFF;
    if (dialog->extended) {
        r.Word();  // version
        r.Word();  // signature
        dialog->helpId = r.Dword();
        dialog->exStyle = r.Dword();
        dialog->style = r.Dword();
    } else {
        dialog->style = r.Dword();
        dialog->exStyle = r.Dword();
    }
    controls = r.Word();
    dialog->x = r.Short();
    dialog->y = r.Short();
    dialog->cx = r.Short();
    dialog->cy = r.Short();
    dialog->menu = r.NameOrOrdinal(&isOrdinal, &ordinal);
    dialog->windowClass = r.NameOrOrdinal(&isOrdinal, &ordinal);
    dialog->caption = r.Text();
    if (dialog->style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog->pointSize = r.Word();
        if (dialog->extended) {
            dialog->weight = r.Word();
            dialog->italic = r.Byte();
            dialog->charset = r.Byte();
        }
        dialog->font = r.Text();
    }
    for (WORD i = 0; i < controls; ++i) {
        r.AlignDword(base);
        TemplateControl control;
        if (dialog->extended) {
            control.helpId = r.Dword();
            control.exStyle = r.Dword();
            control.style = r.Dword();
        } else {
            control.style = r.Dword();
            control.exStyle = r.Dword();
        }
        control.x = r.Short();
        control.y = r.Short();
        control.cx = r.Short();
        control.cy = r.Short();
        control.id = dialog->extended ? r.Dword() : r.Word();
        control.className = ClassName(r);
        control.text = r.NameOrOrdinal(&control.textIsOrdinal, &control.ordinal);
        WORD extra = r.Word();
        r.p += extra;
        dialog->controls.push_back(control);
    }
    return true;
}
