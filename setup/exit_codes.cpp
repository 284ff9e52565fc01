#include "setup/exit_codes.h"

DWORD SetupExitCode(const RunRecord* run)
{
    switch (run->ending) {
    case RUN_THROUGH:
        return run->installer.outcome != INSTALLER_NOT_RUN ? run->installer.exitCode : EXIT_FAILED;
    case RUN_PACKAGE_MISSING:
        return EXIT_PACKAGE_MISSING;
    case RUN_INSTALLER_UNAVAILABLE:
        return EXIT_INSTALLER_UNAVAILABLE;
    case RUN_WINDOWS_UNSUPPORTED:
        return EXIT_WINDOWS_UNSUPPORTED;
    case RUN_ENDED_BY_USER:
        return EXIT_ENDED_BY_USER;
    case RUN_BLOCKED:
        return EXIT_BLOCKED;
    case RUN_LOG_FAILED:
        return EXIT_LOG_FAILED;
    case RUN_BAD_SWITCH:
        return EXIT_BAD_SWITCH;
    case RUN_FAILED:
        return EXIT_FAILED;
    }
    return EXIT_FAILED;  // a value no ending has
}
