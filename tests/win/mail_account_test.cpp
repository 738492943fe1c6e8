// The account file on disk: a failed rewrite keeps the file, deleting
// the last account leaves an empty file.
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
  std::string blocker = path + ".tmp";
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

}  // namespace
