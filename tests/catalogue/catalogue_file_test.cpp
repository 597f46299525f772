#include "catalogue/catalogue_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace redox {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;

class CatalogueFile : public testing::Test {
 protected:
  void SetUp() override {
    const std::string name = std::string("redox-catalogue-") +
                             testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                             std::to_string(::getpid());
    folder_ = fs::temp_directory_path() / name;
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = folder_ / kCatalogueFileName;
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }

  void writeBytes(const std::string& bytes) const {
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  std::string readBytes() const {
    std::ifstream file(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  std::vector<fs::path> folderContents() const {
    std::vector<fs::path> contents;
    for (const auto& item : fs::directory_iterator(folder_))
      contents.push_back(item.path().filename());
    return contents;
  }

  fs::path folder_;
  fs::path path_;
};

std::vector<std::string> numberedLines(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i) lines.push_back("Stoff " + std::to_string(i) + "#Fe");
  return lines;
}

std::string joined(const std::vector<std::string>& lines, const std::string& end) {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

TEST_F(CatalogueFile, ReadsEveryKindOfLineEnd) {
  const std::vector<std::pair<std::string, std::string>> files = {
      {"CR LF after every line", "Eisen#Fe\r\nChlor#Cl2\r\n"},
      {"no line end after the last line", "Eisen#Fe\r\nChlor#Cl2"},
      {"LF only", "Eisen#Fe\nChlor#Cl2\n"},
      {"CR only", "Eisen#Fe\rChlor#Cl2\r"},
  };
  for (const auto& [description, bytes] : files) {
    writeBytes(bytes);
    const CatalogueLoad load = loadCatalogue(path_);
    EXPECT_EQ(load.state, CatalogueFileState::Read) << description;
    EXPECT_THAT(load.lines, ElementsAre("Eisen#Fe", "Chlor#Cl2")) << description;
    ASSERT_EQ(load.catalogue.count(), 2) << description;
    EXPECT_EQ(load.catalogue.entry(1).formula, "Cl2") << description;
  }
}

TEST_F(CatalogueFile, KeepsHashesAndBlanksWhereTheyStand) {
  writeBytes("#\r\nName#A#B\r\n Blei # Pb2+ \r\n");
  const CatalogueLoad load = loadCatalogue(path_);
  ASSERT_EQ(load.catalogue.count(), 3);
  EXPECT_EQ(load.catalogue.entry(0).name, "");
  EXPECT_EQ(load.catalogue.entry(0).formula, "");
  EXPECT_EQ(load.catalogue.entry(1).name, "Name");
  EXPECT_EQ(load.catalogue.entry(1).formula, "A#B");
  EXPECT_EQ(load.catalogue.entry(2).name, " Blei ");
  EXPECT_EQ(load.catalogue.entry(2).formula, " Pb2+ ");
}

TEST_F(CatalogueFile, EmptyFileGivesEmptyCatalogue) {
  writeBytes("");
  const CatalogueLoad load = loadCatalogue(path_);
  EXPECT_EQ(load.state, CatalogueFileState::Read);
  EXPECT_EQ(load.catalogue.count(), 0);
  EXPECT_THAT(load.lines, IsEmpty());
}

TEST_F(CatalogueFile, HoldsExactlyItsCapacity) {
  writeBytes(joined(numberedLines(301), "\r\n"));
  const CatalogueLoad load = loadCatalogue(path_);
  EXPECT_EQ(load.catalogue.count(), 301);
  EXPECT_EQ(load.linesPastCapacity, 0);
}

TEST_F(CatalogueFile, KeepsLinesPastTheCapacityForTheEditList) {
  writeBytes(joined(numberedLines(303), "\r\n"));
  const CatalogueLoad load = loadCatalogue(path_);
  EXPECT_EQ(load.catalogue.count(), 301);
  EXPECT_EQ(load.catalogue.entry(300).name, "Stoff 301");
  EXPECT_EQ(load.linesPastCapacity, 2);
  EXPECT_EQ(load.lines.size(), 303U);
}

TEST_F(CatalogueFile, NamesLinesWithoutHashAndSkipsEmptyOnes) {
  writeBytes("Eisen#Fe\r\n\r\nKupfer Cu\r\nChlor#Cl2\r\n\r\nZink\r\n");
  const CatalogueLoad load = loadCatalogue(path_);
  EXPECT_THAT(load.linesWithoutHash, ElementsAre(3, 6));
  EXPECT_THAT(load.lines, ElementsAre("Eisen#Fe", "Kupfer Cu", "Chlor#Cl2", "Zink"));
  ASSERT_EQ(load.catalogue.count(), 2);
  EXPECT_EQ(load.catalogue.entry(1).name, "Chlor");
}

TEST_F(CatalogueFile, TellsAMissingFromAnUnreadableFile) {
  EXPECT_EQ(loadCatalogue(path_).state, CatalogueFileState::Missing);
  fs::create_directory(path_);
  const CatalogueLoad load = loadCatalogue(path_);
  EXPECT_EQ(load.state, CatalogueFileState::Unreadable);
  EXPECT_EQ(load.catalogue.count(), 0);
}

TEST_F(CatalogueFile, ReadsNothingButAPlainFile) {
  // A pipe would block the start; a device such as /dev/zero would never end.
  ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
  EXPECT_EQ(loadCatalogue(path_).state, CatalogueFileState::Unreadable);
  fs::remove(path_);
  fs::create_symlink("/dev/zero", path_);
  EXPECT_EQ(loadCatalogue(path_).state, CatalogueFileState::Unreadable);
  fs::remove(path_);
  fs::create_symlink("nirgends", path_);
  EXPECT_EQ(loadCatalogue(path_).state, CatalogueFileState::Missing);
}

TEST_F(CatalogueFile, WindowsBytesReadAndWriteBackByteIdentical) {
  const std::string bytes = "Schwefels\xE4ure#H2SO4\r\nEuro \x80 und \x81#X\r\n\xDF#\xFF\r\n";
  writeBytes(bytes);
  const CatalogueLoad load = loadCatalogue(path_);
  EXPECT_EQ(load.lines[0], "Schwefels\xC3\xA4ure#H2SO4");
  ASSERT_EQ(saveCatalogue(load.lines, path_).status, CatalogueSaveStatus::Saved);
  EXPECT_EQ(readBytes(), bytes);
}

TEST_F(CatalogueFile, WritesRowsInOrderWithCrLf) {
  writeBytes("alt#Fe");
  const CatalogueSaveResult result = saveCatalogue({"Zink#Zn", "ohne Raute", "Blei#Pb"}, path_);
  EXPECT_EQ(result.status, CatalogueSaveStatus::Saved);
  EXPECT_EQ(readBytes(), "Zink#Zn\r\nohne Raute\r\nBlei#Pb\r\n");
  EXPECT_THAT(folderContents(), ElementsAre(kCatalogueFileName));
}

TEST_F(CatalogueFile, RefusesARowWindowsCannotHoldBeforeWritingAnything) {
  writeBytes("alt#Fe\r\n");
  const CatalogueSaveResult result = saveCatalogue({"Eisen#Fe", "Pfeil \xE2\x86\x92#X"}, path_);
  EXPECT_EQ(result.status, CatalogueSaveStatus::Unencodable);
  EXPECT_EQ(result.row, 1U);
  EXPECT_EQ(result.character, "\xE2\x86\x92");
  EXPECT_EQ(readBytes(), "alt#Fe\r\n");
}

// Root writes into read-only folders, so as root the save runs in a child
// process that has given up its privileges; its exit code is the status.
CatalogueSaveStatus saveWithoutPrivileges(const std::vector<std::string>& rows,
                                          const fs::path& path) {
  if (::geteuid() != 0) return saveCatalogue(rows, path).status;
  const pid_t child = ::fork();
  if (child == 0) {
    const uid_t nobody = 65534;
    if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(100);
    ::_exit(static_cast<int>(saveCatalogue(rows, path).status));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return static_cast<CatalogueSaveStatus>(WEXITSTATUS(status));
}

TEST_F(CatalogueFile, FailedWriteLeavesTheOldFileWhole) {
  writeBytes("alt#Fe\r\n");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                               fs::perms::others_exec);
  const CatalogueSaveStatus status = saveWithoutPrivileges({"neu#Cu"}, path_);
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_EQ(status, CatalogueSaveStatus::WriteFailed);
  EXPECT_EQ(readBytes(), "alt#Fe\r\n");
  EXPECT_THAT(folderContents(), ElementsAre(kCatalogueFileName));
}

TEST_F(CatalogueFile, FailedReplaceLeavesNoTemporaryFile) {
  // A folder in the file's place cannot be replaced by a file.
  fs::create_directory(path_);
  const CatalogueSaveResult result = saveCatalogue({"neu#Cu"}, path_);
  EXPECT_EQ(result.status, CatalogueSaveStatus::WriteFailed);
  EXPECT_EQ(result.error, std::errc::is_a_directory);
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_THAT(folderContents(), ElementsAre(kCatalogueFileName));
}

TEST_F(CatalogueFile, SavesThroughALinkIntoTheFileItNames) {
  fs::create_directory(folder_ / "Schule");
  const fs::path shared = folder_ / "Schule" / "Katalog.txt";
  std::ofstream(shared, std::ios::binary) << "alt#Fe\r\n";
  fs::create_symlink(shared, path_);
  ASSERT_EQ(saveCatalogue({"neu#Cu"}, path_).status, CatalogueSaveStatus::Saved);
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(readBytes(), "neu#Cu\r\n");
}

TEST_F(CatalogueFile, SaveCreatesAMissingFile) {
  EXPECT_EQ(saveCatalogue({"Eisen#Fe"}, path_).status, CatalogueSaveStatus::Saved);
  EXPECT_EQ(readBytes(), "Eisen#Fe\r\n");
}

}  // namespace
}  // namespace redox
