#pragma once
// Replacing a file so that it is either wholly the old one or wholly the new one.
#include <QString>
#include <cstddef>

namespace albryn::imaging {

// Writes the bytes to a new temporary file in the destination's folder and renames it over the
// destination (through a symbolic link to the file it names). A replaced file's permissions are
// kept, and the new one is flushed to disk before it takes the old one's place. Throws ImageFailure{WriteFailed} and removes the temporary file
// when any step fails; the destination is then untouched.
void ReplaceFileAtomically(const QString& destination, const void* bytes, std::size_t size);

}  // namespace albryn::imaging
