#include "setup/exit_codes.h"

DWORD SetupExitCode(int ending, const InstallerResult* installer)
{
    switch (ending) {
    case RUN_THROUGH:
        return installer->exitCode;
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
    default:
        return EXIT_FAILED;
    }
}
