// The account file operations on disk: a failed rewrite keeps the file,
// deleting the last account leaves an empty file, reads never overflow.
#include <gtest/gtest.h>

#include "mail/account_file.h"
#include "win_support.h"

namespace {

TEST(AccountFile, FailedRewriteLeavesTheFileAsItWas) {
  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.mld";
  std::string file = "\xA1,\xA2,\xA3,\xA4,\n\xB1,\xB2,\xB3,\xB4,\n";
  folder.WriteDataFile("ZENTICK.mld", file);
  // Nothing can be written where the new file would go.
  std::string blocker = path + ".new";
  ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), NULL));
  DeleteAccount(path.c_str(), 0);
  EXPECT_EQ(file, folder.ReadDataFile("ZENTICK.mld"));
  RemoveDirectoryA(blocker.c_str());

  DeleteAccount(path.c_str(), 0);
  EXPECT_EQ("\xB1,\xB2,\xB3,\xB4,\n", folder.ReadDataFile("ZENTICK.mld"));
  DeleteAccount(path.c_str(), 5);  // no such line: nothing changes
  EXPECT_EQ("\xB1,\xB2,\xB3,\xB4,\n", folder.ReadDataFile("ZENTICK.mld"));
  DeleteAccount(path.c_str(), 0);
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
  EXPECT_EQ("", folder.ReadDataFile("ZENTICK.mld"));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(blocker.c_str()));
}

TEST(AccountFile, ReadAccountTakesHandEditedLinesSafely) {
  TempDataFolder folder;
  std::string path = folder.DataDir() + "ZENTICK.mld";
  AccountEntry entry;
  ReadAccount(path.c_str(), 0, &entry);  // no file
  EXPECT_STREQ("", entry.name);

  std::string longField(150, '\xA1');  // "a" * 150, scrambled
  folder.WriteDataFile("ZENTICK.mld", "\xA1\n" + longField + "," + longField + ",\n\xA2,\xA3");
  ReadAccount(path.c_str(), 0, &entry);
  EXPECT_STREQ("a", entry.name);
  EXPECT_STREQ("", entry.server);
  ReadAccount(path.c_str(), 1, &entry);
  EXPECT_EQ(std::string(31, 'a'), entry.name);
  EXPECT_EQ(std::string(60, 'a'), entry.server);  // the line breaks at 211 bytes
  ReadAccount(path.c_str(), 3, &entry);
  EXPECT_STREQ("b", entry.name);
  EXPECT_STREQ("c", entry.server);
  ReadAccount(path.c_str(), 9, &entry);
  EXPECT_STREQ("", entry.name);
}

}  // namespace
