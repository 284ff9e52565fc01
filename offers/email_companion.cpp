#include "offers/offers.h"
#include "offers/offer_dialog.h"
#include "offers/partner_program.h"
#include "platform/globals.h"
#include "text/bounded.h"
#include "text/messages.h"
#include "text/paths.h"
#include "offers/email_companion.h"
#include "text/text_scan.h"
#include "platform/registry_text.h"
#include "platform/owned.h"
#include "resources/resource.h"

#define COMPANION_FOLDER_CHARS 520

static const char CompanionKey[] = "Software\\Halvard Software\\Tarvex Companion";
static const char CompanionUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvex E-Mail Companion";
static const char CompanionMarker[] = "txofcsvc.dll";
static const char CompanionInstaller[] = "TarvexEmailComp20.exe";

// Dialog 800: the install button bold and selected. Each showing works on a
// copy of its own.
static const OfferDialog CompanionOffer = {
    {IDC_EMAIL_INSTALL, 0}, {IDC_EMAIL_INSTALL, 0}, {0}, NULL, IDC_EMAIL_INSTALL, {NULL, NULL}};

// Spaces and tabs before and after the text go; a double-byte character
// is one step.
static void TrimBlanks(char* text)
{
    char* start = text;
    while (IsBlank(*start))
        start = CharNextA(start);
    if (start != text)
        MoveMemory(text, start, lstrlenA(start) + 1);

    char* trailingBlanks = NULL;
    for (char* position = text; *position != '\0'; position = CharNextA(position)) {
        if (!IsBlank(*position))
            trailingBlanks = NULL;
        else if (trailingBlanks == NULL)
            trailingBlanks = position;
    }
    if (trailingBlanks != NULL)
        *trailingBlanks = '\0';
}

void TrimRegistryString(char* text)
{
    TrimBlanks(text);
    int length = lstrlenA(text);
    if (length >= 2 && text[0] == '"' && text[length - 1] == '"') {
        MoveMemory(text, text + 1, length - 2);
        text[length - 2] = '\0';
    }
}

// A command whose program is quoted may have arguments after it: only the
// text between the quotes names the program. Without a closing quote the
// program runs to the end, as the system reads such a command.
static void KeepQuotedProgramOfCommand(char* command)
{
    if (command[0] != '"')
        return;
    char* end = command + 1;
    while (*end != '\0' && *end != '"')
        end = CharNextA(end);
    *end = '\0';
    MoveMemory(command, command + 1, end - command);
}

// Cuts a command at its last backslash, leaving the folder of the program
// it names; a command without one stays whole.
static void KeepFolderOfCommand(char* command)
{
    char* lastBackslash = NULL;
    for (char* position = command; *position != '\0'; position = CharNextA(position))
        if (*position == '\\')
            lastBackslash = position;
    if (lastBackslash != NULL)
        *lastBackslash = '\0';
}

static void ReadInstallPath(char* folder)
{
    OwnedKey key;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, CompanionKey, key.Receive()) == ERROR_SUCCESS &&
        ReadWholeValueText(key, "InstallPath", folder, COMPANION_FOLDER_CHARS, NULL) == ERROR_SUCCESS)
        TrimRegistryString(folder);
}

static void ReadCompanionFolder(char* folder)
{
    folder[0] = '\0';
    ReadInstallPath(folder);
    if (folder[0] != '\0')
        return;
    OwnedKey key;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, CompanionUninstallKey, key.Receive()) != ERROR_SUCCESS)
        return;
    // An empty InstallLocation is common in uninstall entries and names no
    // folder: the uninstall command is read then, as when it is absent.
    if (ReadWholeValueText(key, "InstallLocation", folder, COMPANION_FOLDER_CHARS, NULL) == ERROR_SUCCESS) {
        TrimRegistryString(folder);
        if (folder[0] != '\0')
            return;
    }
    if (ReadWholeValueText(key, "UninstallString", folder, COMPANION_FOLDER_CHARS, NULL) != ERROR_SUCCESS) {
        folder[0] = '\0';
        return;
    }
    // The quotes belong to the command, not to a folder: taking a first and
    // a last one off would join the program to its arguments.
    TrimBlanks(folder);
    KeepQuotedProgramOfCommand(folder);
    KeepFolderOfCommand(folder);
}

int EmailCompanionInstalled()
{
    char marker[COMPANION_FOLDER_CHARS];
    ReadCompanionFolder(marker);
    if (lstrlenA(marker) < 3)
        return 0;
    EnsureTrailingBackslash(marker, sizeof marker);
    // A marker path cut short would name another file.
    if (AppendBounded(marker, sizeof marker, CompanionMarker) != BOUNDED_OK)
        return 0;
    WIN32_FIND_DATAA found;
    return FileIsMissing(marker, &found) ? 0 : 1;
}

OfferOutcome OfferEmailCompanion()
{
    if (EmailCompanionInstalled())
        return NoOffer("it is installed already");
    return OfferPartnerInstaller(CompanionInstaller, IDD_EMAIL_COMPANION, &CompanionOffer);
}

int RunEmailCompanionInstaller()
{
    PartnerRun run = RunPartnerProgram(CompanionInstaller, NULL, "open", SW_SHOW, NULL);
    if (run.end == PARTNER_NOT_STARTED)
        ShowMessageText(NULL, IDS_COMPANION_NOT_STARTED, MB_ICONWARNING | MB_OK);
    return run.end != PARTNER_NOT_STARTED;
}
