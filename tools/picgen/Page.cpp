#include "Page.h"

#include <algorithm>
#include <cmath>

Page::Page() : m_ink(static_cast<std::size_t>(kWidth) * kHeight, 0) {}

void Page::set(int x, int y, bool ink) {
    if (x >= 0 && y >= 0 && x < kWidth && y < kHeight)
        m_ink[index(x, y)] = ink ? 1 : 0;
}

// Inks every pixel whose centre lies within the pen radius of the segment, so
// joints and ends come out round.
void Page::strokeSegment(Point a, Point b) {
    const double r = kPenRadius;
    const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - r));
    const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + r));
    const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - r));
    const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + r));
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            double t = lengthSquared > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / lengthSquared : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = a.x + t * dx - x, ey = a.y + t * dy - y;
            if (ex * ex + ey * ey <= r * r)
                set(x, y, true);
        }
    }
}

void Page::stroke(const Points& line) {
    if (line.size() == 1)
        strokeSegment(line[0], line[0]);
    for (std::size_t i = 1; i < line.size(); ++i)
        strokeSegment(line[i - 1], line[i]);
}

// Even-odd scanline fill over pixel centres.
void Page::fill(const Points& outline, bool ink) {
    const std::size_t n = outline.size();
    std::vector<double> crossings;
    for (int y = 0; y < kHeight; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const Point& p = outline[i];
            const Point& q = outline[(i + 1) % n];
            if ((p.y <= y && q.y > y) || (q.y <= y && p.y > y))
                crossings.push_back(p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = static_cast<int>(std::ceil(crossings[i]));
            const int to = static_cast<int>(std::floor(crossings[i + 1]));
            for (int x = std::max(from, 0); x <= std::min(to, kWidth - 1); ++x)
                set(x, y, ink);
        }
    }
}

void Page::outline(const Points& outline) {
    Points closed = outline;
    closed.push_back(outline.front());
    stroke(closed);
}

void Page::shape(const Points& outline) {
    fill(outline, false);
    this->outline(outline);
}

void Page::blot(const Points& outline) {
    fill(outline, true);
    this->outline(outline);
}

void Page::erase(const Points& outline) { fill(outline, false); }

void Page::strokeInside(const Points& line, const Points& clip) {
    Page lineOnly;
    lineOnly.stroke(line);
    Page inside;
    inside.fill(clip, true);
    for (std::size_t k = 0; k < m_ink.size(); ++k)
        if (lineOnly.m_ink[k] && inside.m_ink[k])
            m_ink[k] = 1;
}

void Page::frame(int thickness) {
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (y > 0 && (x < thickness || x >= kWidth - thickness || y >= kHeight - thickness))
                set(x, y, true);
}

void Page::thickenHairlines() {
    auto inkIn = [this](int bx, int by) {
        if (bx < 0 || by < 0 || bx + 1 >= kWidth || by + 1 >= kHeight)
            return -1;
        return isInk(bx, by) + isInk(bx + 1, by) + isInk(bx, by + 1) + isInk(bx + 1, by + 1);
    };
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (!isInk(x, y))
                continue;
            int bestX = 0, bestY = 0, best = -1;
            for (int by = y - 1; by <= y; ++by)
                for (int bx = x - 1; bx <= x; ++bx)
                    if (inkIn(bx, by) > best) {
                        best = inkIn(bx, by);
                        bestX = bx;
                        bestY = by;
                    }
            if (best > 0 && best < 4)
                for (int k = 0; k < 4; ++k)
                    set(bestX + k % 2, bestY + k / 2, true);
        }
    }
}

void Page::inkSmallAreas(int minArea) {
    std::vector<std::uint8_t> seen(m_ink);
    std::vector<int> area;
    for (int start = 0; start < kWidth * kHeight; ++start) {
        if (seen[static_cast<std::size_t>(start)])
            continue;
        // Collect one 4-connected white area, the way the fill tool spreads.
        area.assign(1, start);
        seen[static_cast<std::size_t>(start)] = 1;
        for (std::size_t i = 0; i < area.size(); ++i) {
            const int x = area[i] % kWidth, y = area[i] / kWidth;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= kWidth || n[1] >= kHeight)
                    continue;
                const std::size_t k = index(n[0], n[1]);
                if (!seen[k]) {
                    seen[k] = 1;
                    area.push_back(static_cast<int>(k));
                }
            }
        }
        if (static_cast<int>(area.size()) < minArea)
            for (int k : area)
                m_ink[static_cast<std::size_t>(k)] = 1;
    }
}
