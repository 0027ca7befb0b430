// Replacing a file so that a reader sees either the old content or the new one, never a torn
// file: the bytes go to a temporary file in the same folder, are forced to the disk, and the
// temporary file is renamed over the target. On any failure the target keeps its old content
// and the temporary file is removed.
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

}  // namespace ostrel
