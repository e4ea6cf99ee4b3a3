#pragma once

#include "app/Platform.h"

#include <filesystem>

// Why an image could not be made into a page.
enum class PageProblem { None, NotAnImage, Damaged, TooLarge, Folder, Unreadable, NotSaved, SvgUnread, PdfUnread };

struct PageImport {
    PageProblem problem = PageProblem::None;
    std::filesystem::path saved;  // the page written, when there is no problem
};

// Larger images are refused before any pixel is decoded.
constexpr long long kMostPixels = 100'000'000;
constexpr int kLongestSide = 65'535;

// Decodes `source` through the platform's decoders, converts it and saves
// the page into `folder` (none: NotSaved). On any problem no file is written.
PageImport importPage(Platform& platform, const std::filesystem::path& source, const std::filesystem::path& folder);
