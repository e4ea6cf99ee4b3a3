#pragma once

#include "Raster.h"

#include <map>
#include <string>
#include <vector>

// A glyph as pen strokes in font units: y grows upward from the baseline,
// x from the glyph's left edge.
struct Glyph {
    double advance = 0.0;
    std::vector<std::vector<Point>> strokes;
};

struct Face {
    std::map<char32_t, Glyph> glyphs;
    double slant = 0.0;    // x shift per unit of height
    double tracking = 0.0; // space added after every glyph
    bool smooth = false;   // strokes are curves through their points, not straight segments
};

Face sansBold();
Face script();

// The text's strokes in pixels, starting at x = left with the baseline at y = baseline.
// Characters the face lacks are skipped.
std::vector<std::vector<Point>> layoutText(const Face& face, const std::u32string& text, double unitPx,
                                           double left, double baseline);

struct Box {
    double left;
    double top;
    double right;
    double bottom;
};

// The extent of the strokes' centre lines, widened by the pen's reach.
Box inkBox(const std::vector<std::vector<Point>>& strokes, double reach);

void shift(std::vector<std::vector<Point>>& strokes, double dx, double dy);
