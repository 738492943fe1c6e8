#include "events/event_calendar.h"

int DayCountOfMonth(int monthIndex) {
  switch (monthIndex) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return 29;
    default:
      return 31;
  }
}

int ChooseDaySelection(int oldSelection, int dayCount, int today) {
  int day = oldSelection < 0 ? today : oldSelection;
  return day > dayCount ? dayCount : day;
}
