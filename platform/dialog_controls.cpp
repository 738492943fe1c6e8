#include "platform/dialog_controls.h"

#include "base/dpi_scale.h"
#include "platform/newer_calls.h"
#include "platform/system_text.h"

int IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, int on) {
  CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED);
}

int BringForwardIfOpen(HWND openDialog) {
  if (!openDialog) return 0;
  SetForegroundWindow(openDialog);
  return 1;
}

void TellUnusableCharacter(HWND owner) {
  ShowMessage(owner, "使用できない記号が含まれています", "エラー", MB_OK);
}

HBITMAP ScalePictureToDpi(HWND dialog, int id) {
  int dpi = WindowDpi(dialog);
  HWND picture = GetDlgItem(dialog, id);
  HBITMAP shown = (HBITMAP)SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0);
  BITMAP b;
  if (dpi == BASE_DPI || !shown || !GetObjectA(shown, sizeof b, &b)) return NULL;
  HBITMAP scaled = (HBITMAP)CopyImage(shown, IMAGE_BITMAP, ScaleToDpi(b.bmWidth, dpi),
                                      ScaleToDpi(b.bmHeight, dpi), 0);
  if (!scaled) return NULL;
  // The control gives back the one it loaded, no longer its to delete.
  HBITMAP old = (HBITMAP)SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)scaled);
  if (old) DeleteObject(old);
  return scaled;
}
