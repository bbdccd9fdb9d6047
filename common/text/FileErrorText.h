#pragma once

#include <string>

// The texts that tell why a file could not be written, in the active
// language: the name of the file and the cause, never a bare "cannot write".

namespace vantorel {

// The cause of a failed file operation: the system's text for an errno
// value (in French and Spanish for the usual ones), or the program's for
// kNotRegularFile and kReadOnlyFile (SafeFile.h).
std::string fileErrorCause(int error, int language);

// "Cannot write the file PATH: CAUSE. Nothing was changed.": the safe-file
// code never leaves half a file, so a failed write changed nothing.
std::string cannotWriteFileMessage(const std::string& path, int error, int language);

}  // namespace vantorel
