#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/shell.h"

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

// Sets an environment variable for the life of the object.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~EnvVar() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class PathTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        root_ = (fs::temp_directory_path() /
                 ("brantel-paths-" + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
                    .string();
        fs::remove_all(root_);
        fs::create_directories(root_ + "/Sub/Deeper");
        savedFolder_ = CurrentHostFolder();
        SetDrive('c', root_);
    }
    void TearDown() override {
        ResetDrives();
        SetCurrentHostFolder(savedFolder_);
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    std::string root_;
    std::string savedFolder_;
};

TEST_F(PathTest, DriveLettersMapThroughTheTable) {
    EXPECT_EQ(HostPath("C:\\Brantel\\brantel.ini"), root_ + "/Brantel/brantel.ini");
    EXPECT_EQ(HostPath("c:\\x"), root_ + "/x");
    EXPECT_EQ(HostPath("C:\\"), root_);
    EXPECT_EQ(HostPath("C:"), root_);
    EXPECT_EQ(HostPath("C:/a//b\\\\c\\"), root_ + "/a/b/c");
    SetDrive('D', "/mnt/other/");
    EXPECT_EQ(HostPath("d:\\lib\\x.lib"), "/mnt/other/lib/x.lib");
}

TEST_F(PathTest, UnmappedDriveIsPathNotFound) {
    EXPECT_EQ(ErrorOf([] { HostPath("Q:\\x"); }), 76);
    EXPECT_EQ(RuntimeError(76).Description(), "Path not found");
}

TEST_F(PathTest, RelativePathsFollowTheCurrentFolder) {
    SetCurrentHostFolder(root_ + "/Sub");
    EXPECT_EQ(HostPath("file.txt"), root_ + "/Sub/file.txt");
    EXPECT_EQ(HostPath("Deeper\\f.txt"), root_ + "/Sub/Deeper/f.txt");
    EXPECT_EQ(HostPath(""), root_ + "/Sub");
    // A leading backslash starts at the root of the current folder's drive.
    EXPECT_EQ(HostPath("\\top.txt"), root_ + "/top.txt");
}

// A platform path starting with "/" is no host path: as one starting with "\" it starts at the
// root of the current folder's drive, so a folder read from a file never leads off the table.
TEST_F(PathTest, ASlashStartsAtTheCurrentDrivesRootAsABackslashDoes) {
    SetCurrentHostFolder(root_ + "/Sub");
    EXPECT_EQ(HostPath("/usr//share/"), root_ + "/usr/share");
    EXPECT_EQ(HostPath("/sub/DEEPER/x.vcd"), root_ + "/Sub/Deeper/x.vcd");
    EXPECT_EQ(HostPath("/../../etc/passwd"), root_ + "/etc/passwd");
    SetDrive('D', root_ + "/Sub");
    SetCurrentHostFolder(root_ + "/Sub/Deeper");  // on D:
    EXPECT_EQ(HostPath("/x"), root_ + "/Sub/x");
    EXPECT_EQ(HostPath("/x"), HostPath("\\x"));
    ChDir("/");
    EXPECT_EQ(CurDir(), "D:\\");
    EXPECT_EQ(ErrorOf([] { ChDir("/tmp"); }), 76);
    // A current folder on no drive: the root of C:.
    SetCurrentHostFolder("/");
    EXPECT_EQ(HostPath("/Sub"), root_ + "/Sub");
}

TEST_F(PathTest, NamesMatchRegardlessOfCase) {
    EXPECT_EQ(HostPath("C:\\SUB\\deeper\\New.TXT"), root_ + "/Sub/Deeper/New.TXT");
    EXPECT_EQ(HostPath("C:\\Missing\\SUB"), root_ + "/Missing/SUB");
}

TEST_F(PathTest, ChDirAndCurDir) {
    ChDir("C:\\Sub");
    EXPECT_EQ(CurrentHostFolder(), root_ + "/Sub");
    EXPECT_EQ(CurDir(), "C:\\Sub");
    ChDir("deeper");
    EXPECT_EQ(CurDir(), "C:\\Sub\\Deeper");
    EXPECT_EQ(ErrorOf([] { ChDir("C:\\nowhere"); }), 76);
    EXPECT_EQ(CurDir(), "C:\\Sub\\Deeper");
}

TEST_F(PathTest, PlatformPathUsesTheLongestDrive) {
    SetDrive('D', root_ + "/Sub");
    EXPECT_EQ(PlatformPath(root_ + "/Sub/Deeper/x.txt"), "D:\\Deeper\\x.txt");
    EXPECT_EQ(PlatformPath(root_ + "/other.txt"), "C:\\other.txt");
    EXPECT_EQ(PlatformPath(root_), "C:\\");
    EXPECT_EQ(PlatformPath(root_ + "/Sub"), "D:\\");
    // A folder that merely shares the drive folder's name prefix is not on it.
    std::string sibling = root_ + "x\\file";
    for (char& c : sibling) {
        if (c == '/') c = '\\';
    }
    EXPECT_EQ(PlatformPath(root_ + "x/file"), sibling);
    EXPECT_EQ(PlatformPath("/elsewhere//x/"), "\\elsewhere\\x");
}

TEST_F(PathTest, DriveFoldersMatchTheirPlacesHoweverSpelled) {
    const std::string real = fs::canonical(root_).string();
    fs::create_directory_symlink(root_ + "/Sub", root_ + "/link");
    const std::string table = "C=" + root_ + "/Sub/Deeper/..;M=" + root_ + "/link/Deeper";
    EnvVar drives("BRANTEL_DRIVES", table.c_str());
    ResetDrives();
    EXPECT_EQ(HostPath("C:\\a.txt"), real + "/Sub/a.txt");
    EXPECT_EQ(HostPath("M:\\b.txt"), real + "/Sub/Deeper/b.txt");
    EXPECT_EQ(PlatformPath(root_ + "/Sub/Deeper/b.txt"), "M:\\b.txt");
    EXPECT_EQ(PlatformPath(root_ + "/link/Deeper/b.txt"), "M:\\b.txt");
    EXPECT_EQ(PlatformPath(root_ + "/link/x/../a.txt"), "C:\\a.txt");
    // The current folder as the process finds it (links followed) lies on drive M.
    SetCurrentHostFolder(real + "/Sub/Deeper");
    EXPECT_EQ(CurDir(), "M:\\");
    EXPECT_EQ(HostPath("a.txt"), real + "/Sub/Deeper/a.txt");
    SetCurrentHostFolder(root_ + "/link");
    EXPECT_EQ(CurDir(), "C:\\");
}

// However many ".." a path holds, it stays on its drive: at the drive's root ".." is the root.
TEST_F(PathTest, DotDotStaysAtTheDriveRoot) {
    EXPECT_EQ(HostPath("C:\\..\\..\\etc\\passwd"), root_ + "/etc/passwd");
    EXPECT_EQ(HostPath("C:..\\x"), root_ + "/x");
    EXPECT_EQ(HostPath("C:\\Sub\\..\\..\\..\\Sub\\.\\Deeper"), root_ + "/Sub/Deeper");
    SetCurrentHostFolder(root_ + "/Sub");
    EXPECT_EQ(HostPath("\\..\\top.txt"), root_ + "/top.txt");
    EXPECT_EQ(HostPath("..\\..\\..\\..\\etc"), root_ + "/etc");
    EXPECT_EQ(HostPath("Deeper\\..\\f.txt"), root_ + "/Sub/f.txt");

    std::mt19937 random(20261209);
    const char* parts[] = {"..", ".", "Sub", "deeper", "x", ""};
    const char* seps[] = {"\\", "/"};
    const char* heads[] = {"C:\\", "C:", "\\", "/", ""};
    for (int i = 0; i < 500; ++i) {
        std::string path = heads[random() % 5];
        const int n = static_cast<int>(random() % 8);
        for (int k = 0; k < n; ++k) path += std::string(parts[random() % 6]) + seps[random() % 2];
        if (random() % 2 == 0) path += "passwd";
        SetCurrentHostFolder(random() % 2 == 0 ? root_ : root_ + "/Sub/Deeper");
        const std::string host = HostPath(path);
        EXPECT_TRUE(host == root_ || host.rfind(root_ + "/", 0) == 0) << path << " -> " << host;
        EXPECT_EQ(host.find("/.."), std::string::npos) << path << " -> " << host;
        EXPECT_EQ(host.find("/./"), std::string::npos) << path << " -> " << host;
    }
}

// A drive is a letter: anything else before the colon names no drive, not a host folder.
TEST_F(PathTest, OnlyALetterNamesADrive) {
    for (const char* bad : {"/:\\Brantel", "1:\\x", "::\\x", "\\:x", "?:"})
        EXPECT_EQ(ErrorOf([&] { HostPath(bad); }), 76) << bad;
    EXPECT_EQ(ErrorOf([] { ChDir("/:\\"); }), 76);
    EXPECT_EQ(HostPath("/usr/share"), root_ + "/usr/share");
}

// Names cross to the host as UTF-8 and come back as the programs' text, one byte a letter.
TEST_F(PathTest, NamesCrossToTheHostAsUtf8AndComeBackAsTheProgramsText) {
    EXPECT_EQ(HostPath("C:\\Sub\\Platine-\xfc.vcd"), root_ + "/Sub/Platine-\xc3\xbc.vcd");
    EXPECT_EQ(HostPath("C:\\\x80\x8a\x9f\xff"), root_ + "/\xe2\x82\xac\xc5\xa0\xc5\xb8\xc3\xbf");
    std::ofstream(root_ + "/Sub/Gr\xc3\xbc\xc3\x9f" "e.vcd") << "x";
    EXPECT_EQ(PlatformPath(root_ + "/Sub/Gr\xc3\xbc\xc3\x9f" "e.vcd"), "C:\\Sub\\Gr\xfc\xdf" "e.vcd");
    EXPECT_EQ(HostPath("c:\\sub\\GR\xdc\xdf" "E.VCD"), root_ + "/Sub/Gr\xc3\xbc\xc3\x9f" "e.vcd");
    // Every byte of the text crosses and comes back.
    for (int byte = 1; byte < 256; ++byte) {
        const std::string text(1, static_cast<char>(byte));
        bool whole = false;
        EXPECT_EQ(TextName(HostName(text), &whole), text) << byte;
        EXPECT_TRUE(whole) << byte;
    }
    // A letter the text cannot hold comes back as "?", and no such name is found by it.
    const std::string board = "\xe5\x9f\xba\xe6\x9d\xbf";
    fs::create_directory(root_ + "/" + board);
    bool whole = true;
    EXPECT_EQ(TextName(board + ".vcd", &whole), "??.vcd");
    EXPECT_FALSE(whole);
    EXPECT_EQ(HostPath("C:\\?\?\\x"), root_ + "/?\?/x");
    EXPECT_EQ(PlatformPath(root_ + "/" + board + "/x"), "C:\\?\?\\x");
    // Below a current folder of such letters the host's spelling stays.
    SetCurrentHostFolder(root_ + "/" + board);
    EXPECT_EQ(HostPath("x\xe9.vcd"), root_ + "/" + board + "/x\xc3\xa9.vcd");
    EXPECT_EQ(HostPath("..\\Sub\\x"), root_ + "/Sub/x");
    // A name written one byte a letter (no UTF-8) lists as it was written and is found by it.
    std::ofstream(root_ + "/Sub/Alt-\xfc.vcd") << "x";
    EXPECT_EQ(TextName("Alt-\xfc.vcd", &whole), "Alt-\xfc.vcd");
    EXPECT_TRUE(whole);
    EXPECT_EQ(HostPath("C:\\Sub\\ALT-\xdc.VCD"), root_ + "/Sub/Alt-\xfc.vcd");
    EXPECT_EQ(PlatformPath(root_ + "/Sub/Alt-\xfc.vcd"), "C:\\Sub\\Alt-\xfc.vcd");
}

TEST_F(PathTest, DefaultTableComesFromTheEnvironment) {
    {
        EnvVar drives("BRANTEL_DRIVES", "C=/srv/c; d:=/srv/d/;bad;E=");
        ResetDrives();
        EXPECT_EQ(HostPath("C:\\x"), "/srv/c/x");
        EXPECT_EQ(HostPath("D:\\x"), "/srv/d/x");
        EXPECT_EQ(ErrorOf([] { HostPath("E:\\x"); }), 76);
    }
    {
        EnvVar drives("BRANTEL_DRIVES", nullptr);
        EnvVar home("HOME", "/home/someone");
        ResetDrives();
        EXPECT_EQ(HostPath("C:\\x"), "/home/someone/x");
        EXPECT_EQ(ErrorOf([] { HostPath("D:\\x"); }), 76);
    }
}

TEST_F(PathTest, DesktopFolder) {
    {
        EnvVar xdg("XDG_DESKTOP_DIR", "/x/Schreibtisch");
        EXPECT_EQ(DesktopFolder(), "/x/Schreibtisch");
    }
    EnvVar xdg("XDG_DESKTOP_DIR", nullptr);
    EnvVar home("HOME", "/home/u");
    EXPECT_EQ(DesktopFolder(), "/home/u/Desktop");
}

TEST_F(PathTest, WellKnownFoldersFollowTheDriveTable) {
    // Explicit table (SetDrive in SetUp): every path maps literally.
    EXPECT_EQ(HostPath("C:\\Windows\\Desktop\\Brantel.lnk"), root_ + "/Windows/Desktop/Brantel.lnk");
    EXPECT_EQ(HostPath("C:\\Documents and Settings\\Ann"), root_ + "/Documents and Settings/Ann");
    EXPECT_FALSE(DefaultDriveTable());
    // Default table: the older family's desktop is this user's desktop; the profiles
    // folder does not exist.
    EnvVar drives("BRANTEL_DRIVES", nullptr);
    EnvVar home("HOME", root_.c_str());
    EnvVar xdg("XDG_DESKTOP_DIR", (root_ + "/Sub").c_str());
    ResetDrives();
    EXPECT_TRUE(DefaultDriveTable());
    EXPECT_EQ(HostPath("C:\\Windows\\Desktop"), root_ + "/Sub");
    EXPECT_EQ(HostPath("c:\\windows\\DESKTOP\\Deeper\\Brantel.lnk"), root_ + "/Sub/Deeper/Brantel.lnk");
    EXPECT_EQ(HostPath("C:\\Windows\\System"), root_ + "/Windows/System");
    EXPECT_EQ(ErrorOf([] { HostPath("C:\\Documents and Settings"); }), 76);
    EXPECT_EQ(ErrorOf([] { ChDir("C:\\Documents and Settings\\All Users"); }), 76);
    EXPECT_EQ(HostPath("C:\\Brantel"), root_ + "/Brantel");
}

class ShellTest : public ::testing::Test {
protected:
    void TearDown() override { ResetShellHook(); }
};

TEST_F(ShellTest, HookSeesTheCommandLine) {
    std::string seen;
    int style = -1;
    SetShellHook([&](const std::string& line, int s) {
        seen = line;
        style = s;
        return 42L;
    });
    EXPECT_EQ(Shell("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE http://x", 3), 42);
    EXPECT_EQ(seen, "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE http://x");
    EXPECT_EQ(style, 3);
}

TEST_F(ShellTest, HookFailuresReachTheCaller) {
    SetShellHook([](const std::string&, int) -> long { throw RuntimeError(53); });
    EXPECT_EQ(ErrorOf([] { Shell("calc.exe"); }), 53);
}

TEST_F(ShellTest, BadArgumentsAreRejected) {
    SetShellHook([](const std::string&, int) { return 1L; });
    EXPECT_EQ(ErrorOf([] { Shell(""); }), 5);
    EXPECT_EQ(ErrorOf([] { Shell("calc", 7); }), 5);
}

TEST_F(ShellTest, UnknownProgramIsFileNotFound) {
    EXPECT_EQ(ErrorOf([] { Shell("C:\\NoSuchFolder\\no-such-program-xyz.exe /a"); }), 53);
    EXPECT_EQ(ErrorOf([] { Shell("no-such-program-xyz"); }), 53);
}

TEST_F(ShellTest, StartsAHostProgramDetached) {
    if (::access("/bin/true", X_OK) != 0) GTEST_SKIP() << "no /bin/true";
    EXPECT_NE(Shell("/bin/true --ignored"), 0);
    EXPECT_NE(Shell("true.exe"), 0);  // ".exe" is dropped for the PATH search
}

TEST_F(ShellTest, WithoutAKeySenderActivatingAndSendingKeysRaise5) {
    EnvVar display("DISPLAY", nullptr);
    EXPECT_EQ(ErrorOf([] { AppActivate(1); }), 5);
    EXPECT_EQ(ErrorOf([] { SendKeys("{ENTER}", true); }), 5);
    EnvVar path("PATH", "/nonexistent");
    EnvVar display2("DISPLAY", ":99");
    EXPECT_EQ(ErrorOf([] { SendKeys("1{+}", false); }), 5);
}

TEST_F(ShellTest, KeyHookRecordsActivationAndKeys) {
    std::vector<KeySenderCall> calls;
    SetKeySenderHook([&](const KeySenderCall& c) { calls.push_back(c); });
    AppActivate(4711);
    SendKeys("3{+}", true);
    SendKeys("%{F4}");
    // Malformed notation is refused before anything is sent.
    EXPECT_EQ(ErrorOf([] { SendKeys("{F4"); }), 5);
    ResetKeySenderHook();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, KeySenderCall::Activate);
    EXPECT_EQ(calls[0].taskId, 4711);
    EXPECT_EQ(calls[1].kind, KeySenderCall::Keys);
    EXPECT_EQ(calls[1].keys, "3{+}");
    EXPECT_TRUE(calls[1].wait);
    EXPECT_EQ(calls[2].keys, "%{F4}");
    EXPECT_FALSE(calls[2].wait);
}

TEST_F(ShellTest, KeyNotationBecomesX11KeyNames) {
    const struct {
        const char* keys;
        std::vector<std::string> names;
    } cases[] = {
        {"1{+}", {"1", "plus"}},
        {"=", {"equal"}},
        {"%{F4}", {"alt+F4"}},
        {"^c~", {"ctrl+c", "Return"}},
        {"+(ab)c", {"shift+a", "shift+b", "c"}},
        {"{ENTER}{tab}{x 3}", {"Return", "Tab", "x", "x", "x"}},
        {"{{}{}}{%}", {"braceleft", "braceright", "percent"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(KeyNames(c.keys), c.names) << c.keys;
    for (const char* bad : {"{F4", "}", "(a", "a)", "%", "{NOSUCHKEY}", "{x y}", "\x01"})
        EXPECT_EQ(ErrorOf([&] { KeyNames(bad); }), 5) << bad;
}

}  // namespace
