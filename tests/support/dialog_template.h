// Reads a dialog template resource (classic or extended) back into plain
// values, so tests can compare a built program's dialogs with the layout
// they must have.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct TemplateControl {
    DWORD id = 0;  // 16 bits in a classic template, 32 in an extended one
    std::string className;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string text;
    bool textIsOrdinal = false;
    WORD ordinal = 0;
    DWORD helpId = 0;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    DWORD helpId = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu, windowClass, caption;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0, charset = 0;
    std::string font;
    std::vector<TemplateControl> controls;
};

bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate* dialog);
