// The parse table image: written from a ParseTable, read back (with every offset,
// count and target checked) for the tool's --stats and for tests.
#include "tools/tablegen/lalr/ParserImage.h"

#include "lexer/LittleEndian.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYaccTable.h"

namespace morvane::tablegen {

namespace lalr {

std::vector<unsigned char> writeParserImage(const Grammar& g, const ParseTable& table) {
  const auto productions = static_cast<std::uint32_t>(g.productions.size());
  const auto states = static_cast<std::uint32_t>(table.states.size());
  // The loader's limits: 16-bit targets and counts, and the fixed part of the image.
  if (states > ActionTargetMask) throw DefinitionError(0, std::to_string(states) + " states: at most 65535 fit");
  if (productions > ActionTargetMask)
    throw DefinitionError(0, std::to_string(productions) + " productions: at most 65535 fit");
  const std::uint32_t productionOffset = kYaccHeaderSize + 4 * states;
  const std::uint32_t recordsOffset = productionOffset + 8 * productions;
  if (recordsOffset > static_cast<std::uint32_t>(kYaccMaxFixedPart))
    throw DefinitionError(0, "the table is too big: its state records would begin at offset " +
                                 std::to_string(recordsOffset) + ", beyond 65535");

  std::vector<unsigned char> image;
  auto put = [&](std::uint32_t value) {
    image.resize(image.size() + 4);
    writeLe32(image.data() + image.size() - 4, value);
  };
  put(kYaccTableMagic);
  put(productions);  // no embedded lists: the high half stays 0
  put(states);
  put(recordsOffset);
  put(productionOffset);
  std::uint32_t offset = recordsOffset;
  for (const TableState& s : table.states) {
    put(offset);
    offset += 12 + 8 * static_cast<std::uint32_t>(s.actions.size() + s.gotos.size());
  }
  for (const Production& p : g.productions) {
    put(static_cast<std::uint32_t>(p.rhs.size()));
    put(p.number == 0 ? 0 : static_cast<std::uint32_t>(g.symbols[p.lhs].number));
  }
  for (const TableState& s : table.states) {
    put(0);  // flags: the table carries no error-recovery information
    put(static_cast<std::uint32_t>(s.gotos.size()));
    put(static_cast<std::uint32_t>(s.actions.size()));
    for (const Action& a : s.actions) {
      switch (a.kind) {
        case ActionKind::Shift: put(ActionShift | static_cast<std::uint32_t>(a.target)); break;
        case ActionKind::Reduce: put(ActionReduce | static_cast<std::uint32_t>(a.target)); break;
        case ActionKind::Accept: put(ActionAccept); break;
      }
      put(static_cast<std::uint32_t>(g.symbols[a.symbol].number));
    }
    for (const Goto& go : s.gotos) {
      put(static_cast<std::uint32_t>(go.target));
      put(static_cast<std::uint32_t>(g.symbols[go.symbol].number));
    }
  }
  return image;
}

}  // namespace lalr

namespace {

[[noreturn]] void malformed(const std::string& what) { throw DefinitionError(0, "malformed parse image: " + what); }

class ImageReader {
 public:
  explicit ImageReader(std::span<const unsigned char> image) : image_(image) {}

  std::uint32_t word(std::size_t offset, const char* what) const {
    if (offset > image_.size() || image_.size() - offset < 4)
      malformed(std::string(what) + " at offset " + std::to_string(offset) + " lies outside the image");
    return readLe32(image_.data() + offset);
  }

  ParserImageEntry entry(std::size_t offset, const char* what) const {
    return {word(offset, what), static_cast<std::int32_t>(word(offset + 4, what))};
  }

 private:
  std::span<const unsigned char> image_;
};

}  // namespace

ParserImage readParserImage(std::span<const unsigned char> bytes) {
  const ImageReader in(bytes);
  if (in.word(0, "the magic") != kYaccTableMagic) malformed("wrong magic");
  const std::uint32_t counts = in.word(4, "the counts");
  const std::uint32_t productions = counts & 0xFFFF;
  const std::uint32_t lists = counts >> 16;
  const std::uint32_t states = in.word(8, "the state count");
  const std::uint32_t recordsOffset = in.word(12, "the state records offset");
  const std::uint32_t productionOffset = in.word(16, "the production table offset");
  if (states == 0 || states > ActionTargetMask) malformed("state count " + std::to_string(states));
  if (productionOffset != kYaccHeaderSize + 4 * states) malformed("production table offset");
  if (recordsOffset != productionOffset + 8 * productions) malformed("state records offset");

  ParserImage image;
  image.listCount = static_cast<std::int32_t>(lists);
  for (std::uint32_t p = 0; p < productions; ++p) {
    const ParserImageEntry e = in.entry(productionOffset + 8 * p, "a production");
    if (static_cast<std::int32_t>(e.word) < 0) malformed("production " + std::to_string(p) + " has a negative length");
    if (p == 0 ? e.symbol != 0 : e.symbol < kFirstNonterminal)
      malformed("production " + std::to_string(p) + " has left side " + std::to_string(e.symbol));
    image.productions.push_back({static_cast<std::int32_t>(e.word), e.symbol});
  }

  std::size_t end = recordsOffset;  // just past the last byte of any record
  for (std::uint32_t s = 0; s < states; ++s) {
    const std::size_t at = in.word(kYaccHeaderSize + 4 * s, "a state offset");
    const std::string name = "state " + std::to_string(s);
    if (at < recordsOffset) malformed(name + " record lies inside the fixed part");
    ParserImageState state;
    state.flags = in.word(at, "a state record");
    const std::uint32_t gotos = in.word(at + 4, "a state record");
    const std::uint32_t actions = in.word(at + 8, "a state record");
    const std::uint64_t entries = std::uint64_t{gotos} + actions + ((state.flags & StateHasErrorEntry) ? 1 : 0);
    if (entries > (bytes.size() - std::min(bytes.size(), at + 12)) / 8) malformed(name + " record runs past the image");
    std::size_t e = at + 12;
    for (std::uint32_t i = 0; i < actions; ++i, e += 8) {
      const ParserImageEntry a = in.entry(e, "an action");
      if (a.symbol < kErrorToken || a.symbol >= kFirstNonterminal)
        malformed(name + " has an action on non-terminal " + std::to_string(a.symbol));
      const std::uint32_t target = a.word & ActionTargetMask;
      if ((a.word & ActionShift) ? target >= states
          : (a.word & ActionReduce) ? target >= productions
          : (a.word & ActionAccept) ? false
          : (a.word & ActionConflict) ? target >= lists : false)
        malformed(name + " has an action with target " + std::to_string(target) + " out of range");
      state.actions.push_back(a);
    }
    for (std::uint32_t i = 0; i < gotos; ++i, e += 8) {
      const ParserImageEntry g = in.entry(e, "a goto");
      if (g.symbol < kFirstNonterminal) malformed(name + " has a goto on terminal " + std::to_string(g.symbol));
      if ((g.word & ActionTargetMask) >= states) malformed(name + " has a goto to a state out of range");
      state.gotos.push_back(g);
    }
    if (state.flags & StateHasErrorEntry) {
      state.errorEntry = in.entry(e, "an error entry");
      if ((state.errorEntry->word & ActionTargetMask) >= states) malformed(name + " has an error entry out of range");
      e += 8;
    }
    end = std::max(end, e);
    image.states.push_back(std::move(state));
  }

  // Embedded expression lists follow the state records, each giving its own size.
  for (std::uint32_t l = 0; l < lists; ++l) {
    if (in.word(end, "an expression list") != kLexTableMagic) malformed("expression list " + std::to_string(l) + " has a wrong magic");
    const std::uint32_t size = in.word(end + 4, "an expression list");
    if (size < static_cast<std::uint32_t>(kLexListHeaderSize) || size > bytes.size() - end)
      malformed("expression list " + std::to_string(l) + " has size " + std::to_string(size));
    end += size;
  }
  return image;
}

std::string parserImageStats(std::span<const unsigned char> bytes) {
  const ParserImage image = readParserImage(bytes);
  std::size_t shifts = 0, reductions = 0, accepts = 0, conflicts = 0, gotos = 0, errorEntries = 0;
  for (const ParserImageState& s : image.states) {
    for (const ParserImageEntry& a : s.actions) {
      if (a.word & ActionShift) ++shifts;
      else if (a.word & ActionReduce) ++reductions;
      else if (a.word & ActionAccept) ++accepts;
      else if (a.word & ActionConflict) ++conflicts;
      else ++errorEntries;  // an explicit error action
    }
    gotos += s.gotos.size();
    if (s.errorEntry) ++errorEntries;
  }
  return "productions: " + std::to_string(image.productions.size()) + "\nstates: " + std::to_string(image.states.size()) +
         "\nshifts: " + std::to_string(shifts) + "\nreductions: " + std::to_string(reductions) +
         "\naccepts: " + std::to_string(accepts) + "\nconflicts: " + std::to_string(conflicts) +
         "\ngotos: " + std::to_string(gotos) + "\nerror_entries: " + std::to_string(errorEntries) +
         "\nbytes: " + std::to_string(bytes.size()) + "\n";
}

}  // namespace morvane::tablegen
