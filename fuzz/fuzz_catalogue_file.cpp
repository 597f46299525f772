#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "catalogue/catalogue_file.h"

namespace {

const std::filesystem::path& scratchFile(const char* name) {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("redox-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  static std::filesystem::path path;
  path = folder / name;
  return path;
}

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

// Any bytes as the catalogue: reading never fails, and saving what was read
// and reading it again gives the same lines and the same catalogue.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path input = scratchFile("Redox-F.txt");
  std::ofstream(input, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const redox::CatalogueLoad load = redox::loadCatalogue(input);
  if (load.catalogue.count() > redox::FormulaCatalogue::capacity) std::abort();

  const std::filesystem::path copy = scratchFile("Kopie.txt");
  if (redox::saveCatalogue(load.lines, copy).status != redox::CatalogueSaveStatus::Saved) {
    std::abort();
  }
  const redox::CatalogueLoad again = redox::loadCatalogue(copy);
  if (again.lines != load.lines || again.catalogue.count() != load.catalogue.count()) std::abort();
  if (readBytes(copy).size() < load.lines.size() * 2) std::abort();
  return 0;
}
