#include "orv_configFile.h"

#include <cstdio>
#include <fstream>
#include <locale>
#include <sstream>

#include "orvPlatform.h"
#include "orv_utils.h"

namespace {

const char kDelimiters[] = "=\t\r\n";

char unescaped(char c) {
  switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 't': return '\t';
    case 'n': return '\n';
    case 'v': return '\v';
    case 'f': return '\f';
    case 'r': return '\r';
    default: return c;  // "\?" and any other character stand for themselves
  }
}

std::string lineWithoutEnd(std::string line) {
  if (!line.empty() && line.back() == '\n') line.pop_back();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

orv_configFile::orv_configFile(const std::string& fileName)
    : fileName_(fileName), keepEmptyLines_(false) {
  if (!fileName_.empty()) readFile(fileName_);
}

orv_configFile::~orv_configFile() = default;

void orv_configFile::applyVariantRule(std::string& value) {
  if (value.find("@variant") != std::string::npos) value = "0.0";
}

int orv_configFile::split_line(std::list<Token>& tokens, const std::string& line,
                               const std::string& delimiters, char escape, char quote,
                               char comment, int state) {
  Token cur;
  bool started = false;  // a token is under construction (possibly empty, from "")
  if (state == Quoted && !tokens.empty()) {
    cur = tokens.back();
    tokens.pop_back();
    started = true;
  }
  auto finish = [&]() {
    if (started) tokens.push_back(cur);
    cur = Token();
    started = false;
  };
  for (char c : line) {
    switch (state) {
      case Plain:
        if (c == escape) {
          state = Escape;
        } else if (c == quote) {
          cur.quoted = true;
          started = true;
          state = Quoted;
        } else if (c == comment) {
          finish();
          cur.text = std::string(1, c);
          cur.comment = true;
          started = true;
          state = Comment;
        } else if (delimiters.find(c) != std::string::npos) {
          finish();
        } else {
          cur.text += c;
          started = true;
        }
        break;
      case Escape:
        cur.text += unescaped(c);
        started = true;
        state = Plain;
        break;
      case Quoted:
        if (c == quote)
          state = Plain;
        else if (c == escape)
          state = QuotedEscape;
        else
          cur.text += c;
        break;
      case QuotedEscape:
        cur.text += unescaped(c);
        state = Quoted;
        break;
      case Comment:
        if (c == '\n') {
          finish();
          state = Plain;
        } else {
          cur.text += c;
        }
        break;
    }
  }
  finish();
  return state;
}

void orv_configFile::escape_line(std::string& out, const std::string& text,
                                 const std::string& escaped) {
  static const char kControl[] = "\a\b\t\n\v\f\r";
  static const char kLetters[] = "abtnvfr";
  for (char c : text) {
    const char* ctl = c ? std::char_traits<char>::find(kControl, 7, c) : nullptr;
    if (ctl) {
      out += '\\';
      out += kLetters[ctl - kControl];
    } else if (c == '?') {
      out += "\\?";
    } else {
      if (escaped.find(c) != std::string::npos) out += '\\';
      out += c;
    }
  }
}

void orv_configFile::reportInvalidLine(const std::string& fileName, int lineNumber,
                                       const std::string& line, const std::list<Token>& tokens) {
  std::printf(
      "orv_configFile:%s:%d: Invalid format: %s\nValid format is 'keyword = value' or "
      "'keyword value'\n",
      fileName.c_str(), lineNumber, lineWithoutEnd(line).c_str());
  std::printf("Tokens read: ");
  for (const Token& t : tokens) std::printf("%s, ", t.text.c_str());
  std::printf("\n");
}

int orv_configFile::readFile(const std::string& fileName) {
  std::ifstream in(orv::devicePath(fileName), std::ios::binary);
  if (!in) return 0;
  std::stringstream whole;
  whole << in.rdbuf();
  return readText(whole.str(), fileName);
}

int orv_configFile::readText(const std::string& text, const std::string& fileName) {
  std::string currentSection;
  std::list<Token> tokens;
  int state = Plain;
  int lineCount = 0;
  size_t pos = 0;
  // Where the entry under construction began, for a quote that is never closed.
  size_t entryPos = 0;
  int entryLine = 0;
  while (pos < text.size()) {
    if (state != Quoted) {
      entryPos = pos;
      entryLine = lineCount + 1;
    }
    // A last line without a line feed is read like any other.
    size_t end = text.find('\n', pos);
    size_t next = end == std::string::npos ? text.size() : end + 1;
    std::string line = text.substr(pos, next - pos);
    pos = next;
    ++lineCount;

    state = split_line(tokens, line, kDelimiters, '\\', '"', '#', state);
    if (state == Quoted && pos < text.size()) continue;  // the quoted stretch goes on
    if (state == Quoted) {
      // The file ends inside a quote: the quote ran away. The line that opened it is
      // reported, and its open stretch ends with that line ("K=\"10.1.2.3" reads as
      // 10.1.2.3), so that the next write keeps the key; every line after it is read
      // again as a line of its own.
      size_t entryEnd = text.find('\n', entryPos);
      size_t afterEntry = entryEnd == std::string::npos ? text.size() : entryEnd + 1;
      std::string opening = text.substr(entryPos, afterEntry - entryPos);
      std::list<Token> openingTokens;
      split_line(openingTokens, lineWithoutEnd(opening), kDelimiters, '\\', '"', '#', Plain);
      reportInvalidLine(fileName, entryLine, opening, openingTokens);
      if (openingTokens.size() == 2) {
        std::string value = openingTokens.back().text;
        applyVariantRule(value);
        setVar(openingTokens.front().text, value, currentSection, "");
      }
      tokens.clear();
      state = Plain;
      pos = afterEntry;
      lineCount = entryLine;
      continue;
    }
    state = Plain;

    std::string comment;
    if (!tokens.empty() && tokens.back().comment) {
      comment = tokens.back().text;
      tokens.pop_back();
      // The writer puts a tab and a blank before a comment: the blank is no value.
      if (!tokens.empty() && tokens.back().text == " " && !tokens.back().quoted) tokens.pop_back();
    }
    std::string joined;
    for (const Token& t : tokens) joined += t.text;
    if (joined.size() > 2 && joined.front() == '[' && joined.back() == ']') {
      currentSection = joined.substr(1, joined.size() - 2);
      addSection(currentSection, comment);
      tokens.clear();
      continue;
    }

    std::string keyword, value;
    if (tokens.size() == 2) {
      keyword = tokens.front().text;
      value = tokens.back().text;
    } else if (tokens.empty()) {
      if (keepEmptyLines_ || !comment.empty()) keyword = "-";
    } else {
      reportInvalidLine(fileName, lineCount, line, tokens);
    }
    if (!keyword.empty()) {
      applyVariantRule(value);
      setVar(keyword, value, currentSection, comment);
    }
    tokens.clear();
  }
  std::fflush(stdout);
  return lineCount;
}

std::string orv_configFile::fileText() {
  std::string out;
  for (ConfigSection& s : sections_) {
    if (!s.name.empty()) {
      if (keepEmptyLines_) out += '\n';
      out += "[" + s.name + "]";
      out += s.comment.empty() ? std::string("\n") : "\t " + s.comment + "\n";
    }
    for (ConfigEntry& e : s.entries) {
      if (e.keyword == "-") {
        out += e.comment + "\n";
        continue;
      }
      applyVariantRule(e.value);
      escape_line(out, e.keyword, " \"\\=#");
      out += '=';
      std::string plain;
      escape_line(plain, e.value, "\"");
      // Values that would not read back as they are go inside quotes.
      bool quote = plain.size() > e.value.size() || e.value.empty() ||
                   e.value.find_first_of("=#\\ ") != std::string::npos;
      if (quote) {
        out += '"';
        escape_line(out, e.value, "\"\\");
        out += '"';
      } else {
        out += plain;
      }
      out += e.comment.empty() ? std::string("\n") : "\t " + e.comment + "\n";
    }
  }
  return out;
}

int orv_configFile::writeFile(const std::string& fileName) {
  const std::string& name = fileName.empty() ? fileName_ : fileName;
  if (name.empty()) return 0;
  return orvFileReplace(name.c_str(), fileText());
}

int orv_configFile::findSection(const std::string& section, SectionIterator& out) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it) {
    if (it->name == section) {
      out = it;
      return 1;
    }
  }
  return 0;
}

int orv_configFile::findEntry(const std::string& keyword, const std::string& section,
                              EntryIterator& out) {
  SectionIterator s;
  if (!findSection(section, s)) return 0;
  for (auto it = s->entries.begin(); it != s->entries.end(); ++it) {
    if (it->keyword == keyword) {
      out = it;
      return 1;
    }
  }
  return 0;
}

void orv_configFile::getVar(const std::string& keyword, std::string& value,
                            const std::string& section) {
  EntryIterator e;
  if (findEntry(keyword, section, e)) value = e->value;
}

const char* orv_configFile::getCString(const std::string& keyword, const char* def,
                                       const std::string& section) {
  EntryIterator e;
  return findEntry(keyword, section, e) ? e->value.c_str() : def;
}

int orv_configFile::setVar(const std::string& keyword, const std::string& value,
                           const std::string& section, const std::string& comment) {
  if (keyword.empty()) return 0;
  SectionIterator s;
  if (!findSection(section, s)) {
    addSection(section, "");
    findSection(section, s);
  }
  if (keyword != "-") {
    for (ConfigEntry& e : s->entries) {
      if (e.keyword != keyword) continue;
      if (e.value == value) return 0;
      e.value = value;
      e.comment = comment;
      return 1;
    }
  }
  s->entries.push_back(ConfigEntry{keyword, value, comment});
  return 1;
}

int orv_configFile::addSection(const std::string& section, const std::string& comment) {
  SectionIterator s;
  if (findSection(section, s)) return 0;
  sections_.push_back(ConfigSection{section, comment, {}});
  return 1;
}

int orv_configFile::delSection(const std::string& section) {
  SectionIterator s;
  if (!findSection(section, s)) return 0;
  sections_.erase(s);
  return 1;
}

int orv_configFile::findFirstAnywhere(const std::string& keyword, SectionIterator& section,
                                     EntryIterator& entry) {
  if (keyword.empty() || keyword == "-") return 0;
  for (auto s = sections_.begin(); s != sections_.end(); ++s) {
    for (auto e = s->entries.begin(); e != s->entries.end(); ++e) {
      if (e->keyword == keyword) {
        section = s;
        entry = e;
        return 1;
      }
    }
  }
  return 0;
}

int orv_configFile::delEntry(const std::string& keyword) {
  SectionIterator s;
  EntryIterator e;
  if (!findFirstAnywhere(keyword, s, e)) return 0;
  s->entries.erase(e);
  return 1;
}

int orv_configFile::delVar(const std::string& keyword, const std::string& section) {
  if (keyword.empty() || keyword == "-") return 0;
  SectionIterator s;
  EntryIterator e;
  if (!findSection(section, s) || !findEntry(keyword, section, e)) return 0;
  s->entries.erase(e);
  return 1;
}

int orv_configFile::delRegexEntry(const std::string& text) {
  if (text.empty() || text == "-") return 0;
  int removed = 0;
  for (ConfigSection& s : sections_) {
    for (auto it = s.entries.begin(); it != s.entries.end();) {
      if (it->keyword.find(text) != std::string::npos) {
        it = s.entries.erase(it);
        ++removed;
      } else {
        ++it;
      }
    }
  }
  return removed;
}

int orv_configFile::renameKeyword(const std::string& oldKeyword, const std::string& newKeyword) {
  SectionIterator s;
  EntryIterator e;
  if (!findFirstAnywhere(oldKeyword, s, e)) return 0;
  e->keyword = newKeyword;
  return 1;
}

int orv_configFile::renKeyVar(const std::string& oldKeyword, const std::string& newKeyword,
                              const std::string& section) {
  if (oldKeyword.empty()) return 0;
  EntryIterator e;
  if (!findEntry(oldKeyword, section, e)) return 0;
  e->keyword = newKeyword;
  return 1;
}

int orv_configFile::updateEntry(const std::string& keyword, const std::string& value) {
  SectionIterator s;
  EntryIterator e;
  if (!findFirstAnywhere(keyword, s, e)) return 0;
  e->value = value;
  return 1;
}

int orv_configFile::findKeyContains(const std::string& text, const std::string& section,
                                    EntryIterator& out) {
  SectionIterator s;
  if (!findSection(section, s)) return 0;
  for (auto it = s->entries.begin(); it != s->entries.end(); ++it) {
    if (it->keyword.find(text) != std::string::npos) {
      out = it;
      return 1;
    }
  }
  return 0;
}

int orv_configFile::getConfSectionEntryList(const std::string& section, ConfigSection& out) {
  SectionIterator s;
  if (!findSection(section, s)) return 0;
  out = *s;
  return 1;
}

int orv_configFile::setConfSectionEntryList(const ConfigSection* section) {
  ConfigSection copy = *section;
  delSection(copy.name);
  sections_.push_back(std::move(copy));
  return 1;
}

void orv_configFile::getConfEntryList(SectionList& out) { out = sections_; }

void orv_configFile::setConfEntryList(const SectionList* sections) { sections_ = *sections; }

void orv_configFile::getFilename(std::string& out) const { out = fileName_; }

void orv_configFile::preserveEmptyLines(bool keep) { keepEmptyLines_ = keep; }

void orv_configFile::debug() const {
  std::printf("\n========= Debug Output ============================================\n");
  for (const ConfigSection& s : sections_) {
    std::printf("Section: [%s]\n", s.name.c_str());
    std::printf("Comment: '%s'\n", s.comment.c_str());
    std::printf("%s\n", std::string(58, '=').c_str());
    for (const ConfigEntry& e : s.entries) {
      std::printf("Keyword: '%s'\n", e.keyword.c_str());
      std::printf("Value: '%s'\n", e.value.c_str());
      std::printf("Comment: '%s'\n", e.comment.c_str());
      std::printf("---------\n");
    }
    std::printf("\n");
  }
  std::printf("%s\n", std::string(67, '=').c_str());
  std::fflush(stdout);
}

// ---- Typed values ----------------------------------------------------------------------

namespace {
template <typename T>
std::string streamText(const T& value) {
  std::ostringstream os;
  os.imbue(std::locale::classic());
  os << value;
  return os.str();
}
}  // namespace

template <typename T>
T orv_configFile::get(const std::string& keyword, const T& def, const std::string& section) {
  EntryIterator e;
  if (!findEntry(keyword, section, e)) {
    set<T>(keyword, def, section);
    return def;
  }
  std::istringstream in(e->value);
  in.imbue(std::locale::classic());
  T value;
  if (in >> value) return value;
  return def;
}

template <typename T>
void orv_configFile::set(const std::string& keyword, const T& value, const std::string& section) {
  setVar(keyword, streamText(value), section, "");
}

// A float is written as the double it widens to, so 3.6f gives "3.6".
template <>
void orv_configFile::set<float>(const std::string& keyword, const float& value,
                                const std::string& section) {
  setVar(keyword, streamText(static_cast<double>(value)), section, "");
}

template int orv_configFile::get<int>(const std::string&, const int&, const std::string&);
template char orv_configFile::get<char>(const std::string&, const char&, const std::string&);
template double orv_configFile::get<double>(const std::string&, const double&, const std::string&);
template std::string orv_configFile::get<std::string>(const std::string&, const std::string&,
                                                      const std::string&);
template void orv_configFile::set<int>(const std::string&, const int&, const std::string&);
template void orv_configFile::set<unsigned int>(const std::string&, const unsigned int&,
                                                const std::string&);
template void orv_configFile::set<char>(const std::string&, const char&, const std::string&);
template void orv_configFile::set<double>(const std::string&, const double&, const std::string&);
template void orv_configFile::set<std::string>(const std::string&, const std::string&,
                                               const std::string&);
