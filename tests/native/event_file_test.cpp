// Event lines: parsing, matching, what a due run does, and line removal.
#include <gtest/gtest.h>

#include <string>

#include "events/event_calendar.h"
#include "events/event_line.h"
#include "events/event_plan.h"
#include "events/event_text.h"

namespace {

const char kSo[] = "\x83\x5C";  // a double-byte character ending in a backslash byte

EventEntry Parse(const std::string& line, int* complete = nullptr) {
  EventEntry e;
  memset(&e, 0x55, sizeof e);
  int ok = ParseEventLine(line.c_str(), &e);
  if (complete) *complete = ok;
  return e;
}

TEST(EventLine, ParsesFieldsAsTheDialogWritesThem) {
  int complete = 0;
  EventEntry e = Parse("12,24,18,0,1,Merry,\n", &complete);
  EXPECT_EQ(1, complete);
  EXPECT_EQ(12, e.month);
  EXPECT_EQ(24, e.day);
  EXPECT_EQ(18, e.hour);
  EXPECT_EQ(0, e.minute);
  EXPECT_EQ(EVENT_MESSAGE, e.action);
  EXPECT_STREQ("Merry", e.parameter);
}

TEST(EventLine, HandEditedFieldsFollowTheSplittingRule) {
  // Runs of commas are one separator, also at the start.
  EXPECT_STREQ("hi", Parse(",,1,,,2,3,4,1,,hi,,\n").parameter);
  EXPECT_EQ(2, Parse(",,1,,,2,3,4,1,,hi,,\n").day);
  // Numbers stop at the first non-digit; no number at all gives 0.
  EventEntry e = Parse("7x,abc,-3,+5,1 ,text\r\n");
  EXPECT_EQ(7, e.month);
  EXPECT_EQ(0, e.day);
  EXPECT_EQ(0, e.hour);
  EXPECT_EQ(0, e.minute);
  EXPECT_EQ(1, e.action);
  EXPECT_STREQ("text", e.parameter);  // no CR or LF kept without a trailing comma
  // A comma cuts the parameter.
  EXPECT_STREQ("Hello", Parse("0,0,7,30,1,Hello, world,\n").parameter);
  // Digits beyond any field's range saturate instead of overflowing.
  EXPECT_GT(Parse("99999999999999999999,0,0,0,0,x,").month, 1000000);
}

TEST(EventLine, ShortLinesAreIncompleteAndFilledWithZeros) {
  int complete = 1;
  EventEntry e = Parse("3,4,5\n", &complete);
  EXPECT_EQ(0, complete);
  EXPECT_EQ(5, e.hour);
  EXPECT_EQ(0, e.minute);
  EXPECT_EQ(0, e.action);
  EXPECT_STREQ("", e.parameter);
  Parse("", &complete);
  EXPECT_EQ(0, complete);
  Parse("0,0,7,5,1,,,\n", &complete);  // no parameter at all
  EXPECT_EQ(0, complete);
}

TEST(EventLine, OverlongParameterIsCutWholeCharacters) {
  std::string text = "ab";
  for (int i = 0; i < 200; i++) text += kSo;  // 402 bytes
  EventEntry e = Parse("0,0,1,1,1," + text + ",\n");
  EXPECT_EQ(258u, strlen(e.parameter));  // the 129th character would end at byte 260
  EXPECT_EQ(text.substr(0, 258), e.parameter);
}

TEST(EventLine, FormatMatchesTheStoredLayoutAndParsesBack) {
  EventEntry e = {0, 0, 7, 5, EVENT_MESSAGE, "message"};
  char out[EVENT_LINE_SIZE];
  EXPECT_EQ(19u, FormatEventLine(&e, out, sizeof out));
  EXPECT_STREQ("0,0,7,5,1,message,\n", out);
  // A line break in the text would split the event in two lines.
  strcpy(e.parameter, "two\nlines");
  FormatEventLine(&e, out, sizeof out);
  EXPECT_STREQ("0,0,7,5,1,two,\n", out);
  // The longest parameter fits the reader's line.
  memset(e.parameter, 'x', 259);
  e.parameter[259] = 0;
  e.month = 12;
  e.day = 31;
  e.hour = 23;
  e.minute = 59;
  e.action = EVENT_SHUTDOWN_FORCED;
  EXPECT_EQ(275u, FormatEventLine(&e, out, sizeof out));
  EventEntry back = Parse(out);
  EXPECT_EQ(std::string(259, 'x'), back.parameter);
  EXPECT_EQ(0u, FormatEventLine(&e, out, 40));
  EXPECT_STREQ("", out);
}

TEST(EventLine, DateColumnShowsStoredTextOrTheEveryWords) {
  char out[64];
  FormatEventWhen("0,0,7,5,1,message,\n", "EVERY-M", "EVERY-D", out, sizeof out);
  EXPECT_STREQ("EVERY-M/EVERY-D 7:5", out);
  FormatEventWhen("012,3x,23,59,0,a,\n", "M", "D", out, sizeof out);
  EXPECT_STREQ("012/3x 23:59", out);
  FormatEventWhen("00,x,1,2,0,a,\n", "M", "D", out, sizeof out);  // values 0
  EXPECT_STREQ("M/D 1:2", out);
  std::string longMonth(100, '1');
  FormatEventWhen((longMonth + ",1,2,3,0,a,").c_str(), "M", "D", out, sizeof out);
  EXPECT_EQ(std::string(16, '1') + "/1 2:3", out);
}

EventEntry Event(int month, int day, int hour, int minute) {
  EventEntry e = {month, day, hour, minute, EVENT_MESSAGE, "x"};
  return e;
}

TEST(EventMatch, FixedAndEveryParts) {
  EventTime dec24 = {12, 24, 18, 0};
  EventEntry every = Event(0, 0, 18, 0), fixed = Event(12, 24, 18, 0);
  EXPECT_TRUE(IsEventDue(&every, &dec24));
  EXPECT_TRUE(IsEventDue(&fixed, &dec24));
  EXPECT_FALSE(IsOneShotEvent(&every));
  EXPECT_TRUE(IsOneShotEvent(&fixed));
  EventEntry wrongMinute = Event(0, 0, 18, 1), wrongHour = Event(0, 0, 6, 0);
  EXPECT_FALSE(IsEventDue(&wrongMinute, &dec24));
  EXPECT_FALSE(IsEventDue(&wrongHour, &dec24));
  // Every day of December; the 24th of every month.
  EventEntry december = Event(12, 0, 18, 0), the24th = Event(0, 24, 18, 0);
  EXPECT_TRUE(IsEventDue(&december, &dec24));
  EXPECT_TRUE(IsEventDue(&the24th, &dec24));
  EXPECT_FALSE(IsOneShotEvent(&december));
  EXPECT_FALSE(IsOneShotEvent(&the24th));
  EventTime nov24 = {11, 24, 18, 0}, dec25 = {12, 25, 18, 0};
  EXPECT_FALSE(IsEventDue(&december, &nov24));
  EXPECT_FALSE(IsEventDue(&the24th, &dec25));
}

TEST(EventMatch, DaysThatOnlySomeMonthsOrYearsHave) {
  EventEntry day31 = Event(0, 31, 9, 0), feb29 = Event(2, 29, 9, 0);
  EventTime jan31 = {1, 31, 9, 0}, apr30 = {4, 30, 9, 0}, may1 = {5, 1, 9, 0};
  EXPECT_TRUE(IsEventDue(&day31, &jan31));
  EXPECT_FALSE(IsEventDue(&day31, &apr30));
  EXPECT_FALSE(IsEventDue(&day31, &may1));
  EventTime feb28 = {2, 28, 9, 0}, mar1 = {3, 1, 9, 0}, leapDay = {2, 29, 9, 0};
  EXPECT_FALSE(IsEventDue(&feb29, &feb28));
  EXPECT_FALSE(IsEventDue(&feb29, &mar1));
  EXPECT_TRUE(IsEventDue(&feb29, &leapDay));
}

// A plan that frees itself.
struct Plan : DuePlan {
  Plan(const std::string& text, EventTime now) {
    EXPECT_TRUE(PlanDueEvents(text.data(), text.size(), &now, this));
  }
  ~Plan() { FreeDuePlan(this); }
  std::vector<size_t> Removals() const { return {removals, removals + removalCount}; }
};

TEST(EventPlan, ImmediateActionsInFileOrderDeferredOnesOnce) {
  std::string text =
      "0,0,7,30,1,first,\n"
      "0,0,7,30,3,OS,\n"
      "0,0,7,31,1,other minute,\n"
      "0,0,7,30,2,hang up,\n"
      "0,0,7,30,0,C:\\a.bat,\n"
      "0,0,7,30,2,hang up again,\n"
      "0,0,7,30,1,last,\n";
  Plan plan(text, {6, 1, 7, 30});
  ASSERT_EQ(3u, plan.immediateCount);
  EXPECT_STREQ("first", plan.immediate[0].parameter);
  EXPECT_EQ(EVENT_OPEN_FILE, plan.immediate[1].action);
  EXPECT_STREQ("C:\\a.bat", plan.immediate[1].parameter);
  EXPECT_STREQ("last", plan.immediate[2].parameter);
  EXPECT_EQ(1, plan.hangUp);
  EXPECT_EQ(SHUTDOWN_NORMAL, plan.shutdown);
  EXPECT_TRUE(plan.removalCount == 0);  // all repeating

  Plan quiet(text, {6, 1, 8, 30});
  EXPECT_TRUE(quiet.immediateCount == 0);
  EXPECT_EQ(0, quiet.hangUp);
  EXPECT_EQ(SHUTDOWN_NONE, quiet.shutdown);
}

TEST(EventPlan, LastShutdownLineDecidesTheKind) {
  EventTime now = {1, 1, 0, 0};
  EXPECT_EQ(SHUTDOWN_FORCED, Plan("0,0,0,0,3,a,\n0,0,0,0,4,b,\n", now).shutdown);
  EXPECT_EQ(SHUTDOWN_NORMAL, Plan("0,0,0,0,4,b,\n0,0,0,0,3,a,\n", now).shutdown);
}

TEST(EventPlan, FiredOneShotLinesAreMarkedEvenBeyondThe256th) {
  std::string text;
  for (int i = 0; i < 600; i++) {
    if (i % 100 == 0) text += "3,4,5,6,1,once,\n";  // one-shot, due
    else if (i % 100 == 1) text += "0,4,5,6,1,monthly,\n";  // repeating, due
    else if (i % 100 == 2) text += "3,4,5,6,9,unknown action,\n";  // one-shot, no action
    else text += "3,5,5,6,1,another day,\n";
  }
  Plan plan(text, {3, 4, 5, 6});
  std::vector<size_t> expected;
  for (size_t i = 0; i < 600; i += 100) {
    expected.push_back(i);
    expected.push_back(i + 2);
  }
  EXPECT_EQ(expected, plan.Removals());
  EXPECT_EQ(12u, plan.immediateCount);
}

TEST(EventPlan, IncompleteLinesNeverRun) {
  Plan plan("0,0,7,5\n0,0,7,5,3\n0,0,7,5,0,,,\n", {1, 1, 7, 5});
  EXPECT_TRUE(plan.immediateCount == 0);
  EXPECT_EQ(SHUTDOWN_NONE, plan.shutdown);
}

std::string Remove(std::string text, std::vector<size_t> indexes) {
  size_t n = RemoveTextLines(&text[0], text.size(), indexes.data(), indexes.size());
  return text.substr(0, n);
}

TEST(EventText, RemovalKeepsEveryOtherByte) {
  // A NUL byte and a lead byte before a line feed survive too.
  std::string text = std::string("a,\r\n") + "\n" + kSo + "\x83\n" + std::string("b\0z\n", 4) + "last";
  EXPECT_EQ(text, Remove(text, {}));
  EXPECT_EQ(text.substr(4), Remove(text, {0}));
  EXPECT_EQ(std::string("a,\r\n") + kSo + "\x83\n" + std::string("b\x00z\n", 4),
            Remove(text, {1, 4}));
  EXPECT_EQ("", Remove(text, {0, 1, 2, 3, 4}));
  EXPECT_EQ(text, Remove(text, {5, 99}));  // past the last line
  EXPECT_EQ("x\ny\n", Remove("x\nlong without feed\ny\n", {1}));
  EXPECT_EQ("", Remove("", {0}));
}

TEST(EventText, LinesAreReadBoundedAndCountedByLineFeeds) {
  std::string longLine = "0,0,1,1,1,ab";
  while (longLine.size() < 330) longLine += kSo;  // a character straddles the 323rd byte
  std::string text = longLine + ",\nnext,\n";
  char line[EVENT_LINE_SIZE];
  size_t pos = ReadEventLine(text.data(), text.size(), 0, line);
  EXPECT_EQ(longLine.size() + 2, pos);
  EXPECT_EQ(longLine.substr(0, 322), line);  // no half character at the cut
  pos = ReadEventLine(text.data(), text.size(), pos, line);
  EXPECT_STREQ("next,\n", line);
  EXPECT_EQ(text.size(), pos);
}

TEST(EventCalendar, DayCountsAndTheDaySelectionRule) {
  const int counts[13] = {31, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 0; m <= 12; m++) EXPECT_EQ(counts[m], DayCountOfMonth(m)) << m;
  EXPECT_EQ(17, ChooseDaySelection(-1, 31, 17));  // first fill: today
  EXPECT_EQ(29, ChooseDaySelection(31, 29, 31));  // to February
  EXPECT_EQ(29, ChooseDaySelection(29, 31, 31));  // back to every month: kept
  EXPECT_EQ(0, ChooseDaySelection(0, 30, 12));    // every day stays
  EXPECT_EQ(30, ChooseDaySelection(30, 30, 1));
}

}  // namespace
