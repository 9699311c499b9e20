// Reads a token definition line by line: define, declare, list and token rule lines.
// Token names and numbers must agree across the whole text (a name has one number,
// a number one name), names are unique within a list, and every "over" and "push"
// must name something that exists.
#include "tools/tablegen/lexer/LexDefinition.h"

#include <limits>
#include <map>
#include <utility>

#include "tools/tablegen/DefinitionError.h"

namespace morvane::tablegen {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || isDigit(c); }

// A token name: an identifier, or a quoted spelling such as '[' or 'int' (the way
// the grammar writes punctuators and keywords).
bool isTokenName(std::string_view name) {
  if (name.empty()) return false;
  if (name.front() == '\'') {
    if (name.size() < 3 || name.back() != '\'') return false;
    for (char c : name.substr(1, name.size() - 2))
      if (c <= 0x20 || c >= 0x7f) return false;
    return true;
  }
  if (!isNameStart(name.front())) return false;
  for (char c : name)
    if (!isNameChar(c)) return false;
  return true;
}

class DefinitionReader {
 public:
  explicit DefinitionReader(std::string_view text) : text_(text) {}

  LexDefinition read() {
    std::size_t lineStart = 0;
    while (lineStart <= text_.size()) {
      std::size_t lineEnd = text_.find('\n', lineStart);
      if (lineEnd == std::string_view::npos) lineEnd = text_.size();
      std::string_view line = text_.substr(lineStart, lineEnd - lineStart);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      ++lineNumber_;
      readLine(line);
      lineStart = lineEnd + 1;
    }
    closeList();
    if (definition_.lists.empty()) throw DefinitionError(0, "no expression list: a definition needs at least \"list 0\"");
    for (const auto& list : definition_.lists)
      for (const auto& rule : list.rules)
        if (rule.pushList >= static_cast<std::int32_t>(definition_.lists.size()))
          throw DefinitionError(rule.line, rule.name + " pushes list " + std::to_string(rule.pushList) +
                                               ", which is not defined");
    return std::move(definition_);
  }

 private:
  [[noreturn]] void fail(const std::string& message) const { throw DefinitionError(lineNumber_, message); }

  // The next blank-separated word of the line, or empty at the end or at a comment.
  std::string_view word() {
    while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
    if (pos_ >= line_.size() || line_[pos_] == '#') return {};
    const std::size_t start = pos_;
    while (pos_ < line_.size() && !isBlank(line_[pos_])) ++pos_;
    return line_.substr(start, pos_ - start);
  }

  void expectLineEnd() {
    const std::string_view extra = word();
    if (!extra.empty()) fail("unexpected \"" + std::string(extra) + "\" (comments start with #)");
  }

  std::int32_t number(std::string_view text, const char* what) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) ++i;
    if (i >= text.size()) fail(std::string(what) + " expected");
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
      if (!isDigit(text[i])) fail(std::string(what) + " expected, found \"" + std::string(text) + "\"");
      value = value * 10 + (text[i] - '0');
      if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) fail(std::string(what) + " out of range");
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) fail(std::string(what) + " out of range");
    return static_cast<std::int32_t>(value);
  }

  std::string tokenName(std::string_view text) {
    if (text.empty()) fail("a token name expected");
    if (!isTokenName(text)) fail("\"" + std::string(text) + "\" is not a token name (an identifier or a quoted spelling such as '[')");
    return std::string(text);
  }

  void readLine(std::string_view line) {
    line_ = line;
    pos_ = 0;
    const std::string_view first = word();
    if (first.empty()) return;
    if (first == "define") return readDefine();
    if (first == "declare") return readDeclare();
    if (first == "list") return readList();
    if (isDigit(first.front()) || first.front() == '-') return readRule(first);
    fail("unknown line \"" + std::string(first) + "\": expected define, declare, list or a token rule");
  }

  void readDefine() {
    const std::string_view name = word();
    if (name.empty() || !isNameStart(name.front()) || !isTokenName(name))
      fail("define needs a name (letters, digits, underscores)");
    if (definitions_.count(name) != 0) fail("{" + std::string(name) + "} is defined twice");
    skipBlanks();
    if (pos_ >= line_.size() || line_[pos_] == '#') fail("define " + std::string(name) + " needs a pattern");
    PatternNode pattern = parsePattern(line_, pos_, lineNumber_, definitions_);
    if (isStartMarker(pattern)) fail("<start> must be a rule's whole pattern, not a named part");
    expectLineEnd();
    definitions_.emplace(std::string(name), std::move(pattern));
  }

  void readDeclare() {
    const std::int32_t token = number(word(), "a token number");
    const std::string name = tokenName(word());
    expectLineEnd();
    registerToken(token, name);
  }

  void readList() {
    const std::int32_t index = number(word(), "a list number");
    expectLineEnd();
    closeList();
    if (index != static_cast<std::int32_t>(definition_.lists.size()))
      fail("list " + std::to_string(definition_.lists.size()) + " expected here (lists are numbered 0, 1, ... in order), found list " +
           std::to_string(index));
    definition_.lists.emplace_back();
    definition_.lists.back().line = lineNumber_;
    inList_ = true;
  }

  void readRule(std::string_view first) {
    if (!inList_) fail("a token rule needs a list: put \"list 0\" above it");
    TokenRule rule;
    rule.line = lineNumber_;
    rule.token = number(first, "a token number");
    rule.name = tokenName(word());
    skipBlanks();
    if (pos_ >= line_.size() || line_[pos_] == '#') fail(rule.name + " needs a pattern");
    rule.pattern = parsePattern(line_, pos_, lineNumber_, definitions_);
    readFlags(rule);
    registerToken(rule.token, rule.name);
    auto& list = definition_.lists.back();
    for (const auto& other : list.rules)
      if (other.name == rule.name) fail(rule.name + " already has a rule in this list (line " + std::to_string(other.line) + "); join the patterns with |");
    if (isStartMarker(rule.pattern))
      for (const auto& other : list.rules)
        if (isStartMarker(other.pattern)) fail("the list already has a <start> rule (line " + std::to_string(other.line) + ")");
    list.rules.push_back(std::move(rule));
    pendingOver_.push_back(std::move(overNames_));
    overNames_.clear();
  }

  void readFlags(TokenRule& rule) {
    bool sawPush = false;
    for (std::string_view flag = word(); !flag.empty(); flag = word()) {
      if (flag == "ignore") {
        if (rule.ignore) fail("ignore given twice");
        rule.ignore = true;
      } else if (flag == "pop") {
        if (rule.pop) fail("pop given twice");
        rule.pop = true;
      } else if (flag == "push") {
        if (sawPush) fail("push given twice");
        sawPush = true;
        const std::string_view list = word();
        if (list.empty()) fail("push needs a list number");
        rule.pushList = number(list, "a list number after push");
        if (rule.pushList < 0) fail("push needs a list number of 0 or more");
      } else if (flag == "over") {
        const std::string name = tokenName(word());
        if (name == rule.name) fail(rule.name + " cannot be over itself");
        overNames_.emplace_back(name, lineNumber_);
      } else {
        fail("unknown flag \"" + std::string(flag) + "\" (flags: ignore, pop, push N, over NAME)");
      }
    }
  }

  void skipBlanks() {
    while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
  }

  void registerToken(std::int32_t token, const std::string& name) {
    const auto byName = numberOfName_.find(name);
    if (byName != numberOfName_.end() && byName->second.first != token)
      fail(name + " is token " + std::to_string(byName->second.first) + " on line " + std::to_string(byName->second.second) +
           ", not " + std::to_string(token));
    const auto byNumber = nameOfNumber_.find(token);
    if (byNumber != nameOfNumber_.end() && byNumber->second.first != name)
      fail("token " + std::to_string(token) + " is " + byNumber->second.first + " on line " + std::to_string(byNumber->second.second) +
           ", not " + name);
    numberOfName_.emplace(name, std::make_pair(token, lineNumber_));
    nameOfNumber_.emplace(token, std::make_pair(name, lineNumber_));
  }

  // Resolves the "over" names of the list just finished to rule indexes.
  void closeList() {
    if (!inList_) return;
    auto& rules = definition_.lists.back().rules;
    for (std::size_t i = 0; i < rules.size(); ++i) {
      for (const auto& [name, line] : pendingOver_[i]) {
        std::size_t found = rules.size();
        for (std::size_t j = 0; j < rules.size(); ++j)
          if (rules[j].name == name) found = j;
        if (found == rules.size())
          throw DefinitionError(line, rules[i].name + " is over " + name + ", which has no rule in this list");
        for (std::size_t beaten : rules[found].beats)
          if (beaten == i)
            throw DefinitionError(line, rules[i].name + " and " + name + " are each over the other");
        bool known = false;
        for (std::size_t beaten : rules[i].beats) known = known || beaten == found;
        if (!known) rules[i].beats.push_back(found);
      }
    }
    pendingOver_.clear();
    inList_ = false;
  }

  std::string_view text_;
  std::string_view line_;
  std::size_t pos_ = 0;
  std::int32_t lineNumber_ = 0;
  bool inList_ = false;
  LexDefinition definition_;
  PatternDefinitions definitions_;
  std::map<std::string, std::pair<std::int32_t, std::int32_t>> numberOfName_;  // name -> number, line
  std::map<std::int32_t, std::pair<std::string, std::int32_t>> nameOfNumber_;  // number -> name, line
  std::vector<std::pair<std::string, std::int32_t>> overNames_;                // of the rule being read
  std::vector<std::vector<std::pair<std::string, std::int32_t>>> pendingOver_; // per rule of the open list
};

}  // namespace

LexDefinition parseLexDefinition(std::string_view text) { return DefinitionReader(text).read(); }

}  // namespace morvane::tablegen
