#pragma once
// Every path inside the programs stays a DOS path ("C:\DOVODO\DATA\P\P5.DAT").
// This is the one place that turns it into a path of the host.
//
// Drive C: is the folder named by VORTENA_DRIVE_C. When that is unset it is
// the real C:\ on Windows and $XDG_DATA_HOME/vortena/C (by default
// ~/.local/share/vortena/C) elsewhere. Other letters work the same way with
// VORTENA_DRIVE_D and so on, beside C in the default folder.
//
// Files copied from DOS or Windows come in any letter case, so a component
// that does not exist with the exact spelling is matched against an existing
// one that differs only in ASCII case. A component that matches nothing keeps
// the program's own spelling, so new files are created with it. Path bytes
// are Windows-1250 text and become UTF-8 names on the host.

#include <filesystem>
#include <string_view>

namespace vortena {

// The host folder that stands for the given drive letter's root.
std::filesystem::path driveRoot(char driveLetter = 'C');

// Maps a DOS path to the host. "C:\X" is absolute on drive C:; "\X" is on
// drive C: too; a path without a drive or a leading backslash is relative to
// the current folder. Both '\' and '/' separate components.
std::filesystem::path hostPath(std::string_view dosPath);

}  // namespace vortena
