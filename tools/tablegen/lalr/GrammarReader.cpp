// Reads the grammar text: "%token", "%nonterminal" and "%expect" lines, then "%%",
// then one numbered production per line. Every fault is a DefinitionError that
// names its line; the numbers of symbols and productions are checked here.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>

#include "parser/SSYaccTable.h"
#include "tools/tablegen/DefinitionError.h"
#include "tools/tablegen/lalr/Grammar.h"

namespace morvane::tablegen::lalr {

namespace {

struct Word {
  std::string text;
  bool quoted = false;
};

// Splits a line into words: a quoted name ('[' or 'int') is one word, a colon
// stands alone, and "//" starts a comment.
std::vector<Word> splitLine(std::string_view line, std::int32_t lineNumber) {
  std::vector<Word> words;
  std::size_t i = 0;
  auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (i < line.size()) {
    const char c = line[i];
    if (isSpace(c)) {
      ++i;
    } else if (line.substr(i, 2) == "//") {
      break;
    } else if (c == '\'') {
      const std::size_t close = line.find('\'', i + 1);
      if (close == std::string_view::npos) throw DefinitionError(lineNumber, "unterminated quoted name");
      if (close == i + 1) throw DefinitionError(lineNumber, "empty quoted name");
      words.push_back({std::string(line.substr(i, close + 1 - i)), true});
      i = close + 1;
    } else if (c == ':') {
      words.push_back({":", false});
      ++i;
    } else {
      std::size_t end = i;
      while (end < line.size() && !isSpace(line[end]) && line[end] != '\'' && line[end] != ':' &&
             line.substr(end, 2) != "//")
        ++end;
      words.push_back({std::string(line.substr(i, end - i)), false});
      i = end;
    }
  }
  return words;
}

bool isIdentifier(std::string_view s) {
  if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

std::optional<std::int32_t> toNumber(std::string_view s) {
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

struct Declared {
  std::string name;
  std::int32_t number;
  std::int32_t line;
  bool terminal;
};

struct RawProduction {
  std::int32_t number;
  std::string lhs;
  std::vector<std::string> rhs;
  std::int32_t line;
};

struct RawExpected {
  std::string symbol;
  std::int32_t reduced;
  std::int32_t shifted;
  bool keepShift;
  std::int32_t line;
};

class Reader {
 public:
  Grammar read(std::string_view text) {
    std::int32_t lineNumber = 0;
    bool inProductions = false;
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      ++lineNumber;
      const auto words = splitLine(text.substr(start, end - start), lineNumber);
      if (!words.empty()) {
        if (inProductions) readProduction(words, lineNumber);
        else if (words[0].text == "%%" && !words[0].quoted && words.size() == 1) inProductions = true;
        else readDeclaration(words, lineNumber);
      }
      start = end + 1;
    }
    if (!inProductions) throw DefinitionError(lineNumber, "missing \"%%\" before the productions");
    if (raw_.empty()) throw DefinitionError(lineNumber, "the grammar has no productions");
    return resolve();
  }

 private:
  void declare(const Word& name, const Word& number, bool terminal, std::int32_t line) {
    if (!name.quoted && !isIdentifier(name.text))
      throw DefinitionError(line, "invalid symbol name " + name.text);
    if (!terminal && name.quoted) throw DefinitionError(line, "a nonterminal name cannot be quoted: " + name.text);
    const auto value = number.quoted ? std::nullopt : toNumber(number.text);
    if (!value) throw DefinitionError(line, "invalid number " + number.text + " for " + name.text);
    if (terminal && !(*value == kEofToken || (*value >= 0 && *value < kFirstNonterminal)))
      throw DefinitionError(line, "token number " + number.text + " of " + name.text +
                                      " is outside -1 and 0 to " + std::to_string(kFirstNonterminal - 1));
    if (!terminal && *value != 0 && *value <= kFirstNonterminal)
      throw DefinitionError(line, "nonterminal number " + number.text + " of " + name.text +
                                      " must be 0 or above " + std::to_string(kFirstNonterminal));
    if (const auto it = byName_.find(name.text); it != byName_.end())
      throw DefinitionError(line, name.text + " is declared twice (first on line " +
                                      std::to_string(declared_[it->second].line) + ")");
    for (const Declared& d : declared_)
      if (d.terminal == terminal && d.number == *value)
        throw DefinitionError(line, "number " + number.text + " of " + name.text + " is already used by " +
                                        d.name + " (line " + std::to_string(d.line) + ")");
    byName_[name.text] = declared_.size();
    declared_.push_back({name.text, *value, line, terminal});
  }

  void readDeclaration(const std::vector<Word>& words, std::int32_t line) {
    const std::string& directive = words[0].quoted ? std::string() : words[0].text;
    if (directive == "%token" || directive == "%nonterminal") {
      if (words.size() != 3) throw DefinitionError(line, "expected \"" + directive + " NAME NUMBER\"");
      declare(words[1], words[2], directive == "%token", line);
    } else if (directive == "%expect") {
      if (words.size() != 5) throw DefinitionError(line, "expected \"%expect SYMBOL REDUCED SHIFTED shift|reduce\"");
      const auto reduced = toNumber(words[2].text);
      const auto shifted = toNumber(words[3].text);
      if (!reduced || !shifted || words[2].quoted || words[3].quoted)
        throw DefinitionError(line, "%expect needs two production numbers");
      if (words[4].text != "shift" && words[4].text != "reduce")
        throw DefinitionError(line, "%expect keeps either shift or reduce, not " + words[4].text);
      expected_.push_back({words[1].text, *reduced, *shifted, words[4].text == "shift", line});
    } else {
      throw DefinitionError(line, "unknown declaration " + words[0].text);
    }
  }

  void readProduction(const std::vector<Word>& words, std::int32_t line) {
    const auto number = words[0].quoted ? std::nullopt : toNumber(words[0].text);
    if (!number || words.size() < 3 || words[2].text != ":" || words[2].quoted)
      throw DefinitionError(line, "expected \"NUMBER lhs: symbols\" or \"NUMBER lhs: (empty)\"");
    const auto expectedNumber = static_cast<std::int32_t>(raw_.size());
    if (*number < 0) throw DefinitionError(line, "invalid production number " + words[0].text);
    if (*number < expectedNumber)
      throw DefinitionError(line, "production " + words[0].text + " is numbered twice (first on line " +
                                      std::to_string(raw_[*number].line) +
                                      "), expected " + std::to_string(expectedNumber));
    if (*number > expectedNumber)
      throw DefinitionError(line, "production " + words[0].text + " leaves a gap: production " +
                                      std::to_string(expectedNumber) + " is missing");
    RawProduction p{*number, words[1].text, {}, line};
    if (words[1].quoted) throw DefinitionError(line, "the left side " + words[1].text + " is a terminal");
    for (std::size_t i = 3; i < words.size(); ++i) {
      if (words[i].text == ":" && !words[i].quoted) throw DefinitionError(line, "a second colon");
      if (words[i].text == "(empty)" && !words[i].quoted) {
        if (words.size() != 4) throw DefinitionError(line, "(empty) must stand alone on the right side");
        break;
      }
      p.rhs.push_back(words[i].text);
    }
    if (p.rhs.empty() && words.size() == 3)
      throw DefinitionError(line, "an empty right side is written (empty)");
    raw_.push_back(std::move(p));
  }

  SymbolIndex lookup(const std::string& name, std::int32_t line) const {
    const auto it = byName_.find(name);
    if (it == byName_.end()) throw DefinitionError(line, "unknown symbol " + name);
    return index_[it->second];
  }

  Grammar resolve() {
    Grammar g;
    // Dense indexes: terminals by token number, then nonterminals by number.
    std::vector<std::size_t> order(declared_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      if (declared_[a].terminal != declared_[b].terminal) return declared_[a].terminal;
      return declared_[a].number < declared_[b].number;
    });
    index_.assign(declared_.size(), 0);
    for (std::size_t i = 0; i < order.size(); ++i) {
      const Declared& d = declared_[order[i]];
      index_[order[i]] = static_cast<SymbolIndex>(i);
      g.symbols.push_back({d.name, d.number, d.line});
      if (d.terminal) ++g.terminalCount;
    }
    if (g.terminalCount == 0 || g.symbols[0].number != kEofToken)
      throw DefinitionError(0, "the end-of-input terminal (token -1) is not declared");
    g.eof = 0;
    if (g.terminalCount == g.symbolCount() || g.symbols[g.terminalCount].number != 0)
      throw DefinitionError(raw_[0].line, "no nonterminal is numbered 0 (the left side of production 0)");
    // The other nonterminals run from kFirstNonterminal + 1 without gaps.
    for (SymbolIndex s = g.terminalCount + 1; s < g.symbolCount(); ++s) {
      const std::int32_t wanted = kFirstNonterminal + (s - g.terminalCount);
      if (g.symbols[s].number != wanted)
        throw DefinitionError(g.symbols[s].line, "nonterminal number " + std::to_string(g.symbols[s].number) +
                                                     " of " + g.symbols[s].name + " leaves a gap: " +
                                                     std::to_string(wanted) + " is not declared");
    }

    for (const RawProduction& raw : raw_) {
      Production p{raw.number, lookup(raw.lhs, raw.line), {}, raw.line};
      if (g.isTerminal(p.lhs)) throw DefinitionError(raw.line, "the left side " + raw.lhs + " is a terminal");
      for (const std::string& name : raw.rhs) p.rhs.push_back(lookup(name, raw.line));
      g.productions.push_back(std::move(p));
    }
    checkStartProduction(g);
    checkProductions(g);
    for (const RawExpected& e : expected_) {
      const SymbolIndex symbol = lookup(e.symbol, e.line);
      if (!g.isTerminal(symbol)) throw DefinitionError(e.line, "%expect needs a terminal, not " + e.symbol);
      const auto count = static_cast<std::int32_t>(g.productions.size());
      for (std::int32_t n : {e.reduced, e.shifted})
        if (n <= 0 || n >= count) throw DefinitionError(e.line, "%expect names no production " + std::to_string(n));
      const auto& rhs = g.productions[e.shifted].rhs;
      if (std::find(rhs.begin(), rhs.end(), symbol) == rhs.end())
        throw DefinitionError(e.line, "production " + std::to_string(e.shifted) + " never shifts " + e.symbol);
      g.expected.push_back({symbol, e.reduced, e.shifted, e.keepShift, e.line});
    }
    return g;
  }

  // Production 0 is "goal: ... EOF": the goal and EOF appear nowhere else.
  static void checkStartProduction(const Grammar& g) {
    const Production& start = g.productions[0];
    if (start.lhs != g.goal())
      throw DefinitionError(start.line, "the left side of production 0 must be the nonterminal numbered 0");
    if (start.rhs.empty() || start.rhs.back() != g.eof)
      throw DefinitionError(start.line, "production 0 must end with " + g.symbols[g.eof].name);
    for (const Production& p : g.productions) {
      if (p.number != 0 && p.lhs == g.goal())
        throw DefinitionError(p.line, g.symbols[g.goal()].name + " may only be the left side of production 0");
      for (std::size_t i = 0; i < p.rhs.size(); ++i) {
        if (p.rhs[i] == g.goal())
          throw DefinitionError(p.line, g.symbols[g.goal()].name + " cannot appear on a right side");
        if (p.rhs[i] == g.eof && (p.number != 0 || i + 1 != p.rhs.size()))
          throw DefinitionError(p.line, g.symbols[g.eof].name + " may only end production 0");
      }
    }
  }

  // Every nonterminal has a production, and no production is written twice.
  static void checkProductions(const Grammar& g) {
    std::vector<bool> hasProduction(g.symbols.size(), false);
    std::map<std::pair<SymbolIndex, std::vector<SymbolIndex>>, const Production*> seen;
    for (const Production& p : g.productions) {
      hasProduction[p.lhs] = true;
      const auto [it, inserted] = seen.emplace(std::make_pair(p.lhs, p.rhs), &p);
      if (!inserted)
        throw DefinitionError(p.line, "production " + std::to_string(p.number) + " repeats production " +
                                          std::to_string(it->second->number));
    }
    for (SymbolIndex s = g.terminalCount; s < g.symbolCount(); ++s)
      if (!hasProduction[s])
        throw DefinitionError(g.symbols[s].line, "nonterminal " + g.symbols[s].name + " has no production");
  }

  std::vector<Declared> declared_;
  std::map<std::string, std::size_t> byName_;
  std::vector<SymbolIndex> index_;  // declaration -> dense symbol index
  std::vector<RawProduction> raw_;
  std::vector<RawExpected> expected_;
};

}  // namespace

std::string Grammar::ruleText(std::int32_t production) const {
  const Production& p = productions[production];
  std::string text = symbols[p.lhs].name + ":";
  if (p.rhs.empty()) return text + " (empty)";
  for (SymbolIndex s : p.rhs) text += " " + symbols[s].name;
  return text;
}

Grammar readGrammar(std::string_view text) { return Reader().read(text); }

}  // namespace morvane::tablegen::lalr
