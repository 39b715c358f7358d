#include "platform/files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/strings.h"

namespace fs = std::filesystem;

namespace vb {

namespace {

bool IsFolder(const std::string& host) {
    struct stat st {};
    return ::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& host) {
    struct stat st {};
    return ::stat(host.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// Characters the original file system refuses in a name: such a name is error 52.
void CheckName(const std::string& platformPath) {
    if (platformPath.find_first_of("*?<>|\"") != std::string::npos) throw RuntimeError(52);
}

std::string ParentOf(const std::string& host) {
    const std::string parent = fs::path(host).parent_path().string();
    return parent.empty() ? std::string(".") : parent;
}

// The runtime's number for a failed open. A missing file in an existing
// folder is 53 when reading, a missing folder 76.
int OpenError(const std::string& host, int err) {
    switch (err) {
        case ENOENT: return IsFolder(ParentOf(host)) ? 53 : 76;
        case ENOTDIR: return 76;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return 61;
        case ENAMETOOLONG: return 52;
        case EIO: return 57;
        default: return 75;  // EACCES, EPERM, EROFS, EISDIR, ...
    }
}

int WriteError(int err) {
    if (err == ENOSPC) return 61;
#ifdef EDQUOT
    if (err == EDQUOT) return 61;
#endif
    if (err == EBADF || err == EACCES || err == EPERM) return 75;
    return 57;
}

void WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw RuntimeError(WriteError(errno));
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

int OpenForReading(const std::string& host) {
    const int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw RuntimeError(OpenError(host, errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw RuntimeError(75);
    }
    return fd;
}

std::string ReadFd(int fd) {
    std::string data;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            throw RuntimeError(57);
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

void SyncAndClose(int fd) {
    int err = 0;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) err = errno;
    if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
    if (err != 0) throw RuntimeError(WriteError(err));
}

// Temporary files are named "." + stem + ".tmp-" + pid + "-" + six random characters, beside
// their target. The pid names the program that owns the file while it writes; a file whose
// owner no longer runs is the leftover of an interrupted write. The stem is the target's
// name, or for a name too long to take the suffix within the host's 255-byte limit, its
// first bytes and a hash of the whole name, so the temporary name fits wherever the target
// does and the same target always gives the same stem. The first bytes end at a whole UTF-8
// letter, so a name that is valid UTF-8 gives a temporary name that is too.
constexpr std::size_t kHostNameMax = 255;
constexpr std::size_t kTempSuffixMax = 1 + 5 + 10 + 1 + 6;  // ".", ".tmp-", pid, "-", XXXXXX

std::string TempStem(const std::string& name) {
    if (name.size() + kTempSuffixMax <= kHostNameMax) return name;
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : name) hash = (hash ^ c) * 16777619u;
    static const char kHex[] = "0123456789abcdef";
    std::string tail = "~";
    for (int shift = 28; shift >= 0; shift -= 4) tail += kHex[(hash >> shift) & 0xF];
    std::size_t keep = kHostNameMax - kTempSuffixMax - tail.size();
    // A UTF-8 letter is at most four bytes: at most three continuation bytes (10xxxxxx) are
    // given back, so a name in another encoding still keeps nearly all its first bytes.
    for (int back = 0; back < 3 && keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80; ++back)
        --keep;
    return name.substr(0, keep) + tail;
}

// The pid of a temporary file of a target with `stem`, or 0 when `entry` is no such file.
pid_t TempOwner(const std::string& entry, const std::string& stem) {
    const std::string prefix = "." + stem + ".tmp-";
    if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0) return 0;
    const std::size_t digits = entry.find_first_not_of("0123456789", prefix.size());
    if (digits == prefix.size() || digits == std::string::npos || digits - prefix.size() > 10) return 0;
    if (entry[digits] != '-' || entry.size() - digits - 1 != 6) return 0;
    const unsigned long long pid = std::stoull(entry.substr(prefix.size(), digits - prefix.size()));
    return pid == 0 || pid > 0x7fffffffULL ? 0 : static_cast<pid_t>(pid);
}

bool Running(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

// Deletes the temporary files in `folder` whose owner no longer runs: of the target named
// `name`, or of every target when `name` is empty.
void RemoveLeftoversIn(const std::string& folder, const std::string& name) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), stop; !ec && it != stop; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry.empty() || entry[0] != '.') continue;
        std::string stem = name.empty() ? std::string() : TempStem(name);
        if (name.empty()) {
            const std::size_t mark = entry.rfind(".tmp-");
            if (mark == std::string::npos || mark < 1) continue;
            stem = entry.substr(1, mark - 1);
        }
        const pid_t owner = TempOwner(entry, stem);
        if (owner == 0 || Running(owner)) continue;
        std::error_code typeEc;
        if (it->is_regular_file(typeEc) && !typeEc) ::unlink(it->path().c_str());
    }
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A fresh temporary file beside `host` for writing; 76 when the folder is missing, 75 when
// the target is a folder or the folder cannot be written. Leftovers of earlier interrupted
// writes of the same target go first.
int OpenTempBeside(const std::string& host, std::string* tempPath) {
    if (IsFolder(host)) throw RuntimeError(75);
    const fs::path target(host);
    const std::string stem = TempStem(target.filename().string());
    RemoveLeftoversIn(ParentOf(host), target.filename().string());
    std::string name =
        (target.parent_path() / ("." + stem + ".tmp-" + std::to_string(::getpid()) + "-XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        const int err = errno;
        throw RuntimeError(err == ENOENT ? 76 : OpenError(host, err));
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    *tempPath = name;
    return fd;
}

// The most symbolic links followed for one target, as the host follows in one path.
constexpr int kMaxLinks = 40;

// The file a write of `host` replaces. A symbolic link is written through: the file it leads
// to is replaced and the link stays. A chain of links is followed to its end; a link's
// relative text is read from the link's own folder. The file at the end need not exist (a
// link that leads nowhere gets a new file where it points). A loop, or more than kMaxLinks
// links, is 75.
std::string WriteTarget(std::string host) {
    for (int links = 0;; ++links) {
        struct stat st {};
        if (::lstat(host.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return host;
        if (links == kMaxLinks) throw RuntimeError(75);
        std::string text(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 4096, '\0');
        ssize_t n = 0;
        while ((n = ::readlink(host.c_str(), text.data(), text.size())) >= 0 &&
               static_cast<std::size_t>(n) == text.size()) {
            text.resize(text.size() * 2);  // longer than lstat said: read it again with more room
        }
        if (n <= 0) throw RuntimeError(n == 0 ? 76 : OpenError(host, errno));
        text.resize(static_cast<std::size_t>(n));
        host = text[0] == '/' ? text : ParentOf(host) + "/" + text;
    }
}

// The temporary file of a writer that replaces the file `*host`, and in *mode the permission
// bits the replacement gets: those of the old file, or the usual ones for a new file. A
// symbolic link is resolved first (WriteTarget) and *host becomes the file it leads to, which
// the writer's Commit replaces. 75 when the old file may not be written.
int OpenReplacement(std::string* host, std::string* tempPath, unsigned* mode) {
    *host = WriteTarget(std::move(*host));
    struct stat st {};
    const bool existing = ::stat(host->c_str(), &st) == 0 && S_ISREG(st.st_mode);
    *mode = existing ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
    if (existing && ::access(host->c_str(), W_OK) != 0) throw RuntimeError(75);
    return OpenTempBeside(*host, tempPath);
}

// Syncs and closes a finished temporary file and moves it over its target.
void Commit(int fd, const std::string& tempPath, const std::string& host, mode_t mode) {
    ::fchmod(fd, mode);
    try {
        SyncAndClose(fd);
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
    if (::rename(tempPath.c_str(), host.c_str()) != 0) {
        const int err = errno;
        ::unlink(tempPath.c_str());
        throw RuntimeError(OpenError(host, err));
    }
}

void Abandon(int fd, const std::string& tempPath) {
    ::close(fd);
    ::unlink(tempPath.c_str());
}

std::string PlatformFolderOf(const std::string& platformPath, std::string* name) {
    const std::size_t sep = platformPath.find_last_of("\\/");
    if (sep == std::string::npos) {
        const bool drive = platformPath.size() >= 2 && platformPath[1] == ':';
        *name = platformPath.substr(drive ? 2 : 0);
        return drive ? platformPath.substr(0, 2) : std::string();
    }
    *name = platformPath.substr(sep + 1);
    return sep == 0 ? platformPath.substr(0, 1) : platformPath.substr(0, sep + 1);
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const std::string la = LCase(a);
    const std::string lb = LCase(b);
    return la != lb ? la < lb : a < b;
}

// The entries of a folder; the names come back as the programs' text (TextName), and the
// pattern matches that text.
std::vector<ListedName> ListIn(const std::string& host, bool folders, const std::string& pattern) {
    std::vector<ListedName> names;
    std::error_code ec;
    for (fs::directory_iterator it(host, ec), stop; !ec && it != stop; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code typeEc;
        const bool isFolder = it->is_directory(typeEc);
        if (typeEc || isFolder != folders) continue;
        std::string text = TextName(name);
        if (!folders && !MatchesPattern(text, pattern)) continue;
        names.push_back({std::move(text), std::move(name)});
    }
    std::sort(names.begin(), names.end(), [](const ListedName& a, const ListedName& b) {
        return a.text != b.text ? LessIgnoringCase(a.text, b.text) : a.host < b.host;
    });
    return names;
}

std::vector<std::string> List(const std::string& folder, bool folders, const std::string& pattern) {
    std::vector<std::string> names;
    for (ListedName& entry : ListNames(folder, folders, pattern)) names.push_back(std::move(entry.text));
    return names;
}

}  // namespace

// ---------------------------------------------------------------------------
// TextReader

TextReader::TextReader(const std::string& platformPath) {
    CheckName(platformPath);
    const std::string host = HostPath(platformPath);
    data_ = ReadFd(OpenForReading(host));
    open_ = true;
}

void TextReader::CheckOpen() const {
    if (!open_) throw RuntimeError(52);
}

bool TextReader::Eof() const {
    CheckOpen();
    return pos_ >= data_.size();
}

std::string TextReader::LineInput() {
    CheckOpen();
    if (pos_ >= data_.size()) throw RuntimeError(62);
    afterComma_ = false;
    return std::string(NextLine(data_, pos_));
}

Value TextReader::Input() {
    CheckOpen();
    const std::size_t size = data_.size();
    auto consumeDelimiter = [&] {
        if (pos_ >= size) return;
        if (data_[pos_] == ',') {
            ++pos_;
            afterComma_ = true;
        } else if (data_[pos_] == '\r') {
            ++pos_;
            if (pos_ < size && data_[pos_] == '\n') ++pos_;
        } else if (data_[pos_] == '\n') {
            ++pos_;
        }
    };
    // Blanks before an item are skipped, and so are line ends (blank lines)
    // unless a comma has just opened an item that the line end leaves empty.
    const bool field = afterComma_;
    afterComma_ = false;
    while (pos_ < size) {
        const char c = data_[pos_];
        if (c == ' ' || c == '\t') {
            ++pos_;
        } else if ((c == '\r' || c == '\n') && !field) {
            ++pos_;
        } else {
            break;
        }
    }
    if (pos_ >= size) {
        if (field) return Value();
        throw RuntimeError(62);
    }
    if (data_[pos_] == '"') {
        const std::size_t close = data_.find('"', pos_ + 1);
        const std::size_t stop = close == std::string::npos ? size : close;
        std::string text = data_.substr(pos_ + 1, stop - pos_ - 1);
        pos_ = std::min(size, stop + 1);
        while (pos_ < size && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
        consumeDelimiter();
        return Value(std::move(text));
    }
    const std::size_t start = pos_;
    while (pos_ < size && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
    std::string text = data_.substr(start, pos_ - start);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    consumeDelimiter();
    return text.empty() ? Value() : Value(std::move(text));
}

void TextReader::Close() {
    open_ = false;
    data_.clear();
    data_.shrink_to_fit();
    pos_ = 0;
}

// ---------------------------------------------------------------------------
// TextWriter

TextWriter::TextWriter(const std::string& platformPath, bool append)
    : exceptionsAtOpen_(std::uncaught_exceptions()) {
    CheckName(platformPath);
    host_ = HostPath(platformPath);
    fd_ = OpenReplacement(&host_, &temp_, &mode_);
    struct stat st {};
    if (append && ::stat(host_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        try {
            buffer_ = ReadFd(OpenForReading(host_));
        } catch (...) {
            Abandon(std::exchange(fd_, -1), temp_);
            throw;
        }
    }
}

TextWriter::~TextWriter() {
    if (fd_ < 0) return;
    if (std::uncaught_exceptions() > exceptionsAtOpen_) {
        // Left by an error: the target keeps its old content.
        Abandon(std::exchange(fd_, -1), temp_);
        return;
    }
    try {
        Close();
    } catch (const RuntimeError&) {
        // Nobody to tell; callers that care call Close() themselves.
    }
}

TextWriter::TextWriter(TextWriter&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      buffer_(std::move(other.buffer_)),
      host_(std::move(other.host_)),
      temp_(std::move(other.temp_)),
      mode_(other.mode_),
      exceptionsAtOpen_(other.exceptionsAtOpen_) {}

TextWriter& TextWriter::operator=(TextWriter&& other) noexcept {
    if (this != &other) {
        try {
            Close();
        } catch (const RuntimeError&) {
        }
        fd_ = std::exchange(other.fd_, -1);
        buffer_ = std::move(other.buffer_);
        host_ = std::move(other.host_);
        temp_ = std::move(other.temp_);
        mode_ = other.mode_;
        exceptionsAtOpen_ = other.exceptionsAtOpen_;
    }
    return *this;
}

void TextWriter::Abort() {
    if (fd_ < 0) return;
    Abandon(std::exchange(fd_, -1), temp_);
    buffer_.clear();
}

void TextWriter::Write(const std::string& bytes) {
    if (fd_ < 0) throw RuntimeError(52);
    buffer_ += bytes;
    if (buffer_.size() >= 65536) Flush();
}

void TextWriter::Flush() {
    std::string pending;
    pending.swap(buffer_);
    WriteAll(fd_, pending.data(), pending.size());
}

void TextWriter::PrintLine(const std::string& line) { Write(line + "\r\n"); }

void TextWriter::Print(const std::string& text) { Write(text); }

void TextWriter::WriteItems(const std::vector<Value>& items) {
    std::string line;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) line += ',';
        const Value& v = items[i];
        if (v.IsText()) line += '"' + v.Text() + '"';
        else if (v.IsNumber()) line += CStr(v.Num());
    }
    Write(line + "\r\n");
}

void TextWriter::Close() {
    if (fd_ < 0) return;
    const int fd = std::exchange(fd_, -1);
    try {
        std::string pending;
        pending.swap(buffer_);
        WriteAll(fd, pending.data(), pending.size());
    } catch (...) {
        Abandon(fd, temp_);
        throw;
    }
    Commit(fd, temp_, host_, static_cast<mode_t>(mode_));
}

// ---------------------------------------------------------------------------
// BinaryFile

BinaryFile::BinaryFile(const std::string& platformPath, BinaryAccess access) {
    CheckName(platformPath);
    const std::string host = HostPath(platformPath);
    if (access == BinaryAccess::Read) {
        fd_ = OpenForReading(host);
        return;
    }
    fd_ = ::open(host.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM) && IsFile(host)) {
        fd_ = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        const int err = errno;
        throw RuntimeError(err == ENOENT ? 76 : OpenError(host, err));
    }
}

BinaryFile::~BinaryFile() {
    if (fd_ >= 0) ::close(fd_);
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

long BinaryFile::Lof() const {
    if (fd_ < 0) throw RuntimeError(52);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) throw RuntimeError(57);
    return static_cast<long>(st.st_size);
}

std::vector<unsigned char> BinaryFile::Get(long position1based, std::size_t count) {
    if (fd_ < 0) throw RuntimeError(52);
    if (position1based < 1) throw RuntimeError(63);
    std::vector<unsigned char> bytes(count, 0);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd_, bytes.data() + done, count - done,
                                  static_cast<off_t>(position1based - 1) + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw RuntimeError(57);
        }
        if (n == 0) break;  // past the end: the rest stays 0
        done += static_cast<std::size_t>(n);
    }
    return bytes;
}

void BinaryFile::Put(long position1based, const std::vector<unsigned char>& bytes) {
    if (fd_ < 0) throw RuntimeError(52);
    if (position1based < 1) throw RuntimeError(63);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                   static_cast<off_t>(position1based - 1) + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw RuntimeError(WriteError(errno));
        }
        done += static_cast<std::size_t>(n);
    }
}

void BinaryFile::Close() {
    if (fd_ < 0) return;
    SyncAndClose(std::exchange(fd_, -1));
}

// ---------------------------------------------------------------------------
// HostFileReplacement

HostFileReplacement::HostFileReplacement(const std::string& host) : host_(host) {
    fd_ = OpenReplacement(&host_, &temp_, &mode_);
}

HostFileReplacement::~HostFileReplacement() { Abort(); }

void HostFileReplacement::Write(const char* data, std::size_t size) {
    if (fd_ < 0) throw RuntimeError(52);
    WriteAll(fd_, data, size);
}

void HostFileReplacement::Commit() {
    if (fd_ < 0) throw RuntimeError(52);
    vb::Commit(std::exchange(fd_, -1), temp_, host_, static_cast<mode_t>(mode_));
}

void HostFileReplacement::Abort() {
    if (fd_ < 0) return;
    Abandon(std::exchange(fd_, -1), temp_);
}

// ---------------------------------------------------------------------------
// File system

std::string ReadAllBytes(const std::string& platformPath) {
    CheckName(platformPath);
    return ReadFd(OpenForReading(HostPath(platformPath)));
}

std::string_view NextLine(std::string_view text, std::size_t& pos) {
    // A plain scan: find_first_of would try each character against the set with a call of
    // its own.
    const std::size_t start = pos;
    std::size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    pos = end < text.size() ? end + 1 : end;
    if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    return text.substr(start, end - start);
}

void FileCopy(const std::string& from, const std::string& to) {
    CheckName(from);
    CheckName(to);
    const std::string src = HostPath(from);
    const std::string dst = HostPath(to);
    const int in = OpenForReading(src);
    std::error_code ec;
    if (fs::equivalent(src, dst, ec) && !ec) {
        ::close(in);
        return;
    }
    // The copy keeps the permission bits of its source, so a copied program still runs.
    struct stat st {};
    const mode_t mode = ::fstat(in, &st) == 0 ? (st.st_mode & 0777) : (0666 & ~CurrentUmask());
    std::string temp;
    std::string target;
    int out = -1;
    try {
        // A destination that is a symbolic link is copied through: the file it leads to is
        // replaced, the link stays.
        target = WriteTarget(dst);
        out = OpenTempBeside(target, &temp);
    } catch (...) {
        ::close(in);
        throw;
    }
    try {
        char buf[65536];
        for (;;) {
            const ssize_t n = ::read(in, buf, sizeof buf);
            if (n < 0) {
                if (errno == EINTR) continue;
                throw RuntimeError(57);
            }
            if (n == 0) break;
            WriteAll(out, buf, static_cast<std::size_t>(n));
        }
    } catch (...) {
        ::close(in);
        Abandon(out, temp);
        throw;
    }
    ::close(in);
    Commit(out, temp, target, mode);
}

void Kill(const std::string& path) {
    std::string name;
    const std::string folder = PlatformFolderOf(path, &name);
    if (name.find_first_of("*?") != std::string::npos) {
        const std::string hostFolder = HostPath(folder);
        if (!IsFolder(hostFolder)) throw RuntimeError(76);
        const std::vector<ListedName> names = ListIn(hostFolder, false, name);
        if (names.empty()) throw RuntimeError(53);
        for (const ListedName& n : names) {
            if (::unlink((hostFolder + "/" + n.host).c_str()) != 0) throw RuntimeError(75);
        }
        return;
    }
    const std::string host = HostPath(path);
    struct stat st {};
    if (::lstat(host.c_str(), &st) != 0) throw RuntimeError(IsFolder(ParentOf(host)) ? 53 : 76);
    if (S_ISDIR(st.st_mode)) throw RuntimeError(53);
    if (::unlink(host.c_str()) != 0) throw RuntimeError(75);
}

void MkDir(const std::string& path) {
    CheckName(path);
    const std::string host = HostPath(path);
    struct stat st {};
    if (::lstat(host.c_str(), &st) == 0) throw RuntimeError(75);
    if (::mkdir(host.c_str(), 0777) != 0) {
        throw RuntimeError(errno == ENOENT || errno == ENOTDIR ? 76 : 75);
    }
}

void RemoveLeftovers(const std::string& folder) {
    const std::string host = HostPath(folder);
    if (!IsFolder(host)) throw RuntimeError(76);
    RemoveLeftoversIn(host, std::string());
}

void RmDir(const std::string& path) {
    const std::string host = HostPath(path);
    if (!IsFolder(host)) throw RuntimeError(76);
    if (::rmdir(host.c_str()) != 0) throw RuntimeError(75);
}

bool FileExists(const std::string& path) {
    try {
        return IsFile(HostPath(path));
    } catch (const RuntimeError&) {
        return false;
    }
}

bool FolderExists(const std::string& path) {
    try {
        return IsFolder(HostPath(path));
    } catch (const RuntimeError&) {
        return false;
    }
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern) {
    return List(folder, false, pattern);
}

std::vector<std::string> ListFolders(const std::string& folder) { return List(folder, true, "*"); }

std::vector<ListedName> ListNames(const std::string& folder, bool folders, const std::string& pattern) {
    std::string host;
    try {
        host = HostPath(folder);
    } catch (const RuntimeError&) {
        return {};
    }
    return ListIn(host, folders, pattern);
}

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    if (pattern.empty() || pattern == "*.*" || pattern == "*") return true;
    const std::string n = LCase(name);
    const std::string p = LCase(pattern);
    std::size_t i = 0;
    std::size_t j = 0;
    std::size_t starP = std::string::npos;
    std::size_t starN = 0;
    while (i < n.size()) {
        if (j < p.size() && (p[j] == '?' || p[j] == n[i])) {
            ++i;
            ++j;
        } else if (j < p.size() && p[j] == '*') {
            starP = j++;
            starN = i;
        } else if (starP != std::string::npos) {
            j = starP + 1;
            i = ++starN;
        } else {
            return false;
        }
    }
    while (j < p.size() && p[j] == '*') ++j;
    return j == p.size();
}

}  // namespace vb
