// The shortcut template "link.dat" of the installation medium: a shell link, in the
// published shell-link format, to the layout editor in the installation folder
// "<drive>:\Brantel", with the drive letter of each of its three paths at a fixed byte.
#pragma once

#include <cstdint>
#include <string>

namespace setup {

// 1-based positions of the drive letters: the drive item of the target's ID list, the
// local base path of the link information, and the working folder.
constexpr long kShortcutDrivePositions[] = {102, 244, 297};

// The template's bytes for an installation on `drive`; programSize is the target's size.
std::string MakeShortcutTemplate(char drive, std::uint32_t programSize);

}  // namespace setup
