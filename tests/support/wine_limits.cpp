#include "wine_limits.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include "ui_driver.h"

bool CanReadMessageBoxIcons(const std::string& what)
{
#ifdef _WIN64
    (void)what;
    return true;
#else
    printf("win32: not checked: %s (a 32-bit program under Wine cannot copy pixels from the screen, "
           "where the icon is told)\n", what.c_str());
    fflush(stdout);
    return false;
#endif
}

void ExpectIcon(unsigned expected, const SeenWindow& window)
{
    if (CanReadMessageBoxIcons("the icon of the message \"" + window.text.substr(0, 40) + "...\""))
        EXPECT_EQ(expected, window.icon) << window.text;
}
