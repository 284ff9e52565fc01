#include "setup_run.h"
#include "test_files.h"
#include "test_paths.h"
#include "registry_sandbox.h"
#include <stdio.h>

std::string FixturePath(const std::string& relative)
{
    return std::string(TEST_FIXTURES_DIR) + "\\" + relative;
}

const char* SetupProgramPath()
{
    static char path[MAX_PATH];
    if (path[0] == '\0') {
        DWORD length = GetEnvironmentVariableA("TARVEX_SETUP_PROGRAM", path, sizeof path);
        if (length == 0 || length >= sizeof path)
            lstrcpynA(path, TEST_SETUP_PROGRAM, sizeof path);
        else  // said once, so a run shows which program it tested
            fprintf(stderr, "testing the SETUP.EXE named by TARVEX_SETUP_PROGRAM: %s\n", path);
    }
    return path;
}

bool CopyFixture(const std::string& relative, const std::string& target)
{
    return CopyFileW(WidePath(FixturePath(relative)).c_str(), WidePath(target).c_str(), FALSE) != 0;
}

std::string PrepareSourceFolder(const std::string& folder, const std::vector<std::string>& files)
{
    MakeFolders(folder);
    std::string setup = folder + "\\SETUP.EXE";
    CopyFileW(WidePath(SetupProgramPath()).c_str(), WidePath(setup).c_str(), FALSE);
    for (const std::string& file : files) {
        size_t equals = file.find('=');
        std::string source = file.substr(0, equals);
        std::string name = equals != std::string::npos ? file.substr(equals + 1)
                                                       : source.substr(source.find_last_of('\\') + 1);
        CopyFixture(source, folder + "\\" + name);
    }
    return setup;
}

void SetWindowsVersionFor(const char* program, const char* version)
{
    std::string key = std::string("Software\\Wine\\AppDefaults\\") + program;
    SetText(HKEY_CURRENT_USER, key.c_str(), "Version", version);
}

void RegisterRecordingBrowser()
{
    std::string command = "\"" + FixturePath("browser.exe") + "\" \"%1\"";
    SetText(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "", command.c_str());
}

SetupResult RunSetupProgram(const std::string& program, const std::vector<Answer>& answers,
                            const std::string& currentFolder, DWORD timeoutMs, const std::string& pictureFolder,
                            bool userAnswers, const std::string& arguments)
{
    SetupResult result;
    STARTUPINFOW startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    // In wide characters, as Explorer starts a program: the system keeps
    // the command line and the program's path as given, and the ANSI forms
    // are made from them.
    std::wstring commandLine = WidePath("\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments));
    std::wstring folder = WidePath(currentFolder);
    // Wine's 32-bit mode on a busy machine has been seen to refuse a start
    // once; a second try tells such a refusal from a program that cannot run.
    // Setup starts with the default error mode, as from Explorer, not with
    // the one GoogleTest gives the test program.
    bool started = false;
    for (int attempt = 0; attempt < 3 && !started; ++attempt) {
        started = CreateProcessW(WidePath(program).c_str(), &commandLine[0], NULL, NULL, FALSE, CREATE_DEFAULT_ERROR_MODE, NULL,
                                 folder.empty() ? NULL : folder.c_str(), &startup, &process) != 0;
        if (!started) {
            fprintf(stderr, "setup_run: %s did not start (error %lu)\n", program.c_str(), GetLastError());
            Sleep(500);
        }
    }
    if (!started)
        return result;
    Autopilot pilot(process.dwProcessId, answers, pictureFolder);
    if (userAnswers)
        pilot.LeaveAnswersToTheUser();
    pilot.Start();
    result.ended = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!result.ended)
        TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    result.windows = pilot.Finish();
    return result;
}

std::vector<std::string> RecordedEvents()
{
    return ReadTextLines("C:\\tarvex-events.log");
}

std::vector<std::string> EventsOnce(size_t count, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    std::vector<std::string> events = RecordedEvents();
    while (events.size() < count && GetTickCount() - start < timeoutMs) {
        Sleep(50);
        events = RecordedEvents();
    }
    return events;
}

size_t WaitForEvents(size_t count)
{
    return EventsOnce(count).size();
}

std::string WithoutOrigin(const std::string& event)
{
    return event.substr(0, event.rfind("\tfrom="));
}

std::vector<std::string> RecordedPrograms()
{
    std::vector<std::string> names;
    for (const std::string& line : RecordedEvents())
        names.push_back(line.substr(0, line.find('\t')));
    return names;
}

void SetFixtureSetting(const char* program, const char* key, const char* value)
{
    WritePrivateProfileStringA(program, key, value, "C:\\tarvex-fixtures.ini");
}

bool ProductInstalled()
{
    return KeyExists(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Tarvex32.exe");
}
