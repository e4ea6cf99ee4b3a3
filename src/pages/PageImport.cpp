#include "pages/PageImport.h"

#include "pages/ImageEnds.h"
#include "pages/PageConversion.h"
#include "pages/PageFile.h"
#include "pages/VectorPages.h"

#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

PageProblem pageProblem(ImageProblem problem)
{
    switch (problem) {
    case ImageProblem::None: return PageProblem::None;
    case ImageProblem::NotAnImage: return PageProblem::NotAnImage;
    case ImageProblem::Damaged: return PageProblem::Damaged;
    case ImageProblem::TooLarge: return PageProblem::TooLarge;
    case ImageProblem::Folder: return PageProblem::Folder;
    case ImageProblem::Unreadable: return PageProblem::Unreadable;
    }
    return PageProblem::Damaged;
}

// The page, with the decoded image gone before the file is written.
std::optional<InkMask> convertedPage(Platform& platform, const fs::path& source, PixelSize original, bool vector,
                                     PageProblem& problem)
{
    // Shapes are drawn at the size they fill, never enlarged from a small default.
    const PixelSize asked = vector ? fitInside(original, kPageSize) : decodeSizeFor(original);
    const DecodedImage decoded = platform.decodeImage(source, asked.width, asked.height);
    problem = pageProblem(decoded.problem);
    if (problem != PageProblem::None) return std::nullopt;
    if (decoded.width != asked.width || decoded.height != asked.height
        || decoded.pixels.size() != static_cast<std::size_t>(asked.width) * asked.height) {
        problem = PageProblem::Damaged;
        return std::nullopt;
    }
    return convertPage(decoded, original);
}

}  // namespace

PageImport importPage(Platform& platform, const fs::path& source, const fs::path& folder)
{
    std::error_code error;
    const fs::file_status status = fs::status(source, error);
    if (fs::is_directory(status)) return {PageProblem::Folder, {}};
    if (!fs::exists(status)) return {PageProblem::Unreadable, {}};
    // A device or pipe could keep a decoder reading for ever.
    if (!fs::is_regular_file(status)) return {PageProblem::NotAnImage, {}};

    const VectorKind vector = vectorKind(source);
    const DecodedImage header = platform.imageSize(source);
    // No reader for the kind on this system: say which kind it is.
    if (header.problem == ImageProblem::NotAnImage && vector != VectorKind::None)
        return {vector == VectorKind::Svg ? PageProblem::SvgUnread : PageProblem::PdfUnread, {}};
    if (header.problem != ImageProblem::None) return {pageProblem(header.problem), {}};
    if (header.width <= 0 || header.height <= 0) return {PageProblem::Damaged, {}};
    if (static_cast<long long>(header.width) * header.height > kMostPixels || header.width > kLongestSide
        || header.height > kLongestSide)
        return {PageProblem::TooLarge, {}};
    if (endsCut(source)) return {PageProblem::Damaged, {}};
    if (folder.empty()) return {PageProblem::NotSaved, {}};

    PageProblem problem = PageProblem::None;
    const std::optional<InkMask> page =
        convertedPage(platform, source, {header.width, header.height}, vector != VectorKind::None, problem);
    if (!page) return {problem, {}};
    const std::optional<fs::path> saved = savePage(*page, folder, pageStem(source));
    if (!saved) return {PageProblem::NotSaved, {}};
    return {PageProblem::None, *saved};
}
