// Control identifiers of the event dialog, shared with the resource script.
#pragma once

#define IDC_EVENT_LIST 1000
#define IDC_EVENT_DELETE 1016
#define IDC_EVENT_REGISTER 1017
#define IDC_EVENT_DELETE_ALL 1019
#define IDC_EVENT_MONTH 1031
#define IDC_EVENT_DAY 1032
#define IDC_EVENT_HOUR 1033
#define IDC_EVENT_MINUTE 1034
#define IDC_EVENT_ACTION 1037
#define IDC_EVENT_PARAMETER 1038
#define IDC_EVENT_BROWSE 1040
