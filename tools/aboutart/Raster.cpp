#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

int clampInt(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

} // namespace

Coverage::Coverage(int width, int height)
    : m_width(width), m_height(height),
      m_samples(static_cast<std::size_t>(width) * height * kSamples * kSamples, 0)
{
}

void Coverage::setSpan(int sampleRow, double fromX, double toX)
{
    const int rowWidth = m_width * kSamples;
    // Sample centres sit at (i + 0.5) / kSamples.
    const int first = clampInt(static_cast<int>(std::ceil(fromX * kSamples - 0.5)), 0, rowWidth);
    const int last = clampInt(static_cast<int>(std::floor(toX * kSamples - 0.5)), -1, rowWidth - 1);
    std::uint8_t* row = &m_samples[static_cast<std::size_t>(sampleRow) * rowWidth];
    for (int i = first; i <= last; ++i)
        row[i] = 1;
}

void Coverage::fillPolygon(const std::vector<Contour>& contours)
{
    double top = 1e9;
    double bottom = -1e9;
    for (const Contour& c : contours)
        for (const Point& p : c) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    const int rows = m_height * kSamples;
    const int firstRow = clampInt(static_cast<int>(std::floor(top * kSamples)), 0, rows);
    const int lastRow = clampInt(static_cast<int>(std::ceil(bottom * kSamples)), -1, rows - 1);
    std::vector<double> crossings;
    for (int sr = firstRow; sr <= lastRow; ++sr) {
        const double y = (sr + 0.5) / kSamples;
        crossings.clear();
        for (const Contour& c : contours) {
            for (std::size_t i = 0; i < c.size(); ++i) {
                const Point& a = c[i];
                const Point& b = c[(i + 1) % c.size()];
                // Half-open in y so a vertex shared by two edges counts once.
                if ((a.y <= y) != (b.y <= y))
                    crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            setSpan(sr, crossings[i], crossings[i + 1]);
    }
}

void Coverage::stampNib(Point centre, const Nib& nib)
{
    const double c = std::cos(nib.angle);
    const double s = std::sin(nib.angle);
    const double reach = std::max(nib.a, nib.b);
    const int rows = m_height * kSamples;
    const int firstRow = clampInt(static_cast<int>(std::floor((centre.y - reach) * kSamples)), 0, rows);
    const int lastRow = clampInt(static_cast<int>(std::ceil((centre.y + reach) * kSamples)), -1, rows - 1);
    for (int sr = firstRow; sr <= lastRow; ++sr) {
        const double dy = (sr + 0.5) / kSamples - centre.y;
        // Solve the rotated ellipse for x on this sample row.
        const double qa = (c * c) / (nib.a * nib.a) + (s * s) / (nib.b * nib.b);
        const double qb = 2.0 * dy * c * s * (1.0 / (nib.a * nib.a) - 1.0 / (nib.b * nib.b));
        const double qc = dy * dy * ((s * s) / (nib.a * nib.a) + (c * c) / (nib.b * nib.b)) - 1.0;
        const double disc = qb * qb - 4.0 * qa * qc;
        if (disc < 0.0)
            continue;
        const double root = std::sqrt(disc);
        setSpan(sr, centre.x + (-qb - root) / (2.0 * qa), centre.x + (-qb + root) / (2.0 * qa));
    }
}

void Coverage::strokePolyline(const std::vector<Point>& points, const Nib& nib)
{
    if (points.empty())
        return;
    stampNib(points.front(), nib);
    // Stamps closer than a sample apart leave no gaps between them.
    const double step = 0.5 / kSamples;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point a = points[i - 1];
        const Point b = points[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const int n = std::max(1, static_cast<int>(std::ceil(length / step)));
        for (int k = 1; k <= n; ++k) {
            const double t = static_cast<double>(k) / n;
            stampNib({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}, nib);
        }
    }
}

double Coverage::at(int x, int y) const
{
    const int rowWidth = m_width * kSamples;
    int count = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        const std::uint8_t* row = &m_samples[static_cast<std::size_t>(y * kSamples + sy) * rowWidth + x * kSamples];
        for (int sx = 0; sx < kSamples; ++sx)
            count += row[sx];
    }
    return static_cast<double>(count) / (kSamples * kSamples);
}

std::vector<Point> smoothThrough(const std::vector<Point>& points, int stepsPerSegment)
{
    if (points.size() < 3)
        return points;
    std::vector<Point> out;
    const std::size_t n = points.size();
    out.push_back(points.front());
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Point p0 = points[i == 0 ? 0 : i - 1];
        const Point p1 = points[i];
        const Point p2 = points[i + 1];
        const Point p3 = points[i + 2 < n ? i + 2 : n - 1];
        for (int k = 1; k <= stepsPerSegment; ++k) {
            const double t = static_cast<double>(k) / stepsPerSegment;
            const double t2 = t * t;
            const double t3 = t2 * t;
            auto blend = [&](double a, double b, double c, double d) {
                return 0.5 * (2.0 * b + (-a + c) * t + (2.0 * a - 5.0 * b + 4.0 * c - d) * t2 + (-a + 3.0 * b - 3.0 * c + d) * t3);
            };
            out.push_back({blend(p0.x, p1.x, p2.x, p3.x), blend(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    return out;
}

std::vector<Point> arc(Point centre, double rx, double ry, double a0, double a1, int steps)
{
    std::vector<Point> out;
    for (int i = 0; i <= steps; ++i) {
        const double a = (a0 + (a1 - a0) * i / steps) * kPi / 180.0;
        out.push_back({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)});
    }
    return out;
}
