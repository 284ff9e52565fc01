// Plays one scenario and prints what the user saw, what ran, what was
// written to the registry and which addresses were opened.
//   demo.exe [scenario] [picture folder] [--user-answers] | --list
#include <stdio.h>
#include <string.h>
#include "scenario.h"

int main(int argc, char** argv)
{
    std::string name = argc > 1 ? argv[1] : "typical";
    if (name == "--list") {
        for (const Scenario& scenario : AllScenarios())
            printf("%-24s %s\n", scenario.name.c_str(), scenario.story.c_str());
        return 0;
    }
    const Scenario* scenario = FindScenario(name);
    if (scenario == nullptr) {
        printf("demo: no scenario named \"%s\"; try --list\n", name.c_str());
        return 2;
    }
    std::string pictures = argc > 2 ? argv[2] : "";
    bool userAnswers = argc > 3 && strcmp(argv[3], "--user-answers") == 0;

    printf("Scenario %s: %s\n\n", scenario->name.c_str(), scenario->story.c_str());
    Outcome outcome = Play(*scenario, pictures, userAnswers);

    printf("Windows shown:\n");
#ifdef _WIN64
    bool icons = true;
#else
    bool icons = false;  // Wine's 32-bit mode cannot read a message box's icon from another thread
#endif
    int number = 0;
    for (const SeenWindow& window : outcome.run.windows)
        printf("  %d. %s\n", ++number, Describe(window, icons).c_str());
    if (outcome.run.windows.empty())
        printf("  (none)\n");
    printf("\nPrograms started:\n");
    for (const std::string& program : outcome.programs)
        printf("  %s\n", program.c_str());
    printf("  Windows Installer: the product is %s\n", ProductInstalled() ? "installed" : "not installed");
    printf("\nAddresses opened:\n");
    for (const std::string& address : outcome.addresses)
        printf("  %s\n", address.c_str());
    if (outcome.addresses.empty())
        printf("  (none)\n");
    printf("\nRegistry written:\n");
    for (const std::string& line : RegistryWritten())
        printf("  %s\n", line.c_str());
    printf("\nSetup %s with exit code %lu.\n", outcome.run.ended ? "ended" : "did not end in time",
           outcome.run.exitCode);
    return outcome.run.ended ? 0 : 1;
}
