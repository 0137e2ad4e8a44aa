#pragma once
// An answer's box tree in the notebook file, depth first: per box a line with
// its child count, one with its kind, one with its bracket flag (1 for true),
// a string record, then its children's records.
//
// The string record holds a box's text, except for a row: there it holds the
// row's operators, one character per child, with a space for "no operator",
// so that a reopened row draws exactly as before. Older files hold a row's
// operators only up to the first "no operator" (usually none at all); the
// reader fills what is missing with "no operator", so those files still open
// (their rows as those files always showed them). A matrix's operators are
// all "no operator" and are not stored.
//
// Reading is bounded: kinds the program does not draw, child counts the rest
// of the data cannot hold and trees deeper than kMaxAnswerDepth are refused,
// and the tree is read with a work list, so depth costs no stack.

#include <optional>
#include <string>

#include "engine/core/answer_layout.h"
#include "ui/files/record_reader.h"

namespace zentrix::notebook {

using ui::AppendInteger;
using ui::AppendString;
using ui::RecordReader;

// Deeper than any answer the printer lays out (it elides expressions below
// 2,000 levels, each taking at most a few boxes), shallow enough that the
// recursive code that draws, prints and frees trees stays well within the
// stack.
inline constexpr int kMaxAnswerDepth = 6000;

void WriteAnswer(std::string& out, const engine::AnswerLayout& answer);
std::optional<engine::AnswerLayout> ReadAnswer(RecordReader& in);

}  // namespace zentrix::notebook
