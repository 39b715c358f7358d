#include "platform/paths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/errors.h"
#include "platform/strings.h"

namespace fs = std::filesystem;

namespace vb {

namespace {

std::mutex mutex;
std::map<char, std::string> drives;
bool drivesLoaded = false;
// True while the table is the default one (no BRANTEL_DRIVES, no SetDrive): only then do
// the well-known folders of the original system map to their host equivalents.
bool defaultTable = true;
std::optional<std::string> currentFolder;

// Collapses repeated "/" and drops a trailing one (keeping a lone root).
std::string Tidy(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == '/' && !out.empty() && out.back() == '/') continue;
        out += c;
    }
    if (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

// A folder in the one spelling the drive table compares by: absolute, with "." and ".."
// resolved and symbolic links followed as far as the folder exists, so that "/a/b/..", a
// link to "/a" and "/a" itself are the same place.
std::string SamePlace(const std::string& folder) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(folder, ec);
    if (ec) return Tidy(folder);
    const fs::path canonical = fs::weakly_canonical(absolute, ec);
    return Tidy((ec ? absolute.lexically_normal() : canonical).string());
}

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char DriveKey(char letter) {
    const char up = UCase(std::string(1, letter))[0];
    if (up < 'A' || up > 'Z') throw RuntimeError(5);
    return up;
}

void LoadDefaultsLocked() {
    drives.clear();
    const char* table = std::getenv("BRANTEL_DRIVES");
    if (table != nullptr && *table != '\0') {
        std::string all = table;
        std::size_t pos = 0;
        while (pos <= all.size()) {
            std::size_t end = all.find(';', pos);
            if (end == std::string::npos) end = all.size();
            const std::string entry = all.substr(pos, end - pos);
            const std::size_t eq = entry.find('=');
            std::string key = Trim(entry.substr(0, eq == std::string::npos ? 0 : eq));
            if (!key.empty() && key.back() == ':') key.pop_back();
            if (eq != std::string::npos && key.size() == 1 && IsDriveLetter(key[0])) {
                const std::string folder = Trim(entry.substr(eq + 1));
                if (!folder.empty()) drives[DriveKey(key[0])] = SamePlace(folder);
            }
            pos = end + 1;
        }
        if (!drives.empty()) {
            drivesLoaded = true;
            defaultTable = false;
            return;
        }
    }
    defaultTable = true;
    const char* home = std::getenv("HOME");
    drives['C'] = SamePlace(home != nullptr && *home != '\0' ? home : "/");
    drivesLoaded = true;
}

void EnsureDrivesLocked() {
    if (!drivesLoaded) LoadDefaultsLocked();
}

std::string CurrentLocked() {
    if (!currentFolder) {
        std::error_code ec;
        const fs::path cwd = fs::current_path(ec);
        currentFolder = ec ? std::string("/") : Tidy(cwd.string());
    }
    return *currentFolder;
}

// True when `path` is `root` or lies below it.
bool Under(const std::string& path, const std::string& root) {
    if (root == "/") return !path.empty() && path[0] == '/';
    if (path.compare(0, root.size(), root) != 0) return false;
    return path.size() == root.size() || path[root.size()] == '/';
}

// The drive whose folder holds `hostPath` as it is spelled (longest folder wins), or 0.
char DriveUnderLocked(const std::string& hostPath) {
    char best = 0;
    std::size_t bestLen = 0;
    for (const auto& [letter, root] : drives) {
        if (Under(hostPath, root) && (best == 0 || root.size() > bestLen)) {
            best = letter;
            bestLen = root.size();
        }
    }
    return best;
}

// The drive whose folder holds `hostPath`, however either is spelled, or 0. *matched gets
// the spelling of `hostPath` that lies under the drive's folder.
char DriveOfLocked(const std::string& hostPath, std::string* matched = nullptr) {
    std::string host = Tidy(fs::path(hostPath).lexically_normal().string());
    char drive = DriveUnderLocked(host);
    if (drive == 0) {
        host = SamePlace(hostPath);
        drive = DriveUnderLocked(host);
    }
    if (matched != nullptr) *matched = host;
    return drive;
}

// `rest` (below a drive's root, "/" separators) with "." dropped and each ".." taking back
// the name before it; a ".." with no name before it stays at the root, so no path climbs off
// its drive.
std::string WithinRoot(const std::string& rest) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos <= rest.size()) {
        std::size_t end = rest.find('/', pos);
        if (end == std::string::npos) end = rest.size();
        const std::string name = rest.substr(pos, end - pos);
        pos = end + 1;
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(name);
    }
    std::string out;
    for (const std::string& name : names) out += "/" + name;
    return out;
}

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

// Appends the components of `rest` to `base`, matching each one that does not
// exist as written against the folder's entries regardless of case.
std::string Resolve(const std::string& base, const std::string& rest) {
    std::string out = base;
    bool resolving = true;
    std::size_t pos = 0;
    while (pos < rest.size()) {
        std::size_t end = rest.find('/', pos);
        if (end == std::string::npos) end = rest.size();
        const std::string comp = rest.substr(pos, end - pos);
        pos = end + 1;
        if (comp.empty()) continue;
        std::string name = comp;
        if (resolving && comp != "." && comp != "..") {
            const std::string candidate = out == "/" ? "/" + comp : out + "/" + comp;
            if (!Exists(candidate)) {
                resolving = false;
                const std::string wanted = LCase(comp);
                std::error_code ec;
                std::vector<std::string> matches;
                for (fs::directory_iterator it(out.empty() ? "/" : out, ec), stop; !ec && it != stop;
                     it.increment(ec)) {
                    const std::string entry = it->path().filename().string();
                    if (LCase(entry) == wanted) matches.push_back(entry);
                }
                if (!matches.empty()) {
                    std::sort(matches.begin(), matches.end());
                    name = matches.front();
                    resolving = true;
                }
            }
        }
        out = out == "/" ? "/" + name : out + "/" + name;
    }
    return out;
}

// With the default table, the desktop folder of the older system family is this user's
// desktop, and the profiles folder of the newer family does not exist (76). `rest` is the
// path below the drive's root with "/" separators; on a match *base and *rest are replaced.
void MapWellKnownLocked(std::string* base, std::string* rest) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= rest->size()) {
        std::size_t end = rest->find('/', pos);
        if (end == std::string::npos) end = rest->size();
        if (end > pos) parts.push_back(rest->substr(pos, end - pos));
        pos = end + 1;
    }
    if (!parts.empty() && LCase(parts[0]) == "documents and settings") throw RuntimeError(76);
    if (parts.size() >= 2 && LCase(parts[0]) == "windows" && LCase(parts[1]) == "desktop") {
        *base = DesktopFolder();
        std::string below;
        for (std::size_t i = 2; i < parts.size(); ++i) below += "/" + parts[i];
        *rest = below;
    }
}

}  // namespace

std::string HostPath(const std::string& platformPath) {
    std::string p = platformPath;
    // Only a letter names a drive: "/:\x" or "1:\x" names none.
    if (p.size() >= 2 && p[1] == ':' && !IsDriveLetter(p[0])) throw RuntimeError(76);
    for (char& c : p) {
        if (c == '\\') c = '/';
    }
    std::lock_guard<std::mutex> lock(mutex);
    EnsureDrivesLocked();
    std::string base;
    std::string rest;
    if (p.size() >= 2 && p[1] == ':' && IsDriveLetter(p[0])) {
        const auto it = drives.find(DriveKey(p[0]));
        if (it == drives.end()) throw RuntimeError(76);
        base = it->second;
        rest = WithinRoot(p.substr(2));  // "C:name" is taken from the drive's root too
        if (defaultTable && DriveKey(p[0]) == 'C') MapWellKnownLocked(&base, &rest);
    } else if (!p.empty() && p[0] == '/') {
        // "\" and "/" alike start at the root of the current folder's drive.
        const std::string cur = CurrentLocked();
        char drive = DriveOfLocked(cur);
        if (drive == 0) drive = 'C';
        const auto it = drives.find(drive);
        if (it == drives.end()) throw RuntimeError(76);
        base = it->second;
        rest = p;
    } else {
        // Relative to the current folder, taken from its drive's root when it lies on one.
        std::string cur;
        const char drive = DriveOfLocked(CurrentLocked(), &cur);
        if (drive == 0) return Tidy(Resolve(cur, p));
        base = drives[drive];
        rest = (base == "/" ? cur : cur.substr(base.size())) + "/" + p;
    }
    return Tidy(Resolve(Tidy(base), WithinRoot(rest)));
}

std::string PlatformPath(const std::string& hostPath) {
    std::string host = Tidy(hostPath);
    std::lock_guard<std::mutex> lock(mutex);
    EnsureDrivesLocked();
    std::string matched;
    const char drive = DriveOfLocked(host, &matched);
    std::string out;
    if (drive != 0) {
        host = matched;
        const std::string& root = drives[drive];
        std::string rest = root == "/" ? host : host.substr(root.size());
        if (rest.empty() || rest[0] != '/') rest.insert(rest.begin(), '/');
        out = std::string(1, drive) + ":" + rest;
    } else {
        out = host;
    }
    for (char& c : out) {
        if (c == '/') c = '\\';
    }
    return out;
}

void SetDrive(char letter, const std::string& hostFolder) {
    const char key = DriveKey(letter);
    std::lock_guard<std::mutex> lock(mutex);
    EnsureDrivesLocked();
    drives[key] = SamePlace(hostFolder);
    defaultTable = false;
}

void ResetDrives() {
    std::lock_guard<std::mutex> lock(mutex);
    LoadDefaultsLocked();
}

bool DefaultDriveTable() {
    std::lock_guard<std::mutex> lock(mutex);
    EnsureDrivesLocked();
    return defaultTable;
}

std::string CurrentHostFolder() {
    std::lock_guard<std::mutex> lock(mutex);
    return CurrentLocked();
}

void SetCurrentHostFolder(const std::string& hostFolder) {
    std::lock_guard<std::mutex> lock(mutex);
    currentFolder = Tidy(hostFolder);
}

std::string CurDir() { return PlatformPath(CurrentHostFolder()); }

void ChDir(const std::string& platformPath) {
    const std::string host = HostPath(platformPath);
    std::error_code ec;
    if (!fs::is_directory(host, ec)) throw RuntimeError(76);
    SetCurrentHostFolder(host);
}

std::string DesktopFolder() {
    const char* xdg = std::getenv("XDG_DESKTOP_DIR");
    if (xdg != nullptr && *xdg != '\0') return Tidy(xdg);
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return Tidy(std::string(home) + "/Desktop");
    return "/";
}

}  // namespace vb
