#include "catalogue/catalogue_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "catalogue/windows1252.h"

namespace redox {
namespace {

// Far beyond any catalogue of 301 lines: a file this large is something else
// that has taken the catalogue's name, and reading it would only exhaust memory.
constexpr std::uintmax_t kLargestReadableFile = 64 * 1024 * 1024;

// Only a plain file is read: a device or a pipe in the catalogue's place
// could block the start or never end.
std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kLargestReadableFile) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return std::nullopt;
  return bytes;
}

// Splits at CR LF, LF and CR; a line end after the last line starts no line.
std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

void takeLines(std::string_view bytes, CatalogueLoad& load) {
  int lineNumber = 0;
  int entryLines = 0;
  for (std::string_view raw : splitLines(bytes)) {
    ++lineNumber;
    if (raw.empty()) continue;
    std::string line = windows1252ToUtf8(raw);
    if (line.find('#') == std::string::npos) {
      load.linesWithoutHash.push_back(lineNumber);
    } else {
      ++entryLines;
    }
    load.lines.push_back(std::move(line));
  }
  load.catalogue = FormulaCatalogue::fromLines(load.lines);
  load.linesPastCapacity = entryLines - load.catalogue.count();
}

// A file next to `target` that did not exist before, opened for writing.
std::FILE* createSiblingFile(const std::filesystem::path& target, std::filesystem::path& created) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    created = target;
    created += ".neu" + std::to_string(attempt);
    if (std::FILE* file = std::fopen(created.c_str(), "wbx")) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

CatalogueSaveResult writeFailure(int error) {
  CatalogueSaveResult result;
  result.status = CatalogueSaveStatus::WriteFailed;
  result.error = std::error_code(error, std::generic_category());
  return result;
}

CatalogueSaveResult replaceFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::path temporary;
  std::FILE* file = createSiblingFile(path, temporary);
  if (file == nullptr) return writeFailure(errno);
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  int writeError = written ? 0 : errno;
  if (std::fclose(file) != 0 && writeError == 0) writeError = errno;
  std::error_code ignored;
  if (writeError != 0) {
    std::filesystem::remove(temporary, ignored);
    return writeFailure(writeError);
  }
  std::error_code renameError;
  std::filesystem::rename(temporary, path, renameError);
  if (renameError) {
    std::filesystem::remove(temporary, ignored);
    return writeFailure(renameError.value());
  }
  return {};
}

// A catalogue reached through a link is saved where the link points, so that
// the link stays and the file it names gets the new rows.
std::filesystem::path fileBehindLinks(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  std::filesystem::path target = std::filesystem::canonical(path, error);
  return error ? path : target;
}

}  // namespace

CatalogueLoad loadCatalogue(const std::filesystem::path& path) {
  CatalogueLoad load;
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) {
    load.state = CatalogueFileState::Missing;
    return load;
  }
  const std::optional<std::string> bytes = readWholeFile(path);
  if (!bytes) {
    load.state = CatalogueFileState::Unreadable;
    return load;
  }
  takeLines(*bytes, load);
  return load;
}

CatalogueSaveResult saveCatalogue(const std::vector<std::string>& rows,
                                  const std::filesystem::path& path) {
  std::string bytes;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const std::optional<std::string> encoded = utf8ToWindows1252(rows[row]);
    if (!encoded) {
      CatalogueSaveResult result;
      result.status = CatalogueSaveStatus::Unencodable;
      result.row = row;
      result.character = firstUnencodableCharacter(rows[row]).value_or(std::string());
      return result;
    }
    bytes += *encoded;
    bytes += "\r\n";
  }
  return replaceFile(fileBehindLinks(path), bytes);
}

}  // namespace redox
