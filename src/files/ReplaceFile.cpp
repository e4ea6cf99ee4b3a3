#include "files/ReplaceFile.h"

#include "os/OsFile.h"

#include <chrono>
#include <cstdio>
#include <random>

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

// The data whole and flushed in a new file beside `target`, closed.
ReplaceResult writeBeside(const fs::path& target, const std::uint8_t* data, std::size_t size,
                          std::optional<fs::perms> keep, fs::path& temporary)
{
    os::Created created;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = temporaryBeside(target);
        created = os::createNew(temporary, keep);
        if (created.file != os::kNoFile || !created.nameTaken) break;
    }
    if (created.file == os::kNoFile) return {ReplaceStep::Create, created.error};
    if (const std::error_code error = os::writeFlushClose(created.file, data, size)) {
        os::removeFile(temporary);
        return {ReplaceStep::Write, error};
    }
    return {};
}

ReplaceResult moved(std::error_code error, const fs::path& temporary)
{
    if (!error) return {};
    os::removeFile(temporary);
    return {ReplaceStep::Rename, error};
}

}  // namespace

ReplaceResult replaceFile(const fs::path& target, const std::uint8_t* data, std::size_t size,
                          std::optional<fs::perms> keep)
{
    fs::path temporary;
    const ReplaceResult written = writeBeside(target, data, size, keep, temporary);
    if (written.failedAt != ReplaceStep::Done) return written;
    return moved(os::renameOver(temporary, target), temporary);
}

ReplaceResult placeNewFile(const fs::path& target, const std::uint8_t* data, std::size_t size)
{
    fs::path temporary;
    const ReplaceResult written = writeBeside(target, data, size, std::nullopt, temporary);
    if (written.failedAt != ReplaceStep::Done) return written;
    return moved(os::renameNew(temporary, target), temporary);
}

bool mayWriteExisting(const fs::path& file) { return os::mayWriteExisting(file); }
