// The runs of setup that the scenario tests check and the demo plays.
#include "scenario.h"

static const std::string Package = "product-14.0\\TARVEX140.MSI";

const std::vector<Scenario>& AllScenarios()
{
    static const std::vector<Scenario> scenarios = {
        {"typical",
         "Windows XP, an administrator, Internet Explorer the default browser, no e-mail companion beside setup; "
         "the user accepts the toolbar and confirms its message",
         {"winxp", "iexplore", {Package, "gtb6ie.exe", "duzorizu32.exe"}, {}, nullptr},
         {Press(IDOK), Press(IDOK)}},
        {"missing-package",
         "Windows XP, nothing beside setup: the Windows Installer has no package to run",
         {"winxp", "iexplore", {}, {}, nullptr},
         {Press(IDOK)}},
    };
    return scenarios;
}
