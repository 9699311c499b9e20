// A small XML reader for bison's --xml report: elements, attributes and text, the
// five predefined entities; declarations and comments are skipped.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::test {

struct XmlElement {
  std::string name;
  std::map<std::string, std::string> attributes;
  std::vector<XmlElement> children;
  std::string text;  // character data directly inside the element

  // The first child named `name`, or nullptr.
  const XmlElement* child(std::string_view name) const;
  std::vector<const XmlElement*> childrenNamed(std::string_view name) const;
  // The attribute's value; std::runtime_error when it is missing.
  const std::string& attribute(const std::string& name) const;
};

// The document's root element; std::runtime_error on malformed text.
XmlElement parseXml(std::string_view text);

}  // namespace morvane::test
