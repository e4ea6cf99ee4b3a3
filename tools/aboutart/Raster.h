#pragma once

#include <cstdint>
#include <vector>

struct Point {
    double x;
    double y;
};

using Contour = std::vector<Point>;

// A pen tip: an ellipse with half-axes a and b, the a-axis turned by angle
// radians from the x axis. A round pen has a == b.
struct Nib {
    double a;
    double b;
    double angle;
};

// Ink coverage of an image, kept as a grid of sub-pixel samples so shapes can
// overlap without darkening twice and edges come out anti-aliased.
class Coverage {
public:
    static constexpr int kSamples = 8; // per pixel along each axis

    Coverage(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Even-odd fill, so a letter's counter is a second contour of the same call.
    void fillPolygon(const std::vector<Contour>& contours);
    void stampNib(Point centre, const Nib& nib);
    // The nib dragged along straight segments through the points.
    void strokePolyline(const std::vector<Point>& points, const Nib& nib);

    // Share of the pixel's samples that are inked, 0 to 1.
    double at(int x, int y) const;

private:
    void setSpan(int sampleRow, double fromX, double toX);

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_samples;
};

// A smooth curve through every point (Catmull-Rom), flattened to a polyline.
std::vector<Point> smoothThrough(const std::vector<Point>& points, int stepsPerSegment = 12);

// Points of an elliptical arc from a0 to a1 degrees, counter-clockwise with y up.
std::vector<Point> arc(Point centre, double rx, double ry, double a0, double a1, int steps = 24);
