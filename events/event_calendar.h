// The day combo of the event dialog: how many days a month index offers
// and which entry stays selected when it is refilled.
#pragma once

// Index 0 is every month and offers 31 days; February always offers 29,
// as no year is stored.
int DayCountOfMonth(int monthIndex);

// The day entry to select after a refill (entry 0 is every day): today
// when nothing was selected (oldSelection < 0), the last day when the old
// one no longer exists, otherwise the old one.
int ChooseDaySelection(int oldSelection, int dayCount, int today);
