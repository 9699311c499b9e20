// The XML reader behind the bison cross-check.
#include "tests/cgrammar/BisonXml.h"

#include <stdexcept>

namespace morvane::test {

const XmlElement* XmlElement::child(std::string_view wanted) const {
  for (const XmlElement& c : children)
    if (c.name == wanted) return &c;
  return nullptr;
}

std::vector<const XmlElement*> XmlElement::childrenNamed(std::string_view wanted) const {
  std::vector<const XmlElement*> found;
  for (const XmlElement& c : children)
    if (c.name == wanted) found.push_back(&c);
  return found;
}

const std::string& XmlElement::attribute(const std::string& key) const {
  const auto it = attributes.find(key);
  if (it == attributes.end()) throw std::runtime_error("<" + name + "> has no attribute " + key);
  return it->second;
}

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  XmlElement document() {
    skipMisc();
    XmlElement root = element();
    skipMisc();
    if (pos_ != s_.size()) fail("text after the root element");
    return root;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("XML: " + what + " at offset " + std::to_string(pos_));
  }
  bool startsWith(std::string_view prefix) const { return s_.substr(pos_, prefix.size()) == prefix; }
  void skipSpace() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r')) ++pos_;
  }
  void skipPast(std::string_view end) {
    const std::size_t at = s_.find(end, pos_);
    if (at == std::string_view::npos) fail("missing " + std::string(end));
    pos_ = at + end.size();
  }
  // Declarations, comments and blanks between elements.
  void skipMisc() {
    for (;;) {
      skipSpace();
      if (startsWith("<?")) skipPast("?>");
      else if (startsWith("<!--")) skipPast("-->");
      else if (startsWith("<!")) skipPast(">");
      else return;
    }
  }

  std::string decode(std::string_view raw) const {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] != '&') {
        out += raw[i];
        continue;
      }
      const std::size_t semi = raw.find(';', i);
      if (semi == std::string_view::npos) fail("unterminated entity");
      const std::string_view entity = raw.substr(i + 1, semi - i - 1);
      if (entity == "lt") out += '<';
      else if (entity == "gt") out += '>';
      else if (entity == "amp") out += '&';
      else if (entity == "quot") out += '"';
      else if (entity == "apos") out += '\'';
      else fail("unknown entity &" + std::string(entity) + ";");
      i = semi;
    }
    return out;
  }

  std::string name() {
    const std::size_t start = pos_;
    while (pos_ < s_.size() && s_[pos_] != ' ' && s_[pos_] != '\t' && s_[pos_] != '\n' && s_[pos_] != '\r' &&
           s_[pos_] != '>' && s_[pos_] != '/' && s_[pos_] != '=')
      ++pos_;
    if (pos_ == start) fail("missing name");
    return std::string(s_.substr(start, pos_ - start));
  }

  XmlElement element() {
    if (!startsWith("<")) fail("expected an element");
    ++pos_;
    XmlElement e;
    e.name = name();
    for (;;) {
      skipSpace();
      if (startsWith("/>")) {
        pos_ += 2;
        return e;
      }
      if (startsWith(">")) {
        ++pos_;
        break;
      }
      std::string key = name();
      skipSpace();
      if (!startsWith("=")) fail("expected = after " + key);
      ++pos_;
      skipSpace();
      if (pos_ >= s_.size() || (s_[pos_] != '"' && s_[pos_] != '\'')) fail("expected a quoted value");
      const char quote = s_[pos_++];
      const std::size_t end = s_.find(quote, pos_);
      if (end == std::string_view::npos) fail("unterminated attribute value");
      e.attributes[key] = decode(s_.substr(pos_, end - pos_));
      pos_ = end + 1;
    }
    for (;;) {
      const std::size_t lt = s_.find('<', pos_);
      if (lt == std::string_view::npos) fail("unterminated <" + e.name + ">");
      e.text += decode(s_.substr(pos_, lt - pos_));
      pos_ = lt;
      if (startsWith("</")) {
        pos_ += 2;
        if (name() != e.name) fail("mismatched end tag of <" + e.name + ">");
        skipSpace();
        if (!startsWith(">")) fail("expected >");
        ++pos_;
        return e;
      }
      if (startsWith("<!--")) skipPast("-->");
      else e.children.push_back(element());
    }
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace

XmlElement parseXml(std::string_view text) { return Parser(text).document(); }

}  // namespace morvane::test
