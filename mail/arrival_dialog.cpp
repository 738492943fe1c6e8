#include "mail/mail_dialogs.h"

#include <commctrl.h>

#include "platform/later_calls.h"
#include "mail/pop3_dialogue.h"
#include "platform/system_text.h"
#include "res/resource.h"

// Wide enough for the longest result, which then is never cut: the list
// scrolls instead.
static void FitResultColumn(HWND list) {
  int shown = (int)SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0);
  SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE);
  if (SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0) < shown)
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, shown);
}

static void FillNotice(HWND dialog, const MailReport* report) {
  HWND list = GetDlgItem(dialog, IDC_MAIL_LIST);
  PrepareTwoColumnList(list, "アカウント", 90, "着信", 316);
  char result[MAIL_RESULT_TEXT_SIZE];
  for (int i = 0; i < report->rowCount; i++) {
    FormatMailResult(&report->rows[i], result);
    AddTwoColumnRow(list, report->rows[i].account, result);
  }
  FitResultColumn(list);
}

// Read by the clock's thread, which brings the notice forward.
static HWND volatile openNotice;

HWND OpenMailNotice() { return openNotice; }

// The report comes with the dialog's own start message: it belongs to
// the check's thread.
static INT_PTR CALLBACK MailArrivalProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    FillNotice(dialog, (const MailReport*)lParam);
    openNotice = dialog;
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    // The notice never set openDialog, so it leaves it alone.
    openNotice = NULL;
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

void MailArrivalDialog(HWND owner, const MailReport* report) {
  InitListViewControls();
  ShowDialog(IDD_MAIL_ARRIVAL, owner, MailArrivalProc, (LPARAM)report);
}
