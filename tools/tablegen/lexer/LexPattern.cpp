// The pattern parser: recursive descent over choice | sequence | repeat | atom.
// Every fault is a DefinitionError with the line and the column, so a bad definition
// never gets past this point as a half-understood pattern.
#include "tools/tablegen/lexer/LexPattern.h"

#include <algorithm>
#include <cstdio>

#include "tools/tablegen/DefinitionError.h"

namespace morvane::tablegen {
namespace {

constexpr int kMaxNesting = 64;  // parentheses inside one another
constexpr int kMaxRepeatCount = 255;
// Bounds on a pattern tree (named parts are copied in): the automaton builder and
// the tree itself recurse over it.
constexpr int kMaxDepth = 100;
constexpr std::size_t kMaxSize = 100000;

bool isPrintable(char c) { return c >= 0x20 && c < 0x7f; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || isDigit(c); }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

PatternNode single(int byte) {
  PatternNode node;
  node.kind = PatternNode::Kind::Bytes;
  node.bytes.set(static_cast<std::size_t>(byte));
  return node;
}

class PatternParser {
 public:
  PatternParser(std::string_view text, std::size_t pos, std::int32_t line,
                const PatternDefinitions& definitions)
      : text_(text), pos_(pos), line_(line), definitions_(definitions) {}

  PatternNode parse() {
    if (atEnd()) fail("a pattern is missing");
    PatternNode pattern = choice(0);
    if (!atEnd()) {
      if (peek() == ')') fail("')' without a matching '('");
      fail("unexpected " + describeByte(static_cast<unsigned char>(peek())));
    }
    if (sawStartMarker_ && !isStartMarker(pattern)) fail("<start> must be the whole pattern");
    return pattern;
  }

  std::size_t position() const { return pos_; }

 private:
  bool atEnd() const { return pos_ >= text_.size() || isBlank(text_[pos_]); }
  char peek() const { return text_[pos_]; }

  // Sets the size and depth of a node whose children are complete, within bounds.
  PatternNode finish(PatternNode node) const {
    node.size = 1;
    node.depth = 1;
    for (const auto& child : node.children) {
      node.size += child.size;
      node.depth = std::max(node.depth, child.depth + 1);
    }
    if (node.depth > kMaxDepth) fail("pattern nested too deeply");
    if (node.size > kMaxSize) fail("pattern too large");
    return node;
  }

  [[noreturn]] void fail(const std::string& message) const {
    throw DefinitionError(line_, message + " (column " + std::to_string(pos_ + 1) + ")");
  }

  PatternNode choice(int depth) {
    if (depth > kMaxNesting) fail("patterns nested too deeply");
    PatternNode first = sequence(depth);
    if (atEnd() || peek() != '|') return first;
    PatternNode node;
    node.kind = PatternNode::Kind::Choice;
    node.children.push_back(std::move(first));
    std::size_t total = node.children.front().size;
    while (!atEnd() && peek() == '|') {
      ++pos_;
      node.children.push_back(sequence(depth));
      total += node.children.back().size;
      if (total > kMaxSize) fail("pattern too large");
    }
    return finish(std::move(node));
  }

  PatternNode sequence(int depth) {
    PatternNode node;
    node.kind = PatternNode::Kind::Sequence;
    std::size_t total = 0;
    while (!atEnd() && peek() != '|' && peek() != ')') {
      node.children.push_back(repeat(depth));
      total += node.children.back().size;
      if (total > kMaxSize) fail("pattern too large");
    }
    if (node.children.empty()) {
      if (!atEnd() && peek() == ')' && depth == 0) fail("')' without a matching '('");
      if (pos_ < text_.size() && isBlank(text_[pos_]) && depth > 0)
        fail("a blank ends the pattern inside '(' (write \" \" or \\x20 for a blank)");
      fail("empty alternative (use ? for an optional part)");
    }
    if (node.children.size() == 1) return std::move(node.children.front());
    return finish(std::move(node));
  }

  PatternNode repeat(int depth) {
    PatternNode node = atom(depth);
    while (!atEnd()) {
      int minCount = 0;
      int maxCount = -1;
      const char c = peek();
      if (c == '*') {
        ++pos_;
      } else if (c == '+') {
        ++pos_;
        minCount = 1;
      } else if (c == '?') {
        ++pos_;
        maxCount = 1;
      } else if (c == '{' && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1])) {
        ++pos_;
        minCount = count();
        maxCount = minCount;
        if (!atEnd() && peek() == ',') {
          ++pos_;
          maxCount = (!atEnd() && isDigit(peek())) ? count() : -1;
        }
        if (atEnd() || peek() != '}') fail("'}' expected after the repeat count");
        ++pos_;
        if (maxCount != -1 && maxCount < minCount) fail("repeat bounds in the wrong order");
        if (maxCount == 0) fail("a repeat of at most 0 matches nothing");
      } else {
        break;
      }
      if (node.kind == PatternNode::Kind::StartMarker) fail("<start> cannot be repeated");
      PatternNode repeated;
      repeated.kind = PatternNode::Kind::Repeat;
      repeated.minCount = minCount;
      repeated.maxCount = maxCount;
      repeated.children.push_back(std::move(node));
      node = finish(std::move(repeated));
    }
    return node;
  }

  int count() {
    int value = 0;
    while (!atEnd() && isDigit(peek())) {
      value = value * 10 + (peek() - '0');
      if (value > kMaxRepeatCount) fail("repeat count above " + std::to_string(kMaxRepeatCount));
      ++pos_;
    }
    return value;
  }

  PatternNode atom(int depth) {
    const char c = peek();
    switch (c) {
      case '(': {
        ++pos_;
        PatternNode inner = choice(depth + 1);
        if (atEnd() || peek() != ')') {
          if (pos_ < text_.size() && isBlank(text_[pos_]))
            fail("')' expected; a blank ends the pattern (write \" \" or \\x20 for a blank)");
          fail("')' expected");
        }
        ++pos_;
        return inner;
      }
      case '[':
        return byteClass();
      case '"':
        return quoted();
      case '{':
        return reference();
      case '\\':
        ++pos_;
        return single(escape());
      case '<':
        if (text_.substr(pos_, 7) == "<start>") {
          pos_ += 7;
          sawStartMarker_ = true;
          PatternNode node;
          node.kind = PatternNode::Kind::StartMarker;
          return node;
        }
        fail("'<' is reserved (write \"<\" for the character, <start> for the start marker)");
      case '*':
      case '+':
      case '?':
        fail(std::string("nothing to repeat before '") + c + "'");
      case '.':
      case '^':
      case '$':
      case '/':
      case '#':
      case '>':
      case ']':
      case '}':
        fail(std::string("'") + c + "' is reserved: write \"" + c +
             "\" for the character, and [^...] for any byte except some");
      default:
        break;
    }
    if (!isPrintable(c)) fail("write byte " + describeByte(static_cast<unsigned char>(c)) + " as an escape");
    ++pos_;
    return single(static_cast<unsigned char>(c));
  }

  // After a backslash: the byte it stands for.
  int escape() {
    if (pos_ >= text_.size()) fail("a backslash ends the pattern");
    const char c = text_[pos_++];
    switch (c) {
      case 't': return '\t';
      case 'n': return '\n';
      case 'r': return '\r';
      case 'f': return '\f';
      case 'v': return '\v';
      case 'a': return '\a';
      case 'b': return '\b';
      case '0': return 0;
      case 'x': {
        const int high = pos_ < text_.size() ? hexValue(text_[pos_]) : -1;
        const int low = pos_ + 1 < text_.size() ? hexValue(text_[pos_ + 1]) : -1;
        if (high < 0 || low < 0) fail("\\x needs two hex digits");
        pos_ += 2;
        return high * 16 + low;
      }
      default:
        break;
    }
    if (isPrintable(c) && !isNameChar(c)) return static_cast<unsigned char>(c);
    --pos_;
    fail(std::string("unknown escape \\") + (isPrintable(c) ? std::string(1, c) : describeByte(static_cast<unsigned char>(c))));
  }

  // One member of a [...] set: a printable character or an escape.
  int classMember() {
    if (pos_ >= text_.size()) fail("']' expected");
    const char c = text_[pos_];
    if (c == '\\') {
      ++pos_;
      return escape();
    }
    if (!isPrintable(c)) fail("write byte " + describeByte(static_cast<unsigned char>(c)) + " as an escape");
    ++pos_;
    return static_cast<unsigned char>(c);
  }

  PatternNode byteClass() {
    ++pos_;  // [
    bool complement = false;
    if (pos_ < text_.size() && text_[pos_] == '^') {
      complement = true;
      ++pos_;
    }
    PatternNode node;
    node.kind = PatternNode::Kind::Bytes;
    bool empty = true;
    while (true) {
      if (pos_ >= text_.size()) fail("']' expected");
      if (text_[pos_] == ']') break;
      const int low = classMember();
      int high = low;
      if (pos_ + 1 < text_.size() && text_[pos_] == '-' && text_[pos_ + 1] != ']') {
        ++pos_;
        high = classMember();
        if (high < low) fail("range " + describeByte(low) + "-" + describeByte(high) + " runs backwards");
      }
      for (int b = low; b <= high; ++b) node.bytes.set(static_cast<std::size_t>(b));
      empty = false;
    }
    if (empty) fail("empty set []");
    ++pos_;  // ]
    if (complement) node.bytes.flip();
    if (node.bytes.none()) fail("the set matches no byte");
    return node;
  }

  PatternNode quoted() {
    ++pos_;  // "
    PatternNode node;
    node.kind = PatternNode::Kind::Sequence;
    while (true) {
      if (pos_ >= text_.size()) fail("closing '\"' expected");
      const char c = text_[pos_];
      if (c == '"') break;
      if (c == '\\') {
        ++pos_;
        node.children.push_back(single(escape()));
        continue;
      }
      if (!isPrintable(c)) fail("write byte " + describeByte(static_cast<unsigned char>(c)) + " as an escape");
      node.children.push_back(single(static_cast<unsigned char>(c)));
      ++pos_;
    }
    ++pos_;  // "
    if (node.children.empty()) fail("empty literal \"\"");
    if (node.children.size() == 1) return std::move(node.children.front());
    return finish(std::move(node));
  }

  PatternNode reference() {
    ++pos_;  // {
    const std::size_t nameStart = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
    const std::string_view name = text_.substr(nameStart, pos_ - nameStart);
    if (name.empty() || !isNameStart(name.front())) fail("a name or a repeat count expected after '{'");
    if (pos_ >= text_.size() || text_[pos_] != '}') fail("'}' expected after {" + std::string(name));
    const auto found = definitions_.find(name);
    if (found == definitions_.end()) fail("{" + std::string(name) + "} is not defined above");
    ++pos_;
    return found->second;
  }

  std::string_view text_;
  std::size_t pos_;
  std::int32_t line_;
  const PatternDefinitions& definitions_;
  bool sawStartMarker_ = false;
};

}  // namespace

PatternNode parsePattern(std::string_view text, std::size_t& pos, std::int32_t line,
                         const PatternDefinitions& definitions) {
  PatternParser parser(text, pos, line, definitions);
  PatternNode pattern = parser.parse();
  pos = parser.position();
  return pattern;
}

bool isStartMarker(const PatternNode& pattern) { return pattern.kind == PatternNode::Kind::StartMarker; }

std::string describeByte(int byte) {
  if (byte == '\n') return "\\n";
  if (byte == '\t') return "\\t";
  if (byte == '\\') return "\\\\";
  if (byte == '"') return "\\\"";
  if (byte >= 0x20 && byte < 0x7f) return std::string(1, static_cast<char>(byte));
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned>(byte) & 0xFFu);
  return buffer;
}

}  // namespace morvane::tablegen
