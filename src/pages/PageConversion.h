#pragma once

#include "app/Platform.h"

#include <cstdint>
#include <optional>
#include <vector>

// An image of any size made into a page to colour: fitted inside the page
// keeping its aspect ratio, centred on white, and turned into pure ink and
// pure paper, so a fill meets solid outlines and leaves no grey halo.

struct PixelSize {
    int width = 0;
    int height = 0;
};

constexpr PixelSize kPageSize{685, 556};

// What is ink, one byte a pixel (1 ink, 0 paper), rows top down.
struct InkMask {
    PixelSize size;
    std::vector<std::uint8_t> ink;

    bool at(int x, int y) const { return ink[static_cast<std::size_t>(y) * size.width + x] != 0; }
};

// The size `image` takes inside `box` with its aspect ratio kept; never less than 1 by 1.
PixelSize fitInside(PixelSize image, PixelSize box);

// What to ask a decoder for: the image reduced by the largest power of two
// that leaves at least twice the fit, so the final averaging still sees
// every outline even where the decoder only picks pixels.
PixelSize decodeSizeFor(PixelSize image);

// The luminance of `decoded` composited over white, scaled to `fit`: area
// averaging where it shrinks, nearest neighbour where it grows.
std::vector<std::uint8_t> fittedLuminance(const DecodedImage& decoded, PixelSize fit);

// The luminance below which a pixel is ink: three quarters of the paper's
// (the bright end of the page). Where that leaves almost no ink, a pale
// drawing is looked for between the page's two main tones; a page without
// two clear tones stays as that first threshold left it.
int inkThreshold(const std::vector<std::uint8_t>& luminance);

InkMask thresholded(const std::vector<std::uint8_t>& luminance, PixelSize size, int threshold);

// Ink where a pixel is clearly darker than its surroundings: the edges
// between a picture's tones, as a pencil would trace them.
InkMask toneEdges(const std::vector<std::uint8_t>& luminance, PixelSize size);

// The page's ink: thresholded, or, where that would make most of the page
// ink (a photo, a dark picture), the edges between its tones.
InkMask inkOf(const std::vector<std::uint8_t>& luminance, PixelSize size);

// Ink groups of one or two pixels, touching no other ink even at a corner,
// become paper: the specks JPEG noise leaves. Thin diagonal lines stay.
void removeSpecks(InkMask& mask);

// The ink of a sheet photographed in uneven light: each pixel divided by
// the paper's brightness around it, so ink is judged against its own
// paper, and the specks the camera's noise leaves cleared. Nothing where
// the paper is lit evenly, or where its tones jump (a photo, a black
// shape): one threshold serves those.
std::optional<InkMask> photographedInk(const std::vector<std::uint8_t>& luminance, PixelSize size);

// The whole conversion: `decoded` is the image of `original` size as the
// decoder gave it, at any size. The result is kPageSize, the fitted image centred.
InkMask convertPage(const DecodedImage& decoded, PixelSize original);

// The page as a 1-bit bottom-up bitmap, index 0 black and 1 white, which the
// program's own check accepts.
std::vector<std::uint8_t> pageBitmap(const InkMask& page);
