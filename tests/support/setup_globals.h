// Setup's process-wide globals (platform/globals.h) as a test sets them: for
// the life of the object, which puts back what they held before.
#pragma once
#include <windows.h>
#include "platform/globals.h"

class GlobalsScope {
public:
    GlobalsScope();
    ~GlobalsScope();
    GlobalsScope(const GlobalsScope&) = delete;
    GlobalsScope& operator=(const GlobalsScope&) = delete;

    void SetInstance(HINSTANCE instance);
    // The folder with its trailing separator, as FindSourceFolder leaves it.
    void SetSourceFolder(const char* folder);
    void SetVistaOrLater(int vistaOrLater);

private:
    HINSTANCE instance_;
    char caption_[SETUP_CAPTION_CHARS];
    HCURSOR busyCursor_;
    char sourceFolder_[SETUP_PATH_CHARS];
    int vistaOrLater_;
    int dllSearchRestricted_;
};
