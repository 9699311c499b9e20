// The program's embedded data items ("dfa", "llr"), found by name. The bytes live
// in a source file that the build generates from the table images.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane {

// Raised when no item has the name: the platform's own lookup failure, not an
// engine error.
class ResourceNotFound : public std::runtime_error {
 public:
  explicit ResourceNotFound(std::string_view name)
      : std::runtime_error("embedded resource \"" + std::string(name) + "\" not found") {}
};

// The bytes of the named item; raises ResourceNotFound when there is none.
std::span<const unsigned char> findEmbeddedResource(std::string_view name);

}  // namespace morvane
