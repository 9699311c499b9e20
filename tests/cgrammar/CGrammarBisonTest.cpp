// The bison cross-check: the C grammar is written as a bison file, bison's own
// LALR(1) automaton is read from its XML report, and both automata are walked from
// the start state in lockstep along the same symbols; every pair of states must
// have the same shifts, gotos, reductions (production and lookahead token) and
// accept. Bison's rule n is production n; its $accept rule plays production 0.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <queue>
#include <set>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include "parser/SSYaccTable.h"
#include "tests/cgrammar/BisonXml.h"
#include "tools/tablegen/LalrGen.h"
#include "tools/tablegen/lalr/Grammar.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using tablegen::ParserImage;
using tablegen::lalr::Grammar;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bison names: terminals by token number, nonterminals by grammar name.
class BisonNames {
 public:
  explicit BisonNames(const Grammar& g) {
    for (const auto& s : g.symbols) byNumber_[s.number] = s.name;
  }
  static std::string terminal(std::int32_t number) {
    return number == kEofToken ? "$end" : "T" + std::to_string(number);
  }
  std::string operator()(std::int32_t number) const {
    if (number < kFirstNonterminal) return terminal(number);
    const auto it = byNumber_.find(number);
    return it == byNumber_.end() ? "?" + std::to_string(number) : "N_" + it->second;
  }

 private:
  std::map<std::int32_t, std::string> byNumber_;
};

std::string bisonFile(const Grammar& g, const BisonNames& name) {
  const auto& start = g.productions[0].rhs;
  if (start.size() != 2) throw std::runtime_error("production 0 is not goal: X EOF");
  std::ostringstream out;
  for (std::int32_t t = 0; t < g.terminalCount; ++t)
    if (g.symbols[t].number != kEofToken) out << "%token " << name(g.symbols[t].number) << " " << g.symbols[t].number << "\n";
  out << "%start " << name(g.symbols[start[0]].number) << "\n"
      << "%expect " << g.expected.size() << "\n"
      << "%define lr.default-reduction accepting\n%%\n";
  for (std::size_t p = 1; p < g.productions.size(); ++p) {
    out << name(g.symbols[g.productions[p].lhs].number) << ":";
    if (g.productions[p].rhs.empty()) out << " %empty";
    for (auto s : g.productions[p].rhs) out << " " << name(g.symbols[s].number);
    out << ";\n";
  }
  return out.str();
}

struct BisonState {
  std::map<std::string, std::int32_t> shifts, gotos;
  std::set<std::pair<std::string, std::int32_t>> reductions;  // enabled ones only
  bool accepts = false;
  bool hasDefaultReduction = false;
};

struct BisonAutomaton {
  std::vector<BisonState> states;
  std::vector<std::pair<std::string, std::vector<std::string>>> rules;  // by number
};

BisonAutomaton readBisonXml(const std::string& xml) {
  const test::XmlElement root = test::parseXml(xml);
  BisonAutomaton automaton;
  const auto* rules = root.child("grammar") ? root.child("grammar")->child("rules") : nullptr;
  const auto* states = root.child("automaton");
  if (!rules || !states) throw std::runtime_error("bison XML without rules or automaton");
  for (const auto* rule : rules->childrenNamed("rule")) {
    std::vector<std::string> rhs;
    for (const auto* symbol : rule->child("rhs")->childrenNamed("symbol")) rhs.push_back(symbol->text);
    automaton.rules.emplace_back(rule->child("lhs")->text, rhs);
  }
  for (const auto* state : states->childrenNamed("state")) {
    if (std::stoi(state->attribute("number")) != static_cast<int>(automaton.states.size()))
      throw std::runtime_error("bison states out of order");
    BisonState s;
    const auto* actions = state->child("actions");
    for (const auto* t : actions->child("transitions")->childrenNamed("transition"))
      (t->attribute("type") == "shift" ? s.shifts : s.gotos)[t->attribute("symbol")] = std::stoi(t->attribute("state"));
    for (const auto* r : actions->child("reductions")->childrenNamed("reduction")) {
      if (r->attribute("enabled") != "true") continue;
      if (r->attribute("rule") == "accept") s.accepts = true;
      else if (r->attribute("symbol") == "$default") s.hasDefaultReduction = true;
      else s.reductions.emplace(r->attribute("symbol"), std::stoi(r->attribute("rule")));
    }
    automaton.states.push_back(std::move(s));
  }
  return automaton;
}

// Runs bison on the grammar and reads its automaton.
BisonAutomaton runBison(const Grammar& g, const BisonNames& names) {
  const std::string bison = MORVANE_BISON;
  if (bison.empty() || !fs::exists(bison))
    throw std::runtime_error("bison is missing (MORVANE_BISON='" + bison + "'): install it with scripts/deps.sh");
  const fs::path dir = fs::path(testing::TempDir()) / ("morvane-bison-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "c.y") << bisonFile(g, names);
  const std::string command = "\"" + bison + "\" --xml=\"" + (dir / "c.xml").string() + "\" -o \"" +
                              (dir / "c.tab.c").string() + "\" \"" + (dir / "c.y").string() + "\" 2>\"" +
                              (dir / "stderr").string() + "\"";
  const int status = std::system(command.c_str());
  const std::string errors = fs::exists(dir / "stderr") ? readFile(dir / "stderr") : "";
  if (status != 0) throw std::runtime_error("bison failed:\n" + errors);
  BisonAutomaton automaton = readBisonXml(readFile(dir / "c.xml"));
  fs::remove_all(dir);
  return automaton;
}

const Grammar& cGrammar() {
  static const Grammar grammar = tablegen::lalr::readGrammar(readFile(MORVANE_C_GRAMMAR));
  return grammar;
}

const BisonAutomaton& bisonAutomaton() {
  static const BisonAutomaton automaton = runBison(cGrammar(), BisonNames(cGrammar()));
  return automaton;
}

ParserImage generatedImage() {
  const std::string bytes = readFile(fs::path(MORVANE_GENERATED_DIR) / "c.llr");
  return tablegen::readParserImage(
      {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
}

// Walks both automata in lockstep; one line per difference.
std::vector<std::string> compareWithBison(const ParserImage& ours, const BisonAutomaton& bison, const BisonNames& name) {
  std::vector<std::string> differences;
  std::map<std::int32_t, std::int32_t> toBison, toOurs;
  std::queue<std::pair<std::int32_t, std::int32_t>> pending;
  auto pair = [&](std::int32_t o, std::int32_t b, const std::string& how) {
    const auto [it, fresh] = toBison.emplace(o, b);
    const auto [back, freshBack] = toOurs.emplace(b, o);
    if (it->second != b || back->second != o)
      differences.push_back(how + ": state " + std::to_string(o) + " meets bison state " + std::to_string(b) +
                            " but was paired with bison " + std::to_string(it->second) + " / ours " +
                            std::to_string(back->second));
    else if (fresh) pending.emplace(o, b);
  };
  pair(0, 0, "start");
  while (!pending.empty()) {
    const auto [o, b] = pending.front();
    pending.pop();
    const auto& mine = ours.states[o];
    const BisonState& theirs = bison.states[b];
    const std::string where = "state " + std::to_string(o) + " (bison " + std::to_string(b) + ")";
    if (theirs.hasDefaultReduction) differences.push_back(where + ": bison has a default reduction");

    std::map<std::string, std::int32_t> shifts;
    std::set<std::pair<std::string, std::int32_t>> reductions;
    std::set<std::string> accepts;
    for (const auto& a : mine.actions) {
      const std::string symbol = name(a.symbol);
      const auto target = static_cast<std::int32_t>(a.word & ActionTargetMask);
      if (a.word & ActionShift) shifts[symbol] = target;
      else if (a.word & ActionReduce) reductions.emplace(symbol, target);
      else if (a.word & ActionAccept) accepts.insert(symbol);
      else differences.push_back(where + ": action on " + symbol + " is neither shift, reduce nor accept");
    }
    for (const auto& [symbol, target] : theirs.shifts) {
      if (symbol == "$end" && bison.states[target].accepts) {
        if (!accepts.count(symbol)) differences.push_back(where + ": bison accepts on EOF, ours does not");
        accepts.erase(symbol);
      } else if (const auto it = shifts.find(symbol); it == shifts.end()) {
        differences.push_back(where + ": bison shifts " + symbol + ", ours does not");
      } else {
        pair(it->second, target, where + " shift " + symbol);
        shifts.erase(it);
      }
    }
    for (const auto& [symbol, target] : shifts) differences.push_back(where + ": ours shifts " + symbol + ", bison does not");
    for (const auto& symbol : accepts) differences.push_back(where + ": ours accepts on " + symbol + ", bison does not");

    std::map<std::string, std::int32_t> gotos;
    for (const auto& g : mine.gotos) gotos[name(g.symbol)] = static_cast<std::int32_t>(g.word & ActionTargetMask);
    for (const auto& [symbol, target] : theirs.gotos) {
      if (const auto it = gotos.find(symbol); it == gotos.end()) {
        differences.push_back(where + ": bison has a goto on " + symbol + ", ours does not");
      } else {
        pair(it->second, target, where + " goto " + symbol);
        gotos.erase(it);
      }
    }
    for (const auto& [symbol, target] : gotos) differences.push_back(where + ": ours has a goto on " + symbol + ", bison does not");

    for (const auto& [symbol, rule] : theirs.reductions)
      if (!reductions.erase({symbol, rule}))
        differences.push_back(where + ": bison reduces by " + std::to_string(rule) + " on " + symbol + ", ours does not");
    for (const auto& [symbol, rule] : reductions)
      differences.push_back(where + ": ours reduces by " + std::to_string(rule) + " on " + symbol + ", bison does not");
  }

  // Our one unreached state is the target the EOF shift would have had; bison's is
  // its accepting state.
  std::int32_t unreached = 0;
  for (std::size_t s = 0; s < ours.states.size(); ++s)
    if (!toBison.count(static_cast<std::int32_t>(s))) {
      ++unreached;
      if (!ours.states[s].actions.empty() || !ours.states[s].gotos.empty())
        differences.push_back("state " + std::to_string(s) + " is unreached but has actions");
    }
  if (unreached != 1) differences.push_back(std::to_string(unreached) + " states unreached, 1 expected");
  if (ours.states.size() != bison.states.size())
    differences.push_back(std::to_string(ours.states.size()) + " states, bison has " + std::to_string(bison.states.size()));
  return differences;
}

std::string joined(const std::vector<std::string>& lines, std::size_t limit = 40) {
  std::string text;
  for (std::size_t i = 0; i < lines.size() && i < limit; ++i) text += lines[i] + "\n";
  if (lines.size() > limit) text += "... " + std::to_string(lines.size() - limit) + " more\n";
  return text;
}

TEST(CGrammarBison, RulesAreTheProductionsInOrder) {
  const Grammar& g = cGrammar();
  const BisonNames name(g);
  const auto& rules = bisonAutomaton().rules;
  ASSERT_EQ(rules.size(), g.productions.size());
  for (std::size_t p = 1; p < rules.size(); ++p) {
    std::vector<std::string> rhs;
    for (auto s : g.productions[p].rhs) rhs.push_back(name(g.symbols[s].number));
    EXPECT_EQ(rules[p].first, name(g.symbols[g.productions[p].lhs].number)) << "rule " << p;
    EXPECT_EQ(rules[p].second, rhs) << "rule " << p;
  }
}

TEST(CGrammarBison, GeneratedTableWalksInLockstepWithBison) {
  const auto differences = compareWithBison(generatedImage(), bisonAutomaton(), BisonNames(cGrammar()));
  EXPECT_TRUE(differences.empty()) << joined(differences);
}

// The walk itself must see a difference: drop one reduction, retarget one shift.
TEST(CGrammarBison, WalkReportsDifferences) {
  const BisonNames name(cGrammar());
  ParserImage image = generatedImage();
  auto& actions = image.states[0].actions;
  ASSERT_TRUE(actions[0].word & ActionShift);
  actions[0].word = ActionShift | 0;  // back to state 0 instead of its true target
  for (auto& state : image.states) {
    const auto reduce = std::find_if(state.actions.begin(), state.actions.end(),
                                     [](const auto& a) { return (a.word & ActionReduce) != 0; });
    if (reduce != state.actions.end()) {
      state.actions.erase(reduce);
      break;
    }
  }
  const auto differences = compareWithBison(image, bisonAutomaton(), name);
  const std::string text = joined(differences, 1000);
  EXPECT_NE(text.find("meets bison state"), std::string::npos) << text;
  EXPECT_NE(text.find(", ours does not"), std::string::npos) << text;
}

}  // namespace
}  // namespace morvane
