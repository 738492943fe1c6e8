// Test helpers under Wine: temporary data folders, the real clock started
// as a process, and reading windows, message boxes and the screen. Texts
// are read and typed as UTF-16 and given in code page 932, so that they
// compare with the tests' own texts under any system code page.
#pragma once
#include <windows.h>

#include <string>
#include <vector>
#include "res/resource.h"

// "Z:\..." for a path of the Linux side.
std::string HostPath(const char* unixPath);
std::string BuildPath(const char* relative);   // inside the build folder
std::string SourcePath(const char* relative);  // inside the source tree

// A folder of its own under the temporary folder, with "data\" inside,
// removed again at the end of the test.
class TempDataFolder {
 public:
  explicit TempDataFolder(const char* name = "zt");
  ~TempDataFolder();
  const std::string& Root() const { return root_; }  // ends in a backslash
  std::string DataDir() const { return root_ + "data\\"; }
  std::string ExePath() const { return root_ + "Zentick.exe"; }
  std::string IniPath() const { return DataDir() + "Zentick.ini"; }
  void WriteIni(const std::string& text) const;
  std::string IniValue(const char* section, const char* key) const;  // "<absent>" if absent
  void WriteDataFile(const char* name, const std::string& bytes) const;
  std::string ReadDataFile(const char* name) const;
  // Copies Zentick.exe and the default data folder in.
  void InstallClock() const;

 private:
  std::string root_;
};

std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

// The clock as a running process.
class ClockProcess {
 public:
  ~ClockProcess();
  // Starts exePath and waits for the visible clock window; false if none came.
  bool Start(const std::string& exePath, DWORD waitMs = 10000);
  bool Start(const std::wstring& exePath, DWORD waitMs = 10000);
  HWND Window() const { return window_; }
  DWORD Id() const { return info_.dwProcessId; }
  // Waits for the process to end; returns its exit code, or -1 on time-out.
  int WaitExit(DWORD ms = 10000);
  void Close();  // command IDM_CLOSE, then wait; killed if it does not end

 private:
  PROCESS_INFORMATION info_ = {};
  HWND window_ = NULL;
};

// Starts a process and returns its handle (NULL on failure).
HANDLE StartProcess(const std::string& exePath, DWORD* processId);
HANDLE StartProcess(const std::wstring& exePath, DWORD* processId);

HWND FindClockWindow();
// A visible top-level dialog (message box) of the process, waiting up to ms.
HWND WaitForProcessDialog(DWORD processId, DWORD ms = 5000);
// UTF-16 and code page 932 (a character 932 lacks becomes '?'), and UTF-8.
std::string Cp932(const wchar_t* text);
std::wstring Wide(const std::string& cp932);
std::wstring WideOfUtf8(const std::string& utf8);
std::string WindowText(HWND window);
// The message of a message box.
std::string MessageBoxText(HWND box);
// Pumps this thread's messages for ms milliseconds.
void PumpFor(DWORD ms);
COLORREF ScreenPixel(int x, int y);
// Polls until predicate(context) holds or ms run out.
bool WaitUntil(bool (*predicate)(void*), void* context, DWORD ms);

// The opacity of a window layered as one whole (0 to 255), asked of the
// system the way the clock asks it; -1 when the window is not so layered.
int LayeredAlpha(HWND window);

// Whether the notification area holds an icon of this window and id.
bool TrayIconShown(HWND owner, UINT id);
// The texts of every tooltip's tools, of any process: the shell keeps the
// notification-area icons' tips in such tools.
std::vector<std::string> ToolTipTexts();
// A visible popup menu window (class "#32768") of any process, waiting up to ms.
HWND WaitForPopupMenu(DWORD ms = 5000);
// Real mouse input: the pointer to a screen point, and the left button.
void MouseTo(int x, int y);
void MouseLeftButton(bool down);
// Presses at a screen point, drags the pointer by (dx, dy) in steps and
// releases, with real mouse input.
void DragWithMouse(int x, int y, int dx, int dy);

// Watches, on a thread of its own, for the next dialog of this process,
// notes its caption and message and closes it with the given button.
class DialogWatcher {
 public:
  explicit DialogWatcher(int button = IDOK, DWORD waitMs = 5000);
  ~DialogWatcher();
  // Waits for the watcher to finish; true when a dialog was seen.
  bool Wait();
  std::string caption, text;

 private:
  static DWORD WINAPI Run(void* self);
  HANDLE thread_;
  int button_;
  DWORD waitMs_;
  bool seen_ = false;
};

// While it lives, message boxes of this thread are answered at once with
// OK and their caption and text noted.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  struct Box {
    std::string caption, text;
  };
  std::vector<Box> boxes;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_;
};

// The texts of a list view's rows, column by column; works on a list of
// another process too.
std::vector<std::vector<std::string>> ListViewRows(HWND list, int columns);
// Selects a row of a list view (of any process).
void SelectListViewRow(HWND list, int row);
// A visible top-level window of the process with this caption, waiting up
// to ms while this thread's messages are pumped (NULL if none came).
HWND WaitForCaption(DWORD processId, const char* caption, DWORD ms);
// Pumps this thread's messages until predicate(context) holds or ms run out.
bool PumpUntil(bool (*predicate)(void*), void* context, DWORD ms);
// The text of a control, asked of the control itself (also in another process).
std::string ControlText(HWND control);
// Puts text in a control as the user would type it.
void TypeText(HWND control, const std::wstring& text);
// A list view's column titles, and a combo or list box's entries (of any process).
std::vector<std::string> ListViewColumns(HWND list, int columns);
std::vector<std::string> ComboBoxEntries(HWND combo);
std::vector<std::string> ListBoxEntries(HWND list);
// For PumpUntil: the window (passed as the context) has been destroyed.
bool WindowGone(void* window);
