// Entry point of every unit-test program: the code under test finds its
// strings and dialogs in the test program itself, which links the same
// resources as setup.
#include <gtest/gtest.h>
#include "platform/globals.h"
#include "resources/resource.h"

// GoogleTest turns the system's error boxes off for the whole test program
// as its run starts; the code under test runs, and starts its programs,
// with the default error mode, as in setup's own process.
class DefaultErrorMode : public testing::Environment {
public:
    void SetUp() override { SetErrorMode(0); }
};

int main(int argc, char** argv)
{
    SetupInstance = GetModuleHandleA(NULL);
    LoadStringA(SetupInstance, IDS_CAPTION, SetupCaption, sizeof SetupCaption);
    BusyCursor = LoadCursor(NULL, IDC_WAIT);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new DefaultErrorMode);
    return RUN_ALL_TESTS();
}
