#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

// The few calls into the operating system the core makes, one file per
// system beside this one (OsFileUnix.cpp, OsFileWin.cpp): a file created
// only if absent, written and flushed to disk, renamed over another or to a
// new name, whether an existing file may be written, and a file read by a
// name in any language at any position. Nothing else in the core names a
// system header. Each call that can fail reports the system's error.
namespace os {

// An open file, as the system numbers it; kNoFile when none.
using FileHandle = std::intptr_t;
constexpr FileHandle kNoFile = -1;

struct Created {
    FileHandle file = kNoFile;
    bool nameTaken = false;  // failed only because something has that name
    std::error_code error;
};

// Creates `path` for writing, failing if anything already has that name.
// With `perms` the file gets those permission bits, where the system keeps
// any; otherwise those any new file gets.
Created createNew(const std::filesystem::path& path, std::optional<std::filesystem::perms> perms);
// Writes all `size` bytes, flushes them to the disk and closes the file,
// which is closed whatever happens.
std::error_code writeFlushClose(FileHandle file, const std::uint8_t* data, std::size_t size);
// Puts `from` in the place of `to` in one step, replacing what is there.
std::error_code renameOver(const std::filesystem::path& from, const std::filesystem::path& to);
// Gives `from` the name `to` only if nothing has it yet; when something
// has, nothing changes and the error is std::errc::file_exists.
std::error_code renameNew(const std::filesystem::path& from, const std::filesystem::path& to);
void removeFile(const std::filesystem::path& path);
// Opens a file for reading bytes, by a name in any language.
std::FILE* openForReading(const std::filesystem::path& path);
// Moves to `position` bytes from the start, beyond 2 GB too; 0 when it did,
// otherwise errno tells why.
int seekTo(std::FILE* file, std::int64_t position);

// Whether an existing file may be opened for writing (not read-only).
// Nothing in it changes.
bool mayWriteExisting(const std::filesystem::path& file);

}  // namespace os
