// The list of settings against the settings file the design lays out, and
// the product's sources against the list: no key is spelled anywhere else.
#include <gtest/gtest.h>

#include <fstream>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "settings/setting_list.h"

namespace {

// Each section with its keys and the value a key has when absent: "?"
// where the placement works it out, "" for a text. A star marks what the
// clock holds from start-up.
const char kDesignedFile[] =
    "[WINDOW] POSX=? POSY=? POSLOCK*=0 FVMOVE*=0 TOP*=0 BOTTOM*=0 WNDHIDE*=0 SIZE*=100 "
    "OPACITY*=100\n"
    "[EXT] SOUND*=0 SOUNDFILE=\"\" TRAY*=0\n"
    "[OBJECT] NONSEC*=0 NDHIDE=0 DIGINFO=0 DESIGN=1 BOOLD=0 NULLBRS=0 HCOL=0 MCOL=0 SCOL=0 "
    "HCOLB=16777215 MCOLB=16777215 SCOLB=16777215 SMOOTH=1\n"
    "[IMAGE] FILE=\"\" BOOT_CHANGE*=0 TIME_CHANGE*=0 CHANGE_MIN*=60 CHANGE_RND*=0 LAST_NUM*=-1\n"
    "[MAIL] ALLOW_CHECK*=0 CHECK_TIME*=30 USE_SOUND*=0 CHECK_LAN=0 SOUNDFILE=\"\" "
    "TLS_REQUIRED=0\n"
    "[WALLPAPER] AUTO_CHANGE*=0 CHANGE_TIME*=60 LAST_NUM*=-1 FOLDER_PATH=\"\" LAST_FILE=\"\" "
    "AUTO_CLOSE=0 TRANSLATE=0\n";

const SettingRow* RowFor(const std::string& section, const std::string& key) {
  const SettingRow* found = nullptr;
  for (int i = 0; i < SETTING_COUNT; i++) {
    const SettingRow* row = SettingRowOf((Setting)i);
    if (section == row->section && key == row->key) {
      EXPECT_EQ(nullptr, found) << section << " " << key << " has two rows";
      found = row;
    }
  }
  return found;
}

TEST(SettingList, HoldsEveryKeyOfTheDesignedFileWithItsDefault) {
  std::istringstream lines(kDesignedFile);
  std::string line;
  int keys = 0;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string section, word;
    words >> section;
    section = section.substr(1, section.size() - 2);
    while (words >> word) {
      SCOPED_TRACE(section + " " + word);
      size_t equals = word.find('=');
      bool held = word[equals - 1] == '*';
      std::string key = word.substr(0, equals - held), value = word.substr(equals + 1);
      const SettingRow* row = RowFor(section, key);
      ASSERT_NE(nullptr, row);
      keys++;
      EXPECT_EQ(held, row->held != 0);
      EXPECT_STRNE("", row->meaning);
      if (value == "?") {
        EXPECT_EQ(SETTING_PLACE, row->type);
      } else if (value == "\"\"") {
        EXPECT_EQ(SETTING_TEXT, row->type);
      } else {
        EXPECT_EQ(std::stoi(value), row->initial);
      }
    }
  }
  EXPECT_EQ(SETTING_COUNT, keys);  // and no row the design lacks
}

// The string literals of C++ or resource text as the compiler sees them:
// comments left out, escapes decoded, adjacent literals joined.
std::vector<std::string> Literals(const std::string& text) {
  std::vector<std::string> found;
  bool joining = false;
  size_t i = 0, n = text.size();
  while (i < n) {
    char c = text[i];
    if (text.compare(i, 2, "//") == 0) {
      i = text.find('\n', i);
      if (i == std::string::npos) break;
    } else if (text.compare(i, 2, "/*") == 0) {
      i = text.find("*/", i + 2);
      if (i == std::string::npos) break;
      i += 2;
    } else if (c == '"' || c == '\'') {
      std::string value;
      bool raw = c == '"' && i > 0 && text[i - 1] == 'R';
      if (raw) {
        size_t open = text.find('(', i);
        std::string end = ")" + text.substr(i + 1, open - i - 1) + "\"";
        size_t close = text.find(end, open);
        if (close == std::string::npos) break;
        value = text.substr(open + 1, close - open - 1);
        i = close + end.size();
      } else {
        for (i++; i < n && text[i] != c; i++) {
          if (text[i] != '\\' || i + 1 >= n) {
            value += text[i];
            continue;
          }
          char e = text[++i];
          int base = e == 'x' ? 16 : e >= '0' && e <= '7' ? 8 : 0;
          if (!base) {
            value += e == 'n' ? '\n' : e == 't' ? '\t' : e;
            continue;
          }
          size_t start = base == 16 ? i + 1 : i, end = start;
          while (end < n && end - start < (base == 8 ? 3u : 8u) &&
                 std::isxdigit((unsigned char)text[end]) && (base == 16 || text[end] <= '7'))
            end++;
          value += (char)std::stoi(text.substr(start, end - start), nullptr, base);
          i = end - 1;
        }
        i++;
      }
      if (c == '\'') {
        joining = false;
      } else if (joining) {
        found.back() += value;
      } else {
        found.push_back(value);
        joining = true;
      }
      continue;
    } else if (!std::isspace((unsigned char)c)) {
      joining = false;
      i++;
    } else {
      i++;
    }
  }
  return found;
}

std::string Upper(std::string s) {
  size_t first = s.find_first_not_of(" \t\r\n"), last = s.find_last_not_of(" \t\r\n");
  s = first == std::string::npos ? "" : s.substr(first, last - first + 1);
  for (char& c : s) c = (char)std::toupper((unsigned char)c);
  return s;
}

TEST(SettingList, ReadsLiteralsAsTheCompilerJoinsThem) {
  std::vector<std::string> seen =
      Literals("f(\"POS\" /* x */ \"LOCK\", 'a', \"\\x50OS\\130\"); // \"TOP\"\nR\"z(BOT\"TOM)z\"");
  EXPECT_EQ((std::vector<std::string>{"POSLOCK", "POSX", "BOT\"TOM"}), seen);
}

// The settings file looks keys and sections up in any case, so "poslock"
// or "POS" "LOCK" would be the same key spelled again.
TEST(SettingList, NoKeyOrSectionIsSpelledOutsideTheList) {
  namespace fs = std::filesystem;
  const fs::path root = ZT_SOURCE_DIR;
  std::vector<std::string> names;
  for (int i = 0; i < SETTING_COUNT; i++) {
    names.push_back(SettingRowOf((Setting)i)->key);
    names.push_back(SettingRowOf((Setting)i)->section);
  }
  // The product's folders, as the build lists them, and its resources.
  std::ifstream lists(root / "CMakeLists.txt");
  std::string cmake((std::istreambuf_iterator<char>(lists)), std::istreambuf_iterator<char>());
  std::smatch folders;
  ASSERT_TRUE(std::regex_search(cmake, folders, std::regex("foreach\\(sub ([^)]*)\\)")));
  std::istringstream folderNames(folders[1].str() + " res");
  std::string folder;
  int files = 0;
  while (folderNames >> folder) {
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      std::string extension = entry.path().extension().string();
      if (extension != ".cpp" && extension != ".h" && extension != ".rc") continue;
      if (entry.path() == root / "settings" / "setting_list.h") continue;
      files++;
      std::ifstream in(entry.path(), std::ios::binary);
      std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      for (const std::string& literal : Literals(text))
        for (const std::string& name : names)
          EXPECT_NE(name, Upper(literal)) << fs::relative(entry.path(), root).string();
    }
  }
  EXPECT_GT(files, 100);
}

}  // namespace
