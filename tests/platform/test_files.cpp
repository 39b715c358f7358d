#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

using namespace vb;
namespace fs = std::filesystem;

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

// Each test gets its own host folder mapped as drive T:.
class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        root_ = fs::temp_directory_path() /
                ("brantel-files-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(root_);
        fs::create_directories(root_);
        savedFolder_ = CurrentHostFolder();
        SetDrive('T', root_.string());
    }
    void TearDown() override {
        ResetDrives();
        SetCurrentHostFolder(savedFolder_);
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    void WriteHost(const std::string& name, const std::string& bytes) {
        std::ofstream(root_ / name, std::ios::binary) << bytes;
    }
    std::string ReadHost(const std::string& name) {
        std::ifstream in(root_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path root_;
    std::string savedFolder_;
};

TEST_F(FileTest, WriterEndsLinesWithCrLf) {
    {
        TextWriter w("T:\\out.txt");
        w.PrintLine("one");
        w.Print("tw");
        w.PrintLine("o");
        w.PrintLine("");
        w.Close();
    }
    EXPECT_EQ(ReadHost("out.txt"), "one\r\ntwo\r\n\r\n");
}

TEST_F(FileTest, WriterTruncatesOrAppends) {
    WriteHost("f.txt", "old content\r\n");
    {
        TextWriter w("T:\\f.txt");
        w.PrintLine("new");
    }  // the destructor closes
    EXPECT_EQ(ReadHost("f.txt"), "new\r\n");
    {
        TextWriter w("T:\\f.txt", true);
        w.PrintLine("more");
        w.Close();
        w.Close();  // a second Close is harmless
    }
    EXPECT_EQ(ReadHost("f.txt"), "new\r\nmore\r\n");
}

TEST_F(FileTest, WriteItemsQuotesTextsOnly) {
    TextWriter w("T:\\items.txt");
    w.WriteItems({Value("a,b"), Value(0.5), Value(-2), Value(), Value("12"), Value(1e20)});
    w.WriteItems({});
    w.Close();
    EXPECT_EQ(ReadHost("items.txt"), "\"a,b\",0.5,-2,,\"12\",1E+20\r\n\r\n");
}

TEST_F(FileTest, WriterFailures) {
    EXPECT_EQ(ErrorOf([] { TextWriter w("T:\\missing\\f.txt"); }), 76);
    fs::create_directory(root_ / "dir");
    EXPECT_EQ(ErrorOf([] { TextWriter w("T:\\dir"); }), 75);
    TextWriter w("T:\\x.txt");
    w.Close();
    EXPECT_EQ(ErrorOf([&] { w.PrintLine("late"); }), 52);
}

TEST_F(FileTest, LfAndCrLfAndCrFilesReadTheSame) {
    WriteHost("lf.txt", "a\nb\n\nc");
    WriteHost("crlf.txt", "a\r\nb\r\n\r\nc\r\n");
    WriteHost("cr.txt", "a\rb\r\rc\r");
    for (const char* name : {"T:\\lf.txt", "T:\\crlf.txt", "T:\\cr.txt"}) {
        TextReader r(name);
        std::vector<std::string> lines;
        while (!r.Eof()) lines.push_back(r.LineInput());
        EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", "c"})) << name;
    }
}

TEST_F(FileTest, ReadingPastTheEndRaises62) {
    WriteHost("one.txt", "only\r\n");
    TextReader r("T:\\one.txt");
    EXPECT_FALSE(r.Eof());
    EXPECT_EQ(r.LineInput(), "only");
    EXPECT_TRUE(r.Eof());
    EXPECT_EQ(ErrorOf([&] { r.LineInput(); }), 62);
    EXPECT_EQ(ErrorOf([&] { r.Input(); }), 62);
    WriteHost("empty.txt", "");
    TextReader e("T:\\empty.txt");
    EXPECT_TRUE(e.Eof());
    EXPECT_EQ(ErrorOf([&] { e.LineInput(); }), 62);
}

TEST_F(FileTest, ReaderOpenFailures) {
    EXPECT_EQ(ErrorOf([] { TextReader r("T:\\nothing.txt"); }), 53);
    EXPECT_EQ(ErrorOf([] { TextReader r("T:\\no\\such.txt"); }), 76);
    fs::create_directory(root_ / "dir");
    EXPECT_EQ(ErrorOf([] { TextReader r("T:\\dir"); }), 75);
    EXPECT_EQ(ErrorOf([] { TextReader r("Q:\\x.txt"); }), 76);
    WriteHost("x.txt", "1");
    TextReader r("T:\\x.txt");
    r.Close();
    EXPECT_EQ(ErrorOf([&] { r.Eof(); }), 52);
}

TEST_F(FileTest, InputSplitsQuotedAndPlainItems) {
    WriteHost("in.txt", "\"a, b\",12 , -3.5\r\n  \"say \"\" \",x y\n\"\",,last");
    TextReader r("T:\\in.txt");
    std::vector<Value> items;
    while (!r.Eof()) items.push_back(r.Input());
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[0], Value("a, b"));
    EXPECT_EQ(items[1], Value("12"));
    EXPECT_TRUE(items[1].IsText());
    EXPECT_EQ(items[2], Value("-3.5"));
    EXPECT_EQ(items[3], Value("say "));  // a quoted item ends at the next quote
    EXPECT_EQ(items[4], Value("x y"));
    EXPECT_TRUE(items[5].IsText());
    EXPECT_EQ(items[5], Value(""));
    EXPECT_TRUE(items[6].IsEmpty());
    EXPECT_EQ(items[7], Value("last"));
}

TEST_F(FileTest, InputSkipsBlankLinesButKeepsEmptyTrailingFields) {
    WriteHost("in.txt", "1,\r\n\r\n2\r\n3,");
    TextReader r("T:\\in.txt");
    EXPECT_EQ(r.Input(), Value("1"));
    EXPECT_TRUE(r.Input().IsEmpty());  // after the comma, before the line end
    EXPECT_EQ(r.Input(), Value("2"));  // the blank line is skipped
    EXPECT_EQ(r.Input(), Value("3"));
    EXPECT_TRUE(r.Eof());
    EXPECT_TRUE(r.Input().IsEmpty());  // the field the last comma opened
    EXPECT_EQ(ErrorOf([&] { r.Input(); }), 62);
}

TEST_F(FileTest, WriteItemsReadBackWithInput) {
    {
        TextWriter w("T:\\round.txt");
        w.WriteItems({Value("Brantel, v3"), Value(1.25), Value(-7)});
        w.WriteItems({Value("second")});
    }
    TextReader r("T:\\round.txt");
    EXPECT_EQ(r.Input().Text(), "Brantel, v3");
    EXPECT_EQ(r.Input().Num(), 1.25);
    EXPECT_EQ(r.Input().Num(), -7.0);
    EXPECT_EQ(r.Input().Text(), "second");
    EXPECT_TRUE(r.Eof());
}

TEST_F(FileTest, BinaryGetPutAndLof) {
    BinaryFile f("T:\\data.bin");
    EXPECT_EQ(f.Lof(), 0);
    f.Put(1, {1, 2, 3});
    f.Put(6, {9});  // past the end: the gap reads as zeros
    EXPECT_EQ(f.Lof(), 6);
    EXPECT_EQ(f.Get(2, 3), (std::vector<unsigned char>{2, 3, 0}));
    EXPECT_EQ(f.Get(5, 4), (std::vector<unsigned char>{0, 9, 0, 0}));
    EXPECT_EQ(ErrorOf([&] { f.Get(0, 1); }), 63);
    f.Close();
    EXPECT_EQ(ReadHost("data.bin"), std::string("\x01\x02\x03\x00\x00\x09", 6));
    EXPECT_EQ(ErrorOf([&] { f.Lof(); }), 52);
    EXPECT_EQ(ErrorOf([] { BinaryFile b("T:\\none\\x.bin"); }), 76);
}

TEST_F(FileTest, BinaryKeepsExistingContent) {
    WriteHost("keep.bin", "abcdef");
    BinaryFile f("T:\\keep.bin");
    EXPECT_EQ(f.Lof(), 6);
    f.Put(2, {'X'});
    f.Close();
    EXPECT_EQ(ReadHost("keep.bin"), "aXcdef");
}

TEST_F(FileTest, FileCopy) {
    WriteHost("src.bin", std::string("\0\r\n\xff", 4));
    FileCopy("T:\\src.bin", "T:\\dst.bin");
    EXPECT_EQ(ReadHost("dst.bin"), std::string("\0\r\n\xff", 4));
    WriteHost("dst2.bin", "much longer old content");
    FileCopy("T:\\src.bin", "T:\\dst2.bin");
    EXPECT_EQ(ReadAllBytes("T:\\dst2.bin"), std::string("\0\r\n\xff", 4));
    FileCopy("T:\\src.bin", "T:\\SRC.BIN");  // the same file: left alone
    EXPECT_EQ(ReadHost("src.bin").size(), 4u);
    EXPECT_EQ(ErrorOf([] { FileCopy("T:\\missing.bin", "T:\\x.bin"); }), 53);
    EXPECT_EQ(ErrorOf([] { FileCopy("T:\\src.bin", "T:\\nodir\\x.bin"); }), 76);
    fs::create_directory(root_ / "dir");
    EXPECT_EQ(ErrorOf([] { FileCopy("T:\\src.bin", "T:\\dir"); }), 75);
}

TEST_F(FileTest, KillDeletesFilesAndPatterns) {
    WriteHost("a.tmp", "");
    WriteHost("b.TMP", "");
    WriteHost("c.txt", "");
    Kill("T:\\c.txt");
    EXPECT_FALSE(FileExists("T:\\c.txt"));
    EXPECT_EQ(ErrorOf([] { Kill("T:\\c.txt"); }), 53);
    EXPECT_EQ(ErrorOf([] { Kill("T:\\nodir\\c.txt"); }), 76);
    WriteHost("\xc3\xa4.tmp", "");              // UTF-8
    WriteHost("\xe4.TMP", "");                  // one byte a letter
    WriteHost("\xe5\x9f\xba.tmp", "");          // a letter the programs' text cannot hold
    Kill("T:\\*.tmp");
    EXPECT_TRUE(ListFiles("T:\\").empty());
    EXPECT_TRUE(fs::is_empty(root_));
    EXPECT_EQ(ErrorOf([] { Kill("T:\\*.tmp"); }), 53);
}

TEST_F(FileTest, MkDirAndRmDir) {
    MkDir("T:\\new");
    EXPECT_TRUE(FolderExists("T:\\new"));
    EXPECT_FALSE(FileExists("T:\\new"));
    EXPECT_EQ(ErrorOf([] { MkDir("T:\\new"); }), 75);
    EXPECT_EQ(ErrorOf([] { MkDir("T:\\a\\b"); }), 76);
    WriteHost("new/f.txt", "x");
    EXPECT_EQ(ErrorOf([] { RmDir("T:\\new"); }), 75);
    Kill("T:\\new\\f.txt");
    RmDir("T:\\new");
    EXPECT_FALSE(FolderExists("T:\\new"));
    EXPECT_EQ(ErrorOf([] { RmDir("T:\\new"); }), 76);
}

TEST_F(FileTest, ExistsChecksNeverRaise) {
    WriteHost("f.txt", "");
    EXPECT_TRUE(FileExists("T:\\f.txt"));
    EXPECT_TRUE(FileExists("T:\\F.TXT"));
    EXPECT_FALSE(FolderExists("T:\\f.txt"));
    EXPECT_TRUE(FolderExists("T:\\"));
    EXPECT_FALSE(FileExists("Q:\\f.txt"));
    EXPECT_FALSE(FolderExists("Q:\\"));
}

TEST_F(FileTest, ListingsAreSortedAndFiltered) {
    for (const char* n : {"b.brd", "A.BRD", "c.lib", "noext", ".hidden"}) WriteHost(n, "");
    fs::create_directory(root_ / "Zed");
    fs::create_directory(root_ / "alpha");
    EXPECT_EQ(ListFiles("T:\\"), (std::vector<std::string>{"A.BRD", "b.brd", "c.lib", "noext"}));
    EXPECT_EQ(ListFiles("T:\\", "*.brd"), (std::vector<std::string>{"A.BRD", "b.brd"}));
    EXPECT_EQ(ListFiles("T:", "?.LIB"), (std::vector<std::string>{"c.lib"}));
    EXPECT_EQ(ListFolders("T:\\"), (std::vector<std::string>{"alpha", "Zed"}));
    EXPECT_TRUE(ListFiles("T:\\nothere").empty());
}

TEST(FilePattern, WildcardsIgnoreCase) {
    EXPECT_TRUE(MatchesPattern("README", "*.*"));
    EXPECT_TRUE(MatchesPattern("a.BRD", "*.brd"));
    EXPECT_FALSE(MatchesPattern("a.brd2", "*.brd"));
    EXPECT_TRUE(MatchesPattern("part12.lib", "part??.lib"));
    EXPECT_FALSE(MatchesPattern("part1.lib", "part??.lib"));
    EXPECT_TRUE(MatchesPattern("abcabd", "*ab?"));
}

}  // namespace

namespace {

using namespace vb;

TEST_F(FileTest, RawReadOfAMissingFileIs53AndCreatesNothing) {
    EXPECT_EQ(ErrorOf([] { BinaryFile f("T:\\link.dat", BinaryAccess::Read); }), 53);
    EXPECT_FALSE(fs::exists(root_ / "link.dat"));
    EXPECT_EQ(ErrorOf([] { BinaryFile f("T:\\nodir\\link.dat", BinaryAccess::Read); }), 76);
    WriteHost("link.dat", "LNK");
    BinaryFile f("T:\\link.dat", BinaryAccess::Read);
    EXPECT_EQ(f.Lof(), 3);
    EXPECT_EQ(f.Get(2, 3), (std::vector<unsigned char>{'N', 'K', 0}));
    EXPECT_EQ(ErrorOf([&] { f.Put(1, {'x'}); }), 75);
    f.Close();
    EXPECT_EQ(ReadHost("link.dat"), "LNK");
}

TEST_F(FileTest, RefusedNamesAre52AndNothingIsCreated) {
    WriteHost("ok.vcd", "design");
    for (const std::string name : {"a*.vcd", "b?.vcd", "c<d>.vcd", "e|f.vcd", "g\"h.vcd"}) {
        const std::string path = "T:\\" + name;
        EXPECT_EQ(ErrorOf([&] { TextWriter w(path); }), 52) << name;
        EXPECT_EQ(ErrorOf([&] { TextReader r(path); }), 52) << name;
        EXPECT_EQ(ErrorOf([&] { BinaryFile b(path); }), 52) << name;
        EXPECT_EQ(ErrorOf([&] { FileCopy("T:\\ok.vcd", path); }), 52) << name;
        EXPECT_EQ(ErrorOf([&] { MkDir(path); }), 52) << name;
    }
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(root_)) left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"ok.vcd"});
}

TEST_F(FileTest, CopiesKeepPermissionBitsAndReplaceRunningPrograms) {
    WriteHost("prog", "#!/bin/sh\necho installed\n");
    fs::permissions(root_ / "prog", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    WriteHost("old", "old");
    fs::permissions(root_ / "old", fs::perms::owner_read | fs::perms::owner_write);
    FileCopy("T:\\prog", "T:\\old");
    EXPECT_EQ(fs::status(root_ / "old").permissions() & fs::perms::all,
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    EXPECT_EQ(ReadHost("old"), "#!/bin/sh\necho installed\n");
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 2);
}

TEST_F(FileTest, AWriterChangesItsTargetOnlyWhenClosed) {
    WriteHost("lib.lib", "old\r\n");
    {
        TextWriter w("T:\\lib.lib");
        w.PrintLine("new");
        EXPECT_EQ(ReadHost("lib.lib"), "old\r\n");
        w.Close();
    }
    EXPECT_EQ(ReadHost("lib.lib"), "new\r\n");
    // A writer left by an error, or aborted, leaves the old content and no temporary file.
    try {
        TextWriter w("T:\\lib.lib");
        w.PrintLine("half");
        throw RuntimeError(61);
    } catch (const RuntimeError&) {
    }
    {
        TextWriter w("T:\\lib.lib", true);
        w.PrintLine("more");
        w.Abort();
    }
    EXPECT_EQ(ReadHost("lib.lib"), "new\r\n");
    {
        TextWriter w("T:\\lib.lib", true);
        w.PrintLine("more");
    }
    EXPECT_EQ(ReadHost("lib.lib"), "new\r\nmore\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 1);
}

// Every writer writes through symbolic links. For random chains of links across folders, with
// relative and absolute texts and a file at the end or none yet, the file at the end gets the
// new bytes and keeps its permission bits, every link stays as it was, and nothing else
// appears in any folder. A loop, or a chain longer than the host follows, is refused and
// changes nothing.
TEST_F(FileTest, EveryWriterWritesThroughAChainOfLinks) {
    enum Writer { kText, kAppend, kReplacement, kCopy };
    const auto write = [this](int writer, const fs::path& at, const std::string& bytes) {
        std::string platform = "T:";
        for (const auto& part : at) platform += "\\" + part.string();
        if (writer == kText || writer == kAppend) {
            TextWriter w(platform, writer == kAppend);
            w.Print(bytes);
            w.Close();
        } else if (writer == kReplacement) {
            HostFileReplacement file((root_ / at).string());
            file.Write(bytes.data(), bytes.size());
            file.Commit();
        } else {
            WriteHost("source.bin", bytes);
            FileCopy("T:\\source.bin", platform);
        }
    };
    // Every entry under the root, hidden ones and links too, with what a link says.
    const auto tree = [this] {
        std::vector<std::string> entries;
        for (auto it = fs::recursive_directory_iterator(root_); it != fs::recursive_directory_iterator(); ++it) {
            std::string entry = it->path().lexically_relative(root_).string();
            if (it->is_symlink()) entry += " -> " + fs::read_symlink(it->path()).string();
            entries.push_back(entry);
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    };
    // Permission bits in octal, as chmod takes them ("0644").
    const auto mode = [this](const fs::path& at) {
        char text[8];
        std::snprintf(text, sizeof text, "%04o",
                      static_cast<unsigned>(fs::status(root_ / at).permissions() & fs::perms::mask));
        return std::string(text);
    };
    const fs::path folders[] = {"desk", "shelf", "shelf/deep"};
    for (const fs::path& folder : folders) fs::create_directories(root_ / folder);
    WriteHost("source.bin", "");
    fs::permissions(root_ / "source.bin", static_cast<fs::perms>(0750));
    const char* const modes[] = {"0600", "0640", "0755"};
    const mode_t mask = ::umask(0);
    ::umask(mask);
    char newFileMode[8];
    std::snprintf(newFileMode, sizeof newFileMode, "%04o", 0666 & ~static_cast<unsigned>(mask));

    std::mt19937 random(20260418);
    for (int round = 0; round < 48; ++round) {
        const int writer = round % 4;
        const int links = round < 4 ? 40 : 1 + static_cast<int>(random() % 6);
        std::vector<fs::path> chain;
        for (int i = 0; i <= links; ++i) {
            chain.push_back(folders[random() % std::size(folders)] /
                            ((i == links ? "end" : "link") + std::to_string(round) + "-" + std::to_string(i)));
        }
        for (int i = 0; i < links; ++i) {
            const fs::path text = random() % 2 ? root_ / chain[i + 1]
                                               : chain[i + 1].lexically_relative(chain[i].parent_path());
            fs::create_symlink(text, root_ / chain[i]);
        }
        const bool existing = random() % 3 != 0;
        const std::string old = "old " + std::to_string(round) + "\r\n";
        const std::string oldMode = modes[random() % std::size(modes)];
        if (existing) {
            WriteHost(chain.back().string(), old);
            fs::permissions(root_ / chain.back(), static_cast<fs::perms>(std::stoi(oldMode, nullptr, 8)));
        }
        const std::vector<std::string> before = tree();
        const std::string bytes = "round " + std::to_string(round) + " writer " + std::to_string(writer) + "\r\n";
        write(writer, chain.front(), bytes);

        const std::string trace = "round " + std::to_string(round) + ", " + std::to_string(links) + " links";
        EXPECT_EQ(ReadHost(chain.back().string()), (writer == kAppend && existing ? old : "") + bytes) << trace;
        EXPECT_EQ(mode(chain.back()), writer == kCopy ? "0750" : existing ? oldMode : newFileMode) << trace;
        std::vector<std::string> after = before;
        if (!existing) {
            after.push_back(chain.back().string());
            std::sort(after.begin(), after.end());
        }
        ASSERT_EQ(tree(), after) << trace;
        for (const fs::path& entry : chain) fs::remove(root_ / entry);
    }

    // A loop, and one link more than the host follows: every writer refuses, nothing changes.
    fs::create_symlink("../shelf/b", root_ / "desk" / "a");
    fs::create_symlink("../desk/a", root_ / "shelf" / "b");
    fs::path head = "desk/far0";
    for (int i = 0; i < 41; ++i) {
        fs::create_symlink("far" + std::to_string(i + 1), root_ / "desk" / ("far" + std::to_string(i)));
    }
    const std::vector<std::string> before = tree();
    for (int writer = kText; writer <= kCopy; ++writer) {
        for (const fs::path& start : {fs::path("desk/a"), fs::path("shelf/b"), head}) {
            EXPECT_EQ(ErrorOf([&] { write(writer, start, "never"); }), 75) << writer << " " << start;
            EXPECT_EQ(tree(), before) << writer << " " << start;
        }
    }
}

// A writer for another library names its temporary file as every writer does; a long name
// is shortened at a whole letter, so a name in UTF-8 gives a temporary name in UTF-8.
TEST_F(FileTest, AReplacementOfALongNameIsShortenedAtAWholeLetter) {
    std::string name;
    for (int i = 0; i < 122; ++i) name += "\xc3\xa9";  // 244 bytes of "é"
    const std::string host = (root_ / name).string();
    WriteHost(name, "old");
    {
        HostFileReplacement file(host);
        file.Write("new page", 8);
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(root_)) names.push_back(e.path().filename().string());
        ASSERT_EQ(names.size(), 2u);
        const std::string temp = names[0] == name ? names[1] : names[0];
        EXPECT_LE(temp.size(), 255u);
        const std::size_t tail = temp.find('~');
        ASSERT_NE(tail, std::string::npos) << temp;
        std::string letters;
        for (std::size_t i = 0; i < (tail - 1) / 2; ++i) letters += "\xc3\xa9";
        EXPECT_EQ(temp.substr(0, tail), "." + letters) << temp;
        EXPECT_EQ(ReadHost(name), "old");
        file.Commit();
    }
    EXPECT_EQ(ReadHost(name), "new page");
    {
        HostFileReplacement dropped(host);
        dropped.Write("half", 4);
    }
    EXPECT_EQ(ReadHost(name), "new page");
    EXPECT_EQ(std::distance(fs::directory_iterator(root_), fs::directory_iterator()), 1);
}

}  // namespace

namespace {
// Every name the host takes can be written and read back, and the writer leaves nothing
// beside it: names of random lengths up to 255 bytes, some with multi-byte characters.
TEST_F(FileTest, EveryNameTheHostTakesIsWrittenWithNothingLeftBeside) {
    std::mt19937 random(20261209);
    const std::string pieces[] = {"a", "Z", "7", " ", ".", "_", "\xc3\xa9", "\xe2\x82\xac"};
    for (int round = 0; round < 60; ++round) {
        const std::size_t length = round < 3 ? 253 + round : 1 + random() % 255;
        std::string name = "n";
        while (name.size() < length) {
            const std::string& piece = pieces[random() % std::size(pieces)];
            if (name.size() + piece.size() > length) break;
            name += piece;
        }
        if (name.back() == ' ' || name.back() == '.') name.back() = 'e';
        const std::string text = "round " + std::to_string(round);
        {
            TextWriter w("T:\\" + TextName(name));  // the host's UTF-8 name in the programs' text
            w.Print(text);
            w.Close();
        }
        ASSERT_EQ(ReadHost(name), text) << name.size();
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(root_)) names.push_back(e.path().filename().string());
        ASSERT_EQ(names, std::vector<std::string>{name}) << name.size();
        fs::remove(root_ / name);
    }
}
}  // namespace
