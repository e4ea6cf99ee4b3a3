#include "files/ChildFolder.h"

#include "files/ReplaceFile.h"

#include <system_error>

namespace fs = std::filesystem;

bool isWritableFolder(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error)) return false;
    // Only trying tells: root passes every permission check, and Windows'
    // access lists are not seen in the attributes.
    const fs::path probe = temporaryBeside(folder / "probe");
    if (replaceFile(probe, nullptr, 0, std::nullopt).failedAt != ReplaceStep::Done) return false;
    fs::remove(probe, error);
    return true;
}

fs::path childOwnFolder(Platform& platform)
{
    const fs::path pictures = platform.userPicturesFolder();
    if (pictures.empty()) return {};
    const fs::path own = pictures / "Pintaro";
    std::error_code error;
    fs::create_directories(own, error);
    return fs::is_directory(own, error) ? own : fs::path();
}

fs::path artworkFolder(Platform& platform)
{
    const fs::path mypics = platform.programFolder() / "pics" / "mypics";
    // The folder that would hold whatever the child saves: mypics itself, or
    // the nearest folder above it that exists.
    fs::path holder = mypics;
    std::error_code error;
    while (!fs::exists(holder, error) && holder.has_relative_path()) holder = holder.parent_path();
    if (isWritableFolder(holder)) return mypics;
    return childOwnFolder(platform);
}

fs::path pagesFolder(Platform& platform)
{
    const fs::path pics = platform.programFolder() / "pics";
    return isWritableFolder(pics) ? pics : childOwnFolder(platform);
}
