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
#include "platform/letters_p.h"
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

// One name of a path: as the host spells it, or as the programs' text spells it (to cross to
// the host as UTF-8, matched against the folder's entries).
struct Name {
    std::string name;
    bool host = false;
};

// Calls `each` with every non-empty name of `path` ("/" separators), in order.
template <class Each>
void ForEachName(const std::string& path, Each each) {
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t end = path.find('/', pos);
        if (end == std::string::npos) end = path.size();
        if (end > pos) each(path.substr(pos, end - pos));
        pos = end + 1;
    }
}

// Appends the names of `path` ("/" separators) below a drive's root to `names`, with "."
// dropped and each ".." taking back the name before it; a ".." with no name before it stays
// at the root, so no path climbs off its drive.
void AppendWithinRoot(std::vector<Name>& names, const std::string& path, bool host) {
    ForEachName(path, [&](const std::string& name) {
        if (name == ".") return;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            return;
        }
        names.push_back({name, host});
    });
}

// The names of `path` as they are, "." and ".." included (below a folder that lies on no
// drive, where the host resolves them).
std::vector<Name> Names(const std::string& path) {
    std::vector<Name> names;
    ForEachName(path, [&](const std::string& name) { names.push_back({name, name == "." || name == ".."}); });
    return names;
}

// The names below a drive's root that `text` (the programs' text) gives.
std::vector<Name> WithinRoot(const std::string& text) {
    std::vector<Name> names;
    AppendWithinRoot(names, text, false);
    return names;
}

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

// Appends `names` to `base`. A name of the programs' text crosses to the host as UTF-8; one
// that does not exist so is matched against the folder's entries regardless of case, as the
// programs' text spells them, so that a name the host holds in another form (another case,
// or one byte a letter as older writers left it) is found as it is listed. An entry with a
// letter the programs' text cannot hold matches no name.
std::string Resolve(const std::string& base, const std::vector<Name>& names) {
    std::string out = base;
    bool resolving = true;
    for (const Name& part : names) {
        if (part.host) {
            out = out == "/" ? "/" + part.name : out + "/" + part.name;
            continue;
        }
        std::string name = HostName(part.name);
        if (resolving) {
            const std::string candidate = out == "/" ? "/" + name : out + "/" + name;
            if (!Exists(candidate)) {
                resolving = false;
                const std::string wanted = LCase(part.name);
                std::error_code ec;
                std::vector<std::string> matches;
                for (fs::directory_iterator it(out.empty() ? "/" : out, ec), stop; !ec && it != stop;
                     it.increment(ec)) {
                    const std::string entry = it->path().filename().string();
                    bool whole = true;
                    const std::string text = TextName(entry, &whole);
                    if (whole && LCase(text) == wanted) matches.push_back(entry);
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
// desktop, and the profiles folder of the newer family does not exist (76). `names` are the
// names below the drive's root; on a match *base and *names are replaced.
void MapWellKnownLocked(std::string* base, std::vector<Name>* names) {
    const std::vector<Name>& parts = *names;
    if (!parts.empty() && LCase(parts[0].name) == "documents and settings") throw RuntimeError(76);
    if (parts.size() >= 2 && LCase(parts[0].name) == "windows" && LCase(parts[1].name) == "desktop") {
        *base = DesktopFolder();
        names->erase(names->begin(), names->begin() + 2);
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
    std::vector<Name> names;
    if (p.size() >= 2 && p[1] == ':' && IsDriveLetter(p[0])) {
        const auto it = drives.find(DriveKey(p[0]));
        if (it == drives.end()) throw RuntimeError(76);
        base = it->second;
        names = WithinRoot(p.substr(2));  // "C:name" is taken from the drive's root too
        if (defaultTable && DriveKey(p[0]) == 'C') MapWellKnownLocked(&base, &names);
    } else if (!p.empty() && p[0] == '/') {
        // "\" and "/" alike start at the root of the current folder's drive.
        char drive = DriveOfLocked(CurrentLocked());
        if (drive == 0) drive = 'C';
        const auto it = drives.find(drive);
        if (it == drives.end()) throw RuntimeError(76);
        base = it->second;
        names = WithinRoot(p);
    } else {
        // Relative to the current folder, taken from its drive's root when it lies on one.
        std::string cur;
        const char drive = DriveOfLocked(CurrentLocked(), &cur);
        if (drive == 0) return Tidy(Resolve(cur, Names(p)));
        base = drives[drive];
        AppendWithinRoot(names, base == "/" ? cur : cur.substr(base.size()), true);
        AppendWithinRoot(names, p, false);
    }
    return Tidy(Resolve(Tidy(base), names));
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
        out = std::string(1, drive) + ":" + TextName(rest);
    } else {
        out = TextName(host);
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

// ---------------------------------------------------------------------------
// Names

namespace {

void AppendUtf8(std::string& out, char32_t letter) {
    if (letter < 0x80) {
        out += static_cast<char>(letter);
    } else if (letter < 0x800) {
        out += static_cast<char>(0xC0 | (letter >> 6));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (letter >> 12));
        out += static_cast<char>(0x80 | ((letter >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (letter & 0x3F));
    }
}

// The letter of the well-formed UTF-8 sequence at `pos` and its length, or a length of 0.
std::size_t DecodeUtf8(const std::string& s, std::size_t pos, char32_t* letter) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byte(pos + i) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    *letter = value;
    return length;
}

}  // namespace

std::string HostName(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) AppendUtf8(out, LetterOf(static_cast<unsigned char>(c)));
    return out;
}

std::string TextName(const std::string& hostName, bool* whole) {
    std::string out;
    out.reserve(hostName.size());
    bool held = true;
    for (std::size_t pos = 0; pos < hostName.size();) {
        const auto byte = static_cast<unsigned char>(hostName[pos]);
        char32_t letter = 0;
        const std::size_t length = byte < 0x80 ? 0 : DecodeUtf8(hostName, pos, &letter);
        if (length == 0) {
            // ASCII, or a byte that is no part of UTF-8: the text's own letter.
            out += static_cast<char>(byte);
            ++pos;
            continue;
        }
        const int mine = ByteOf(letter);
        if (mine < 0) held = false;
        out += mine < 0 ? '?' : static_cast<char>(mine);
        pos += length;
    }
    if (whole != nullptr) *whole = held;
    return out;
}

}  // namespace vb
