// Entry point of every unit-test program: the code under test finds its
// strings and dialogs in the test program itself, which links the same
// resources as setup.
#include <gtest/gtest.h>
#include "platform/globals.h"
#include "resources/resource.h"

int main(int argc, char** argv)
{
    SetupInstance = GetModuleHandleA(NULL);
    LoadStringA(SetupInstance, IDS_CAPTION, SetupCaption, sizeof SetupCaption);
    BusyCursor = LoadCursor(NULL, IDC_WAIT);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
