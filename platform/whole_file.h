// Writing a file so that it appears whole or not at all: the bytes go to a
// new file beside the target, are flushed to the disk, and only then take
// the target's name. A full disk, a read-only or vanished folder or any
// other failure leaves whatever file had that name as it was.
#pragma once

#include <string>
#include <string_view>

namespace varnel {

// `path` is taken as the bytes the user gave, whatever their encoding (on
// Windows, UTF-8, turned into the system's UTF-16). An
// existing target keeps its permissions; a symbolic link is followed, so the
// file it names is replaced, not the link. Empty on success, otherwise the
// system's reason ("No space left on device").
std::string writeWholeFile(const std::string &path, std::string_view bytes);

} // namespace varnel
