#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "catalogue/formula_catalogue.h"

namespace redox {

inline constexpr const char* kCatalogueFileName = "Redox-F.txt";

enum class CatalogueFileState { Read, Missing, Unreadable };

// Everything one reading of the catalogue file yields: the catalogue, every
// line for the edit list, and what the start window has to tell the user.
struct CatalogueLoad {
  FormulaCatalogue catalogue;
  // Every non-empty line in file order, those without "#" and those past the
  // catalogue's capacity included, so that a save loses none of them.
  std::vector<std::string> lines;
  CatalogueFileState state = CatalogueFileState::Read;
  std::vector<int> linesWithoutHash;  // 1-based line numbers in the file
  int linesPastCapacity = 0;          // entries that did not fit into the catalogue
};

// Reads a Windows-1252 file into UTF-8; CR LF, LF and CR alone all end lines.
CatalogueLoad loadCatalogue(const std::filesystem::path& path = kCatalogueFileName);

enum class CatalogueSaveStatus { Saved, Unencodable, WriteFailed };

struct CatalogueSaveResult {
  CatalogueSaveStatus status = CatalogueSaveStatus::Saved;
  std::size_t row = 0;    // Unencodable: the row that holds the character
  std::string character;  // Unencodable: the character, in UTF-8
  std::error_code error;  // WriteFailed: why
};

// Writes the rows in their order as Windows-1252, each followed by CR LF.
// The file is replaced as a whole or not at all: the rows go to a new file in
// the same folder, which then takes the old one's place. Nothing is written
// when a row holds a character Windows-1252 cannot hold.
CatalogueSaveResult saveCatalogue(const std::vector<std::string>& rows,
                                  const std::filesystem::path& path = kCatalogueFileName);

}  // namespace redox
