#ifndef HYGROVIA_DATA_ATOMIC_FILE_H
#define HYGROVIA_DATA_ATOMIC_FILE_H

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"

namespace hygrovia {

// Replaces the contents of the file at target with bytes, or leaves it exactly as it was.
// The bytes go to a new file in the same folder; every write, the flush to the disk and the
// close are checked, and only then is the new file renamed over the target. A failure removes
// the new file again. A target that is a symbolic link has the regular file it leads to
// replaced; an existing target's permissions and, where the system allows, its owner carry
// over. What FindWriteTarget refuses is never touched. Returns why the file could not be
// written (the system's reason, such as "No space left on device.", and whether an earlier
// file is unchanged).
Result<> ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

// ReplaceFileContents with a message that names the file: "Could not save "name": why".
Result<> WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_ATOMIC_FILE_H
