#include "platform/registry_file.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_map>

#include "platform/atomic_file.h"

namespace zentrix::platform {
namespace {

// Key and value names compare without regard to ASCII case, as the system's did.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

// A DWORD as written ("5"), also in hexadecimal ("0xFF") or as a signed value
// ("-1", stored as its 32-bit pattern).
std::optional<std::uint32_t> ParseDword(std::string_view text) {
  bool negative = false;
  int base = 10;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<std::uint32_t>(0x100000000ull - value);
  }
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t'))
    s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

}  // namespace

bool RegistryFile::Load() {
  keys_.clear();
  std::error_code error;
  const auto status = std::filesystem::status(path_, error);
  if (status.type() == std::filesystem::file_type::not_found) return true;  // an empty registry
  if (error || status.type() != std::filesystem::file_type::regular) return false;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return false;
  std::stringstream text;
  text << in.rdbuf();
  if (in.bad()) return false;
  Parse(text.str());
  return true;
}

void RegistryFile::Parse(std::string_view text) {
  keys_.clear();
  // Indexes by lower-cased name keep a long file linear to read; the first
  // spelling of a key or value name is the one kept.
  std::unordered_map<std::string, std::size_t> key_index;
  std::unordered_map<std::string, std::size_t> entry_index;  // "key\nname"
  constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);
  std::size_t current = kNoKey;
  auto store = [&](std::string_view name, Value value) {
    Key& key = keys_[current];
    const auto [at, added] =
        entry_index.try_emplace(Lower(key.name) + '\n' + Lower(name), key.entries.size());
    if (added) {
      key.entries.push_back(Entry{std::string(name), std::move(value)});
    } else {
      key.entries[at->second].value = std::move(value);
    }
  };
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) {
        current = kNoKey;  // values below a broken section header belong nowhere
        continue;
      }
      const std::string_view name = line.substr(1, line.size() - 2);
      const auto [at, added] = key_index.try_emplace(Lower(name), keys_.size());
      if (added) keys_.push_back(Key{std::string(name), {}});
      current = at->second;
      continue;
    }
    if (current == kNoKey) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0) continue;
    const std::string_view name = Trim(line.substr(0, equals));
    const std::string_view typed = line.substr(equals + 1);
    const std::size_t colon = typed.find(':');
    if (colon == std::string_view::npos || name.empty()) continue;
    const std::string_view type = typed.substr(0, colon);
    const std::string_view data = typed.substr(colon + 1);
    if (type == "dword") {
      if (auto v = ParseDword(Trim(data))) store(name, *v);
    } else if (type == "sz") {
      if (auto v = Unescape(data)) store(name, std::move(*v));
    }
  }
}

std::string RegistryFile::Serialize() const {
  std::string out;
  for (const Key& key : keys_) {
    out += '[' + key.name + "]\n";
    for (const Entry& entry : key.entries) {
      out += entry.name + '=';
      if (const auto* dword = std::get_if<std::uint32_t>(&entry.value)) {
        out += "dword:" + std::to_string(*dword);
      } else {
        out += "sz:" + Escape(std::get<std::string>(entry.value));
      }
      out += '\n';
    }
  }
  return out;
}

bool RegistryFile::Save() const { return WriteFileAtomically(path_, Serialize()); }

bool RegistryFile::HasKey(std::string_view key) const {
  for (const Key& k : keys_) {
    if (SameName(k.name, key)) return true;
  }
  return false;
}

const RegistryFile::Entry* RegistryFile::Find(std::string_view key, std::string_view name) const {
  for (const Key& k : keys_) {
    if (!SameName(k.name, key)) continue;
    for (const Entry& e : k.entries) {
      if (SameName(e.name, name)) return &e;
    }
  }
  return nullptr;
}

std::optional<std::uint32_t> RegistryFile::GetDword(std::string_view key,
                                                    std::string_view name) const {
  const Entry* e = Find(key, name);
  if (!e) return std::nullopt;
  if (const auto* v = std::get_if<std::uint32_t>(&e->value)) return *v;
  return std::nullopt;
}

std::optional<std::string> RegistryFile::GetString(std::string_view key,
                                                   std::string_view name) const {
  const Entry* e = Find(key, name);
  if (!e) return std::nullopt;
  if (const auto* v = std::get_if<std::string>(&e->value)) return *v;
  return std::nullopt;
}

RegistryFile::Key& RegistryFile::KeyFor(std::string_view key) {
  for (Key& k : keys_) {
    if (SameName(k.name, key)) return k;
  }
  keys_.push_back(Key{std::string(key), {}});
  return keys_.back();
}

void RegistryFile::Set(std::string_view key, std::string_view name, Value value) {
  Key& k = KeyFor(key);
  for (Entry& e : k.entries) {
    if (SameName(e.name, name)) {
      e.value = std::move(value);
      return;
    }
  }
  k.entries.push_back(Entry{std::string(name), std::move(value)});
}

void RegistryFile::SetDword(std::string_view key, std::string_view name, std::uint32_t value) {
  Set(key, name, value);
}

void RegistryFile::SetString(std::string_view key, std::string_view name, std::string_view value) {
  Set(key, name, std::string(value));
}

void RegistryFile::Remove(std::string_view key, std::string_view name) {
  for (Key& k : keys_) {
    if (!SameName(k.name, key)) continue;
    std::erase_if(k.entries, [&](const Entry& e) { return SameName(e.name, name); });
  }
}

}  // namespace zentrix::platform
