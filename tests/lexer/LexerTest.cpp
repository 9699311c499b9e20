// SSLex over hand-built tables: longest match, ignored tokens, list actions,
// trailing context, start of line, the start marker, every lexer error, and the
// exact line and offset bookkeeping of the consumer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lexer/SSException.h"
#include "lexer/SSLex.h"
#include "tests/lexer/ExpectSSException.h"
#include "tests/lexer/TableImages.h"

namespace morvane {
namespace {

using namespace testimage;

constexpr std::uint32_t kAccept = FinalFlagAccept;
constexpr std::uint32_t kSkip = FinalFlagAccept | FinalFlagIgnore;

// Tokens of the main test table.
enum : std::int32_t {
  kIdent = 2,
  kNumber = 3,
  kDot = 4,
  kEllipsis = 5,
  kOpen = 6,
  kText = 7,
  kClose = 8,
  kQuoted = 9
};

// List 0: blanks and line feeds skipped, identifiers a-z(a-z0-9)*, numbers, "." and
// "...", a double quote that pushes list 1, and 'a-z' quoted (ending at the quote).
// List 1 (string body): its start state accepts (empty text), a-z runs, and the
// closing quote that pops.
std::vector<LexList> mainLists() {
  LexList body = {
      /*0*/ {kText, 0, kAccept, {{'"', '"', 2}, {'a', 'z', 1}, {-1, -1, 3}}},
      /*1*/ {kText, 0, kAccept, {{'a', 'z', 1}}},
      /*2*/ {kClose, 0, kAccept | FinalFlagPop, {}},
      /*3*/ {-1, 0, kSkip, {}},
  };
  LexList main = {
      /*0*/ {0,
             0,
             0,
             {{'\n', '\n', 1},
              {' ', ' ', 1},
              {'"', '"', 7},
              {'\'', '\'', 9},
              {'.', '.', 4},
              {'0', '9', 3},
              {'a', 'z', 2},
              {-1, -1, 8}}},
      /*1*/ {1, 0, kSkip, {{'\n', '\n', 1}, {' ', ' ', 1}}},
      /*2*/ {kIdent, 0, kAccept, {{'0', '9', 2}, {'a', 'z', 2}}},
      /*3*/ {kNumber, 0, kAccept, {{'0', '9', 3}}},
      /*4*/ {kDot, 0, kAccept, {{'.', '.', 5}}},
      /*5*/ {0, 0, 0, {{'.', '.', 6}}},
      /*6*/ {kEllipsis, 0, kAccept, {}},
      /*7*/ {kOpen, 1, kAccept | FinalFlagPush, {}},
      /*8*/ {-1, 0, kSkip, {}},
      /*9*/ {0, 0, 0, {{'a', 'z', 10}}},
      /*10*/ {0, 0, 0, {{'\'', '\'', 11}, {'a', 'z', 10}}},
      /*11*/ {kQuoted, 0, kAccept, {}},
  };
  return {main, body};
}

struct Seen {
  std::int32_t token;
  std::string text;
  std::int32_t line;
  std::int32_t offset;
  bool operator==(const Seen&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Seen& s) {
  return out << "{" << s.token << ", \"" << s.text << "\", " << s.line << ", " << s.offset << "}";
}

// Lexes the whole text (or up to `limit` lexemes).
class Scan {
 public:
  Scan(const std::vector<LexList>& lists, std::string_view text)
      : image_(lexImage(lists)),
        table_(image_.span(), "t.dfa"),
        consumer_(text),
        lexer_(&consumer_, &table_) {}

  std::vector<Seen> all(std::size_t limit = 100) {
    std::vector<Seen> seen;
    while (seen.size() < limit) {
      const RefPtr<SSLexLexeme> lexeme = lexer_.nextLexeme();
      if (!lexeme) break;
      seen.push_back({lexeme->token(), std::string(lexeme->view()), lexeme->line(), lexeme->offset()});
    }
    return seen;
  }
  SSLex& lexer() { return lexer_; }
  SSLexConsumer& consumer() { return consumer_; }

 private:
  HeapImage image_;
  SSLexTable table_;
  SSLexStringConsumer consumer_;
  SSLex lexer_;
};

TEST(LexerTest, LongestMatchSkipsIgnoredTokensAndCountsLinesAndColumns) {
  struct Case {
    const char* text;
    std::vector<Seen> lexemes;
    std::int32_t lineAfter, offsetAfter;
  };
  const Case cases[] = {
      {"", {}, 1, 0},
      {"ab cd\nxy z",
       {{kIdent, "ab", 1, 0}, {kIdent, "cd", 1, 3}, {kIdent, "xy", 2, 1}, {kIdent, "z", 2, 4}},
       2,
       5},
      // After two dots the automaton is inside "..." and fails on x: the second dot is given back.
      {"..x", {{kDot, ".", 1, 0}, {kDot, ".", 1, 1}, {kIdent, "x", 1, 2}}, 1, 3},
      {"...", {{kEllipsis, "...", 1, 0}}, 1, 3},
      // Text ending after an accepting state: the accepted prefix, then the rest rescanned.
      {"..", {{kDot, ".", 1, 0}, {kDot, ".", 1, 1}}, 1, 2},
      {"a1 22\n\n\n  q", {{kIdent, "a1", 1, 0}, {kNumber, "22", 1, 3}, {kIdent, "q", 4, 3}}, 4, 4},
      {"\nx", {{kIdent, "x", 2, 1}}, 2, 2},
  };
  for (const Case& c : cases) {
    Scan scan(mainLists(), c.text);
    EXPECT_EQ(scan.all(), c.lexemes) << c.text;
    EXPECT_EQ(scan.consumer().line(), c.lineAfter) << c.text;
    EXPECT_EQ(scan.consumer().offset(), c.offsetAfter) << c.text;
    EXPECT_FALSE(scan.lexer().nextLexeme()) << "none again after the end";
  }
}

TEST(LexerTest, PushAndPopListsAndAcceptInTheStartState) {
  Scan scan(mainLists(), "x \"ab\" y \"c\nz");
  const std::vector<Seen> expected = {
      {kIdent, "x", 1, 0},
      {kOpen, "\"", 1, 2},
      {kText, "ab", 1, 3},
      {kClose, "\"", 1, 5},
      {kIdent, "y", 1, 7},
      {kOpen, "\"", 1, 9},
      {kText, "c", 1, 10},
      // The body's start state accepts: on the line feed an empty lexeme, without advancing.
      {kText, "", 1, 11},
      {kText, "", 1, 11},
  };
  EXPECT_EQ(scan.all(expected.size()), expected);
  EXPECT_EQ(scan.lexer().listStack().count(), 2);
  EXPECT_EQ(scan.consumer().line(), 1);
  EXPECT_EQ(scan.consumer().offset(), 11);
}

TEST(LexerTest, UnmatchedTextRaisesCode9AndMovesPastIt) {
  struct Case {
    const char* text;
    std::size_t goodLexemes;
    const char* message;
    std::int32_t lineAfter, offsetAfter;
  };
  const Case cases[] = {
      {"ab ?c", 1, "SSLex0105e: Invalid token, Line 1, Offset 3, ?", 1, 4},
      // The failing line feed belongs to the text; the consumer stands on the next line.
      {"x 'ab\nz", 1, "SSLex0105e: Invalid token, Line 1, Offset 2, 'ab\n", 2, 1},
      // Text that ends inside a token with no accepting state reached.
      {"y\n 'ab", 1, "SSLex0105e: Invalid token, Line 2, Offset 2, 'ab", 2, 5},
      {"\n\n?", 0, "SSLex0105e: Invalid token, Line 3, Offset 1, ?", 3, 2},
  };
  for (const Case& c : cases) {
    Scan scan(mainLists(), c.text);
    EXPECT_EQ(scan.all(c.goodLexemes).size(), c.goodLexemes) << c.text;
    EXPECT_EQ(messageOf([&] { scan.lexer().nextLexeme(); }, 9), c.message);
    EXPECT_EQ(scan.consumer().line(), c.lineAfter) << c.text;
    EXPECT_EQ(scan.consumer().offset(), c.offsetAfter) << c.text;
  }
}

TEST(LexerTest, WithoutAStartMarkerTransitionTheFirstScanFails) {
  std::vector<LexList> lists = mainLists();
  lists[0][0].row.pop_back();
  Scan scan(lists, "abc");
  EXPECT_EQ(messageOf([&] { scan.lexer().nextLexeme(); }, 9),
            "SSLex0105e: Invalid token, Line 1, Offset 1, ");
  // The marker is gone; the text itself lexes from column 0.
  EXPECT_EQ(scan.all(), (std::vector<Seen>{{kIdent, "abc", 1, 0}}));
}

TEST(LexerTest, TrailingContextEndsTheTokenAtTheMark) {
  // "a\n" followed by c: the token is "a\n" (the mark after the line feed), c rescanned.
  const LexList list = {
      /*0*/ {0, 0, 0, {{'a', 'a', 1}, {'c', 'c', 4}, {-1, -1, 5}}},
      /*1*/ {0, 0, 0, {{'\n', '\n', 2}}},
      /*2*/ {0, 0, FinalFlagMark, {{'c', 'c', 3}}},
      /*3*/ {kQuoted, 0, kAccept | FinalFlagTrailing, {}},
      /*4*/ {kIdent, 0, kAccept, {}},
      /*5*/ {-1, 0, kSkip, {}},
  };
  Scan scan({list}, "a\nca\nc");
  EXPECT_EQ(scan.all(),
            (std::vector<Seen>{
                {kQuoted, "a\n", 1, 0}, {kIdent, "c", 2, 1}, {kQuoted, "a\n", 2, 2}, {kIdent, "c", 3, 1}}));
  EXPECT_EQ(scan.consumer().line(), 3);
  EXPECT_EQ(scan.consumer().offset(), 2);
}

TEST(LexerTest, TrailingContextWithoutAMarkGivesAnEmptyTokenAtTheStart) {
  // A hostile table: Trailing without any Mark state. The token is empty at its own
  // start, never text from before it.
  const LexList list = {
      /*0*/ {0, 0, 0, {{'b', 'b', 1}, {-1, -1, 2}}},
      /*1*/ {kIdent, 0, kAccept | FinalFlagTrailing, {}},
      /*2*/ {-1, 0, kSkip, {}},
  };
  Scan scan({list}, "bb");
  EXPECT_EQ(scan.all(3), (std::vector<Seen>{{kIdent, "", 1, 0}, {kIdent, "", 1, 0}, {kIdent, "", 1, 0}}));
}

TEST(LexerTest, StartOfLineDropsTheLineBreakExceptOnLineOneOrColumnOne) {
  constexpr std::int32_t kBreak = 12, kHashAtLineStart = 11, kHash = 13;
  const LexList list = {
      /*0*/ {0, 0, 0, {{'\n', '\n', 1}, {' ', ' ', 3}, {'#', '#', 5}, {'a', 'z', 4}, {-1, -1, 6}}},
      /*1*/ {kBreak, 0, kAccept, {{'#', '#', 2}}},
      /*2*/ {kHashAtLineStart, 0, kAccept | FinalFlagStartOfLine, {}},
      /*3*/ {1, 0, kSkip, {{' ', ' ', 3}}},
      /*4*/ {kIdent, 0, kAccept, {{'a', 'z', 4}}},
      /*5*/ {kHash, 0, kAccept, {}},
      /*6*/ {-1, 0, kSkip, {}},
  };
  struct Case {
    const char* text;
    std::vector<Seen> lexemes;
    std::int32_t lineAfter, offsetAfter;
  };
  const Case cases[] = {
      {"xx\nyy\n#",
       {{kIdent, "xx", 1, 0}, {kBreak, "\n", 1, 2}, {kIdent, "yy", 2, 1}, {kHashAtLineStart, "#", 3, 1}},
       3,
       2},
      {"x\n#", {{kIdent, "x", 1, 0}, {kHashAtLineStart, "\n#", 1, 1}}, 2, 2},  // line 1
      {"x\n\n#",
       {{kIdent, "x", 1, 0}, {kBreak, "\n", 1, 1}, {kHashAtLineStart, "\n#", 2, 1}},
       3,
       2},  // column 1
      {"x\nyy\n#a",
       {{kIdent, "x", 1, 0},
        {kBreak, "\n", 1, 1},
        {kIdent, "yy", 2, 1},
        {kHashAtLineStart, "#", 3, 1},
        {kIdent, "a", 3, 2}},
       3,
       3},
  };
  for (const Case& c : cases) {
    Scan scan({list}, c.text);
    EXPECT_EQ(scan.all(), c.lexemes) << c.text;
    EXPECT_EQ(scan.consumer().line(), c.lineAfter) << c.text;
    EXPECT_EQ(scan.consumer().offset(), c.offsetAfter) << c.text;
  }
}

TEST(LexerTest, SwitchReplacesTheTopList) {
  // List 0: 'a' switches to list 1 (push and pop); list 1: 'b', then 'p' pops the last list.
  const std::vector<LexList> lists = {
      {{0, 0, 0, {{'a', 'a', 1}, {-1, -1, 2}}},
       {kIdent, 1, kAccept | FinalFlagPush | FinalFlagPop, {}},
       {-1, 0, kSkip, {}}},
      {{0, 0, 0, {{'b', 'b', 1}, {'p', 'p', 2}}},
       {kNumber, 0, kAccept, {}},
       {kDot, 0, kAccept | FinalFlagPop, {}}},
  };
  Scan scan(lists, "abp");
  EXPECT_EQ(scan.all(2), (std::vector<Seen>{{kIdent, "a", 1, 0}, {kNumber, "b", 1, 1}}));
  EXPECT_EQ(scan.lexer().listStack().count(), 1);
  EXPECT_EQ(messageOf([&] { scan.lexer().nextLexeme(); }, 7), "SSLifo0002e: No top, stack empty");
  EXPECT_EQ(messageOf([&] { scan.lexer().popList(); }, 8), "SSLifo0004e: Cannot pop empty stack");
}

TEST(LexerTest, ListActionsOutsideTheTableRaiseCode6) {
  std::vector<LexList> lists = mainLists();
  lists[0][7].listIndex = 2;
  Scan scan(lists, "\"");
  EXPECT_EQ(messageOf([&] { scan.lexer().nextLexeme(); }, 6), "SSLex0106e: Invalid expression list index, 2");
  EXPECT_EQ(messageOf([&] { scan.lexer().pushList(-1); }, 6),
            "SSLex0106e: Invalid expression list index, -1");
}

TEST(LexerTest, MissingTableOrConsumerOrListsAreRefused) {
  const HeapImage image(lexImage(mainLists()));
  SSLexTable table(image.span(), "t.dfa");
  SSLexStringConsumer consumer("x");
  for (auto make : {+[](SSLexConsumer*, SSLexTable*t) { SSLex lexer(nullptr, t); },
                    +[](SSLexConsumer*c, SSLexTable*) { SSLex lexer(c, nullptr); }})
    EXPECT_EQ(messageOf([&] { make(&consumer, &table); }, 5),
              "SSLex0107e: Table or consumer missing, required");

  Bytes none = lexImage(mainLists());
  putWord(none, 0, 0);
  const HeapImage empty(none);
  SSLexTable noLists(empty.span(), "t.dfa");
  EXPECT_EQ(messageOf([&] { SSLex lexer(&consumer, &noLists); }, 6),
            "SSLex0106e: Invalid expression list index, 0");
}

TEST(LexerTest, AnIgnoredMatchOfNoTextIsUnmatchedInsteadOfLoopingForever) {
  // A hostile table whose start state accepts and ignores: it would match nothing
  // at the same place forever.
  const LexList list = {
      {1, 0, kSkip, {{'a', 'a', 1}, {-1, -1, 2}}}, {kIdent, 0, kAccept, {}}, {-1, 0, kSkip, {}}};
  Scan scan({list}, "a?a");
  EXPECT_EQ(scan.all(1), (std::vector<Seen>{{kIdent, "a", 1, 0}}));
  EXPECT_EQ(messageOf([&] { scan.lexer().nextLexeme(); }, 9),
            "SSLex0105e: Invalid token, Line 1, Offset 1, ?");
  EXPECT_EQ(scan.all(), (std::vector<Seen>{{kIdent, "a", 1, 2}}));
}

TEST(LexerTest, ReplacedHooksCanSkipTextAndRefillAddsInput) {
  // A lexer that drops unmatched text and identifiers; a consumer that hands its
  // text over in pieces of two characters.
  class QuietLex : public SSLex {
   public:
    using SSLex::SSLex;

   protected:
    RefPtr<SSLexLexeme> invalidToken() override { return nullptr; }
    RefPtr<SSLexLexeme> tokenLexeme(std::int32_t token) override {
      if (token == kIdent) {
        consumer().consumeAccepted();
        return nullptr;
      }
      return SSLex::tokenLexeme(token);
    }
  };
  class PieceConsumer : public SSLexConsumer {
   public:
    explicit PieceConsumer(std::string text) : rest_(std::move(text)) {}
    std::int32_t refill() override {
      const std::string piece = rest_.substr(0, 2);
      rest_.erase(0, piece.size());
      buffer_ += piece;
      return static_cast<std::int32_t>(piece.size());
    }

   private:
    std::string rest_;
  };
  const HeapImage image(lexImage(mainLists()));
  SSLexTable table(image.span(), "t.dfa");
  PieceConsumer consumer("12 ab?? 345\n6");
  QuietLex lexer(&consumer, &table);
  std::vector<Seen> seen;
  while (RefPtr<SSLexLexeme> l = lexer.nextLexeme())
    seen.push_back({l->token(), std::string(l->view()), l->line(), l->offset()});
  EXPECT_EQ(seen, (std::vector<Seen>{{kNumber, "12", 1, 0}, {kNumber, "345", 1, 8}, {kNumber, "6", 2, 1}}));
}

TEST(LexerTest, LexemesCountTheirHoldersAndAreAllFreed) {
  const std::int64_t liveBefore = SSLexLexeme::liveCount();
  {
    SSLexLexeme* raw = new SSLexLexeme("abc", 2, 4, 5);
    EXPECT_EQ(raw->view(), "ab");
    EXPECT_EQ(raw->length(), 2);
    EXPECT_EQ(raw->refCount(), 0);
    raw->addRef();
    EXPECT_TRUE(raw->release());
    raw->addRef();
    raw->addRef();
    EXPECT_FALSE(raw->release());
    EXPECT_TRUE(raw->release());
    delete raw;

    Scan scan(mainLists(), "a b \"c\" ?");
    EXPECT_EQ(scan.all(5).size(), 5u);
    EXPECT_THROW(scan.lexer().nextLexeme(), SSException);
  }
  EXPECT_EQ(SSLexLexeme::liveCount(), liveBefore);
}

}  // namespace
}  // namespace morvane
