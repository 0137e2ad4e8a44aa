#include "shell/automation/script_line.h"

#include <charconv>

#include "engine/core/charset.h"

namespace zentrix::shell {
namespace {

std::string_view TrimSpace(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

bool ParseInt(std::string_view text, int* out) {
  text = TrimSpace(text);
  if (text.empty()) return false;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return error == std::errc() && end == text.data() + text.size();
}

// "X Y" as two integers.
bool ParsePoint(std::string_view args, ScriptLine* line) {
  const std::size_t space = args.find_first_of(" \t");
  if (space == std::string_view::npos) return false;
  return ParseInt(args.substr(0, space), &line->x) && ParseInt(args.substr(space + 1), &line->y);
}

std::string ProgramText(std::string_view utf8, std::u16string* out) {
  chars::Utf8Decoding decoded = chars::FromUtf8(utf8);
  if (!decoded.ok()) return decoded.error;
  *out = std::move(decoded.text);
  return {};
}

// The reason the line is bad, or empty when it parsed.
std::string ParseLine(std::string_view verb, std::string_view args, ScriptLine* line) {
  struct Verb {
    std::string_view name;
    ScriptVerb verb;
  };
  static constexpr Verb kVerbs[] = {
      {"tap", ScriptVerb::kTap},         {"down", ScriptVerb::kDown},
      {"move", ScriptVerb::kMove},       {"up", ScriptVerb::kUp},
      {"click", ScriptVerb::kClick},     {"key", ScriptVerb::kKey},
      {"keydown", ScriptVerb::kKeyDown}, {"keyup", ScriptVerb::kKeyUp},
      {"type", ScriptVerb::kType},       {"menu", ScriptVerb::kMenu},
      {"screen", ScriptVerb::kScreen},   {"frames", ScriptVerb::kFrames},
      {"shot", ScriptVerb::kShot},       {"dump", ScriptVerb::kDump},
      {"quit", ScriptVerb::kQuit},
  };
  const Verb* found = nullptr;
  for (const Verb& v : kVerbs) {
    if (v.name == verb) found = &v;
  }
  if (!found) return "unknown line \"" + std::string(verb) + "\"";
  line->verb = found->verb;
  switch (line->verb) {
    case ScriptVerb::kTap:
    case ScriptVerb::kDown:
    case ScriptVerb::kMove:
    case ScriptVerb::kUp:
      if (!ParsePoint(args, line)) return "expected two whole numbers X Y";
      return {};
    case ScriptVerb::kClick: {
      if (args.empty()) return "click needs a text";
      // "KIND:TEXT" when the part before the first colon is a kind name
      // (lower-case letters, spaces and hyphens: "drop-down box"); otherwise
      // the whole is the text.
      const std::size_t colon = args.find(':');
      if (colon != std::string_view::npos && colon > 0 &&
          args.substr(0, colon).find_first_not_of("abcdefghijklmnopqrstuvwxyz -") ==
              std::string_view::npos) {
        line->kind = std::string(args.substr(0, colon));
        args.remove_prefix(colon + 1);
      }
      return ProgramText(args, &line->text);
    }
    case ScriptVerb::kKey:
    case ScriptVerb::kKeyDown:
    case ScriptVerb::kKeyUp: {
      auto chord = ParseKeyName(args);
      if (!chord) return "unknown key \"" + std::string(args) + "\"";
      line->chord = *chord;
      return {};
    }
    case ScriptVerb::kType:
      if (args.empty()) return "type needs a text";
      return ProgramText(args, &line->text);
    case ScriptVerb::kMenu: {
      if (args.empty()) return "menu needs a path";
      while (!args.empty()) {
        const std::size_t slash = args.find('/');
        std::u16string part;
        if (std::string error = ProgramText(args.substr(0, slash), &part); !error.empty()) {
          return error;
        }
        if (part.empty()) return "empty part in the menu path";
        line->path.push_back(std::move(part));
        if (slash == std::string_view::npos) break;
        args.remove_prefix(slash + 1);
      }
      return {};
    }
    case ScriptVerb::kScreen:
      if (!ParseInt(args, &line->x) || line->x < 0 || line->x > 7) {
        return "expected a screen index 0 to 7";
      }
      return {};
    case ScriptVerb::kFrames:
      if (!ParseInt(args, &line->x) || line->x < 0 || line->x > kMaxFramesPerLine) {
        return "expected a frame count 0 to " + std::to_string(kMaxFramesPerLine);
      }
      return {};
    case ScriptVerb::kShot:
    case ScriptVerb::kDump:
      if (args.empty()) return "expected a file name";
      line->file = std::string(args);
      return {};
    case ScriptVerb::kQuit:
      if (!args.empty()) return "quit takes nothing";
      return {};
  }
  return "unknown line";
}

}  // namespace

ScriptParse ParseScript(std::string_view text) {
  ScriptParse result;
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string_view line = TrimSpace(raw);
    if (line.empty() || line.front() == '#') continue;
    const std::size_t space = line.find_first_of(" \t");
    const std::string_view verb = line.substr(0, space);
    const std::string_view args =
        space == std::string_view::npos ? std::string_view() : TrimSpace(line.substr(space + 1));
    ScriptLine parsed;
    parsed.number = number;
    if (std::string error = ParseLine(verb, args, &parsed); !error.empty()) {
      result.error_line = number;
      result.error = std::move(error);
      return result;
    }
    result.lines.push_back(std::move(parsed));
  }
  return result;
}

}  // namespace zentrix::shell
