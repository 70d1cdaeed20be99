#ifndef HYGROVIA_DATA_ATOMIC_FILE_H
#define HYGROVIA_DATA_ATOMIC_FILE_H

#include <filesystem>
#include <string_view>

#include "data/file_result.h"

namespace hygrovia {

// Replaces the contents of the file at target with bytes, or leaves it exactly as it was.
// The bytes go to a new file in the same folder, which is renamed over the target only once
// everything was written and closed; a failure removes the new file again. A target that is a
// symbolic link has the file it points to replaced; an existing target's permissions carry
// over.
FileResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace hygrovia

#endif  // HYGROVIA_DATA_ATOMIC_FILE_H
