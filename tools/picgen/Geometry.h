#pragma once

#include <vector>

// Screen coordinates: x to the right, y downwards, in pixels. Angles are in
// degrees and turn clockwise on screen (0 points right, 90 points down).
struct Point {
    double x = 0;
    double y = 0;
};

using Points = std::vector<Point>;

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double radians(double degrees) { return degrees * kPi / 180; }

// Flattened outlines, fine enough that no segment is longer than about a pixel.
Points ellipse(double cx, double cy, double rx, double ry, double rotation = 0);
Points circle(double cx, double cy, double r);
Points arc(double cx, double cy, double rx, double ry, double fromDegrees, double toDegrees);
Points quad(Point p0, Point p1, Point p2);
Points cubic(Point p0, Point p1, Point p2, Point p3);
Points rect(double x0, double y0, double x1, double y1);
Points roundedRect(double x0, double y0, double x1, double y1, double radius);

// A five-pointed star with its first point straight up.
Points star(double cx, double cy, double outer, double inner, int points = 5);
// The outline of a band of varying width along a gentle centre line, such as
// a stem, a trunk or a tail; the width is a full width, eased from start to end.
Points ribbon(const Points& centre, double startWidth, double endWidth);
// A pointed leaf from base to tip, `width` across at its widest.
Points leaf(Point base, Point tip, double width);

// A bumpy round outline (a tree's crown, a bush, a rock): `bumps` bulges
// that stand out by `depth` times the radius.
Points scalloped(double cx, double cy, double rx, double ry, int bumps, double depth);
// A closed outline with a battlemented top edge from (x0, top) to (x1, top);
// `merlons` teeth of the given height stand above the top.
Points battlements(double x0, double top, double x1, double bottom, int merlons, double height);

// A closed or open outline built piece by piece; each piece starts where the
// last one ended.
class Path {
public:
    explicit Path(Point start) : m_points{start} {}
    Path& lineTo(Point p);
    Path& quadTo(Point control, Point end);
    Path& cubicTo(Point c1, Point c2, Point end);
    Path& arcTo(double cx, double cy, double r, double fromDegrees, double toDegrees);
    const Points& points() const { return m_points; }
    operator const Points&() const { return m_points; }

private:
    void append(const Points& piece);
    Points m_points;
};

// Moves a shape drawn around the origin to (x, y), scaled and optionally mirrored left to right.
Points placed(const Points& shape, double x, double y, double scale = 1, bool mirrored = false);
// Reflects left to right across the vertical line x = axis.
Points mirrored(const Points& shape, double axis);
// Rotates about (cx, cy).
Points rotated(const Points& shape, double cx, double cy, double degrees);
