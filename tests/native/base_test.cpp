#include "base/cp932.h"
#include "base/file_bytes.h"
#include "base/format_text.h"
#include "base/paths.h"
#include "base/safe_replace.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// ソ is 83 5C and 表 is 95 5C in code page 932: the second byte is a backslash.
const char kSo[] = "\x83\x5C";
const char kHyo[] = "\x95\x5C";

TEST(Cp932, CutCopyNeverSplitsACharacter) {
  std::string text = std::string("ab") + kSo + kHyo;
  char out[5];
  EXPECT_EQ(4u, CopyTextCut(out, sizeof out, text.c_str()));  // 表 does not fit whole
  EXPECT_EQ(std::string("ab") + kSo, out);
  char small[4];
  EXPECT_EQ(2u, CopyTextCut(small, sizeof small, text.c_str()));
  EXPECT_STREQ("ab", small);
  char one[1];
  EXPECT_EQ(0u, CopyTextCut(one, 1, "abc"));
  EXPECT_STREQ("", one);
  EXPECT_EQ(2u, CopyTextCut(out, sizeof out, "a\x83"));  // a lone lead byte at the end is kept
}

}  // namespace

namespace {

TEST(Cp932, SpanCopyStopsAtTheSpanAndNeverReadsPastIt) {
  std::string text = std::string("ab") + kSo + "cd";
  char out[16];
  EXPECT_EQ(3u, CopySpanCut(out, sizeof out, text.c_str(), 3));  // ソ's lead byte alone
  EXPECT_EQ(std::string("ab\x83"), out);
  EXPECT_EQ(4u, CopySpanCut(out, sizeof out, text.c_str(), 4));
  EXPECT_EQ(std::string("ab") + kSo, out);
  char small[4];
  EXPECT_EQ(2u, CopySpanCut(small, sizeof small, text.c_str(), 6));
  EXPECT_STREQ("ab", small);
  const char unterminated[3] = {'x', 'y', 'z'};
  EXPECT_EQ(2u, CopySpanCut(out, sizeof out, unterminated, 2));
  EXPECT_STREQ("xy", out);
}

}  // namespace

// The program's own formatter against the C library's, for the forms the
// program writes, at every buffer size: the same text, the same cut, the
// same length returned.
namespace {

template <typename... Values>
void ExpectAsSnprintf(const char* format, Values... values) {
  char expected[64], got[sizeof expected + 1];
  int length = snprintf(expected, sizeof expected, format, values...);
  ASSERT_LT(length, (int)sizeof expected);
  for (size_t size = 0; size <= (size_t)length + 1; size++) {
    memset(got, '#', sizeof got);
    ASSERT_EQ(length, FormatText(got, size, format, values...)) << format << " in " << size;
    if (size == 0) {
      EXPECT_EQ('#', got[0]);
      continue;
    }
    snprintf(expected, size, format, values...);
    EXPECT_STREQ(expected, got) << format << " in " << size;
    EXPECT_EQ('#', got[size]) << "wrote past " << size;
  }
}

TEST(FormatText, WritesWhatSnprintfWritesAndCutsWhereItCuts) {
  const int ints[] = {0, 7, -7, 59, 100, 1234567, 12345678, INT_MAX, INT_MIN};
  for (int v : ints) {
    ExpectAsSnprintf("%d", v);
    ExpectAsSnprintf("%2d/%02d:%3d%%", v, v, v);
    ExpectAsSnprintf("%7dMB", v);
    ExpectAsSnprintf("%u", (unsigned)v);
  }
  const long long wide[] = {0, 3145728, 9007199254740991LL, -9007199254740991LL, LLONG_MAX,
                            LLONG_MIN};
  for (long long v : wide) ExpectAsSnprintf("%lld KB", v);
  ExpectAsSnprintf("%llu", ULLONG_MAX);
  ExpectAsSnprintf("%s:%u", "pop.example.jp", 995u);
  ExpectAsSnprintf("%s%s\n", "", "host:110");
  ExpectAsSnprintf("%d,%d,%.*s,|%.*s|", 1, 2, 3, "abcdef", 0, "abc");
  ExpectAsSnprintf("%.*s|", 9, "ab");
  ExpectAsSnprintf("CPU: --%%");
  for (unsigned long code : {0x2CUL, 0xE9UL, 0xC2DCUL, 0x1F600UL, 0x10FFFFUL})
    ExpectAsSnprintf("<U+%04lX>", code);
}

TEST(FormatText, CutsBetweenCharactersAndStillTellsTheWholeLength) {
  char out[8];
  std::string text = std::string("a") + kSo + kHyo;  // five bytes
  // 表 would need bytes 3 and 4 of the five that fit before the NUL
  EXPECT_EQ(8, FormatText(out, 5, "%s%s", text.c_str(), "xyz"));
  EXPECT_EQ(std::string("a") + kSo, out);
  // A double-byte format literal is cut whole too, and nothing after it is written.
  EXPECT_EQ(6, FormatText(out, 4, "%d" "\x83\x5C" "%s", 12, "ab"));
  EXPECT_STREQ("12", out);
}

}  // namespace

// Whole-file reading and the safe replacement, on real files in a folder
// of the test's own; the replacement's system calls are stand-ins that
// behave as Windows does (a plain move never overwrites), can be told to
// fail, and can lose the power at any step.
namespace files {

std::string folder;
int oneStep = 1;    // 1 works, 0 fails (file busy), -1 not implemented
int busyMoves = 0;  // moves into NAME that fail before one works
int cutAt = -1;     // the step at which the power goes; -1 never
int removeWorks = 1;
int step = 0;
std::vector<std::string> calls;

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }
int ReadFile(const std::string& path, size_t cap, FileBytes* bytes) {
  FILE* file = fopen(path.c_str(), "rb");
  if (!file) return FILE_MISSING;
  int read = ReadOpenFileBytes(file, cap, bytes);
  fclose(file);
  return read;
}
std::string Contents(const std::string& path) {
  FileBytes bytes;
  if (ReadFile(path, 1 << 20, &bytes) != FILE_READ_OK) return "<none>";
  std::string text(bytes.data, bytes.size);
  FreeFileBytes(&bytes);
  return text;
}
void Write(const std::string& path, const std::string& text) {
  FILE* f = fopen(path.c_str(), "wb");
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
}
bool EndsWith(const char* text, const char* end) {
  size_t n = strlen(text), m = strlen(end);
  return n >= m && strcmp(text + n - m, end) == 0;
}

// Counts a step of the write; 0 once the power is gone.
bool Powered(const char* name) {
  calls.push_back(name);
  return cutAt < 0 || step++ < cutAt;
}

int WriteFile(const char* path, const void* bytes, size_t size) {
  bool cutHere = cutAt >= 0 && step == cutAt;
  if (!Powered("write") && !cutHere) return 0;
  FILE* f = fopen(path, "wb");
  if (!f) return 0;
  size_t written = fwrite(bytes, 1, cutHere ? size / 2 : size, f);  // the cut halves it
  return fclose(f) == 0 && !cutHere && written == size;
}
int MoveReplacing(const char* from, const char* to) {
  if (!Powered("replace")) return 0;
  if (oneStep != 1) return oneStep;
  return rename(from, to) == 0;
}
int Move(const char* from, const char* to) {
  if (!Powered("move") || Exists(to) || (!EndsWith(to, ".new") && busyMoves-- > 0)) return 0;
  return rename(from, to) == 0;
}
int Remove(const char* path) { return Powered("remove") && removeWorks && unlink(path) == 0; }
void Sleep(int) { calls.push_back("sleep"); }
const ReplaceOps kOps = {MoveReplacing, Move, Remove, Sleep, WriteFile, fopen};

struct Folder {
  std::string path;
  Folder() {
    char name[] = "/tmp/zt-files-XXXXXX";
    path = mkdtemp(name);
    folder = path;
    oneStep = 1;
    busyMoves = 0;
    removeWorks = 1;
    cutAt = -1;
    step = 0;
    calls.clear();
  }
  ~Folder() {
    std::string command = "rm -rf '" + path + "'";
    EXPECT_EQ(0, system(command.c_str()));
  }
  std::string File(const char* name) const { return path + "/" + name; }
};

std::string WholeCopy(const std::string& path) {
  FileBytes bytes;
  if (ReadWholeCopy(path.c_str(), 1 << 20, &kOps, &bytes) != FILE_READ_OK) return "<none>";
  std::string text(bytes.data, bytes.size);
  FreeFileBytes(&bytes);
  return text;
}

// What a reader finds once it has finished an interrupted rewrite.
std::string ReadAsReaders(const std::string& path) {
  EXPECT_EQ(1, FinishReplacement(path.c_str(), &kOps));
  return WholeCopy(path);
}

TEST(Paths, DataFilePathsFitOrLeaveNothing) {
  char out[PATH_SIZE];
  // The system's limit, in characters.
  std::string folder(200, 'f');
  EXPECT_EQ(1, JoinText(out, sizeof out, folder.c_str(), "\\", std::string(58, 'n').c_str()));
  EXPECT_EQ(SYSTEM_PATH_UNITS - 1u, strlen(out));
  EXPECT_EQ(0, JoinText(out, sizeof out, folder.c_str(), "\\", std::string(59, 'n').c_str()));
  EXPECT_STREQ("", out);
  EXPECT_EQ(0, DataFilePath((folder + "\\").c_str(), std::string(55, 'n').c_str(), ".evt", out));
  EXPECT_STREQ("", out);
  // A rewritten file is refused where it fits but the files beside it
  // would not; where it is taken, every one of them fits.
  std::string deep = std::string(242, 'd') + "\\";
  EXPECT_EQ(1, DataFilePath((deep + "d").c_str(), "ZENTICK", ".mld", out));
  EXPECT_EQ(0, RewrittenFilePath((deep + "d").c_str(), "ZENTICK", ".mld", out));
  EXPECT_STREQ("", out);
  ASSERT_EQ(1, RewrittenFilePath(deep.c_str(), "ZENTICK", ".mld", out));
  char side[PATH_SIZE];
  for (const char* suffix : {".new", ".tmp", ".lock"})
    EXPECT_EQ(1, SideFilePath(out, suffix, side)) << suffix;
}

TEST(FileBytes, ReadsWholeFilesUpToTheCap) {
  Folder f;
  std::string big(10000, 'x');
  Write(f.File("big"), big);
  FileBytes bytes;
  ASSERT_EQ(FILE_READ_OK, ReadFile(f.File("big"), 10000, &bytes));
  EXPECT_EQ(big, std::string(bytes.data, bytes.size));
  EXPECT_EQ(0, bytes.data[bytes.size]);
  FreeFileBytes(&bytes);
  EXPECT_EQ(FILE_TOO_BIG, ReadFile(f.File("big"), 9999, &bytes));
  EXPECT_EQ(nullptr, bytes.data);
  Write(f.File("empty"), "");
  ASSERT_EQ(FILE_READ_OK, ReadFile(f.File("empty"), 100, &bytes));
  EXPECT_EQ(0u, bytes.size);
  FreeFileBytes(&bytes);
}

TEST(SafeReplace, OneStepMoveRetriedWhileTheFileIsBusy) {
  Folder f;
  std::string path = f.File("ZENTICK.evt");
  Write(path, "old");
  oneStep = 0;
  EXPECT_EQ(0, ReplaceFileContents(path.c_str(), "new", 3, &kOps));
  EXPECT_EQ("old", Contents(path));
  EXPECT_FALSE(Exists(path + ".tmp"));
  EXPECT_FALSE(Exists(path + ".new"));
  EXPECT_EQ(REPLACE_TRIES, std::count(calls.begin(), calls.end(), "replace"));
  oneStep = 1;
  EXPECT_EQ(1, ReplaceFileContents(path.c_str(), "new", 3, &kOps));
  EXPECT_EQ("new", Contents(path));
}

TEST(SafeReplace, WithoutAOneStepMoveTheOldFileGoesOnlyOnceTheNewIsWhole) {
  Folder f;
  std::string path = f.File("ZENTICK.mld");
  // No old file: the new one simply moves in.
  oneStep = -1;
  EXPECT_EQ(1, ReplaceFileContents(path.c_str(), "first", 5, &kOps));
  EXPECT_EQ("first", Contents(path));
  // An old file: the new one becomes NAME.new, the old one is deleted,
  // NAME.new moves in.
  calls.clear();
  EXPECT_EQ(1, ReplaceFileContents(path.c_str(), "second", 6, &kOps));
  EXPECT_EQ("second", Contents(path));
  EXPECT_EQ((std::vector<std::string>{"write", "replace", "remove", "move", "remove", "move"}),
            calls);
  // The old file cannot be deleted: it stays as it was, and is what is read.
  removeWorks = 0;
  EXPECT_EQ(0, ReplaceFileContents(path.c_str(), "third", 5, &kOps));
  EXPECT_EQ("second", ReadAsReaders(path));
  // Deleted, but the move keeps failing: the new contents wait whole in
  // NAME.new, and that counts as written, for every reader reads them.
  removeWorks = 1;
  busyMoves = 1000;
  EXPECT_EQ(1, ReplaceFileContents(path.c_str(), "fourth", 6, &kOps));
  EXPECT_FALSE(Exists(path));
  EXPECT_EQ("fourth", WholeCopy(path));
  // While NAME.new cannot move in, it is the only copy: no write touches it.
  EXPECT_EQ(0, FinishReplacement(path.c_str(), &kOps));
  EXPECT_EQ(0, ReplaceFileContents(path.c_str(), "fifth", 5, &kOps));
  EXPECT_EQ("fourth", Contents(path + ".new"));
  // Once it can, the next write first moves it in, then replaces it.
  busyMoves = 0;
  calls.clear();
  EXPECT_EQ(1, ReplaceFileContents(path.c_str(), "sixth", 5, &kOps));
  EXPECT_EQ("sixth", Contents(path));
  EXPECT_EQ(
      (std::vector<std::string>{"move", "write", "replace", "remove", "move", "remove", "move"}),
      calls);
}

// The power goes after any one step of a rewrite, the first write of the
// file included, on either kind of system: once it is back, a reader finds
// one whole copy, the old one or the new, and the next rewrite works.
TEST(SafeReplace, ACutAtAnyStepLeavesOneWholeCopy) {
  const std::string before = "the old contents\n", after = "the new contents, rather longer\n";
  for (int moveKind : {1, -1})
    for (bool firstWrite : {true, false})
      for (int cut = 0;; cut++) {
        SCOPED_TRACE(testing::Message()
                     << "move " << moveKind << ", first " << firstWrite << ", cut at step " << cut);
        Folder f;
        std::string path = f.File("ZENTICK.mld");
        if (!firstWrite) Write(path, before);
        oneStep = moveKind;
        cutAt = cut;
        ReplaceFileContents(path.c_str(), after.data(), after.size(), &kOps);
        bool cutReached = step > cut;
        cutAt = -1;
        std::string read = ReadAsReaders(path);
        EXPECT_TRUE(read == after || read == (firstWrite ? "<none>" : before)) << read;
        EXPECT_EQ(1, ReplaceFileContents(path.c_str(), "again", 5, &kOps));
        EXPECT_EQ("again", Contents(path));
        EXPECT_FALSE(Exists(path + ".new"));
        EXPECT_FALSE(Exists(path + ".tmp"));
        if (!cutReached) break;
      }
}

TEST(SafeReplace, AFailedWriteTouchesNothing) {
  Folder f;
  std::string path = f.File("ZENTICK.evt");
  Write(path, "old");
  ASSERT_EQ(0, mkdir((path + ".tmp").c_str(), 0700));  // the new file cannot be made
  EXPECT_EQ(0, ReplaceFileContents(path.c_str(), "new", 3, &kOps));
  EXPECT_EQ("old", Contents(path));
  EXPECT_EQ((std::vector<std::string>{"write", "remove"}), calls);
  // Without NAME, a folder named NAME.new is nothing to finish or read.
  unlink(path.c_str());
  ASSERT_EQ(0, mkdir((path + ".new").c_str(), 0700));
  EXPECT_EQ("<none>", ReadAsReaders(path));
  EXPECT_FALSE(Exists(path));
}

}  // namespace files
