// Sees and answers the modal windows of setup as a user would: reads their
// captions, texts and controls, and presses buttons or keys. Works on the
// windows of the test process itself (a dialog opened by a function under
// test) and on those of a running SETUP.EXE alike.
#pragma once
#include <windows.h>
#include <stdint.h>
#include <functional>
#include <string>
#include <vector>

std::string WindowText(HWND window);
// The weight of a control's font, or -1 when it has none.
LONG FontWeight(HWND dialog, int id);
std::string ItemText(HWND dialog, int id);
// The text of a message box (its static control 0xFFFF).
std::string MessageBoxText(HWND box);
// MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION, MB_ICONQUESTION, or 0,
// told from the pixels of the message box's icon.
UINT MessageBoxIcon(HWND box);
bool IsMessageBox(HWND window);

// The next visible top-level dialog window of the process (0: this process)
// that is not in `seen`, or NULL after the time limit.
HWND WaitForNewDialog(DWORD processId, const std::vector<HWND>& seen, DWORD timeoutMs);
// The same without waiting: the window if it is there now, else NULL.
HWND FindNewDialog(DWORD processId, const std::vector<HWND>& seen);

// Input as the user gives it. Buttons are clicked; keys go to the control
// that has the keyboard focus in the window's thread.
void ClickButton(HWND dialog, int id);
void PressKey(HWND dialog, UINT virtualKey);
void CloseWithCloseBox(HWND dialog);
void ClickControl(HWND dialog, int id, int x, int y);  // client coordinates of the control
// Two clicks in a row as the system reports them: the second as a double-click.
void DoubleClickControl(HWND dialog, int id, int x, int y);
HWND FocusedControl(HWND dialog);

// Pixels as 0xRRGGBB, top row first: of a rectangle of a device context,
// or of the screen.
std::vector<uint32_t> CopyPixels(HDC source, int left, int top, int width, int height);
std::vector<uint32_t> ScreenPixels(const RECT& rect);

// Has the window painted in full before its pixels are read, however busy
// the machine is.
void PaintNow(HWND window);
// Saves what the window shows on the screen as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path);

// What a user saw in one window.
struct SeenWindow {
    std::string caption;
    std::string text;  // a message box's text; empty for other dialogs
    UINT icon = 0;     // a message box's icon
    bool messageBox = false;
    std::vector<std::pair<int, std::string>> controls;  // a dialog's controls: id and text
};

// One answer: look at the window, then press a button or a key.
struct Answer {
    std::function<void(HWND)> inspect;
    int button = 0;
    UINT key = 0;
    bool closeBox = false;
};
Answer Press(int button);
Answer Key(UINT virtualKey);
Answer CloseBox();
Answer Inspect(std::function<void(HWND)> inspect, Answer then);
// Clicks a button of the window (a radio button, say), then answers it.
Answer Choose(int button, Answer then);

// Answers the windows of a process in the order they appear, one answer
// each, on a thread of its own. A window that appears after the answers are
// used up is recorded and closed with Esc.
class Autopilot {
public:
    Autopilot(DWORD processId, std::vector<Answer> answers, const std::string& pictureFolder = "");
    // Only records and pictures the windows; the user answers them.
    void LeaveAnswersToTheUser() { answering_ = false; }
    ~Autopilot();
    void Start();
    // Stops watching and returns what was seen.
    std::vector<SeenWindow> Finish();
    // Windows seen so far (safe to call while running).
    size_t SeenCount();

private:
    static DWORD WINAPI Run(void* self);
    void Watch();
    DWORD processId_;
    std::vector<Answer> answers_;
    std::string pictureFolder_;
    std::vector<SeenWindow> seen_;
    CRITICAL_SECTION lock_;
    HANDLE thread_ = NULL;
    volatile LONG stop_ = 0;
    bool answering_ = true;
};
