#include "os/OsFile.h"

#include <cerrno>
#include <cstdio>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace os {

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

}  // namespace

Created createNew(const std::filesystem::path& path, std::optional<std::filesystem::perms> perms)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, perms ? 0600 : 0666);
    if (fd < 0) return {kNoFile, errno == EEXIST, lastError()};
    if (perms && fchmod(fd, static_cast<mode_t>(*perms)) != 0) {
        const std::error_code error = lastError();
        close(fd);
        unlink(path.c_str());
        return {kNoFile, false, error};
    }
    return {fd, false, {}};
}

std::error_code writeFlushClose(FileHandle file, const std::uint8_t* data, std::size_t size)
{
    const int fd = static_cast<int>(file);
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            const std::error_code error = written == 0 ? std::make_error_code(std::errc::no_space_on_device)
                                                       : lastError();
            close(fd);
            return error;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    if (fsync(fd) != 0) {
        const std::error_code error = lastError();
        close(fd);
        return error;
    }
    return close(fd) != 0 ? lastError() : std::error_code();
}

std::error_code renameOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return rename(from.c_str(), to.c_str()) != 0 ? lastError() : std::error_code();
}

std::error_code renameNew(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // A second name for the whole file, which fails rather than replace;
    // where the file system has no links, a rename told not to replace.
    if (link(from.c_str(), to.c_str()) == 0) {
        unlink(from.c_str());
        return {};
    }
    if (errno == EEXIST) return std::make_error_code(std::errc::file_exists);
#ifdef RENAME_NOREPLACE
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
    return errno == EEXIST ? std::make_error_code(std::errc::file_exists) : lastError();
#else
    // Neither links nor such a rename (WebAssembly's file systems): look,
    // then rename. Only this program's one thread writes these files.
    struct stat taken;
    if (lstat(to.c_str(), &taken) == 0) return std::make_error_code(std::errc::file_exists);
    return renameOver(from, to);
#endif
}

void removeFile(const std::filesystem::path& path) { unlink(path.c_str()); }

std::FILE* openForReading(const std::filesystem::path& path) { return std::fopen(path.c_str(), "rb"); }

int seekTo(std::FILE* file, std::int64_t position)
{
    if constexpr (sizeof(off_t) < sizeof(std::int64_t)) {
        if (position > std::numeric_limits<off_t>::max()) {
            errno = EOVERFLOW;
            return -1;
        }
    }
#ifdef __EMSCRIPTEN__
    // Its runtime keeps positions in doubles and reports larger ones with a
    // negated errno.
    if (position >= (std::int64_t{1} << 53)) {
        errno = EOVERFLOW;
        return -1;
    }
#endif
    return fseeko(file, static_cast<off_t>(position), SEEK_SET);
}

bool mayWriteExisting(const std::filesystem::path& file)
{
    // Non-blocking, should a pipe have taken the file's place meanwhile.
    const int fd = open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    close(fd);
    return true;
}

}  // namespace os
