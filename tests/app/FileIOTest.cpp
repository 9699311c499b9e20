// readFileBytes and writeFileAtomically: byte-exact content, permissions, and
// failures that leave the old file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/core/FileIO.h"
#include "tests/app/TempFolder.h"

namespace morvane {
namespace {

using morvane::testing::TempFolder;
namespace fs = std::filesystem;

fs::perms permissionsOf(const fs::path& file) { return fs::status(file).permissions() & fs::perms::all; }

TEST(FileIO, RoundTripsEveryByteValue) {
  TempFolder folder;
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  const auto file = folder / "all.bin";
  writeFileAtomically(file, bytes);
  EXPECT_EQ(readFileBytes(file), bytes);
  writeFileAtomically(file, "");
  EXPECT_EQ(readFileBytes(file), "");
  EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(FileIO, NewFilesFollowTheUmaskAndOldFilesKeepTheirPermissions) {
  TempFolder folder;
  const mode_t oldMask = ::umask(022);
  writeFileAtomically(folder / "new.pas", "x");
  ::umask(oldMask);
  EXPECT_EQ(permissionsOf(folder / "new.pas"), fs::perms(0644));

  const auto file = folder.write("old.pas", "old");
  fs::permissions(file, fs::perms(0600));
  writeFileAtomically(file, "new");
  EXPECT_EQ(readFileBytes(file), "new");
  EXPECT_EQ(permissionsOf(file), fs::perms(0600));
}

TEST(FileIO, FailuresNameTheFileAndLeaveItAlone) {
  TempFolder folder;
  const auto readOnly = folder.write("ro.pas", "keep");
  fs::permissions(readOnly, fs::perms(0444));
  EXPECT_THROW(writeFileAtomically(readOnly, "lost"), std::runtime_error);
  EXPECT_EQ(TempFolder::read(readOnly), "keep");

  try {
    writeFileAtomically(folder / "no" / "such" / "folder.pas", "x");
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("folder.pas"), std::string::npos) << e.what();
  }
  EXPECT_THROW(writeFileAtomically(folder.path(), "x"), std::runtime_error);
  EXPECT_EQ(folder.entryCount(), 1u);

  try {
    readFileBytes(folder / "missing.c");
    FAIL() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("missing.c"), std::string::npos) << e.what();
  }
  EXPECT_THROW(readFileBytes(folder.path()), std::runtime_error);
}

}  // namespace
}  // namespace morvane
