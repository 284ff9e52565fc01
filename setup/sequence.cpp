#include "setup/sequence.h"
#include "setup/run_record.h"
#include "setup/windows_version.h"
#include "setup/help_viewer.h"
#include "setup/running_copies.h"
#include "setup/file_manager_extension.h"
#include "setup/registry_probe.h"
#include "setup/browser_entries.h"
#include "setup/windows_installer.h"
#include "setup/exit_codes.h"
#include "setup/report.h"
#include "setup/dll_search.h"
#include "offers/offers.h"
#include "offers/offer_dialog.h"
#include "platform/optional_functions.h"
#include "platform/globals.h"
#include "platform/system_facts.h"
#include "text/run_log.h"
#include "text/messages.h"
#include "setup/source_folder.h"
#include "setup/log_name.h"
#include "setup/installed_version.h"
#include "resources/resource.h"

// The common controls are loaded here rather than imported: imported, they
// would be loaded while the process starts, before the DLL search is
// restricted, and would take their own dependencies (the theme library) from
// the program's folder.
static void InitialiseCommonControls()
{
    InitCommonControlsFunction initialise = OptionalFunctionOf<InitCommonControlsFunction>(INIT_COMMON_CONTROLS);
    if (initialise != NULL)
        initialise();
}

static void InitialiseGlobals(HINSTANCE instance)
{
    SetupInstance = instance;
    InitialiseCommonControls();
    (void)LoadSetupString(IDS_CAPTION, SetupCaption, sizeof SetupCaption);
    BusyCursor = LoadCursor(NULL, IDC_ARROW);
    SetCursor(BusyCursor);
}

// The package could not be handed to the Windows Installer: missing, named
// by a path too long, or the installer itself could not be started.
static void TellInstallerNotStarted()
{
    char package[PACKAGE_NAME_CHARS];
    LoadPackageName(package);
    ShowMessage(NULL, IDS_PACKAGE_NOT_STARTED, MB_ICONWARNING, SourceFolder, package);
}

static RunEnding EndWithoutInstalling()
{
    ShowMessage(NULL, IDS_NOT_INSTALLED, MB_ICONINFORMATION);
    return RUN_ENDED_BY_USER;
}

static const char* YesOrNo(int answer)
{
    return answer ? "yes" : "no";
}

static void LogWindowsFacts()
{
    const WindowsFacts* windows = KnownWindows();
    if (windows->known)
        LogStep("Windows %lu.%lu.%lu platform %lu %s", windows->major, windows->minor, windows->build & 0xFFFF,
                windows->platform, windows->servicePack);
}

static void LogOffer(const char* name, const OfferOutcome* offer)
{
    if (offer->shown)
        LogStep("%s offer: %s", name, offer->choice == OFFER_CANCEL ? "closed" : offer->accepted ? "accepted" : "declined");
    else
        LogStep("%s offer: not made, %s", name, offer->notMadeBecause);
}

// An unattended run makes no offer and leaves every partner's registry
// entries alone: the offer steps are not even asked.
static void MakeNoOffers(RunRecord* run)
{
    run->companion = run->toolbar = run->cleaner = NoOffer("unattended run");
    LogOffer("e-mail companion", &run->companion);
    LogOffer("toolbar", &run->toolbar);
    LogOffer("registry cleaner", &run->cleaner);
}

static RunEnding MakeOffers(RunRecord* run)
{
    run->companion = OfferEmailCompanion();
    LogOffer("e-mail companion", &run->companion);
    if (run->companion.choice == OFFER_CANCEL)
        return EndWithoutInstalling();

    run->toolbar = OfferBrowserToolbar();
    LogOffer("toolbar", &run->toolbar);
    if (run->toolbar.accepted)
        LogStep("toolbar installed: %s", YesOrNo(run->toolbar.installed));
    if (run->toolbar.choice == OFFER_CANCEL)
        return EndWithoutInstalling();

    run->cleaner = run->toolbar.shown ? NoOffer("a toolbar offer was shown") : OfferRegistryCleaner();
    LogOffer("registry cleaner", &run->cleaner);
    if (run->cleaner.choice == OFFER_CANCEL)
        return EndWithoutInstalling();
    return RUN_THROUGH;
}

// The partners' products come with Tarvex: none starts where Tarvex was not
// installed, whether its installer failed, was cancelled or could not even
// be started.
static void RunAcceptedPartnerInstallers(const RunRecord* run)
{
    bool installed = InstallerInstalledProduct(run->installer.outcome) != 0;
    if (run->companion.accepted) {
        if (installed)
            LogStep("e-mail companion installer: %s", RunEmailCompanionInstaller() ? "ran" : "could not be started");
        else
            LogStep("e-mail companion installer not started: Tarvex was not installed");
    }
    if (run->cleaner.accepted) {
        if (installed)
            LogStep("registry cleaner launcher: %s",
                    RunRegistryCleanerInstall() ? "its installer runs" : "ended without starting its installer");
        else
            LogStep("registry cleaner launcher not started: Tarvex was not installed");
    }
}

// The checks of the machine and the user; RUN_THROUGH when all passed.
static RunEnding CheckMachineAndUser(RunRecord* run)
{
    WindowsVerdict verdict = JudgeWindowsVersion();
    // Nobody is there to take the risk of an untested Windows: the engine
    // is told that this system is not supported.
    if (verdict == WINDOWS_UNTESTED && run->options.quiet) {
        LogStep("Windows version: untested, not gone on with in an unattended run");
        return RUN_WINDOWS_UNSUPPORTED;
    }
    if (!AskAboutWindowsVersion(NULL, verdict)) {
        LogStep("Windows version: %s", verdict == WINDOWS_REFUSED ? "not supported" : "untested, not gone on with");
        return verdict == WINDOWS_REFUSED ? RUN_WINDOWS_UNSUPPORTED : RUN_ENDED_BY_USER;
    }
    LogStep("Windows version: %s", verdict == WINDOWS_UNTESTED ? "untested, gone on with" : "supported");

    // The dialog that explains an old help viewer is no message box: an
    // unattended run does without it.
    int viewer = run->options.quiet ? HelpViewerIsRecent() : CheckHelpViewer();
    LogStep("HTML Help viewer recent enough: %s", YesOrNo(viewer));
    if (!viewer)
        return RUN_FAILED;

    ClassifyWindows();
    LogStep("Windows Vista or later: %s", YesOrNo(IsVistaOrLater));
    // From Windows Vista on, the installer asks for the rights it needs
    // itself; before it, a user without them would fail half-way.
    if (!IsVistaOrLater) {
        int lacks = LacksRegistryWriteAccess();
        LogStep("write access to the class registrations: %s", YesOrNo(!lacks));
        if (lacks) {
            ShowMessage(NULL, IDS_NEEDS_ADMINISTRATOR, MB_ICONERROR);
            return RUN_FAILED;
        }
    }
    return RUN_THROUGH;
}

static RunEnding RunSteps(RunRecord* run)
{
    RunEnding ending = CheckMachineAndUser(run);
    if (ending != RUN_THROUGH)
        return ending;

    PrepareBrowserAddOnEntries();
    LogStep("browser add-on entries prepared");

    // Unattended, the box about a running copy is answered Cancel at once:
    // the engine is told to try again later.
    if (!WaitForRunningCopies()) {
        LogStep("a running copy of Tarvex stays open");
        return run->options.quiet ? RUN_BLOCKED : RUN_ENDED_BY_USER;
    }

    ReadInstalledVersion(&run->versionBefore, NULL, 0);
    LogStep("installed version before: %lu.%lu.%lu.%lu", HIWORD(run->versionBefore.high),
            LOWORD(run->versionBefore.high), HIWORD(run->versionBefore.low), LOWORD(run->versionBefore.low));

    if (!UnloadFileManagerExtension()) {
        LogStep("the File Manager keeps the old extension of Tarvex");
        return RUN_BLOCKED;
    }

    if (!FindSourceFolder()) {
        LogStep("source folder: the path of setup is too long");
        TellInstallerNotStarted();
        return RUN_PACKAGE_MISSING;
    }
    LogStep("source folder: %s", SourceFolder);
    BusyCursor = LoadCursor(NULL, IDC_WAIT);

    if (run->options.quiet) {
        MakeNoOffers(run);
    } else if ((ending = MakeOffers(run)) != RUN_THROUGH) {
        return ending;
    }

    RunEnding installerEnding = RunWindowsInstaller(&run->options, &run->installer);
    if (installerEnding != RUN_THROUGH)
        TellInstallerNotStarted();
    // Windows is shutting down: nothing more may start.
    if (run->installer.outcome == INSTALLER_RESTARTING)
        return installerEnding;

    RunAcceptedPartnerInstallers(run);

    // An unattended run opens no page.
    if (!run->options.quiet)
        SendCompletionReport(&run->versionBefore, run, RegistryCleanerInstalledNow);

    // Reported only after everything else has run, as the last word of setup.
    if (run->toolbar.choice == OFFER_DESKTOP_SEARCH_BLOCKED)
        ShowMessage(NULL, IDS_DESKTOP_SEARCH_BLOCKED, MB_ICONWARNING);
    return installerEnding;
}

// Asked for, the help is shown also beside /quiet: it comes before the
// unattended setting is taken.
static void ShowHelp()
{
    (void)ShowMessageText(NULL, IDS_SWITCHES_HELP, MB_ICONINFORMATION);
}

// Before anything is changed: the help, the log and the switches.
static RunEnding ReadyToRun(RunRecord* run, const char* arguments)
{
    SetupOptions* options = &run->options;
    if (options->logPath[0] != '\0') {
        UseShortLogNameWhereLossy(options);
        // The installer's log is named after setup's; a name with no room for
        // that would keep the installer from starting after the offers.
        char installerLog[MAX_PATH];
        if (!InstallerLogPath(options->logPath, installerLog, sizeof installerLog) || !OpenRunLog(options->logPath))
            return RUN_LOG_FAILED;
    }
    LogStep("Tarvex Setup started with: %s", arguments);
    if (options->logPathMissing)
        LogStep("/log without a file name: ignored");
    if (options->unknownSwitch[0] != '\0') {
        LogStep("switch not understood: %s", options->unknownSwitch);
        if (options->quiet)
            return RUN_BAD_SWITCH;
    }
    AnswerMessagesUnseen(options->quiet);
    LogWindowsFacts();
    LogStep("DLL search kept to the system folder: %s", YesOrNo(DllSearchRestricted));
    return RUN_THROUGH;
}

int RunSetup(HINSTANCE instance, const char* arguments)
{
    RunRecord run;
    ZeroMemory(&run, sizeof run);
    ReadSetupOptions(arguments, &run.options);
    // Unattended, a path on a missing drive or an empty removable one (the
    // installed program's, a log on a stick pulled out) fails instead of
    // asking in a box nobody will answer. The installer inherits the mode.
    if (run.options.quiet)
        (void)SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    RestrictDllSearchToSystemFolder();

    InitialiseGlobals(instance);
    if (run.options.help) {
        ShowHelp();
        return EXIT_INSTALLED;
    }

    run.ending = ReadyToRun(&run, arguments);
    if (run.ending == RUN_THROUGH)
        run.ending = RunSteps(&run);
    DWORD exitCode = SetupExitCode(&run);
    LogStep("exit code %lu", exitCode);
    CloseRunLog();
    return (int)exitCode;
}
