#include "Geometry.h"

#include <algorithm>
#include <cmath>

namespace {

int stepsFor(double length) { return std::max(8, static_cast<int>(std::ceil(length))); }

double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

}  // namespace

Points arc(double cx, double cy, double rx, double ry, double fromDegrees, double toDegrees) {
    const double sweep = radians(toDegrees - fromDegrees);
    const int steps = stepsFor(std::abs(sweep) * std::max(rx, ry));
    Points out;
    out.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double a = radians(fromDegrees) + sweep * i / steps;
        out.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return out;
}

Points ellipse(double cx, double cy, double rx, double ry, double rotation) {
    Points out = arc(cx, cy, rx, ry, 0, 360);
    out.pop_back();  // the closing point repeats the first
    return rotation == 0 ? out : rotated(out, cx, cy, rotation);
}

Points circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }

Points quad(Point p0, Point p1, Point p2) {
    const int steps = stepsFor(distance(p0, p1) + distance(p1, p2));
    Points out;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double u = 1 - t;
        out.push_back({u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
                       u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
    }
    return out;
}

Points cubic(Point p0, Point p1, Point p2, Point p3) {
    const int steps = stepsFor(distance(p0, p1) + distance(p1, p2) + distance(p2, p3));
    Points out;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        out.push_back({a * p0.x + b * p1.x + c * p2.x + d * p3.x,
                       a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
    return out;
}

Points rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

Points roundedRect(double x0, double y0, double x1, double y1, double radius) {
    Path p({x0 + radius, y0});
    p.lineTo({x1 - radius, y0}).arcTo(x1 - radius, y0 + radius, radius, -90, 0);
    p.lineTo({x1, y1 - radius}).arcTo(x1 - radius, y1 - radius, radius, 0, 90);
    p.lineTo({x0 + radius, y1}).arcTo(x0 + radius, y1 - radius, radius, 90, 180);
    p.lineTo({x0, y0 + radius}).arcTo(x0 + radius, y0 + radius, radius, 180, 270);
    return p.points();
}

void Path::append(const Points& piece) {
    // The piece's first point is the current end already.
    m_points.insert(m_points.end(), piece.begin() + 1, piece.end());
}

Path& Path::lineTo(Point p) {
    m_points.push_back(p);
    return *this;
}

Path& Path::quadTo(Point control, Point end) {
    append(quad(m_points.back(), control, end));
    return *this;
}

Path& Path::cubicTo(Point c1, Point c2, Point end) {
    append(cubic(m_points.back(), c1, c2, end));
    return *this;
}

Path& Path::arcTo(double cx, double cy, double r, double fromDegrees, double toDegrees) {
    Points piece = arc(cx, cy, r, r, fromDegrees, toDegrees);
    m_points.push_back(piece.front());
    append(piece);
    return *this;
}

Points placed(const Points& shape, double x, double y, double scale, bool mirrored) {
    Points out;
    out.reserve(shape.size());
    for (const Point& p : shape)
        out.push_back({x + (mirrored ? -p.x : p.x) * scale, y + p.y * scale});
    return out;
}

Points rotated(const Points& shape, double cx, double cy, double degrees) {
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    Points out;
    out.reserve(shape.size());
    for (const Point& p : shape) {
        const double dx = p.x - cx, dy = p.y - cy;
        out.push_back({cx + dx * c - dy * s, cy + dx * s + dy * c});
    }
    return out;
}

Points mirrored(const Points& shape, double axis) {
    Points out;
    out.reserve(shape.size());
    for (const Point& p : shape)
        out.push_back({2 * axis - p.x, p.y});
    return out;
}

Points star(double cx, double cy, double outer, double inner, int points) {
    Points out;
    for (int i = 0; i < points * 2; ++i) {
        const double a = radians(-90 + 180.0 * i / points);
        const double r = i % 2 == 0 ? outer : inner;
        out.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return out;
}

Points ribbon(const Points& centre, double startWidth, double endWidth) {
    const std::size_t n = centre.size();
    std::vector<double> along(n, 0);
    for (std::size_t i = 1; i < n; ++i)
        along[i] = along[i - 1] + distance(centre[i - 1], centre[i]);
    const double total = along.back() > 0 ? along.back() : 1;

    Points left, right;
    for (std::size_t i = 0; i < n; ++i) {
        const Point& before = centre[i == 0 ? 0 : i - 1];
        const Point& after = centre[i + 1 < n ? i + 1 : n - 1];
        const double tx = after.x - before.x, ty = after.y - before.y;
        const double length = std::hypot(tx, ty);
        const double half = (startWidth + (endWidth - startWidth) * along[i] / total) / 2;
        const double nx = length > 0 ? -ty / length * half : 0;
        const double ny = length > 0 ? tx / length * half : 0;
        left.push_back({centre[i].x + nx, centre[i].y + ny});
        right.push_back({centre[i].x - nx, centre[i].y - ny});
    }
    left.insert(left.end(), right.rbegin(), right.rend());
    return left;
}

Points leaf(Point base, Point tip, double width) {
    const double dx = tip.x - base.x, dy = tip.y - base.y;
    const double length = std::hypot(dx, dy);
    const double nx = -dy / length * width, ny = dx / length * width;
    const Point mid{(base.x + tip.x) / 2, (base.y + tip.y) / 2};
    Path p(base);
    p.quadTo({mid.x + nx, mid.y + ny}, tip).quadTo({mid.x - nx, mid.y - ny}, base);
    return p.points();
}

Points scalloped(double cx, double cy, double rx, double ry, int bumps, double depth) {
    Points out;
    for (int i = 0; i < 720; ++i) {
        const double a = radians(i / 2.0);
        const double bulge = 1 + depth * std::abs(std::sin(a * bumps / 2));
        out.push_back({cx + rx * bulge * std::cos(a), cy + ry * bulge * std::sin(a)});
    }
    return out;
}

Points battlements(double x0, double top, double x1, double bottom, int merlons, double height) {
    // Teeth and gaps alternate, beginning and ending with a tooth.
    const int pieces = merlons * 2 - 1;
    const double w = (x1 - x0) / pieces;
    Points out{{x0, bottom}};
    for (int i = 0; i < pieces; ++i) {
        const double y = i % 2 == 0 ? top - height : top;
        out.push_back({x0 + i * w, y});
        out.push_back({x0 + (i + 1) * w, y});
    }
    out.push_back({x1, bottom});
    return out;
}
