#include "files/ReplaceFile.h"

#include <chrono>
#include <cstdio>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

// Unique enough to rarely collide; the exclusive create catches the rest.
fs::path temporaryBeside(const fs::path& target)
{
    static std::uint64_t state = [] {
        std::uint64_t seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        try {
            std::random_device device;
            seed ^= (std::uint64_t{device()} << 32) | device();
        } catch (...) {
            // The clock alone will do.
        }
        return seed;
    }();
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    char name[32];
    std::snprintf(name, sizeof name, ".pintaro-%016llx.tmp", static_cast<unsigned long long>(state));
    return target.parent_path() / name;
}

namespace {

constexpr int kNameAttempts = 100;

#ifdef _WIN32

std::error_code lastError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

ReplaceResult failed(ReplaceStep step, HANDLE file, const fs::path& temporary)
{
    const std::error_code error = lastError();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    DeleteFileW(temporary.c_str());
    return {step, error};
}

#else

std::error_code lastError() { return {errno, std::generic_category()}; }

ReplaceResult failed(ReplaceStep step, int fd, const fs::path& temporary)
{
    const std::error_code error = lastError();
    if (fd >= 0) close(fd);
    unlink(temporary.c_str());
    return {step, error};
}

#endif

}  // namespace

#ifdef _WIN32

namespace {

// The data whole and flushed in a new file beside `target`, closed.
ReplaceResult writeBeside(const fs::path& target, const std::uint8_t* data, std::size_t size, fs::path& temporary)
{
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = temporaryBeside(target);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE) return {ReplaceStep::Create, lastError()};

    while (size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0)
            return failed(ReplaceStep::Write, file, temporary);
        data += written;
        size -= written;
    }
    if (!FlushFileBuffers(file)) return failed(ReplaceStep::Write, file, temporary);
    if (!CloseHandle(file)) return failed(ReplaceStep::Write, INVALID_HANDLE_VALUE, temporary);
    return {};
}

ReplaceResult moveInto(const fs::path& target, const fs::path& temporary, DWORD flags)
{
    if (!MoveFileExW(temporary.c_str(), target.c_str(), flags | MOVEFILE_WRITE_THROUGH)) {
        const bool taken = GetLastError() == ERROR_ALREADY_EXISTS || GetLastError() == ERROR_FILE_EXISTS;
        ReplaceResult result = failed(ReplaceStep::Rename, INVALID_HANDLE_VALUE, temporary);
        if (taken) result.error = std::make_error_code(std::errc::file_exists);
        return result;
    }
    return {};
}

}  // namespace

ReplaceResult replaceFile(const fs::path& target, const std::uint8_t* data, std::size_t size,
                          std::optional<fs::perms>)
{
    // A read-only target has been refused already; Windows keeps no other bits.
    fs::path temporary;
    const ReplaceResult written = writeBeside(target, data, size, temporary);
    if (written.failedAt != ReplaceStep::Done) return written;
    // std::rename will not replace an existing file here.
    return moveInto(target, temporary, MOVEFILE_REPLACE_EXISTING);
}

ReplaceResult placeNewFile(const fs::path& target, const std::uint8_t* data, std::size_t size)
{
    fs::path temporary;
    const ReplaceResult written = writeBeside(target, data, size, temporary);
    if (written.failedAt != ReplaceStep::Done) return written;
    return moveInto(target, temporary, 0);
}

bool mayWriteExisting(const fs::path& file)
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

#else

namespace {

ReplaceResult writeBeside(const fs::path& target, const std::uint8_t* data, std::size_t size,
                          std::optional<fs::perms> keep, fs::path& temporary)
{
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temporary = temporaryBeside(target);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, keep ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return {ReplaceStep::Create, lastError()};
    if (keep && fchmod(fd, static_cast<mode_t>(*keep)) != 0) return failed(ReplaceStep::Create, fd, temporary);

    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            return failed(ReplaceStep::Write, fd, temporary);
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    if (fsync(fd) != 0) return failed(ReplaceStep::Write, fd, temporary);
    if (close(fd) != 0) return failed(ReplaceStep::Write, -1, temporary);
    return {};
}

}  // namespace

ReplaceResult replaceFile(const fs::path& target, const std::uint8_t* data, std::size_t size,
                          std::optional<fs::perms> keep)
{
    fs::path temporary;
    const ReplaceResult written = writeBeside(target, data, size, keep, temporary);
    if (written.failedAt != ReplaceStep::Done) return written;
    if (rename(temporary.c_str(), target.c_str()) != 0) return failed(ReplaceStep::Rename, -1, temporary);
    return {};
}

ReplaceResult placeNewFile(const fs::path& target, const std::uint8_t* data, std::size_t size)
{
    fs::path temporary;
    const ReplaceResult written = writeBeside(target, data, size, std::nullopt, temporary);
    if (written.failedAt != ReplaceStep::Done) return written;
    // A second name for the whole file, which fails rather than replace;
    // where the file system has no links, a rename told not to replace.
    if (link(temporary.c_str(), target.c_str()) == 0) {
        unlink(temporary.c_str());
        return {};
    }
    if (errno == EEXIST) return failed(ReplaceStep::Rename, -1, temporary);
    if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return {};
    return failed(ReplaceStep::Rename, -1, temporary);
}

bool mayWriteExisting(const fs::path& file)
{
    // Non-blocking, should a pipe have taken the file's place meanwhile.
    const int fd = open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    close(fd);
    return true;
}

#endif
