#include "ui_driver.h"
#include <stdio.h>
#include <stdint.h>

std::string WindowText(HWND window)
{
    char text[4096] = "";
    // WM_GETTEXT works across processes for the standard controls.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, NULL);
    return text;
}

LONG FontWeight(HWND dialog, int id)
{
    HFONT font = (HFONT)SendMessageA(GetDlgItem(dialog, id), WM_GETFONT, 0, 0);
    LOGFONTA description;
    if (font == NULL || GetObjectA(font, sizeof description, &description) == 0)
        return -1;
    return description.lfWeight;
}

std::string ItemText(HWND dialog, int id)
{
    HWND item = GetDlgItem(dialog, id);
    return item != NULL ? WindowText(item) : std::string("<no control>");
}

std::string MessageBoxText(HWND box)
{
    return ItemText(box, 0xFFFF);
}

static bool IsDialogClass(HWND window)
{
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

// A message box has its text in the static 0xFFFF and, unlike setup's own
// dialogs, no control with an id of setup's templates (400 to 999).
static BOOL CALLBACK FindTemplateControl(HWND child, LPARAM param)
{
    int id = GetDlgCtrlID(child);
    if (id >= 400 && id <= 999) {
        *(bool*)param = true;
        return FALSE;
    }
    return TRUE;
}

bool IsMessageBox(HWND window)
{
    if (!IsDialogClass(window) || GetDlgItem(window, 0xFFFF) == NULL)
        return false;
    bool templateControl = false;
    EnumChildWindows(window, FindTemplateControl, (LPARAM)&templateControl);
    return !templateControl;
}

struct DialogSearch {
    DWORD processId;
    const std::vector<HWND>* seen;
    HWND found;
};

static BOOL CALLBACK CheckTopWindow(HWND window, LPARAM param)
{
    DialogSearch* search = (DialogSearch*)param;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || !IsDialogClass(window))
        return TRUE;
    for (HWND known : *search->seen)
        if (known == window)
            return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindNewDialog(DWORD processId, const std::vector<HWND>& seen)
{
    DialogSearch search = {processId != 0 ? processId : GetCurrentProcessId(), &seen, NULL};
    EnumWindows(CheckTopWindow, (LPARAM)&search);
    return search.found;
}

HWND WaitForNewDialog(DWORD processId, const std::vector<HWND>& seen, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        HWND found = FindNewDialog(processId, seen);
        if (found != NULL) {
            Sleep(50);  // let the dialog finish its initialisation and painting
            return found;
        }
        if (GetTickCount() - start >= timeoutMs)
            return NULL;
        Sleep(20);
    }
}

void ClickButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    if (button != NULL && id != IDOK && id != IDCANCEL && GetDlgCtrlID(button) == id) {
        char className[32] = "";
        GetClassNameA(button, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0) {
            PostMessageA(button, BM_CLICK, 0, 0);
            return;
        }
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button);
}

HWND FocusedControl(HWND dialog)
{
    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, NULL), &info))
        return NULL;
    return info.hwndFocus;
}

void PressKey(HWND dialog, UINT virtualKey)
{
    HWND target = FocusedControl(dialog);
    if (target == NULL)
        target = dialog;
    UINT scan = MapVirtualKeyA(virtualKey, 0);
    // The dialog's message loop turns the key-down into its character.
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
}

void CloseWithCloseBox(HWND dialog)
{
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void ClickControl(HWND dialog, int id, int x, int y)
{
    HWND control = GetDlgItem(dialog, id);
    LPARAM where = MAKELPARAM(x, y);
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(control, WM_LBUTTONUP, 0, where);
}

void DoubleClickControl(HWND dialog, int id, int x, int y)
{
    ClickControl(dialog, id, x, y);
    HWND control = GetDlgItem(dialog, id);
    LPARAM where = MAKELPARAM(x, y);
    PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    PostMessageA(control, WM_LBUTTONUP, 0, where);
}

std::vector<uint32_t> CopyPixels(HDC source, int left, int top, int width, int height)
{
    std::vector<uint32_t> pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    pixels.resize((size_t)width * height);
    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = NULL;
    HBITMAP copy = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ kept = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, source, left, top, SRCCOPY);
    GdiFlush();
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = ((uint32_t*)bits)[i] & 0xFFFFFF;
    SelectObject(memory, kept);
    DeleteDC(memory);
    DeleteObject(copy);
    return pixels;
}

std::vector<uint32_t> ScreenPixels(const RECT& rect)
{
    HDC screen = GetDC(NULL);
    std::vector<uint32_t> pixels = CopyPixels(screen, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    ReleaseDC(NULL, screen);
    return pixels;
}

// Draws a system icon on the given background, as a message box shows it.
static std::vector<uint32_t> RenderIcon(LPCSTR iconName, int width, int height, uint32_t background)
{
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ kept = SelectObject(memory, canvas);
    HBRUSH fill = CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, fill);
    DeleteObject(fill);
    DrawIconEx(memory, 0, 0, LoadIconA(NULL, iconName), 0, 0, 0, NULL, DI_NORMAL);
    std::vector<uint32_t> pixels = CopyPixels(memory, 0, 0, width, height);
    SelectObject(memory, kept);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return pixels;
}

static BOOL CALLBACK FindIconControl(HWND child, LPARAM param)
{
    char className[32] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child)) {
        *(HWND*)param = child;
        return FALSE;
    }
    return TRUE;
}

UINT MessageBoxIcon(HWND box)
{
    HWND iconControl = NULL;
    EnumChildWindows(box, FindIconControl, (LPARAM)&iconControl);
    if (iconControl == NULL)
        return 0;
    RECT rect;
    GetWindowRect(iconControl, &rect);
    int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    std::vector<uint32_t> shown = ScreenPixels(rect);
    if (shown.empty())
        return 0;
    struct Candidate {
        LPCSTR name;
        UINT style;
    } candidates[] = {{IDI_HAND, MB_ICONERROR},
                      {IDI_EXCLAMATION, MB_ICONWARNING},
                      {IDI_ASTERISK, MB_ICONINFORMATION},
                      {IDI_QUESTION, MB_ICONQUESTION}};
    UINT best = 0;
    size_t bestDifferences = shown.size() / 10;  // allow a little anti-aliasing noise
    for (const Candidate& candidate : candidates) {
        std::vector<uint32_t> drawn = RenderIcon(candidate.name, width, height, shown[0]);
        size_t differences = 0;
        for (size_t i = 0; i < shown.size(); ++i)
            differences += shown[i] != drawn[i];
        if (differences < bestDifferences) {
            bestDifferences = differences;
            best = candidate.style;
        }
    }
    return best;
}

void PaintNow(HWND window)
{
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300);
}

// Where a window lies on the screen, or false when it does not lie on it:
// Wine's 32-bit mode gives another process's message box the rectangle
// -32768,-32768 to -1,-1, and may be late with other windows.
static bool ReadPlaceOnScreen(HWND window, RECT* rect)
{
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (!GetWindowRect(window, rect))
            return false;
        if (rect->left >= 0 && rect->top >= 0 && rect->right > rect->left && rect->bottom > rect->top &&
            rect->right <= screenWidth && rect->bottom <= screenHeight)
            return true;
        Sleep(50);
    }
    return false;
}

bool SaveWindowPicture(HWND window, const std::string& path)
{
    RECT rect;
    if (!ReadPlaceOnScreen(window, &rect))
        return false;
    std::vector<uint32_t> pixels = ScreenPixels(rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (pixels.empty())
        return false;
    int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER header;
    ZeroMemory(&fileHeader, sizeof fileHeader);
    ZeroMemory(&header, sizeof header);
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biSizeImage = rowBytes * height;
    fileHeader.bfType = 0x4D42;
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    FILE* file = fopen(path.c_str(), "wb");
    if (file == NULL)
        return false;
    fwrite(&fileHeader, sizeof fileHeader, 1, file);
    fwrite(&header, sizeof header, 1, file);
    std::vector<unsigned char> row(rowBytes);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            uint32_t p = pixels[(size_t)y * width + x];
            row[x * 3] = p & 0xFF;
            row[x * 3 + 1] = (p >> 8) & 0xFF;
            row[x * 3 + 2] = (p >> 16) & 0xFF;
        }
        fwrite(row.data(), rowBytes, 1, file);
    }
    fclose(file);
    return true;
}

Answer Press(int button)
{
    Answer answer;
    answer.button = button;
    return answer;
}

Answer Key(UINT virtualKey)
{
    Answer answer;
    answer.key = virtualKey;
    return answer;
}

Answer CloseBox()
{
    Answer answer;
    answer.closeBox = true;
    return answer;
}

Answer Inspect(std::function<void(HWND)> inspect, Answer then)
{
    then.inspect = inspect;
    return then;
}

Answer Choose(int button, Answer then)
{
    return Inspect([button](HWND window) { ClickButton(window, button); }, then);
}

Autopilot::Autopilot(DWORD processId, std::vector<Answer> answers, const std::string& pictureFolder)
    : processId_(processId != 0 ? processId : GetCurrentProcessId()), answers_(answers), pictureFolder_(pictureFolder)
{
    InitializeCriticalSection(&lock_);
}

Autopilot::~Autopilot()
{
    Finish();
    DeleteCriticalSection(&lock_);
}

void Autopilot::Start()
{
    thread_ = CreateThread(NULL, 0, Run, this, 0, NULL);
}

std::vector<SeenWindow> Autopilot::Finish()
{
    if (thread_ != NULL) {
        InterlockedExchange(&stop_, 1);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = NULL;
    }
    EnterCriticalSection(&lock_);
    std::vector<SeenWindow> seen = seen_;
    LeaveCriticalSection(&lock_);
    return seen;
}

size_t Autopilot::SeenCount()
{
    EnterCriticalSection(&lock_);
    size_t count = seen_.size();
    LeaveCriticalSection(&lock_);
    return count;
}

static BOOL CALLBACK RecordControl(HWND control, LPARAM param)
{
    ((std::vector<std::pair<int, std::string>>*)param)->push_back({GetDlgCtrlID(control), WindowText(control)});
    return TRUE;
}

DWORD WINAPI Autopilot::Run(void* self)
{
    ((Autopilot*)self)->Watch();
    return 0;
}

void Autopilot::Watch()
{
    std::vector<HWND> handled;
    size_t next = 0;
    while (!stop_) {
        HWND window = WaitForNewDialog(processId_, handled, 100);
        if (window == NULL)
            continue;
        handled.push_back(window);
        SeenWindow seen;
        seen.caption = WindowText(window);
        seen.messageBox = IsMessageBox(window);
        if (!seen.messageBox)
            EnumChildWindows(window, RecordControl, (LPARAM)&seen.controls);
        if (seen.messageBox) {
            seen.text = MessageBoxText(window);
            // The icon is read from the screen: a busy machine may not have
            // painted it yet. A 32-bit program under Wine cannot copy the
            // screen at all.
#ifdef _WIN64
            for (int i = 0; i < 20 && (seen.icon = MessageBoxIcon(window)) == 0; ++i)
                Sleep(50);
#endif
        }
        // A 32-bit program under Wine cannot copy the screen: no pictures.
        if (!pictureFolder_.empty() && sizeof(void*) == 8) {
            char name[MAX_PATH];
            snprintf(name, sizeof name, "%s\\window-%02u.bmp", pictureFolder_.c_str(), (unsigned)handled.size());
            PaintNow(window);
            SaveWindowPicture(window, name);
        }
        EnterCriticalSection(&lock_);
        seen_.push_back(seen);
        LeaveCriticalSection(&lock_);

        if (!answering_)
            continue;
        Answer answer = next < answers_.size() ? answers_[next] : Key(VK_ESCAPE);
        ++next;
        if (answer.inspect)
            answer.inspect(window);
        if (answer.closeBox)
            CloseWithCloseBox(window);
        else if (answer.key != 0)
            PressKey(window, answer.key);
        else
            ClickButton(window, answer.button);
    }
}
