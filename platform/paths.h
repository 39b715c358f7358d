#pragma once
// Platform paths ("C:\Brantel\brantel.ini") and host paths, translated in
// this one place.
//
// A drive letter maps to a host folder through the drive table. By default
// the table comes from BRANTEL_DRIVES ("C=/srv/c;D=/media/d"), else C: is
// $HOME (or "/"). "\" and "/" both separate; repeated separators collapse.
// A path without a drive is relative to the current folder; one starting with
// "\" or "/" is on the root of the current folder's drive (C: when the current
// folder lies on no drive), so no platform path leads outside the drive table.
// Host paths (from the environment, the command line, a drive's folder) are
// never handed to HostPath: they are used as they are.
//
// Names cross to the host as UTF-8 and come back as the programs' text, one byte
// a letter (Windows-1252): see HostName and TextName.
//
// Well-known folders: with the default table (no BRANTEL_DRIVES and no SetDrive), the
// desktop of the older system family "C:\Windows\Desktop" is this user's desktop folder
// (DesktopFolder) and the profiles folder "C:\Documents and Settings" does not exist (76).
// With an explicit table every path maps literally, so that either layout can be built
// inside a drive folder.
//
// Programs spell names in any case, the host file system does not: a name
// that does not exist as written is matched case-insensitively against the
// folder's entries, one component at a time.

#include <string>

namespace vb {

// 76 "Path not found" for a drive letter that is not in the table.
std::string HostPath(const std::string& platformPath);

// Inverse: a host path under a mapped folder (the longest match wins) gets
// that drive letter, others just get "\" separators. The table keeps each folder
// with "." and ".." resolved and symbolic links followed, and a host path that
// does not lie under a folder as written is compared in that form too, so a
// folder matches its drive however either is spelled. The names come back as the
// programs' text (TextName).
std::string PlatformPath(const std::string& hostPath);

// Setting a drive makes the table explicit; ResetDrives goes back to the environment's.
void SetDrive(char letter, const std::string& hostFolder);
void ResetDrives();
bool DefaultDriveTable();

// The current folder, kept as a host path; the process's working folder at
// first use.
std::string CurrentHostFolder();
void SetCurrentHostFolder(const std::string& hostFolder);
std::string CurDir();                          // platform form
void ChDir(const std::string& platformPath);  // 76 if not a folder

// The user's desktop as a host folder: $XDG_DESKTOP_DIR, else $HOME/Desktop.
std::string DesktopFolder();

// A name (or a path) of the programs' text as the host spells it: UTF-8.
std::string HostName(const std::string& text);
// A host name (or path) as the programs' text. A letter the text cannot hold comes back as
// "?", which no file name of the programs may hold, so such a name is refused as a bad name
// wherever it is used; *whole (when given) is false then. A byte that is no part of UTF-8
// is taken as the text's own letter, so that a name written one byte a letter lists, opens
// and is saved back as it is.
std::string TextName(const std::string& hostName, bool* whole = nullptr);

}  // namespace vb
