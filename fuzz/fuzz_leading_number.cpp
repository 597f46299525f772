#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/leading_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const double value =
      redox::readLeadingNumber(std::string_view(reinterpret_cast<const char*>(data), size));
  if (std::isnan(value)) std::abort();
  return 0;
}
