#include "orv_configFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "orv_test_sandbox.h"

namespace {

// The whole content in one line: "[section#comment] key=value#comment; ..." (LF as "\n").
std::string dump(orv_configFile& cfg) {
  orv_configFile::SectionList sections;
  cfg.getConfEntryList(sections);
  std::string out;
  for (const auto& s : sections) {
    out += "[" + s.name + s.comment + "]";
    for (const auto& e : s.entries) {
      out += " " + e.keyword + "=" + e.value + e.comment + ";";
    }
  }
  std::string shown;
  for (char c : out) shown += c == '\n' ? std::string("\\n") : std::string(1, c);
  return shown;
}

struct Loaded {
  std::string dump;
  std::string printed;
  int lines;
};

Loaded load(const TestSandbox& box, const std::string& text) {
  box.write("/home/ORV/t.conf", text);
  orv_configFile cfg;
  testing::internal::CaptureStdout();
  int lines = cfg.readFile("/home/ORV/t.conf");
  std::string printed = testing::internal::GetCapturedStdout();
  return {dump(cfg), printed, lines};
}

}  // namespace

TEST(ConfigFileGrammar, ReadsEachLineKind) {
  TestSandbox box;
  struct Case {
    const char* what;
    const char* text;
    const char* dump;
  } cases[] = {
      {"duplicate headers merge, last line wins", "[General]\nX=1\n[General]\nX=2\n",
       "[General] X=2;"},
      {"a run of delimiters is one", "K==V\n", "[] K=V;"},
      {"tab as delimiter, blanks kept", "K\t v \n", "[] K= v ;"},
      {"quotes protect = and #", "\"K=1\"=\"a#b=c\"\n", "[] K=1=a#b=c;"},
      {"quoted and plain stretches join", "K=ab\"c d\"e\n", "[] K=abc de;"},
      {"quoted value over two lines", "K=\"a\nb\"\nN=1\n", "[] K=a\\nb; N=1;"},
      {"escapes", "K=a\\tb\\?\\=\\#\\\\\n", "[] K=a\tb?=#\\;"},
      {"@variant value", "K=@variant(\\0\\0\\0)\n", "[] K=0.0;"},
      {"comments on lines and headers", "# top\n[S]\t #c\nK=V\t #note\n",
       "[] -=# top;[S#c] K=V#note;"},
      {"last line without line feed", "A=1\nB=2", "[] A=1; B=2;"},
      {"blank lines ignored, CR is a delimiter", "\n\r\nA=1\r\n", "[] A=1;"},
      {"empty quoted value", "A=\"\"\n", "[] A=;"},
      {"a quoted value may begin with #", "K=\"#x\"\n", "[] K=#x;"},
      {"header only", "[Module_HPF]\n", "[Module_HPF]"},
  };
  for (const auto& c : cases) {
    Loaded r = load(box, c.text);
    EXPECT_EQ(r.dump, c.dump) << c.what;
    EXPECT_EQ(r.printed, "") << c.what;
  }
}

TEST(ConfigFileGrammar, ReportsInvalidLinesAndGoesOn) {
  TestSandbox box;
  struct Case {
    const char* text;
    int line;
    const char* shown;
    const char* tokens;
    const char* dump = "[] A=1;";
  } cases[] = {
      {"KEY=\nA=1\n", 1, "KEY=", "KEY, "},
      {"A=B=C\nA=1\n", 1, "A=B=C", "A, B, C, "},
      {"KEY=\t #c\r\nA=1\n", 1, "KEY=\t #c", "KEY, "},
      {"K=\"a\nb\" c=d\nA=1\n", 2, "b\" c=d", "K, a\nb c, d, "},
      // A quote never closed ends with its own line, which is still reported.
      {"K=\"fr\nA=1\n", 1, "K=\"fr", "K, fr, ", "[] K=fr; A=1;"},
      {"K=\"fr\r\nA=1\r\n", 1, "K=\"fr", "K, fr, ", "[] K=fr; A=1;"},
      {"[General]\nCONFIG_IP=\"10.1.2.3\nA=1\n", 2, "CONFIG_IP=\"10.1.2.3", "CONFIG_IP, 10.1.2.3, ",
       "[General] CONFIG_IP=10.1.2.3; A=1;"},
      {"K=\"x=y \\\"#z\nA=1\n", 1, "K=\"x=y \\\"#z", "K, x=y \"#z, ", "[] K=x=y \"#z; A=1;"},
      {"K=A=\"x\nA=1\n", 1, "K=A=\"x", "K, A, x, "},
  };
  for (const auto& c : cases) {
    Loaded r = load(box, c.text);
    EXPECT_EQ(r.printed, "orv_configFile:/home/ORV/t.conf:" + std::to_string(c.line) +
                             ": Invalid format: " + c.shown +
                             "\nValid format is 'keyword = value' or 'keyword value'\n"
                             "Tokens read: " + c.tokens + "\n")
        << c.text;
    EXPECT_EQ(r.dump, c.dump) << c.text;
  }
}

TEST(ConfigFileGrammar, CountsLinesAndSaysWhenThereIsNothing) {
  TestSandbox box;
  orv_configFile cfg;
  EXPECT_EQ(cfg.readFile("/home/ORV/missing.conf"), 0);
  box.write("/home/ORV/empty.conf", "");
  EXPECT_EQ(cfg.readFile("/home/ORV/empty.conf"), 0);
  box.write("/home/ORV/three.conf", "A=1\n\"B\n\"=2\nC=3");
  EXPECT_EQ(cfg.readFile("/home/ORV/three.conf"), 4);
  EXPECT_EQ(dump(cfg), "[] A=1; B\\n=2; C=3;");
  orv_configFile stray;
  box.write("/home/ORV/stray.conf", "[General]\nA=1\nB=\"x\nC=3\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(stray.readFile("/home/ORV/stray.conf"), 4);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(dump(stray), "[General] A=1; B=x; C=3;");
}

TEST(ConfigFileWriter, EveryValueReadsBackUnchanged) {
  TestSandbox box;
  const char* values[] = {"plain", "", "a=b", "#x", "back\\slash", "1 5/8", "quote\"d",
                          "tab\there", "line\nfeed", "what?", " lead", "trail ", " ", "\a\b\v\f\r"};
  orv_configFile cfg;
  int n = 0;
  for (const char* v : values) cfg.setVar("K" + std::to_string(n++), v, "General");
  cfg.setVar("my key", "v", "General", "#why");
  cfg.setVar("-", "", "General", "# a comment line");
  cfg.setVar("A", "1", "Module_HPF");
  cfg.addSection("Module_Energie_0", "#empty");
  ASSERT_EQ(cfg.writeFile("/home/ORV/rt.conf"), 1);

  orv_configFile back("/home/ORV/rt.conf");
  EXPECT_EQ(dump(back), dump(cfg));
  const std::string text = box.read("/home/ORV/rt.conf");
  for (const char* line : {"K0=plain\n", "K1=\"\"\n", "K5=\"1 5/8\"\n", "K8=\"line\\nfeed\"\n",
                           "my\\ key=v\t #why\n", "[Module_Energie_0]\t #empty\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(ConfigFileWriter, WritesDuplicateHeadersOnceAndVariantsAsZero) {
  TestSandbox box;
  box.write("/home/ORV/c.conf", "[General]\nX=1\n[General]\nX=2\n");
  orv_configFile cfg("/home/ORV/c.conf");
  cfg.setVar("V", "@variant(x)", "General");
  ASSERT_EQ(cfg.writeFile(), 1);
  EXPECT_EQ(box.read("/home/ORV/c.conf"), "[General]\nX=2\nV=0.0\n");
  std::string v;
  cfg.getVar("V", v, "General");
  EXPECT_EQ(v, "0.0");
}

TEST(ConfigFileWriter, ReplacesTheFileWholeOrNotAtAll) {
  TestSandbox box;
  box.write("/home/ORV/c.conf", "A=1\n");
  ::chmod(box.path("/home/ORV/c.conf").c_str(), 0640);
  orv_configFile cfg("/home/ORV/c.conf");
  cfg.setVar("A", "2", "");
  ASSERT_EQ(cfg.writeFile(), 1);
  struct stat st;
  ASSERT_EQ(::stat(box.path("/home/ORV/c.conf").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  // A target that cannot be replaced (a folder) and a missing folder fail with 0.
  box.mkdirs("/home/ORV/dir.conf");
  EXPECT_EQ(cfg.writeFile("/home/ORV/dir.conf"), 0);
  EXPECT_EQ(cfg.writeFile("/home/ORV/nofolder/c.conf"), 0);
  orv_configFile unnamed;
  EXPECT_EQ(unnamed.writeFile(), 0);
  EXPECT_EQ(box.read("/home/ORV/c.conf"), "A=2\n");
  EXPECT_EQ(orv::captureCommand("ls /home/ORV"), "c.conf\ndir.conf\n");  // no temporary left
}

TEST(ConfigFileEdits, SetVarAndTheEntryOperations) {
  orv_configFile cfg;
  EXPECT_EQ(cfg.setVar("", "x", "General"), 0);
  EXPECT_EQ(dump(cfg), "");
  EXPECT_EQ(cfg.setVar("A", "1", "General", "#c"), 1);
  EXPECT_EQ(cfg.setVar("A", "1", "General"), 0);  // unchanged: comment kept
  EXPECT_EQ(dump(cfg), "[General] A=1#c;");
  EXPECT_EQ(cfg.setVar("A", "2", "General", "#d"), 1);
  cfg.setVar("-", "", "General", "#one");
  cfg.setVar("-", "", "General", "#two");
  cfg.setVar("z6_ENER_a", "1", "Module_Energie_0");
  cfg.setVar("z7_ENER_b", "1", "Module_Energie_1");
  cfg.setVar("z7_ENER_c", "1", "Module_Energie_1");
  EXPECT_EQ(dump(cfg),
            "[General] A=2#d; -=#one; -=#two;[Module_Energie_0] z6_ENER_a=1;"
            "[Module_Energie_1] z7_ENER_b=1; z7_ENER_c=1;");

  EXPECT_EQ(cfg.delRegexEntry("_ENER_"), 3);
  EXPECT_EQ(cfg.delRegexEntry(""), 0);
  EXPECT_EQ(cfg.delEntry("-"), 0);
  EXPECT_EQ(cfg.renameKeyword("A", "B"), 1);
  EXPECT_EQ(cfg.updateEntry("B", "3"), 1);
  EXPECT_EQ(cfg.renKeyVar("B", "C", "Nowhere"), 0);
  EXPECT_EQ(cfg.addSection("General", "#x"), 0);

  orv_configFile::ConfigSection general;
  ASSERT_EQ(cfg.getConfSectionEntryList("General", general), 1);
  EXPECT_EQ(cfg.setConfSectionEntryList(&general), 1);  // moves it to the end
  EXPECT_EQ(dump(cfg), "[Module_Energie_0][Module_Energie_1][General] B=3#d; -=#one; -=#two;");
  EXPECT_EQ(cfg.delVar("B", "General"), 1);
  EXPECT_EQ(cfg.delSection("Module_Energie_0"), 1);
  EXPECT_EQ(cfg.delSection("Module_Energie_0"), 0);
}

TEST(ConfigFileTypedValues, ReadsTheStartOfTheValueAsTheType) {
  orv_configFile cfg;
  struct IntCase {
    const char* text;
    int expected;
  } ints[] = {{"12", 12}, {" 12", 12}, {"12abc", 12}, {"3.7", 3}, {"-5", -5},
              {"abc", 77}, {"99999999999", 77}, {"", 77}};
  for (const auto& c : ints) {
    cfg.setVar("I", c.text, "S");
    EXPECT_EQ(cfg.get<int>("I", 77, "S"), c.expected) << c.text;
    std::string still;
    cfg.getVar("I", still, "S");
    EXPECT_EQ(still, c.text);  // a read never rewrites a stored value
  }
  cfg.setVar("C", " V", "S");
  EXPECT_EQ(cfg.get<char>("C", 'x', "S"), 'V');
  cfg.setVar("D", "1e-05", "S");
  EXPECT_DOUBLE_EQ(cfg.get<double>("D", 0.0, "S"), 1e-05);
  cfg.setVar("T", "1 5/8", "S");
  EXPECT_EQ(cfg.get<std::string>("T", "", "S"), "1");
  EXPECT_STREQ(cfg.getCString("T", "def", "S"), "1 5/8");
  const char* def = "def";
  EXPECT_EQ(cfg.getCString("missing", def, "S"), def);
}

TEST(ConfigFileTypedValues, MissingEntriesGetTheDefaultInMemoryOnly) {
  TestSandbox box;
  box.write("/home/ORV/c.conf", "[General]\nA=1\n");
  orv_configFile cfg("/home/ORV/c.conf");
  EXPECT_EQ(cfg.get<int>("B", 500, "General"), 500);
  EXPECT_DOUBLE_EQ(cfg.get<double>("D", 38.22, "New"), 38.22);
  EXPECT_EQ(box.read("/home/ORV/c.conf"), "[General]\nA=1\n");
  EXPECT_EQ(dump(cfg), "[General] A=1; B=500;[New] D=38.22;");
  ASSERT_EQ(cfg.writeFile(), 1);
  EXPECT_EQ(box.read("/home/ORV/c.conf"), "[General]\nA=1\nB=500\n[New]\nD=38.22\n");
}

TEST(ConfigFileTypedValues, WritesTheClassicStreamForm) {
  orv_configFile cfg;
  struct Case {
    double value;
    const char* text;
  } doubles[] = {{500.0, "500"},  {0.00001, "1e-05"}, {1e6, "1e+06"},
                 {0.0046, "0.0046"}, {38.22, "38.22"}, {-5.0, "-5"}};
  std::string text;
  for (const auto& c : doubles) {
    cfg.set<double>("D", c.value, "S");
    cfg.getVar("D", text, "S");
    EXPECT_EQ(text, c.text);
  }
  cfg.set<float>("F", 3.6f, "S");
  cfg.getVar("F", text, "S");
  EXPECT_EQ(text, "3.6");
  cfg.set<int>("I", -12, "S");
  cfg.getVar("I", text, "S");
  EXPECT_EQ(text, "-12");
  cfg.set<unsigned int>("U", 4000000000u, "S");
  cfg.getVar("U", text, "S");
  EXPECT_EQ(text, "4000000000");
  cfg.set<char>("C", 'H', "S");
  cfg.getVar("C", text, "S");
  EXPECT_EQ(text, "H");

  // Same text again: untouched, comment kept; another text: replaced, comment cleared.
  cfg.setVar("I", "6", "S", "#keep");
  cfg.set<int>("I", 6, "S");
  orv_configFile::EntryIterator e;
  ASSERT_EQ(cfg.findEntry("I", "S", e), 1);
  EXPECT_EQ(e->comment, "#keep");
  cfg.set<int>("I", 7, "S");
  EXPECT_EQ(e->comment, "");
}
