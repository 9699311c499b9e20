// A small pseudo-random C writer. Every piece it emits is a construct of the C
// grammar without typedef names, so the whole text translates cleanly.
#include "bench/CorpusGenerator.h"

#include <array>
#include <string_view>

namespace morvane::bench {
namespace {

class Writer {
 public:
  explicit Writer(std::uint32_t seed) : state_(seed ? seed : 1) {}

  std::uint32_t next() {  // xorshift32: fast and reproducible
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  std::uint32_t below(std::uint32_t n) { return next() % n; }

  std::string name(std::string_view prefix) { return std::string(prefix) + std::to_string(below(500)); }

  std::string expression(int depth = 0) {
    static constexpr std::array<std::string_view, 12> kOps = {" + ", " - ", " * ", " / ", " % ", " << ",
                                                             " & ", " | ", " < ", " == ", " && ", " || "};
    if (depth > 2 || below(3) == 0) {
      switch (below(5)) {
        case 0: return std::to_string(below(1000));
        case 1: return "0x" + std::to_string(below(90) + 10);
        case 2: return name("v") + "[" + name("i") + "]";
        case 3: return name("p") + "->" + name("f");
        default: return name("v");
      }
    }
    if (below(6) == 0) return "f" + std::to_string(below(50)) + "(" + expression(depth + 1) + ", " +
                              expression(depth + 1) + ")";
    if (below(8) == 0) return "(" + expression(depth + 1) + ")";
    return expression(depth + 1) + std::string(kOps[below(kOps.size())]) + expression(depth + 1);
  }

  void statement(std::string& out, int depth) {
    switch (depth > 1 ? 0 : below(7)) {
      case 0:
      case 1:
        out += "    " + name("v") + " = " + expression() + ";\n";
        break;
      case 2:
        out += "    if (" + expression() + ") {\n";
        statement(out, depth + 1);
        out += "    } else\n";
        statement(out, depth + 1);
        break;
      case 3:
        out += "    for (i = 0; i < " + std::to_string(below(100)) + "; i++) {\n";
        statement(out, depth + 1);
        statement(out, depth + 1);
        out += "    }\n";
        break;
      case 4:
        out += "    while (" + expression() + ")\n";
        statement(out, depth + 1);
        break;
      case 5:
        out += "    switch (" + name("v") + ") {\n    case 1:\n";
        statement(out, depth + 1);
        out += "        break;\n    case 2: case 3:\n";
        statement(out, depth + 1);
        out += "        break;\n    default:\n";
        statement(out, depth + 1);
        out += "    }\n";
        break;
      default:
        out += "    printf(\"value %d\\n\", " + expression() + ");\n";
        break;
    }
  }

  void function(std::string& out) {
    const int id = static_cast<int>(below(100000));
    out += "/* function " + std::to_string(id) + " */\n";
    out += "static int fn" + std::to_string(id) + "(int a, char *s, long n)\n{\n";
    out += "    int i, j;\n    unsigned long total = 0;\n    char buffer[64];\n";
    const std::uint32_t count = 4 + below(12);
    for (std::uint32_t k = 0; k < count; ++k) statement(out, 0);
    out += "    return total + a;\n}\n\n";
  }

  void declarations(std::string& out) {
    switch (below(4)) {
      case 0: out += "int " + name("g") + ", " + name("g") + "[" + std::to_string(below(50) + 1) + "];\n"; break;
      case 1: out += "static const char *" + name("msg") + " = \"message text\";\n"; break;
      case 2:
        out += "struct " + name("rec") + " {\n    int key;\n    double weight;\n    char name[32];\n};\n";
        break;
      default: out += "enum " + name("mode") + " { M0, M1 = 4, M2 };\n"; break;
    }
  }

 private:
  std::uint32_t state_;
};

}  // namespace

std::string generateCorpus(std::size_t bytes, std::uint32_t seed) {
  Writer writer(seed);
  std::string out;
  out.reserve(bytes + 4096);
  while (out.size() < bytes) {
    if (writer.below(3) == 0) writer.declarations(out);
    else writer.function(out);
  }
  return out;
}

std::string generateLongFunction(std::size_t statements) {
  std::string out = "int long_function(int a)\n{\n    int x;\n";
  for (std::size_t i = 0; i < statements; ++i) out += "    x = x + " + std::to_string(i % 1000) + ";\n";
  out += "    return x;\n}\n";
  return out;
}

}  // namespace morvane::bench
