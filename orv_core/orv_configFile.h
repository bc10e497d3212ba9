// A sectioned text file of "keyword=value" lines, read whole into memory, edited there
// and written back whole. The device's settings live in one such file,
// "/home/ORV/config.conf"; the configuration store owns the process-wide instance and the
// installation wizard keeps a private working copy.
//
// The class holds no lock: its owner serialises every call. Device paths given to
// readFile/writeFile resolve through the platform seam (under $ORV_ROOT on the host).
#pragma once

#include <list>
#include <string>

class orv_configFile {
public:
  struct ConfigEntry {
    std::string keyword;  // "-" marks a comment-only line
    std::string value;    // escapes and quotes resolved
    std::string comment;  // "#" included, or empty
  };
  struct ConfigSection {
    std::string name;     // "" is the unnamed section, written without a header
    std::string comment;  // comment of the header line, or empty
    std::list<ConfigEntry> entries;
  };
  using SectionList = std::list<ConfigSection>;
  using SectionIterator = SectionList::iterator;
  using EntryIterator = std::list<ConfigEntry>::iterator;

  // Reads `fileName` when it is not empty; a missing file leaves the instance empty.
  explicit orv_configFile(const std::string& fileName = "");
  ~orv_configFile();

  // Merges the file into the content. Returns the number of physical lines read, 0 when
  // the file cannot be opened (or is empty).
  int readFile(const std::string& fileName);
  // Merges `text`, read by the caller, as readFile merges a file's content; `fileName`
  // only names it in the reports of invalid lines.
  int readText(const std::string& text, const std::string& fileName);
  // Replaces the file (the constructor's name when `fileName` is empty) by the content:
  // written to a temporary file beside it, synced and renamed over it, so that a power cut
  // leaves the old or the new file. 1 when written, 0 on any failure (old file intact).
  int writeFile(const std::string& fileName = "");
  // The text writeFile would write (applies the "@variant" rule to the content).
  std::string fileText();

  int findSection(const std::string& section, SectionIterator& out);
  int findEntry(const std::string& keyword, const std::string& section, EntryIterator& out);
  // Copies the entry's value into `value` when the entry exists, else leaves it unchanged.
  void getVar(const std::string& keyword, std::string& value, const std::string& section);
  // The entry's whole value text (blanks included), valid until the entry changes, or
  // `def` itself when the entry is missing.
  const char* getCString(const std::string& keyword, const char* def, const std::string& section);
  // 1 when something was added or changed, 0 for an empty keyword or an unchanged value.
  int setVar(const std::string& keyword, const std::string& value, const std::string& section,
             const std::string& comment = "");

  int addSection(const std::string& section, const std::string& comment = "");
  int delSection(const std::string& section);
  int delEntry(const std::string& keyword);
  int delVar(const std::string& keyword, const std::string& section);
  // Removes every entry of every section whose keyword contains `text`; returns how many.
  int delRegexEntry(const std::string& text);
  int renameKeyword(const std::string& oldKeyword, const std::string& newKeyword);
  int renKeyVar(const std::string& oldKeyword, const std::string& newKeyword,
                const std::string& section);
  int updateEntry(const std::string& keyword, const std::string& value);
  int findKeyContains(const std::string& text, const std::string& section, EntryIterator& out);

  int getConfSectionEntryList(const std::string& section, ConfigSection& out);
  int setConfSectionEntryList(const ConfigSection* section);
  void getConfEntryList(SectionList& out);
  void setConfEntryList(const SectionList* sections);
  void getFilename(std::string& out) const;
  void preserveEmptyLines(bool keep);
  void debug() const;

  // Typed values. get<T>: int, char, double, std::string (first word); a missing entry
  // gets the default inserted in memory. set<T>: int, unsigned int, char, float, double,
  // std::string, in the classic stream form (6 significant digits).
  template <typename T>
  T get(const std::string& keyword, const T& def, const std::string& section);
  template <typename T>
  void set(const std::string& keyword, const T& value, const std::string& section);

private:
  struct Token {
    std::string text;
    bool comment = false;  // opened by a plain "#"
    bool quoted = false;   // holds a quoted stretch
  };
  // Tokenizer state carried from one line to the next (2 = inside an open quote).
  enum SplitState { Plain = 0, Escape = 1, Quoted = 2, QuotedEscape = 3, Comment = 4 };

  static int split_line(std::list<Token>& tokens, const std::string& line,
                        const std::string& delimiters, char escape, char quote, char comment,
                        int state);
  static void escape_line(std::string& out, const std::string& text, const std::string& escaped);
  static void applyVariantRule(std::string& value);
  // The "Invalid format" trace of one line (shown without its line end) and its tokens.
  static void reportInvalidLine(const std::string& fileName, int lineNumber,
                                const std::string& line, const std::list<Token>& tokens);
  // First entry of `keyword` in the first section that has one; refuses "" and "-".
  int findFirstAnywhere(const std::string& keyword, SectionIterator& section, EntryIterator& entry);

  std::string fileName_;
  bool keepEmptyLines_;
  SectionList sections_;
};

// Written as the double it widens to (3.6f gives "3.6").
template <>
void orv_configFile::set<float>(const std::string& keyword, const float& value,
                                const std::string& section);
