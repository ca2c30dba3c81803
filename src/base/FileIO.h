// SPDX-License-Identifier: MIT
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

// Who may read what the program writes. Usual: a new file gets the mode the
// user's umask gives, a replaced one keeps its mode (post files, forum
// lists). Private: the file is the user's alone (mode 600), and a folder
// made for it too (700); the file is made anew under a temporary name with
// exclusive creation and renamed into place, so a link or file planted
// under its name is replaced, never followed or written through (recovery
// copies and the pages that hold a post).
enum class Access { Usual, Private };

bool WriteFileAtomically(const QString& path, const std::string& bytes, QString* error, Access access = Access::Usual);
bool ReadFileBytes(const QString& path, std::string* bytes, QString* error);
// Deletes `path` when a file is there; true when no file is left behind.
bool RemoveIfExists(const QString& path, QString* error);

// Makes the folder `folder` and the folders above it when missing; false,
// with the system's reason, when it cannot be made or is no folder. With
// Private, the folders it makes are the user's alone (700); folders that
// exist keep their mode.
bool MakeFolder(const QString& folder, QString* error, Access access = Access::Usual);

// A folder of the user's that holds private files: when it belongs to the
// user and others may enter or read it, its mode becomes 700. True when it
// is private now (or does not exist); false, with `problem` saying why, when
// it belongs to someone else and is left as it is.
bool KeepPrivate(const QString& folder, QString* problem);

// The text of the message that reports a failed file operation: the file's
// name and the system's reason.
QString CannotWriteMessage(const QString& path, const QString& reason);
QString CannotReadMessage(const QString& path, const QString& reason);

}  // namespace FileIO
