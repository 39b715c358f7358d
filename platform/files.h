#pragma once
// Sequential and binary files with the runtime's semantics. Paths are in
// platform form and go through HostPath; every failure is a RuntimeError with
// the runtime's number (53 file not found, 76 path not found, 75 access, 62
// input past end, 61 disk full, 57 I/O error, 52 use after Close or a name the original
// file system refuses: one holding * ? < > | or a double quote).
//
// Files opened for output are written to a temporary file beside their target and moved
// over it when closed, so a failed or interrupted write leaves the old file as it was. A
// target that is a symbolic link is written through: the file at the end of its links is
// replaced (or created, when the link leads nowhere) and the link stays; a loop of links is 75.

#include <string>
#include <string_view>
#include <vector>

#include "platform/value.h"

namespace vb {

// "Open ... For Input". The whole file is read at open.
class TextReader {
public:
    explicit TextReader(const std::string& platformPath);
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;
    TextReader(TextReader&&) noexcept = default;
    TextReader& operator=(TextReader&&) noexcept = default;

    // "Line Input #": the next line without its end. Lines end in CR LF, LF
    // or a lone CR.
    std::string LineInput();
    bool Eof() const;
    // "Input #": one comma- or line-separated item. Blanks before it are
    // skipped; a quoted item runs to its closing quote (the quotes are
    // dropped), others end at the next comma or line end and lose trailing
    // blanks. An empty unquoted item is Empty, every other item is Text.
    Value Input();
    void Close();

private:
    void CheckOpen() const;

    std::string data_;
    std::size_t pos_ = 0;
    bool open_ = false;
    bool afterComma_ = false;
};

// "Open ... For Output" / "For Append". The target changes only at Close (or when the
// writer goes out of scope normally); a writer left by an exception, or aborted, leaves
// the target untouched.
class TextWriter {
public:
    explicit TextWriter(const std::string& platformPath, bool append = false);
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;
    TextWriter(TextWriter&& other) noexcept;
    TextWriter& operator=(TextWriter&& other) noexcept;

    void PrintLine(const std::string& line);  // line + CR LF
    void Print(const std::string& text);      // no line end
    // "Write #": texts in double quotes, numbers in CStr form, Empty as
    // nothing, separated by commas, ended by CR LF.
    void WriteItems(const std::vector<Value>& items);
    // Flushes to the disk; a failure raises 61 or 57. The destructor closes
    // too but cannot report failures.
    void Close();
    // Drops what was written; the target keeps its old content.
    void Abort();

private:
    void Write(const std::string& bytes);
    void Flush();

    int fd_ = -1;
    std::string buffer_;
    std::string host_;
    std::string temp_;
    unsigned mode_ = 0644;
    int exceptionsAtOpen_ = 0;
};

enum class BinaryAccess { ReadWrite, Read };

// "Open ... For Binary": read and write, creating the file. A file that may
// only be read opens read-only, and Put then raises 75. With BinaryAccess::Read
// ("Access Read") a missing file is 53 and nothing is created.
class BinaryFile {
public:
    explicit BinaryFile(const std::string& platformPath, BinaryAccess access = BinaryAccess::ReadWrite);
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;

    long Lof() const;
    // Bytes past the end read as 0. Positions below 1 raise 63.
    std::vector<unsigned char> Get(long position1based, std::size_t count);
    // Writing past the end extends the file.
    void Put(long position1based, const std::vector<unsigned char>& bytes);
    void Close();

private:
    int fd_ = -1;
};

// Replaces the target (through a symbolic link, as a writer does); the copy keeps the
// source's permission bits. Onto itself: nothing happens.
void FileCopy(const std::string& from, const std::string& to);
// Deletes a file; the name may hold * and ? (53 when nothing matches).
void Kill(const std::string& path);
void MkDir(const std::string& path);
void RmDir(const std::string& path);
// Deletes the hidden temporary files that interrupted writes left in a folder, keeping
// those of writes still running (76 for a missing folder).
void RemoveLeftovers(const std::string& folder);
// A host file whose bytes come from another library: they go to a hidden temporary file
// beside the target, named as every writer here names its own, and Commit moves it over the
// target once it is on the disk. Until then, or when it is dropped, the target keeps its old
// content and the temporary file is deleted.
class HostFileReplacement {
public:
    // 75, 76 as for a writer. `host` is used byte for byte.
    explicit HostFileReplacement(const std::string& host);
    ~HostFileReplacement();
    HostFileReplacement(const HostFileReplacement&) = delete;
    HostFileReplacement& operator=(const HostFileReplacement&) = delete;

    // Appends bytes to the temporary file; a failure raises 61 or 57.
    void Write(const char* data, std::size_t size);
    // The open temporary file, for reading back what was written; -1 once committed or dropped.
    int Fd() const { return fd_; }
    // Syncs and closes the temporary file and moves it over the target; a failure raises 61,
    // 57 or 75 and drops the file.
    void Commit();
    // Drops what was written.
    void Abort();

private:
    int fd_ = -1;
    std::string host_;
    std::string temp_;
    unsigned mode_ = 0644;
};
bool FileExists(const std::string& path);    // a file, not a folder
bool FolderExists(const std::string& path);
// Names only, sorted regardless of case; * and ? match regardless of case and
// "*.*" matches every name. Hidden (dot) entries are left out, like hidden
// files are on the original system. A missing folder lists nothing.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern = "*.*");
std::vector<std::string> ListFolders(const std::string& folder);
// An entry of a listing: its name as the programs' text (what ListFiles gives) and as the
// host spells it (UTF-8), for showing a name whose letters the text cannot hold.
struct ListedName {
    std::string text;
    std::string host;
};
std::vector<ListedName> ListNames(const std::string& folder, bool folders, const std::string& pattern = "*.*");
// The bytes of a whole file.
std::string ReadAllBytes(const std::string& platformPath);

// The line of text that starts at pos, without its end, as "Line Input #" reads it: a line ends
// in CR LF, LF or a lone CR, or at the end of the text. pos moves past the line's end; it must
// be below text's size.
std::string_view NextLine(std::string_view text, std::size_t& pos);

// True when `name` matches a pattern of * and ? regardless of case.
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace vb
