#include "win_support.h"

#include <commctrl.h>

#include <shellapi.h>
#include <stdio.h>
#include "platform/newer_calls.h"
#include "res/resource.h"

std::string HostPath(const char* unixPath) {
  std::string p = std::string("Z:") + unixPath;
  for (char& c : p)
    if (c == '/') c = '\\';
  return p;
}

std::string BuildPath(const char* relative) {
  return HostPath((std::string(ZT_BUILD_DIR) + "/" + relative).c_str());
}

std::string SourcePath(const char* relative) {
  return HostPath((std::string(ZT_SOURCE_DIR) + "/" + relative).c_str());
}

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return bytes;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  fclose(f);
  return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(f, bytes.data(), (DWORD)bytes.size(), &written, NULL) && written == bytes.size();
  return CloseHandle(f) && ok;
}

// Whatever the names inside, in any script. A program the shell started
// from the folder may hold a file of it for a moment longer.
static void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((dir + L"*").c_str(), &found);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = dir + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path + L"\\");
      else DeleteFileW(path.c_str());
    } while (FindNextFileW(h, &found));
    FindClose(h);
  }
  for (int tries = 0; !RemoveDirectoryW(dir.c_str()) && tries < 20; tries++) Sleep(100);
}

TempDataFolder::TempDataFolder(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  char unique[64];
  static int counter;
  wsprintfA(unique, "%lu_%d\\", GetCurrentProcessId(), ++counter);
  root_ = std::string(temp) + name + unique;
  CreateDirectoryA(root_.c_str(), NULL);
  CreateDirectoryA(DataDir().c_str(), NULL);
}

TempDataFolder::~TempDataFolder() { RemoveTree(Wide(root_)); }

void TempDataFolder::WriteIni(const std::string& text) const { WriteFileBytes(IniPath(), text); }

std::string TempDataFolder::IniValue(const char* section, const char* key) const {
  char value[512];
  GetPrivateProfileStringA(section, key, "<absent>", value, sizeof value, IniPath().c_str());
  return value;
}

void TempDataFolder::WriteDataFile(const char* name, const std::string& bytes) const {
  WriteFileBytes(DataDir() + name, bytes);
}

std::string TempDataFolder::ReadDataFile(const char* name) const {
  return ReadFileBytes(DataDir() + name);
}

void TempDataFolder::InstallClock() const {
  CopyFileA(BuildPath("Zentick.exe").c_str(), ExePath().c_str(), FALSE);
  std::string data = BuildPath("data") + "\\";
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((data + "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      CopyFileA((data + found.cFileName).c_str(), (DataDir() + found.cFileName).c_str(), FALSE);
  } while (FindNextFileA(h, &found));
  FindClose(h);
}

HANDLE StartProcess(const std::string& exePath, DWORD* processId) {
  return StartProcess(Wide(exePath), processId);
}

HANDLE StartProcess(const std::wstring& exePath, DWORD* processId) {
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  std::wstring command = L"\"" + exePath + L"\"";
  if (!CreateProcessW(exePath.c_str(), &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
    return NULL;
  CloseHandle(pi.hThread);
  if (processId) *processId = pi.dwProcessId;
  return pi.hProcess;
}

HWND FindClockWindow() { return FindWindowA("ZENTICK", "ZENTICK"); }

ClockProcess::~ClockProcess() { Close(); }

bool ClockProcess::Start(const std::string& exePath, DWORD waitMs) {
  return Start(Wide(exePath), waitMs);
}

bool ClockProcess::Start(const std::wstring& exePath, DWORD waitMs) {
  info_.hProcess = StartProcess(exePath, &info_.dwProcessId);
  if (!info_.hProcess) return false;
  for (DWORD waited = 0; waited < waitMs; waited += 50) {
    HWND w = FindClockWindow();
    DWORD owner = 0;
    if (w) GetWindowThreadProcessId(w, &owner);
    if (w && owner == info_.dwProcessId && IsWindowVisible(w)) {
      window_ = w;
      return true;
    }
    if (WaitForSingleObject(info_.hProcess, 50) == WAIT_OBJECT_0) return false;
  }
  return false;
}

int ClockProcess::WaitExit(DWORD ms) {
  if (!info_.hProcess) return -1;
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return (int)code;
}

void ClockProcess::Close() {
  if (!info_.hProcess) return;
  if (window_ && IsWindow(window_)) PostMessageA(window_, WM_COMMAND, IDM_CLOSE, 0);
  if (WaitExit(5000) == -1) TerminateProcess(info_.hProcess, 1);
  CloseHandle(info_.hProcess);
  info_.hProcess = NULL;
  window_ = NULL;
}

struct DialogSearch {
  DWORD processId;
  HWND found;
};

static BOOL CALLBACK FindDialogOf(HWND w, LPARAM lParam) {
  DialogSearch* s = (DialogSearch*)lParam;
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  char cls[32];
  GetClassNameA(w, cls, sizeof cls);
  if (owner == s->processId && strcmp(cls, "#32770") == 0 && IsWindowVisible(w)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForProcessDialog(DWORD processId, DWORD ms) {
  for (DWORD waited = 0; waited <= ms; waited += 50) {
    DialogSearch s = {processId, NULL};
    EnumWindows(FindDialogOf, (LPARAM)&s);
    if (s.found) return s.found;
    Sleep(50);
  }
  return NULL;
}

std::string Cp932(const wchar_t* text) {
  // No look-alike stands in for a character 932 lacks.
  int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, NULL, 0, NULL, NULL);
  std::string out(n > 1 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, &out[0], n, NULL, NULL);
  return out;
}

static std::wstring WideOf(UINT codePage, const std::string& text) {
  int n = MultiByteToWideChar(codePage, 0, text.c_str(), -1, NULL, 0);
  std::wstring out(n > 1 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(codePage, 0, text.c_str(), -1, &out[0], n);
  return out;
}

std::wstring Wide(const std::string& cp932) { return WideOf(932, cp932); }
std::wstring WideOfUtf8(const std::string& utf8) { return WideOf(CP_UTF8, utf8); }

std::string WindowText(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return Cp932(text);
}

std::string MessageBoxText(HWND box) {
  // The message is the static control with id 0xFFFF.
  wchar_t text[1024] = L"";
  GetDlgItemTextW(box, 0xFFFF, text, 1024);
  return Cp932(text);
}

void PumpFor(DWORD ms) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(NULL);
  COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(NULL, screen);
  return c;
}

bool WaitUntil(bool (*predicate)(void*), void* context, DWORD ms) {
  for (DWORD waited = 0; waited <= ms; waited += 20) {
    if (predicate(context)) return true;
    Sleep(20);
  }
  return false;
}

int LayeredAlpha(HWND w) {
  if (!(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED)) return -1;
  BOOL(WINAPI * getLayered)(HWND, COLORREF*, BYTE*, DWORD*);
  if (!FindCall(GetModuleHandleA("user32.dll"), "GetLayeredWindowAttributes", &getLayered))
    return -1;
  COLORREF key;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!getLayered(w, &key, &alpha, &flags) || flags != LWA_ALPHA) return -1;
  return alpha;
}

bool TrayIconShown(HWND owner, UINT id) {
  // Changing nothing succeeds exactly when the icon is there.
  NOTIFYICONDATAA nid = {};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = owner;
  nid.uID = id;
  return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

HWND WaitForPopupMenu(DWORD ms) {
  for (DWORD waited = 0; waited <= ms; waited += 50) {
    HWND w = FindWindowA("#32768", NULL);
    if (w && IsWindowVisible(w)) return w;
    Sleep(50);
  }
  return NULL;
}

void MouseTo(int x, int y) {
  // Absolute input is in 1/65536 of the primary screen.
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (x * 65536 + w / 2) / w,
              (y * 65536 + h / 2) / h, 0, 0);
}

void MouseLeftButton(bool down) {
  mouse_event(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

// Paced as a hand drags: the window's move loop must see the press before
// the pointer goes, and each step before the release.
void DragWithMouse(int x, int y, int dx, int dy) {
  MouseTo(x, y);
  Sleep(200);
  MouseLeftButton(true);
  Sleep(200);
  for (int i = 1; i <= 5; i++) {
    MouseTo(x + dx * i / 5, y + dy * i / 5);
    Sleep(100);
  }
  MouseLeftButton(false);
  Sleep(500);
}

DialogWatcher::DialogWatcher(int button, DWORD waitMs) : button_(button), waitMs_(waitMs) {
  thread_ = CreateThread(NULL, 0, Run, this, 0, NULL);
}

DialogWatcher::~DialogWatcher() {
  Wait();
  CloseHandle(thread_);
}

bool DialogWatcher::Wait() {
  WaitForSingleObject(thread_, INFINITE);
  return seen_;
}

DWORD WINAPI DialogWatcher::Run(void* self) {
  DialogWatcher* w = (DialogWatcher*)self;
  HWND box = WaitForProcessDialog(GetCurrentProcessId(), w->waitMs_);
  if (!box) return 0;
  w->seen_ = true;
  w->caption = WindowText(box);
  w->text = MessageBoxText(box);
  PostMessageA(box, WM_COMMAND, w->button_, 0);
  return 0;
}

static MessageBoxCatcher* activeCatcher;

MessageBoxCatcher::MessageBoxCatcher() {
  activeCatcher = this;
  hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, NULL, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher() {
  UnhookWindowsHookEx(hook_);
  activeCatcher = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
  const CWPRETSTRUCT* call = (const CWPRETSTRUCT*)lParam;
  if (code == HC_ACTION && activeCatcher && call->message == WM_INITDIALOG) {
    HWND w = call->hwnd;
    char cls[16] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (strcmp(cls, "#32770") == 0) {
      activeCatcher->boxes.push_back(Box{WindowText(w), MessageBoxText(w)});
      // Ended before it is ever shown: no window is mapped on the display.
      EndDialog(w, IDOK);
    }
  }
  return CallNextHookEx(NULL, code, wParam, lParam);
}

// Memory in the list's process for the messages that carry pointers.
struct RemoteBlock {
  HANDLE process;
  char* at;
  explicit RemoteBlock(HWND window, SIZE_T size) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    at = (char*)VirtualAllocEx(process, NULL, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBlock() {
    VirtualFreeEx(process, at, 0, MEM_RELEASE);
    CloseHandle(process);
  }
  void Put(SIZE_T offset, const void* bytes, SIZE_T size) {
    WriteProcessMemory(process, at + offset, bytes, size, NULL);
  }
  void Get(SIZE_T offset, void* bytes, SIZE_T size) {
    ReadProcessMemory(process, at + offset, bytes, size, NULL);
  }
};

// A text the list gives into the block's room after a record of size bytes.
static std::string RemoteText(RemoteBlock* block, SIZE_T recordSize) {
  wchar_t text[512] = L"";
  block->Get(recordSize, text, sizeof text - sizeof text[0]);
  return Cp932(text);
}

static BOOL CALLBACK AddToolTexts(HWND window, LPARAM texts) {
  char cls[32] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (strcmp(cls, TOOLTIPS_CLASSA) != 0) return TRUE;
  RemoteBlock block(window, sizeof(TTTOOLINFOW) + 512 * sizeof(wchar_t));
  int count = (int)SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0);
  for (int i = 0; i < count; i++) {
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.lpszText = (wchar_t*)(block.at + sizeof tool);
    block.Put(0, &tool, sizeof tool);
    block.Put(sizeof tool, L"", sizeof(wchar_t));
    if (SendMessageW(window, TTM_ENUMTOOLSW, i, (LPARAM)block.at))
      ((std::vector<std::string>*)texts)->push_back(RemoteText(&block, sizeof tool));
  }
  return TRUE;
}

std::vector<std::string> ToolTipTexts() {
  std::vector<std::string> texts;
  EnumWindows(AddToolTexts, (LPARAM)&texts);
  return texts;
}

std::vector<std::vector<std::string>> ListViewRows(HWND list, int columns) {
  std::vector<std::vector<std::string>> rows;
  int count = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  RemoteBlock block(list, sizeof(LVITEMW) + 512 * sizeof(wchar_t));
  for (int r = 0; r < count; r++) {
    std::vector<std::string> row;
    for (int c = 0; c < columns; c++) {
      LVITEMW item = {};
      item.iSubItem = c;
      item.pszText = (wchar_t*)(block.at + sizeof item);
      item.cchTextMax = 512;
      block.Put(0, &item, sizeof item);
      SendMessageW(list, LVM_GETITEMTEXTW, r, (LPARAM)block.at);
      row.push_back(RemoteText(&block, sizeof item));
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> ListViewColumns(HWND list, int columns) {
  std::vector<std::string> titles;
  RemoteBlock block(list, sizeof(LVCOLUMNW) + 512 * sizeof(wchar_t));
  for (int c = 0; c < columns; c++) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT;
    column.pszText = (wchar_t*)(block.at + sizeof column);
    column.cchTextMax = 512;
    block.Put(0, &column, sizeof column);
    block.Put(sizeof column, L"", sizeof(wchar_t));
    SendMessageW(list, LVM_GETCOLUMNW, c, (LPARAM)block.at);
    titles.push_back(RemoteText(&block, sizeof column));
  }
  return titles;
}

// The system carries these texts between processes itself.
static std::vector<std::string> Entries(HWND box, UINT count, UINT length, UINT get) {
  std::vector<std::string> entries;
  int n = (int)SendMessageW(box, count, 0, 0);
  for (int i = 0; i < n; i++) {
    std::wstring text((size_t)SendMessageW(box, length, i, 0) + 1, L'\0');
    SendMessageW(box, get, i, (LPARAM)&text[0]);
    entries.push_back(Cp932(text.c_str()));
  }
  return entries;
}

std::vector<std::string> ComboBoxEntries(HWND combo) {
  return Entries(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::string> ListBoxEntries(HWND list) {
  return Entries(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

void SelectListViewRow(HWND list, int row) {
  RemoteBlock block(list, sizeof(LVITEMA));
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  block.Put(0, &item, sizeof item);
  SendMessageA(list, LVM_SETITEMSTATE, row, (LPARAM)block.at);
}

struct CaptionSearch {
  DWORD processId;
  const char* caption;
  HWND found;
};

static BOOL CALLBACK FindCaptionOf(HWND w, LPARAM lParam) {
  CaptionSearch* s = (CaptionSearch*)lParam;
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  if (owner == s->processId && IsWindowVisible(w) && WindowText(w) == s->caption) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

static bool CaptionShown(void* context) {
  CaptionSearch* s = (CaptionSearch*)context;
  EnumWindows(FindCaptionOf, (LPARAM)s);
  return s->found != NULL;
}

HWND WaitForCaption(DWORD processId, const char* caption, DWORD ms) {
  CaptionSearch s = {processId, caption, NULL};
  PumpUntil(CaptionShown, &s, ms);
  return s.found;
}

bool PumpUntil(bool (*predicate)(void*), void* context, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    if (predicate(context)) return true;
    if (GetTickCount() - start > ms) return false;
    PumpFor(20);
  }
}

std::string ControlText(HWND control) {
  wchar_t text[1024] = L"";
  SendMessageW(control, WM_GETTEXT, 1024, (LPARAM)text);
  return Cp932(text);
}

void TypeText(HWND control, const std::wstring& text) {
  SendMessageW(control, WM_SETTEXT, 0, (LPARAM)text.c_str());
}

bool WindowGone(void* window) { return !IsWindow((HWND)window); }
