#pragma once
// Whole-file reading and writing for everything the program keeps on disk.
// Writing is atomic: the bytes go to a temporary file beside the target, which
// replaces the target only when everything is written, so a failed write never
// destroys the previous version. Failures carry the system's reason. The new
// bytes are flushed to the disk before they replace the old file, and a write
// beyond the process's file size limit fails like any other (its signal is
// ignored from the first write on) instead of ending the program.

#include <QString>
#include <string>

namespace FileIO {

bool WriteFileAtomically(const QString& path, const std::string& bytes, QString* error);
bool ReadFileBytes(const QString& path, std::string* bytes, QString* error);
// Deletes `path` when a file is there; true when no file is left behind.
bool RemoveIfExists(const QString& path, QString* error);

// Makes the folder `folder` and the folders above it when missing; false,
// with the system's reason, when it cannot be made or is no folder.
bool MakeFolder(const QString& folder, QString* error);

// The text of the message that reports a failed file operation: the file's
// name and the system's reason.
QString CannotWriteMessage(const QString& path, const QString& reason);
QString CannotReadMessage(const QString& path, const QString& reason);

}  // namespace FileIO
