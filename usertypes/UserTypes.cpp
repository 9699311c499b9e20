// The UserTypeTable fill, the identifier scan and range replacement, and the
// substitution of user type names, which gives the result of one pass per entry
// in a single linear pass over the text.
#include "usertypes/UserTypes.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace morvane {

namespace {

constexpr std::string_view kUserDefinedWord = "UserDefined";

bool isIdentifierChar(char c) noexcept {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

std::string userDefinedWord(std::int32_t n) { return std::string(kUserDefinedWord) + std::to_string(n); }

}  // namespace

std::string trimUserTypeCell(std::string_view cell) {
  // Codes above 127 are letters of the 8-bit code page, not blanks.
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t first = 0;
  std::size_t last = cell.size();
  while (first < last && isBlank(cell[first])) ++first;
  while (last > first && isBlank(cell[last - 1])) --last;
  return std::string(cell.substr(first, last - first));
}

void FillUserTypeTable(UserTypeTable& table, const UserTypeRows& rows) {
  std::vector<UserTypeRow> named;
  for (const UserTypeRow& row : rows) {
    std::string cName = trimUserTypeCell(row.cName);
    if (cName.empty()) continue;  // uses no number
    std::string pascalName = trimUserTypeCell(row.pascalName);
    if (pascalName.empty()) pascalName = cName;
    named.push_back({std::move(cName), std::move(pascalName)});
  }
  if (named.size() > static_cast<std::size_t>(UserTypeTable::kCapacity)) {
    throw UserTypeOverflow("Too many user types: " + std::to_string(named.size()) + " named rows, at most " +
                           std::to_string(UserTypeTable::kCapacity));
  }
  // Entries above the new count keep what an earlier fill stored.
  for (std::size_t i = 0; i < named.size(); ++i) table.entries_[i] = std::move(named[i]);
  table.count_ = static_cast<std::int32_t>(named.size());
}

std::string ScanIdentifier(std::string_view text, std::size_t& position) {
  if (position < 1) position = 1;
  std::size_t i = position - 1;  // 0-based
  while (i < text.size() && !isIdentifierChar(text[i])) ++i;
  if (i >= text.size()) {
    position = text.size() + 1;
    return {};
  }
  const std::size_t start = i;
  while (i < text.size() && isIdentifierChar(text[i])) ++i;
  position = i + 1;
  return std::string(text.substr(start, i - start));
}

void ReplaceRange(std::string& text, std::string_view replacement, std::size_t first, std::size_t last) {
  // first..last is 1-based and inclusive; last = first - 1 names the empty range
  // before character first (an insertion).
  if (first < 1 || last + 1 < first || last > text.size()) {
    throw std::out_of_range("ReplaceRange: characters " + std::to_string(first) + " to " + std::to_string(last) +
                            " are not inside a text of " + std::to_string(text.size()) + " characters");
  }
  text.replace(first - 1, last + 1 - first, replacement);
}

// Why one pass is enough: an identifier run is replaced by "UserDefined<k>", itself
// one run between the same non-identifier neighbours, so the runs of the text never
// merge or split; each run just changes its value pass by pass. A run with value v
// meets pass k only if no earlier pass changed it, so its final value follows the
// chain v -> the first entry k whose C name is v -> "UserDefined<k>" -> the first
// entry after k whose C name is that word -> ... The chain from each entry is
// computed once, from the last entry down.
void SubstituteUserTypes(std::string& text, const UserTypeRows& rows, UserTypeTable& table) {
  FillUserTypeTable(table, rows);
  const std::int32_t count = table.count();
  if (count == 0 || text.empty()) return;

  // Entry numbers of each C name, in increasing order.
  std::unordered_map<std::string_view, std::vector<std::int32_t>> entriesByName;
  for (std::int32_t k = 1; k <= count; ++k) entriesByName[table.cName(k)].push_back(k);

  auto firstEntryAfter = [&](std::string_view name, std::int32_t after) -> std::int32_t {
    const auto found = entriesByName.find(name);
    if (found == entriesByName.end()) return 0;
    for (std::int32_t k : found->second)
      if (k > after) return k;
    return 0;
  };

  // finalWord[k]: what a run becomes once pass k has replaced it.
  std::vector<std::string> finalWord(static_cast<std::size_t>(count) + 1);
  for (std::int32_t k = count; k >= 1; --k) {
    std::string word = userDefinedWord(k);
    const std::int32_t next = firstEntryAfter(word, k);
    finalWord[static_cast<std::size_t>(k)] = next != 0 ? finalWord[static_cast<std::size_t>(next)] : std::move(word);
  }

  std::string result;
  result.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (!isIdentifierChar(text[i])) {
      const std::size_t start = i;
      while (i < text.size() && !isIdentifierChar(text[i])) ++i;
      result.append(text, start, i - start);
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && isIdentifierChar(text[i])) ++i;
    const std::string_view run(text.data() + start, i - start);
    const std::int32_t k = firstEntryAfter(run, 0);
    if (k != 0) result += finalWord[static_cast<std::size_t>(k)];
    else result += run;
  }
  text = std::move(result);
}

}  // namespace morvane
