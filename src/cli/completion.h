#pragma once
// What Tab offers at the prompt: command and function names (with their
// bracket) and the session's variables in entries, command names after help,
// and setting names and words on lines that start with ':'.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zentrix::cli {

// The completions of the word that ends the text before the cursor. The line
// editor's word starts at `word_start`; each completion replaces the text from
// there. Sorted; empty when nothing fits.
std::vector<std::string> CompleteWord(std::string_view before_cursor, std::size_t word_start,
                                      const std::vector<std::string>& variables);

}  // namespace zentrix::cli
