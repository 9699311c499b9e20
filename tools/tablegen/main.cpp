// morvane-tablegen: builds the lexer and parse table images from their definitions
// and prints the counts of an image.
//
//   morvane-tablegen lexer DEFINITION -o IMAGE
//   morvane-tablegen parser GRAMMAR -o IMAGE [--names-cpp FILE] [--report FILE]
//   morvane-tablegen --stats IMAGE
//
// Outputs are written atomically and left alone when their bytes did not change.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lexer/LittleEndian.h"
#include "lexer/SSLexTable.h"
#include "parser/SSYaccTable.h"
#include "tools/tablegen/LalrGen.h"
#include "tools/tablegen/LexerGen.h"

namespace {

using morvane::tablegen::DefinitionError;
namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: morvane-tablegen lexer DEFINITION -o IMAGE\n"
    "       morvane-tablegen parser GRAMMAR -o IMAGE [--names-cpp FILE] [--report FILE]\n"
    "       morvane-tablegen --stats IMAGE\n";

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("cannot read " + path);
  return bytes;
}

// Writes beside the target, then renames into place; an unchanged file is kept as it is.
void writeFile(const std::string& path, std::string_view bytes) {
  std::error_code ec;
  if (fs::exists(path, ec)) {
    try {
      if (readFile(path) == bytes) return;
    } catch (const std::exception&) {
    }
  }
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, ec);
      throw std::runtime_error("cannot write " + path);
    }
  }
  fs::rename(temporary, path, ec);
  if (ec) {
    fs::remove(temporary, ec);
    throw std::runtime_error("cannot replace " + path + ": " + ec.message());
  }
}

std::string_view asText(const std::vector<unsigned char>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

int stats(const std::string& path) {
  const std::string image = readFile(path);
  const auto* data = reinterpret_cast<const unsigned char*>(image.data());
  const std::span<const unsigned char> bytes(data, image.size());
  if (bytes.size() >= 8 && morvane::readLe32(data + 4) == morvane::kLexTableMagic) {
    std::cout << morvane::tablegen::lexerImageStats(bytes);
  } else if (bytes.size() >= 4 && morvane::readLe32(data) == morvane::kYaccTableMagic) {
    std::cout << morvane::tablegen::parserImageStats(bytes);
  } else {
    throw std::runtime_error(path + ": neither a lexer nor a parse table image");
  }
  return 0;
}

int run(const std::vector<std::string>& args) {
  if (args.size() == 2 && args[0] == "--stats") return stats(args[1]);
  if (args.size() < 2) throw UsageError("missing arguments");
  const std::string& command = args[0];
  const std::string& input = args[1];
  std::string output, namesCpp, report;
  for (std::size_t i = 2; i < args.size(); ++i) {
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a file name");
      return args[++i];
    };
    if (args[i] == "-o") {
      output = value();
    } else if (args[i] == "--names-cpp" && command == "parser") {
      namesCpp = value();
    } else if (args[i] == "--report" && command == "parser") {
      report = value();
    } else {
      throw UsageError("unknown option " + args[i]);
    }
  }
  if (output.empty()) throw UsageError("-o IMAGE is required");

  const std::string text = readFile(input);
  try {
    if (command == "lexer") {
      writeFile(output, asText(morvane::tablegen::buildLexerImage(text)));
    } else if (command == "parser") {
      const auto tables = morvane::tablegen::buildParserTables(text);
      writeFile(output, asText(tables.image));
      if (!namesCpp.empty()) writeFile(namesCpp, tables.namesCpp);
      if (!report.empty()) writeFile(report, tables.report);
    } else {
      throw UsageError("unknown command " + command);
    }
  } catch (const DefinitionError& e) {
    // GNU style, so editors can jump to the fault.
    if (e.line() > 0) std::cerr << input << ":" << e.line();
    else std::cerr << input;
    std::cerr << ": error: " << e.message() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& e) {
    std::cerr << "morvane-tablegen: " << e.what() << "\n" << kUsage;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "morvane-tablegen: " << e.what() << "\n";
    return 2;
  }
}
