// Test support for the lexer generator: a small walker that runs a lexer image the
// way the lexer engine does (longest match with backtracking, ignored tokens, list
// push and pop, the start marker, line and offset counting), reading the image
// bytes directly, so the generator's tests need none of the engine's code.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lexer/LittleEndian.h"
#include "lexer/SSLexTable.h"
#include "tools/tablegen/LexerGen.h"

namespace morvane::tablegen::lexertest {

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

struct ImageRecord {
  std::int32_t token;
  std::int32_t listIndex;
  std::uint32_t flags;
};

// Reads an image checked by lexerImageStats (which throws on a malformed one).
class ImageWalker {
 public:
  explicit ImageWalker(std::span<const unsigned char> image) : image_(image.begin(), image.end()) {
    lexerImageStats(image_);
    std::size_t at = kLexFileHeaderSize;
    for (std::int32_t i = 0; i < word(0); ++i) {
      blocks_.push_back(at);
      at += static_cast<std::size_t>(word(at + 4));
    }
  }

  std::int32_t listCount() const { return static_cast<std::int32_t>(blocks_.size()); }
  std::int32_t stateCount(std::int32_t list) const { return word(block(list) + 40); }

  ImageRecord record(std::int32_t list, std::int32_t state) const {
    const std::size_t at = block(list) + static_cast<std::size_t>(word(block(list) + 52) + state * kLexFinalRecordSize);
    return {word(at), word(at + 4), static_cast<std::uint32_t>(word(at + 8))};
  }

  // The transitions (low, high, next) of a state's row, in image order.
  std::vector<std::array<std::int32_t, 3>> row(std::int32_t list, std::int32_t state) const {
    const std::size_t b = block(list);
    std::size_t at = b + static_cast<std::size_t>(word(b + static_cast<std::size_t>(word(b + 48) + 4 * state)));
    std::vector<std::array<std::int32_t, 3>> transitions(static_cast<std::size_t>(word(at)));
    for (auto& t : transitions) {
      at += 4;
      t[0] = word(at);
      t[1] = word(at += 4);
      t[2] = word(at += 4);
    }
    return transitions;
  }

  // The lexer's nextState: -1 for no transition.
  std::int32_t next(std::int32_t list, std::int32_t state, std::int32_t c) const {
    for (const auto& [low, high, target] : row(list, state)) {
      if (c == -1) {
        if (low == -1) return target;
        continue;
      }
      if (low > c) return -1;
      if (high >= c) return target;
    }
    return -1;
  }

  // The state reached from state 0 of a list on a text (-1 once it fails).
  std::int32_t walk(std::int32_t list, std::string_view text) const {
    std::int32_t state = 0;
    for (char c : text)
      if (state >= 0) state = next(list, state, static_cast<unsigned char>(c));
    return state;
  }

  // Scans the whole text. An invalid token ends the scan with a lexeme of token
  // kInvalid holding the invalid text and its line and offset.
  static constexpr std::int32_t kInvalid = -1000;
  std::vector<Lexeme> scan(std::string_view text) const {
    std::vector<Lexeme> lexemes;
    std::vector<std::int32_t> lists{0};
    bool markerPending = true;
    std::int32_t line = 1, offset = 1, column = 0;
    std::size_t start = 0;
    while (true) {
      const std::int32_t list = lists.back();
      std::int32_t state = 0;
      ImageRecord accepted = record(list, 0);
      std::size_t position = start, acceptPosition = start;
      std::int32_t lineDelta = 0, scanColumn = column, acceptLineDelta = 0, acceptColumn = column;
      bool readAny = false;
      while (true) {
        std::int32_t c;
        if (markerPending) {
          c = -1;
          markerPending = false;
        } else if (position < text.size()) {
          c = static_cast<unsigned char>(text[position++]);
          if (c == '\n') {
            ++lineDelta;
            scanColumn = 1;
          } else {
            ++scanColumn;
          }
        } else {
          break;
        }
        readAny = true;
        state = next(list, state, c);
        if (state < 0) break;
        const ImageRecord r = record(list, state);
        if (r.flags & FinalFlagAccept) {
          accepted = r;
          acceptPosition = position;
          acceptLineDelta = lineDelta;
          acceptColumn = scanColumn;
        }
      }
      if (!readAny) return lexemes;
      if (!(accepted.flags & FinalFlagAccept)) {
        lexemes.push_back({kInvalid, std::string(text.substr(start, position - start)), line, offset});
        return lexemes;
      }
      if (!(accepted.flags & FinalFlagIgnore))
        lexemes.push_back({accepted.token, std::string(text.substr(start, acceptPosition - start)), line, offset});
      start = acceptPosition;
      line += acceptLineDelta;
      offset = column = acceptColumn;
      if (accepted.flags & FinalFlagPop) lists.pop_back();
      if (accepted.flags & FinalFlagPush) lists.push_back(accepted.listIndex);
      if (lists.empty()) return lexemes;
      if (lexemes.size() > text.size() + 8) return lexemes;  // an empty match repeating: stop
    }
  }

 private:
  std::int32_t word(std::size_t at) const { return readLe32Signed(image_.data() + at); }
  std::size_t block(std::int32_t list) const { return blocks_.at(static_cast<std::size_t>(list)); }

  std::vector<unsigned char> image_;
  std::vector<std::size_t> blocks_;
};

}  // namespace morvane::tablegen::lexertest
