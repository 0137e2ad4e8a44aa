#include "cli/completion.h"

#include <algorithm>
#include <cctype>

#include "cli/command_catalog.h"
#include "cli/session_settings.h"

namespace zentrix::cli {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix, bool ignore_case) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char a = text[i], b = prefix[i];
    if (ignore_case) {
      a = static_cast<char>(std::tolower(static_cast<unsigned char>(a)));
      b = static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
    }
    if (a != b) return false;
  }
  return true;
}

// The candidates that start with `token`, matched case-sensitively when any
// does, else regardless of case (so "fac" finds Factor). `kept` characters of
// the token lie before the editor's word and are cut from each completion.
std::vector<std::string> Matching(const std::vector<std::string>& candidates,
                                  std::string_view token, std::size_t kept) {
  std::vector<std::string> found;
  for (bool ignore_case : {false, true}) {
    for (const std::string& candidate : candidates) {
      if (StartsWith(candidate, token, ignore_case)) found.push_back(candidate.substr(kept));
    }
    if (!found.empty()) break;
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

std::vector<std::string> CatalogNames(std::string_view suffix) {
  std::vector<std::string> names;
  for (const CatalogCommand& command : CommandCatalog()) {
    names.push_back(command.name + std::string(suffix));
  }
  return names;
}

// A line of the form ":name value": the names first, then the setting's words.
std::vector<std::string> SettingCandidates(std::string_view line, std::size_t& token_start) {
  std::size_t space = line.find(' ');
  if (space == std::string_view::npos) {
    token_start = 0;
    std::vector<std::string> names = {":settings", ":help"};
    for (const SettingRule& rule : SettingRules()) names.push_back(':' + std::string(rule.name));
    return names;
  }
  token_start = line.find_first_not_of(' ', space);
  if (token_start == std::string_view::npos) token_start = line.size();
  std::string_view name = line.substr(1, space - 1);
  if (name == "help") return CatalogNames("");
  std::vector<std::string> words;
  if (const SettingRule* rule = FindSettingRule(name)) {
    for (std::string_view word : rule->words) words.emplace_back(word);
  }
  return words;
}

// When the matches are commands whose shared prefix is a whole command name
// (Factor, next to FactorSquareFree), Tab completes that command with its
// bracket rather than stopping at the shared prefix; typing on still reaches
// the longer names. A variable among the matches keeps the choice open.
std::vector<std::string> PreferWholeName(std::vector<std::string> matches) {
  if (matches.size() < 2) return matches;
  for (const std::string& match : matches) {
    if (match.back() != '(') return matches;
  }
  std::string shared = matches.front();
  for (const std::string& match : matches) {
    std::size_t n = 0;
    while (n < shared.size() && n < match.size() && shared[n] == match[n]) ++n;
    shared.resize(n);
  }
  const std::string whole = shared + "(";
  if (std::find(matches.begin(), matches.end(), whole) != matches.end()) return {whole};
  return matches;
}

}  // namespace

std::vector<std::string> CompleteWord(std::string_view before_cursor, std::size_t word_start,
                                      const std::vector<std::string>& variables) {
  word_start = std::min(word_start, before_cursor.size());
  std::size_t first = before_cursor.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::string_view line = before_cursor.substr(first);
  std::size_t word = word_start > first ? word_start - first : 0;

  if (line[0] == ':') {
    std::size_t token_start = 0;
    std::vector<std::string> candidates = SettingCandidates(line, token_start);
    if (word < token_start) return {};
    return Matching(candidates, line.substr(token_start), word - token_start);
  }
  if (line.rfind("help ", 0) == 0 && line.find_first_of("(+-*/^=", 5) == std::string_view::npos) {
    return Matching(CatalogNames(""), line.substr(word), 0);
  }
  std::string_view token = line.substr(word);
  if (token.empty()) return {};
  std::vector<std::string> candidates = CatalogNames("(");
  candidates.insert(candidates.end(), variables.begin(), variables.end());
  return PreferWholeName(Matching(candidates, token, 0));
}

}  // namespace zentrix::cli
