// Replacing a file so that a reader sees either the old content or the new one, never a torn
// file: the bytes go to a temporary file in the same folder, are forced to the disk, and the
// temporary file is renamed over the target. On any failure the target keeps its old content
// and the temporary file is removed.
//
// The new file keeps the permission bits of the one it replaces (a file the user made private
// stays private). A symbolic link is followed: the file it points to is replaced and the link
// stays, so a settings file kept elsewhere and linked in goes on being used; a link that points
// nowhere is refused rather than turned into a plain file.
#pragma once

#include <string>
#include <string_view>

#include "storage/file_system.h"
#include "storage/status.h"

namespace ostrel {

// A target that exists but that the user may not write is refused: a read-only file stays
// as the user made it.
Status ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                             FileSystem& fs = RealFileSystem());

// Whether a file name is that of a temporary file ReplaceFileAtomically makes.
bool IsTemporaryFileName(std::string_view name);

// Removes the temporary files that saves interrupted by a crash left in a folder (not in the
// folders below it) and returns how many. Only for a folder no other process is saving into:
// the caller holds the program folder's lock.
int RemoveStaleTemporaries(const std::string& folder, FileSystem& fs = RealFileSystem());

}  // namespace ostrel
