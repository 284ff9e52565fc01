#include "wine_limits.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include "ui_driver.h"

static bool CanCheck(const std::string& what, const char* why)
{
#ifdef _WIN64
    (void)what;
    (void)why;
    return true;
#else
    printf("win32: not checked: %s (%s)\n", what.c_str(), why);
    fflush(stdout);
    return false;
#endif
}

bool CanReadMessageBoxIcons(const std::string& what)
{
    return CanCheck(what, "Wine's 32-bit mode cannot read a message box's icon from another thread");
}

bool CanReadFontsOfAnotherThread(const std::string& what)
{
    return CanCheck(what, "Wine's 32-bit mode reads a dialog's font from another thread as zeros");
}

bool CanReadWindowRectanglesOfAnotherProcess(const std::string& what)
{
    return CanCheck(what, "Wine's 32-bit mode sometimes reads another process's window rectangle as nonsense");
}

void ExpectIcon(unsigned expected, const SeenWindow& window)
{
    if (CanReadMessageBoxIcons("the icon of the message \"" + window.text.substr(0, 40) + "...\""))
        EXPECT_EQ(expected, window.icon) << window.text;
}
