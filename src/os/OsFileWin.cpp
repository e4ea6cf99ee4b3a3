#include "os/OsFile.h"

#include <windows.h>

namespace os {

namespace {

std::error_code lastError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

HANDLE handleOf(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

std::error_code closeAfter(HANDLE file)
{
    const std::error_code error = lastError();
    CloseHandle(file);
    return error;
}

}  // namespace

// Windows keeps no permission bits; a read-only target is refused before.
Created createNew(const std::filesystem::path& path, std::optional<std::filesystem::perms>)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return {kNoFile, error == ERROR_FILE_EXISTS, {static_cast<int>(error), std::system_category()}};
    }
    return {reinterpret_cast<FileHandle>(file), false, {}};
}

std::error_code writeFlushClose(FileHandle handle, const std::uint8_t* data, std::size_t size)
{
    const HANDLE file = handleOf(handle);
    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) return closeAfter(file);
        data += written;
        size -= written;
    }
    if (!FlushFileBuffers(file)) return closeAfter(file);
    return CloseHandle(file) ? std::error_code() : lastError();
}

std::error_code renameOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // std::rename will not replace an existing file here.
    const BOOL moved = MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? std::error_code() : lastError();
}

std::error_code renameNew(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return {};
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return std::make_error_code(std::errc::file_exists);
    return {static_cast<int>(error), std::system_category()};
}

void removeFile(const std::filesystem::path& path) { DeleteFileW(path.c_str()); }

// Windows takes wide paths and 64-bit positions under names of its own.
std::FILE* openForReading(const std::filesystem::path& path) { return _wfopen(path.c_str(), L"rb"); }

int seekTo(std::FILE* file, std::int64_t position) { return _fseeki64(file, position, SEEK_SET); }

bool mayWriteExisting(const std::filesystem::path& file)
{
    // Windows lets no one write a read-only file, nor rename over it. Asked
    // first: Wine run as root would let the open below through.
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    CloseHandle(handle);
    return true;
}

}  // namespace os
