#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

// Where replacing a file stopped.
enum class ReplaceStep {
    Done,
    Create,  // the temporary file could not be made beside the target
    Write,   // writing, flushing it to disk or closing it failed
    Rename,  // it could not take the target's place
};

struct ReplaceResult {
    ReplaceStep failedAt = ReplaceStep::Done;
    std::error_code error;
};

// A name beside `target`, hidden and unlikely to be taken, for a file that lives briefly.
std::filesystem::path temporaryBeside(const std::filesystem::path& target);

// Puts `size` bytes under `target` so that it holds either its old contents
// or all the new ones, never a part: a temporary file of a unique name is
// created exclusively beside it, written whole, flushed to disk, closed and
// renamed over it. With `keep` the new file gets those permission bits, else
// those any new file gets. On failure no temporary file is left behind.
ReplaceResult replaceFile(const std::filesystem::path& target, const std::uint8_t* data, std::size_t size,
                          std::optional<std::filesystem::perms> keep);

// The same for a name that must be new: the whole file takes it, or, when
// something already has it, nothing changes and the result is a Rename
// failure with std::errc::file_exists.
ReplaceResult placeNewFile(const std::filesystem::path& target, const std::uint8_t* data, std::size_t size);

// Whether an existing file may be opened for writing. Nothing in it changes.
bool mayWriteExisting(const std::filesystem::path& file);
