// buildParserTables: grammar text -> LR(0) automaton -> LALR(1) lookaheads ->
// parse table with the declared conflicts resolved -> image, report, names.
#include "tools/tablegen/LalrGen.h"

#include "tools/tablegen/lalr/Grammar.h"
#include "tools/tablegen/lalr/Lookaheads.h"
#include "tools/tablegen/lalr/Lr0Automaton.h"
#include "tools/tablegen/lalr/Outputs.h"
#include "tools/tablegen/lalr/ParseTable.h"
#include "tools/tablegen/lalr/ParserImage.h"

namespace morvane::tablegen {

ParserTables buildParserTables(std::string_view text) {
  const lalr::Grammar grammar = lalr::readGrammar(text);
  const lalr::Lr0Automaton automaton = lalr::buildLr0Automaton(grammar);
  const auto lookaheads = lalr::computeLookaheads(grammar, automaton);
  const lalr::ParseTable table = lalr::buildParseTable(grammar, automaton, lookaheads);
  ParserTables tables;
  tables.image = lalr::writeParserImage(grammar, table);
  tables.report = lalr::automatonReport(grammar, automaton, table);
  tables.namesCpp = lalr::namesSource(grammar);
  return tables;
}

}  // namespace morvane::tablegen
