#include "editor/config/profile_document.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using rivetbench::config::ProfileDocument;
using rivetbench::config::TextEncoding;
using namespace std::string_literals;

namespace {

// Little-endian bytes of UTF-16 text, built apart from the library so the two can be compared.
std::string utf16le(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

struct Read {
    std::string section;
    std::string key;
    std::optional<std::string> expected; // nullopt: the key is not there
};

void expectReads(const ProfileDocument& doc, const std::vector<Read>& reads) {
    for (const Read& r : reads) {
        SCOPED_TRACE("[" + r.section + "] " + r.key);
        EXPECT_EQ(doc.value(r.section, r.key), r.expected);
    }
}

} // namespace

TEST(ProfileDocument, UnchangedDocumentIsByteIdentical) {
    const std::string bytes = "; banner\r\n[a]\r\nk = v ; c\nx\r\n[b]  // note\r\nq=\"1\"";
    EXPECT_EQ(ProfileDocument::fromBytes(bytes).toBytes(), bytes);
}

struct ReadCase {
    const char* name;
    std::string file;
    std::vector<Read> reads;
};

TEST(ProfileDocument, Reads) {
    const ReadCase cases[] = {
        {"quotes",
         "[a]\nd=\"v w\"\ns='v'\nmixed=\"v'\ntwice=\"\"v\"\"\nspaced =  \"v\"  \nonly=\"\"\ninner=a\"b\"\n",
         {{"a", "d", "v w"},
          {"a", "s", "v"},
          {"a", "mixed", "\"v'"},
          {"a", "twice", "\"v\""},
          {"a", "spaced", "v"},
          {"a", "only", ""},
          {"a", "inner", "a\"b\""}}},
        {"blanks",
         "[a]\n\t key \t=\v v w \f\r\nempty=  \t\nk==v\n",
         {{"a", "key", "v w"}, {"a", "empty", ""}, {"a", "k", "=v"}}},
        {"inline comment stays in the value",
         "[a]\nk = 1, 2   ; note // more\n",
         {{"a", "k", "1, 2   ; note // more"}}},
        {"case", "[SecTion]\nKeY=1\n", {{"section", "key", "1"}, {"SECTION", "KEY", "1"}}},
        {"first duplicate key wins", "[a]\nk=1\nK=2\n", {{"a", "k", "1"}}},
        {"first duplicate section wins",
         "[a]\nk=1\n[A]\nk=2\nj=3\n",
         {{"a", "k", "1"}, {"a", "j", std::nullopt}}},
        {"comments",
         "[a]\n;k=1\n  ; j=1\n//m=1\n\t// n=1\n/p=1\nq=2\n",
         {{"a", "k", std::nullopt},
          {"a", "j", std::nullopt},
          {"a", "//m", std::nullopt},
          {"a", "m", std::nullopt},
          {"a", "n", std::nullopt},
          {"a", "/p", "1"},
          {"a", "q", "2"}}},
        {"lines that name no key",
         "[a]\nplain\n=orphan\n  = x\n",
         {{"a", "plain", std::nullopt}, {"a", "", std::nullopt}}},
        {"crlf", "[a]\r\nk=v\r\n", {{"a", "k", "v"}}},
        {"mixed endings", "[a]\nk=v\r\nj=w\n[b]\r\nx=y", {{"a", "k", "v"}, {"a", "j", "w"}, {"b", "x", "y"}}},
        {"no final newline", "[a]\nk=v", {{"a", "k", "v"}}},
        {"header with trailing comment",
         "[flaps.0]  //Trailing Edge Flaps\ntype=1\n",
         {{"flaps.0", "type", "1"}}},
        {"blanks inside brackets", "  [ name ]  \nk=1\n", {{"name", "k", "1"}}},
        {"banner lines hold no keys",
         "; banner\nk=0\n\n[a]\nk=1\n",
         {{"a", "k", "1"}, {"", "k", std::nullopt}, {"banner", "k", std::nullopt}}},
        {"empty file", "", {{"a", "k", std::nullopt}}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileDocument doc = ProfileDocument::fromBytes(c.file);
        expectReads(doc, c.reads);
        EXPECT_EQ(doc.toBytes(), c.file);
    }
}

enum class Op { Write, Delete, Erase };

struct EditCase {
    const char* name;
    std::string before;
    Op op;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
    bool changed = true;       // what deleteKey / eraseSection return
    std::vector<Read> reads{}; // checked after the edit, also on the bytes read again
};

TEST(ProfileDocument, EditsChangeOnlyTheirOwnLines) {
    const EditCase cases[] = {
        // writes to a present key
        {"value replaced after its own spacing", "[a]\r\nk = 1 ; old\r\nj=2\r\n", Op::Write, "a", "k", "5",
         "[a]\r\nk = 5\r\nj=2\r\n"},
        {"quoted value replaced whole", "[a]\nk =\t\"x y\"  \n", Op::Write, "a", "k", "7", "[a]\nk =\t7\n"},
        {"empty value: right after the equals sign", "[a]\nk=   \nj = \n", Op::Write, "a", "k", "v",
         "[a]\nk=v\nj = \n"},
        {"key spelling kept", "[A]\n  Key=1\n", Op::Write, "a", "KEY", "2", "[A]\n  Key=2\n"},
        {"first duplicate written", "[a]\nk=1\nk=2\n", Op::Write, "a", "k", "3", "[a]\nk=3\nk=2\n"},
        {"last line without a break", "[a]\nk=1", Op::Write, "a", "k", "22", "[a]\nk=22"},
        {"header with trailing comment", "[flaps.0]  //TE\ntype=1\n", Op::Write, "flaps.0", "type", "2",
         "[flaps.0]  //TE\ntype=2\n"},
        {"empty value written", "[a]\nk=1\n", Op::Write, "a", "k", "", "[a]\nk=\n"},
        {"same value leaves the bytes", "[a]\r\nk = 1\n", Op::Write, "a", "k", "1", "[a]\r\nk = 1\n"},
        // new keys
        {"new key after the last key line", "[a]\r\nk=1\r\n\r\n; note\r\n[b]\r\nx=1\r\n", Op::Write, "a", "n",
         "2", "[a]\r\nk=1\r\nn=2\r\n\r\n; note\r\n[b]\r\nx=1\r\n"},
        {"new key right after a header with no keys", "[a]\n; only a comment\n\n[b]\n", Op::Write, "a", "n",
         "v", "[a]\nn=v\n; only a comment\n\n[b]\n"},
        {"commented key is no key",
         "[a]\n//k=1\n",
         Op::Write,
         "a",
         "k",
         "2",
         "[a]\nk=2\n//k=1\n",
         true,
         {{"a", "k", "2"}}},
        {"keyless lines after the last key", "[a]\nk=1\n=orphan\nplain\n", Op::Write, "a", "j", "2",
         "[a]\nk=1\nj=2\n=orphan\nplain\n"},
        {"new key in the last section without a final break", "[a]\r\nk=1", Op::Write, "a", "n", "v",
         "[a]\r\nk=1\r\nn=v"},
        {"new key before a trailing comment without a final break", "[a]\r\nk=1\r\n; end", Op::Write, "a",
         "n", "v", "[a]\r\nk=1\r\nn=v\r\n; end"},
        {"new key under a lone header without any break", "[a]", Op::Write, "a", "k", "v", "[a]\r\nk=v"},
        // new sections
        {"new section at the end", "[a]\nk=1\n", Op::Write, "b", "n", "v", "[a]\nk=1\n[b]\nn=v\n"},
        {"new section, no final break", "[a]\nk=1", Op::Write, "b", "n", "v", "[a]\nk=1\n[b]\nn=v"},
        {"new section after trailing comments", "[a]\r\nk=1\r\n; tail\r\n\r\n", Op::Write, "b", "n", "v",
         "[a]\r\nk=1\r\n; tail\r\n\r\n[b]\r\nn=v\r\n"},
        {"dominant ending is LF", "[a]\nk=1\nj=2\r\n", Op::Write, "b", "n", "v",
         "[a]\nk=1\nj=2\r\n[b]\nn=v\n"},
        {"dominant ending is CRLF", "[a]\r\nk=1\r\nj=2\n", Op::Write, "a", "n", "v",
         "[a]\r\nk=1\r\nj=2\nn=v\r\n"},
        {"a tie gives CRLF", "[a]\nk=1\r\n", Op::Write, "b", "n", "v", "[a]\nk=1\r\n[b]\r\nn=v\r\n"},
        {"empty file", "", Op::Write, "a", "k", "v", "[a]\r\nk=v\r\n"},
        {"banner only", "; banner\n", Op::Write, "a", "k", "v", "; banner\n[a]\nk=v\n"},
        {"banner line without a break", "; banner", Op::Write, "a", "k", "v", "; banner\r\n[a]\r\nk=v"},
        // deletes
        {"delete", "[a]\r\nk=1\r\nj=2\r\n", Op::Delete, "A", "K", "", "[a]\r\nj=2\r\n"},
        {"delete the first duplicate",
         "[a]\nk=1\nk=2\n",
         Op::Delete,
         "a",
         "k",
         "",
         "[a]\nk=2\n",
         true,
         {{"a", "k", "2"}}},
        {"delete the last line without a break", "[a]\nj=1\nk=2", Op::Delete, "a", "k", "", "[a]\nj=1"},
        {"delete the only key at the end", "[a]\nk=2", Op::Delete, "a", "k", "", "[a]"},
        {"delete leaves a commented key", "[a]\n//k=1\nk=2\n", Op::Delete, "a", "k", "", "[a]\n//k=1\n"},
        {"delete a missing key", "[a]\nk=1\n", Op::Delete, "a", "j", "", "[a]\nk=1\n", false},
        {"delete in a missing section", "[a]\nk=1\n", Op::Delete, "b", "k", "", "[a]\nk=1\n", false},
        // erases
        {"erase takes comments up to the next header", "[a]\nk=1\n; c\n\n[b]\nj=2\n", Op::Erase, "a", "", "",
         "[b]\nj=2\n"},
        {"erase keeps the banner", "; banner\n[a]\nk=1\n", Op::Erase, "A", "", "", "; banner\n"},
        {"erase the last section without a break", "[a]\nk=1\n[b]\nj=2", Op::Erase, "b", "", "", "[a]\nk=1"},
        {"erase the last section", "[a]\r\nk=1\r\n[b]\r\nj=2\r\n", Op::Erase, "b", "", "", "[a]\r\nk=1\r\n"},
        {"erase the first duplicate",
         "[a]\nk=1\n[A]\nk=2\n",
         Op::Erase,
         "a",
         "",
         "",
         "[A]\nk=2\n",
         true,
         {{"a", "k", "2"}}},
        {"erase a header with a trailing comment", "[x]\nq=1\n[flaps.0] //c\ntype=1\n", Op::Erase, "flaps.0",
         "", "", "[x]\nq=1\n"},
        {"erase a missing section", "[a]\nk=1\n", Op::Erase, "b", "", "", "[a]\nk=1\n", false},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileDocument doc = ProfileDocument::fromBytes(c.before);
        bool result = true;
        switch (c.op) {
        case Op::Write:
            doc.writeString(c.section, c.key, c.value);
            break;
        case Op::Delete:
            result = doc.deleteKey(c.section, c.key);
            break;
        case Op::Erase:
            result = doc.eraseSection(c.section);
            break;
        }
        EXPECT_EQ(result, c.changed);
        EXPECT_EQ(doc.toBytes(), c.after);
        std::vector<Read> reads = c.reads;
        if (c.op == Op::Write) reads.push_back({c.section, c.key, c.value});
        if (c.op == Op::Delete && c.reads.empty()) reads.push_back({c.section, c.key, std::nullopt});
        expectReads(doc, reads);
        expectReads(ProfileDocument::fromBytes(doc.toBytes()), reads);
    }
}

TEST(ProfileDocument, SuccessiveEditsKeepOneAnother) {
    ProfileDocument doc = ProfileDocument::fromBytes("[a]\nk=1\n\n[b]\nj=2");
    doc.writeString("a", "n", "3");
    doc.writeInteger("b", "count", -42);
    doc.writeString("c", "x", "y");
    EXPECT_TRUE(doc.deleteKey("a", "k"));
    EXPECT_TRUE(doc.eraseSection("c"));
    EXPECT_EQ(doc.toBytes(), "[a]\nn=3\n\n[b]\nj=2\ncount=-42");
    EXPECT_TRUE(doc.modified());
}

TEST(ProfileDocument, SectionAndKeyQueries) {
    const ProfileDocument doc =
        ProfileDocument::fromBytes("k=0\n[Alpha]\nOne=1\n; two=2\nthree\nTwo = \nOne=again\n[empty]\n; "
                                   "nothing\n[ Beta ]  // c\nx=1\n[alpha]\ny=1\n");
    EXPECT_EQ(doc.readSections(), (std::vector<std::string>{"Alpha", "empty", "Beta", "alpha"}));
    EXPECT_EQ(doc.readSection("ALPHA"), (std::vector<std::string>{"One", "Two", "One"}));
    EXPECT_TRUE(doc.readSection("missing").empty());
    EXPECT_EQ(doc.sectionEntryCount("alpha"), 3u);
    EXPECT_EQ(doc.sectionEntryCount("empty"), 0u);
    EXPECT_EQ(doc.sectionEntryCount("missing"), 0u);

    EXPECT_TRUE(doc.sectionExists("beta"));
    EXPECT_FALSE(doc.sectionExists("empty")); // a section counts only with a key in it
    EXPECT_FALSE(doc.sectionExists("missing"));
    EXPECT_TRUE(doc.valueExists("alpha", "two")); // present with an empty value
    EXPECT_FALSE(doc.valueExists("alpha", "three"));
    EXPECT_FALSE(doc.valueExists("alpha", "y")); // only in the later duplicate section
    EXPECT_EQ(doc.readString("alpha", "missing", "dflt"), "dflt");
    EXPECT_EQ(doc.readString("alpha", "two", "dflt"), "");
    EXPECT_EQ(doc.lineCount(), 13u);
}

TEST(ProfileDocument, ReadInteger) {
    const ProfileDocument doc = ProfileDocument::fromBytes(
        "[n]\nplain=42\nneg=-7\nhex=0x1F\nupper=0X1f\nspaced =  12  \nquoted=\"5\"\nword=abc\ntail=12abc\n"
        "empty=\nhexonly=0x\nhuge=99999999999999999999999\n");
    const struct {
        const char* key;
        long expected;
    } cases[] = {
        {"plain", 42}, {"neg", -7},  {"hex", 31},   {"upper", 31},   {"spaced", 12}, {"quoted", 5},
        {"word", -1},  {"tail", -1}, {"empty", -1}, {"hexonly", -1}, {"huge", -1},   {"missing", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(doc.readInteger("n", c.key, -1), c.expected) << c.key;
}

TEST(ProfileDocument, Utf16LittleEndianWithBom) {
    const std::string bytes = utf16le(u"\uFEFF; caf\u00e9 \U0001F600\r\n[a]\r\nk=Caf\u00e9\r\nj=1\r\n");
    ProfileDocument doc = ProfileDocument::fromBytes(bytes);
    EXPECT_EQ(doc.encoding(), TextEncoding::Utf16LeBom);
    EXPECT_EQ(doc.toBytes(), bytes);
    EXPECT_EQ(doc.readSections(), std::vector<std::string>{"a"});
    EXPECT_EQ(doc.readString("a", "k"), "Caf\xC3\xA9");

    doc.writeString("a", "k",
                    "Gr\xC3\xBC\xC3\x9F"
                    "e \xF0\x9F\x98\x80");
    doc.writeString("b", "n", "\xC3\xBC");
    EXPECT_EQ(doc.toBytes(),
              utf16le(u"\uFEFF; caf\u00e9 \U0001F600\r\n[a]\r\nk=Gr\u00fc\u00dfe \U0001F600\r\nj=1\r\n"
                      u"[b]\r\nn=\u00fc\r\n"));
}

TEST(ProfileDocument, Utf16OddBytesSurviveAWrite) {
    // A lone surrogate and a dangling odd byte are not text, but they are the user's file.
    std::u16string text = u"\uFEFF[a]\r\nk=";
    text += char16_t{0xD800};
    text += u"\r\nj=1\r\n";
    const std::string bytes = utf16le(text) + "\x41";
    ProfileDocument doc = ProfileDocument::fromBytes(bytes);
    EXPECT_EQ(doc.toBytes(), bytes);
    doc.writeString("a", "j", "2");
    text.replace(text.size() - 3, 1, u"2");
    EXPECT_EQ(doc.toBytes(), utf16le(text) + "\x41");
}

TEST(ProfileDocument, Utf8WithBom) {
    const std::string bytes = "\xEF\xBB\xBF[a]\nk=\xC3\xA9t\xC3\xA9\n";
    ProfileDocument doc = ProfileDocument::fromBytes(bytes);
    EXPECT_EQ(doc.encoding(), TextEncoding::Utf8Bom);
    EXPECT_EQ(doc.toBytes(), bytes);
    EXPECT_EQ(doc.readSections(), std::vector<std::string>{"a"}); // the mark is not part of the first header
    EXPECT_EQ(doc.readString("a", "k"), "\xC3\xA9t\xC3\xA9");
    doc.writeString("a", "n", "\xE2\x82\xAC");
    EXPECT_EQ(doc.toBytes(), "\xEF\xBB\xBF[a]\nk=\xC3\xA9t\xC3\xA9\nn=\xE2\x82\xAC\n");
}

TEST(ProfileDocument, HostileBytesAreKeptAsTheyAre) {
    const std::string longValue(100 * 1024, 'x');
    const struct {
        const char* name;
        std::string bytes;
        std::string section, key, value; // one read that must see the odd bytes
    } cases[] = {
        {"NUL", "[a]\nk=x\0y\n\0\n"s, "a", "k", "x\0y"s},
        {"high bytes", "[a\xE9]\r\nk=\x80\x9F\xA0\xFF\r\n", "a\xE9", "k", "\x80\x9F\xA0\xFF"},
        {"invalid UTF-8", "[a]\nk=\xC3\x28\xED\xA0\x80\xF8\n", "a", "k", "\xC3\x28\xED\xA0\x80\xF8"},
        {"100 KB line", "[a]\nk=" + longValue + "\n", "a", "k", longValue},
        {"100 KB line without a break", "[a]\r\nk=" + longValue, "a", "k", longValue},
        {"lone CR and stray brackets", "[a]\nk=1\r2\n]\n[\n[b\n=\n", "a", "k", "1\r2"},
        {"UTF-8 mark only", "\xEF\xBB\xBF", "a", "k", ""},
        {"UTF-16 mark and an odd byte", "\xFF\xFE\x00"s, "a", "k", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileDocument doc = ProfileDocument::fromBytes(c.bytes);
        EXPECT_EQ(doc.toBytes(), c.bytes);
        EXPECT_EQ(doc.readString(c.section, c.key), c.value);
        doc.writeString("zz", "k", "v");
        const std::string after = doc.toBytes();
        if (doc.encoding() == TextEncoding::Ansi) {
            EXPECT_EQ(after.substr(0, c.bytes.size()), c.bytes);
        }
        const ProfileDocument again = ProfileDocument::fromBytes(after);
        EXPECT_EQ(again.readString("zz", "k"), "v");
        EXPECT_EQ(again.readString(c.section, c.key), c.value);
    }
}
