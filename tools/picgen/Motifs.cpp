#include "Motifs.h"

#include <cmath>

void drawSun(Page& page, double cx, double cy, double r) {
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * kPi * i / 12 + kPi / 12;
        const double c = std::cos(a), s = std::sin(a);
        page.stroke({{cx + (r + 10) * c, cy + (r + 10) * s}, {cx + (r + 30) * c, cy + (r + 30) * s}});
    }
    page.shape(circle(cx, cy, r));
}

void drawCloud(Page& page, double cx, double cy, double width) {
    const double u = width / 8;
    Path p({cx - 4 * u, cy});
    p.arcTo(cx - 2.6 * u, cy - 0.2 * u, 1.4 * u, 170, 275)
        .arcTo(cx - 0.4 * u, cy - 1.2 * u, 1.9 * u, 205, 330)
        .arcTo(cx + 2.2 * u, cy - 0.4 * u, 1.6 * u, 235, 360)
        .arcTo(cx + 2.8 * u, cy + 0.9 * u, 1.2 * u, 290, 450)
        .lineTo({cx - 3.4 * u, cy + 2.1 * u})
        .arcTo(cx - 3.4 * u, cy + 1.0 * u, 1.1 * u, 90, 230);
    page.shape(p);
}

void drawGrassTufts(Page& page, double groundY, std::initializer_list<double> xs) {
    for (double x : xs) {
        page.stroke(quad({x - 8, groundY}, {x - 10, groundY - 12}, {x - 16, groundY - 20}));
        page.stroke(quad({x, groundY}, {x + 1, groundY - 16}, {x + 4, groundY - 28}));
        page.stroke(quad({x + 8, groundY}, {x + 12, groundY - 12}, {x + 20, groundY - 18}));
    }
}

void drawFlyingBird(Page& page, double cx, double cy, double span) {
    const double h = span / 2;
    page.stroke(quad({cx - h, cy - h * 0.3}, {cx - h * 0.5, cy - h * 0.7}, {cx, cy}));
    page.stroke(quad({cx, cy}, {cx + h * 0.5, cy - h * 0.7}, {cx + h, cy - h * 0.3}));
}

void drawFlower(Page& page, double cx, double cy, double r, int petals, double groundY) {
    const Points stem = ribbon(quad({cx, cy}, {cx + r * 0.4, (cy + groundY) / 2}, {cx, groundY + 4}), 9, 11);
    page.shape(stem);
    const double leafY = cy + (groundY - cy) * 0.6;
    page.shape(leaf({cx + 3, leafY}, {cx + r * 1.5, leafY - r * 0.9}, r * 0.35));
    for (int i = 0; i < petals; ++i) {
        const double a = 360.0 * i / petals;
        const double rad = a * kPi / 180;
        page.shape(ellipse(cx + r * 0.62 * std::cos(rad), cy + r * 0.62 * std::sin(rad), r * 0.5,
                           r * 0.28, a));
    }
    page.shape(circle(cx, cy, r * 0.42));
}

void drawWaves(Page& page, double y, double amplitude, double wavelength, double x0, double x1) {
    Points line;
    for (double x = x0; x <= x1; x += 1)
        line.push_back({x, y + amplitude * std::sin(2 * kPi * (x - x0) / wavelength)});
    page.stroke(line);
}

void drawWheel(Page& page, double cx, double cy, double r) {
    const Points wheel = circle(cx, cy, r);
    page.shape(wheel);
    if (r > 26) {
        page.strokeInside({{cx - r, cy}, {cx + r, cy}}, wheel);
        page.strokeInside({{cx, cy - r}, {cx, cy + r}}, wheel);
    }
    page.blot(circle(cx, cy, r > 26 ? 8 : 6));
}

Points wavyGround(double y, double amplitude, double wavelength) {
    Points out;
    for (double x = -5; x <= 690; x += 1)
        out.push_back({x, y + amplitude * std::sin(2 * kPi * x / wavelength)});
    out.push_back({690, 560});
    out.push_back({-5, 560});
    return out;
}

void drawSeaweed(Page& page, double x, double height, double width) {
    Points weed;
    for (double t = 0; t <= 1; t += 0.01)
        weed.push_back({x + 14 * std::sin(t * 9 + x), 500 - t * height});
    page.shape(ribbon(weed, width, 6));
}
