#include "platform/shell.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cctype>
#include <cstdlib>
#include <utility>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/strings.h"

namespace vb {

namespace {

std::mutex hookMutex;
ShellHook hook;

std::string BaseName(const std::string& program) {
    const std::size_t sep = program.find_last_of("\\/");
    std::string name = LCase(sep == std::string::npos ? program : program.substr(sep + 1));
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) name.resize(name.size() - 4);
    return name;
}

std::string StripQuotes(const std::string& s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
    return s;
}

// Arguments separated by blanks; double quotes group and are dropped.
std::vector<std::string> SplitArguments(const std::string& s) {
    std::vector<std::string> args;
    std::string cur;
    bool quoted = false;
    bool any = false;
    for (char c : s) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) args.push_back(cur);
            cur.clear();
            any = false;
        } else {
            cur += c;
            any = true;
        }
    }
    if (any) args.push_back(cur);
    return args;
}

bool IsExecutableFile(const std::string& host) {
    struct stat st {};
    return ::stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(host.c_str(), X_OK) == 0;
}

std::string FindOnPath(const std::string& name) {
    if (name.empty()) return {};
    return QStandardPaths::findExecutable(QString::fromLocal8Bit(name.c_str())).toLocal8Bit().toStdString();
}

// A host program for a platform program name or path, or "".
std::string ResolveProgram(const std::string& program) {
    const std::string p = StripQuotes(program);
    const bool hasFolder = p.find_first_of("\\/:") != std::string::npos;
    if (hasFolder) {
        try {
            const std::string host = HostPath(p);
            if (IsExecutableFile(host)) return host;
            if (host.size() > 4 && LCase(host.substr(host.size() - 4)) == ".exe") {
                const std::string bare = host.substr(0, host.size() - 4);
                if (IsExecutableFile(bare)) return bare;
            }
        } catch (const RuntimeError&) {
        }
    }
    std::string found = FindOnPath(BaseName(p));
    if (found.empty() && !hasFolder) found = FindOnPath(p);
    return found;
}

bool IsKnown(const std::string& program) {
    const std::string name = BaseName(StripQuotes(program));
    return name == "iexplore" || name == "calc";
}

// Splits a command line into program and the rest. A quoted program ends at
// its quote; otherwise, like the original system, each blank is tried in turn
// as the end of the program name, and the first prefix naming something we
// can start wins. Failing that the first word is the program.
void SplitCommand(const std::string& line, std::string* program, std::string* rest) {
    if (line[0] == '"') {
        const std::size_t close = line.find('"', 1);
        const std::size_t end = close == std::string::npos ? line.size() : close + 1;
        *program = line.substr(0, end);
        *rest = Trim(line.substr(end));
        return;
    }
    for (std::size_t pos = line.find(' '); pos != std::string::npos; pos = line.find(' ', pos + 1)) {
        const std::string candidate = line.substr(0, pos);
        if (IsKnown(candidate) || !ResolveProgram(candidate).empty()) {
            *program = candidate;
            *rest = Trim(line.substr(pos + 1));
            return;
        }
    }
    const std::size_t first = line.find(' ');
    *program = line.substr(0, first);
    *rest = first == std::string::npos ? std::string() : Trim(line.substr(first + 1));
}

long Start(const std::string& program, const std::vector<std::string>& args) {
    if (program.empty()) throw RuntimeError(53);
    QStringList qargs;
    for (const std::string& a : args) qargs << QString::fromLocal8Bit(a.c_str());
    QProcess process;
    process.setProgram(QString::fromLocal8Bit(program.c_str()));
    process.setArguments(qargs);
    process.setWorkingDirectory(QString::fromLocal8Bit(CurrentHostFolder().c_str()));
    qint64 pid = 0;
    if (!process.startDetached(&pid)) throw RuntimeError(53);
    return pid > 0 ? static_cast<long>(pid) : 1L;
}

long StartBrowser(const std::string& address) {
    std::vector<std::string> args;
    if (!address.empty()) args.push_back(address);
    const char* browser = std::getenv("BROWSER");
    if (browser != nullptr && *browser != '\0') {
        // $BROWSER may list several commands separated by ':'.
        std::string list = browser;
        std::size_t pos = 0;
        while (pos <= list.size()) {
            std::size_t end = list.find(':', pos);
            if (end == std::string::npos) end = list.size();
            const std::vector<std::string> words = SplitArguments(list.substr(pos, end - pos));
            if (!words.empty()) {
                const std::string exe = FindOnPath(words[0]);
                if (!exe.empty() || IsExecutableFile(words[0])) {
                    std::vector<std::string> all(words.begin() + 1, words.end());
                    all.insert(all.end(), args.begin(), args.end());
                    return Start(exe.empty() ? words[0] : exe, all);
                }
            }
            pos = end + 1;
        }
    }
    if (args.empty()) args.push_back("about:blank");
    return Start(FindOnPath("xdg-open"), args);
}

long StartCalculator() {
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "xcalc"}) {
        const std::string exe = FindOnPath(name);
        if (!exe.empty()) return Start(exe, {});
    }
    throw RuntimeError(53);
}

}  // namespace

long Shell(const std::string& commandLine, int windowStyle) {
    const std::string line = Trim(commandLine);
    if (line.empty() || windowStyle < 0 || windowStyle > 6) throw RuntimeError(5);
    ShellHook h;
    {
        std::lock_guard<std::mutex> lock(hookMutex);
        h = hook;
    }
    if (h) return h(commandLine, windowStyle);
    std::string program;
    std::string rest;
    SplitCommand(line, &program, &rest);
    const std::string name = BaseName(StripQuotes(program));
    if (name == "iexplore") return StartBrowser(StripQuotes(rest));
    if (name == "calc") return StartCalculator();
    return Start(ResolveProgram(program), SplitArguments(rest));
}

void SetShellHook(ShellHook h) {
    std::lock_guard<std::mutex> lock(hookMutex);
    hook = std::move(h);
}

void ResetShellHook() {
    std::lock_guard<std::mutex> lock(hookMutex);
    hook = nullptr;
}

// ---------------------------------------------------------------------------
// Activating programs and sending keys

namespace {

std::mutex keyHookMutex;
KeySenderHook keyHook;

KeySenderHook CurrentKeyHook() {
    std::lock_guard<std::mutex> lock(keyHookMutex);
    return keyHook;
}

std::string NamedKey(const std::string& name) {
    const std::string up = UCase(name);
    static const std::vector<std::pair<std::string, std::string>> names = {
        {"ENTER", "Return"}, {"TAB", "Tab"}, {"ESC", "Escape"}, {"ESCAPE", "Escape"},
        {"BACKSPACE", "BackSpace"}, {"BS", "BackSpace"}, {"BKSP", "BackSpace"},
        {"DEL", "Delete"}, {"DELETE", "Delete"}, {"INS", "Insert"}, {"INSERT", "Insert"},
        {"HOME", "Home"}, {"END", "End"}, {"PGUP", "Prior"}, {"PGDN", "Next"},
        {"UP", "Up"}, {"DOWN", "Down"}, {"LEFT", "Left"}, {"RIGHT", "Right"},
        {"BREAK", "Break"}, {"CAPSLOCK", "Caps_Lock"}, {"NUMLOCK", "Num_Lock"},
        {"SCROLLLOCK", "Scroll_Lock"}, {"PRTSC", "Print"}, {"HELP", "Help"},
        {"CLEAR", "Clear"}, {"ADD", "KP_Add"}, {"SUBTRACT", "KP_Subtract"},
        {"MULTIPLY", "KP_Multiply"}, {"DIVIDE", "KP_Divide"}};
    for (const auto& [key, x] : names)
        if (up == key) return x;
    if (up.size() >= 2 && up[0] == 'F' && up.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int n = std::atoi(up.c_str() + 1);
        if (n >= 1 && n <= 16) return "F" + std::to_string(n);
    }
    if (name.size() == 1) return "";  // a single character: the caller maps it
    throw RuntimeError(5);
}

std::string CharKey(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalnum(u)) return std::string(1, c);
    static const std::vector<std::pair<char, std::string>> names = {
        {' ', "space"}, {'+', "plus"}, {'-', "minus"}, {'=', "equal"}, {'.', "period"},
        {',', "comma"}, {'/', "slash"}, {'*', "asterisk"}, {'^', "asciicircum"},
        {'%', "percent"}, {'~', "asciitilde"}, {'(', "parenleft"}, {')', "parenright"},
        {'{', "braceleft"}, {'}', "braceright"}, {'[', "bracketleft"}, {']', "bracketright"},
        {'!', "exclam"}, {'"', "quotedbl"}, {'#', "numbersign"}, {'$', "dollar"},
        {'&', "ampersand"}, {'\'', "apostrophe"}, {':', "colon"}, {';', "semicolon"},
        {'<', "less"}, {'>', "greater"}, {'?', "question"}, {'@', "at"},
        {'\\', "backslash"}, {'_', "underscore"}, {'`', "grave"}, {'|', "bar"}};
    for (const auto& [ch, x] : names)
        if (ch == c) return x;
    throw RuntimeError(5);
}

}  // namespace

std::vector<std::string> KeyNames(const std::string& keys) {
    std::vector<std::string> out;
    std::string held;           // modifiers for the next key
    std::string groupHeld;      // modifiers of an open group
    bool inGroup = false;
    auto press = [&](const std::string& key, int times) {
        const std::string mods = inGroup ? groupHeld : held;
        for (int i = 0; i < times; ++i) out.push_back(mods + key);
        if (!inGroup) held.clear();
    };
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const char c = keys[i];
        if (c == '+' || c == '^' || c == '%') {
            const std::string mod = c == '+' ? "shift+" : c == '^' ? "ctrl+" : "alt+";
            if (held.find(mod) == std::string::npos) held += mod;
        } else if (c == '(') {
            if (inGroup) throw RuntimeError(5);
            inGroup = true;
            groupHeld = held;
            held.clear();
        } else if (c == ')') {
            if (!inGroup) throw RuntimeError(5);
            inGroup = false;
            groupHeld.clear();
        } else if (c == '~') {
            press("Return", 1);
        } else if (c == '{') {
            // "{}}" and "{{}" name the braces themselves.
            std::size_t close = keys.find('}', i + 2);
            if (i + 1 < keys.size() && keys[i + 1] == '}') close = i + 2 < keys.size() && keys[i + 2] == '}' ? i + 2 : std::string::npos;
            if (close == std::string::npos) throw RuntimeError(5);
            std::string inside = keys.substr(i + 1, close - i - 1);
            int times = 1;
            const std::size_t blank = inside.find(' ');
            if (blank != std::string::npos && blank > 0) {
                const std::string count = inside.substr(blank + 1);
                if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos) throw RuntimeError(5);
                times = std::atoi(count.c_str());
                inside = inside.substr(0, blank);
            }
            if (inside.empty()) throw RuntimeError(5);
            std::string key = NamedKey(inside);
            if (key.empty()) key = CharKey(inside[0]);
            press(key, times);
            i = close;
        } else if (c == '}') {
            throw RuntimeError(5);
        } else {
            press(CharKey(c), 1);
        }
    }
    if (inGroup || !held.empty()) throw RuntimeError(5);
    return out;
}

namespace {

// The key sender, or "" when there is none or no display to send to.
std::string KeySender() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return {};
    return FindOnPath("xdotool");
}

// Runs the key sender and returns what it printed; 5 when it fails.
std::string RunKeySender(const std::string& exe, const QStringList& args, int timeoutMs) {
    QProcess process;
    process.setProgram(QString::fromLocal8Bit(exe.c_str()));
    process.setArguments(args);
    process.start();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        throw RuntimeError(5);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) throw RuntimeError(5);
    return process.readAllStandardOutput().toStdString();
}

}  // namespace

void AppActivate(long taskId) {
    if (KeySenderHook h = CurrentKeyHook()) {
        h(KeySenderCall{KeySenderCall::Activate, taskId, {}, false});
        return;
    }
    const std::string exe = KeySender();
    if (exe.empty() || taskId <= 0) throw RuntimeError(5);
    // The program may take a moment to show its window.
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::string found;
        try {
            found = RunKeySender(exe, {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                       QString::number(taskId)}, 5000);
        } catch (const RuntimeError&) {
            found.clear();  // nothing found yet
        }
        const std::string window = Trim(found.substr(0, found.find('\n')));
        if (!window.empty()) {
            RunKeySender(exe, {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::fromStdString(window)},
                         5000);
            return;
        }
        ::usleep(100000);
    }
    throw RuntimeError(5);
}

void SendKeys(const std::string& keys, bool wait) {
    const std::vector<std::string> names = KeyNames(keys);
    if (KeySenderHook h = CurrentKeyHook()) {
        h(KeySenderCall{KeySenderCall::Keys, 0, keys, wait});
        return;
    }
    const std::string exe = KeySender();
    if (exe.empty()) throw RuntimeError(5);
    if (names.empty()) return;
    QStringList args{QStringLiteral("key"), QStringLiteral("--clearmodifiers")};
    for (const std::string& n : names) args << QString::fromStdString(n);
    // The sender returns once the keys are in the window system's queue; with wait the
    // receiving program gets a moment to process them as well.
    RunKeySender(exe, args, 5000);
    if (wait) ::usleep(100000);
}

void SetKeySenderHook(KeySenderHook h) {
    std::lock_guard<std::mutex> lock(keyHookMutex);
    keyHook = std::move(h);
}

void ResetKeySenderHook() {
    std::lock_guard<std::mutex> lock(keyHookMutex);
    keyHook = nullptr;
}

}  // namespace vb
