// WriteFileAtomically: replaces a file's whole content so that a failure leaves it as it was.
//
// The content goes to a temporary file beside the target (same directory, so the final rename
// never crosses a file system), is flushed to disk, and then renamed over the target. A new
// file gets the usual permissions (0666 less the umask); a replaced file keeps its permissions.
// On any failure the temporary is removed and the target is untouched.
#pragma once

#include <string>
#include <string_view>

namespace kvlib {

// Returns true on success. On failure `error` holds one line naming the path and the system's
// reason, e.g. `Cannot write "/data/out.txt": Permission denied`.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error);

}  // namespace kvlib
