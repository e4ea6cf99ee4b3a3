#pragma once

#include "Geometry.h"

#include <cstdint>
#include <vector>

// A 1-bit page of line art, white until inked. Shapes are painted back to
// front: a shape covers what lies beneath it with white before its outline is
// drawn, so overlapping outlines always meet and never cross.
class Page {
public:
    static constexpr int kWidth = 685;
    static constexpr int kHeight = 556;
    // Pen radius: a 2.9-pixel round pen leaves strokes 2 to 3 pixels wide at any angle.
    static constexpr double kPenRadius = 1.45;

    Page();

    bool isInk(int x, int y) const { return m_ink[index(x, y)] != 0; }

    // An open line through the points.
    void stroke(const Points& line);
    // A closed outline whose inside covers what was there.
    void shape(const Points& outline);
    // A closed outline filled with ink (pupils, noses, wheels' hubs).
    void blot(const Points& outline);
    // A closed outline drawn over what lies beneath, which shows through.
    void outline(const Points& outline);
    // Covers the inside with white, drawing no outline.
    void erase(const Points& outline);
    // An open line, inked only where it lies inside the clip outline.
    void strokeInside(const Points& line, const Points& clip);
    // Ink along the left, right and bottom edges. The top row stays white:
    // Pintaro redraws a picture's top row itself with set bits black, which
    // turns that white row into the frame's top edge on the canvas.
    void frame(int thickness = 3);
    // Where the pen left a pixel outside any solid 2x2 block (the tip of a
    // thin stroke end), inks the block around it that is already fullest.
    void thickenHairlines();
    // Inks every white area smaller than minArea, so no area is too small to colour.
    void inkSmallAreas(int minArea);

private:
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(y) * kWidth + x; }
    void strokeSegment(Point a, Point b);
    void fill(const Points& outline, bool ink);
    void set(int x, int y, bool ink);

    std::vector<std::uint8_t> m_ink;
};
