#include "platform/shell.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cstdlib>
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

void AppActivate(long /*taskId*/) {}

void SendKeys(const std::string& /*keys*/) {}

}  // namespace vb
