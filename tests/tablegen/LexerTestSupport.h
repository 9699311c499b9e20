// Test support for lexer tables: runs a table in the real lexer engine and looks
// into its automata. Used by the generator's tests (on small generated images) and
// by the C token tests (on the embedded C table).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lexer/SSException.h"
#include "lexer/SSLex.h"
#include "lexer/SSLexConsumer.h"
#include "lexer/SSLexTable.h"

namespace morvane::lexertest {

struct Lexeme {
  std::int32_t token;
  std::string text;
  std::int32_t line;
  std::int32_t offset;
  friend bool operator==(const Lexeme&, const Lexeme&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Lexeme& l) {
    return out << "{" << l.token << ", \"" << l.text << "\", " << l.line << ", " << l.offset << "}";
  }
};

// An engine error that ended a scan.
struct Failure {
  int code;
  std::string message;
  friend bool operator==(const Failure&, const Failure&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Failure& f) {
    return out << "{" << f.code << ", \"" << f.message << "\"}";
  }
};

struct Scan {
  std::vector<Lexeme> lexemes;
  std::optional<Failure> failure;
  std::int32_t line = 0;    // the consumer's line and offset when the scan ended
  std::int32_t offset = 0;
};

class TableRunner {
 public:
  // A table image held in memory (the runner keeps a copy).
  explicit TableRunner(std::span<const unsigned char> image)
      : image_(image.begin(), image.end()), table_(std::make_unique<SSLexTable>(image_, "test")) {}
  // The embedded lexer table, loaded as the driver loads it.
  explicit TableRunner(const char* name) : table_(std::make_unique<SSLexTable>(name)) {}

  const SSLexExpressionList& list(std::int32_t index) const { return table_->expressionList(index); }
  std::int32_t stateCount(std::int32_t index) const { return list(index).stateCount(); }
  const SSLexFinalRecord& record(std::int32_t index, std::int32_t state) const { return list(index).finalRecord(state); }
  std::int32_t next(std::int32_t index, std::int32_t state, std::int32_t c) const { return list(index).nextState(c, state); }

  // The state reached from state 0 of a list on a text; -1 once it fails.
  std::int32_t walk(std::int32_t index, std::string_view text) const {
    std::int32_t state = 0;
    for (char c : text)
      if (state >= 0) state = next(index, state, static_cast<unsigned char>(c));
    return state;
  }

  // Runs the lexer over the text to its end or to the first engine error. An empty
  // lexeme ends the scan too: the lexer did not advance and would deliver it again.
  Scan scan(std::string_view text) const {
    Scan result;
    SSLexStringConsumer consumer(text);
    SSLex lexer(&consumer, table_.get());
    try {
      while (RefPtr<SSLexLexeme> lexeme = lexer.nextLexeme()) {
        result.lexemes.push_back({lexeme->token(), std::string(lexeme->view()), lexeme->line(), lexeme->offset()});
        if (lexeme->length() == 0) break;
      }
    } catch (const SSException& e) {
      result.failure = Failure{e.code(), e.what()};
    }
    result.line = consumer.line();
    result.offset = consumer.offset();
    return result;
  }

 private:
  std::vector<unsigned char> image_;
  std::unique_ptr<SSLexTable> table_;
};

}  // namespace morvane::lexertest
