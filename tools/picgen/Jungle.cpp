#include "Motifs.h"
#include "Pictures.h"

#include <cmath>

namespace {

void drawPalm(Page& page, double x, double groundY, double height) {
    page.shape(ribbon(quad({x, groundY + 4}, {x + 30, groundY - height / 2}, {x + 10, groundY - height}), 34, 22));
    const double top = groundY - height;
    for (double a : {-170.0, -130.0, -50.0, -10.0, 30.0, 150.0}) {
        const double r = radians(a);
        page.shape(leaf({x + 10, top}, {x + 10 + 110 * std::cos(r), top + 70 * std::sin(r) + 30}, 24));
    }
    for (double dx : {-8.0, 22.0})
        page.shape(circle(x + dx, top + 18, 13));
}

void drawMonkey(Page& page, double x, double y) {
    page.shape(ribbon(cubic({x + 20, y + 90}, {x + 90, y + 120}, {x + 100, y + 60}, {x + 80, y + 40}), 12, 8));
    page.shape(ribbon(Points{{x - 20, y + 30}, {x - 40, y - 60}}, 16, 16));
    page.shape(ribbon(Points{{x + 20, y + 30}, {x + 50, y + 80}}, 16, 16));
    page.shape(ribbon(Points{{x - 14, y + 110}, {x - 30, y + 160}}, 18, 18));
    page.shape(ribbon(Points{{x + 14, y + 110}, {x + 30, y + 160}}, 18, 18));
    page.shape(ellipse(x, y + 75, 42, 55));
    page.shape(ellipse(x, y + 85, 24, 32));
    page.shape(circle(x - 42, y - 20, 16));
    page.shape(circle(x + 42, y - 20, 16));
    page.shape(circle(x, y - 20, 42));
    page.shape(ellipse(x, y - 8, 28, 22));
    page.blot(circle(x - 14, y - 34, 6));
    page.blot(circle(x + 14, y - 34, 6));
    page.stroke(arc(x, y - 6, 12, 8, 20, 160));
}

void drawParrot(Page& page, double x, double y) {
    page.shape(Path({x - 10, y + 50}).lineTo({x - 25, y + 130}).lineTo({x + 10, y + 55}));
    page.shape(ellipse(x, y + 30, 26, 40));
    page.shape(leaf({x + 4, y + 10}, {x - 14, y + 80}, 14));
    page.shape(circle(x, y - 16, 22));
    page.shape(Path({x + 16, y - 26}).quadTo({x + 44, y - 22}, {x + 34, y + 2}).lineTo({x + 18, y - 6}));
    page.blot(circle(x + 4, y - 20, 5));
}

}  // namespace

void drawJungle(Page& page) {
    drawSun(page, 330, 60, 30);
    page.stroke({{0, 490}, {685, 490}});
    drawPalm(page, 80, 490, 320);
    drawPalm(page, 540, 490, 360);
    page.shape(ribbon(quad({0, 70}, {300, 150}, {685, 60}), 14, 14));
    page.shape(ribbon(quad({260, 115}, {250, 140}, {256, 180}), 8, 8));
    for (Point p : {Point{150, 96}, Point{420, 104}, Point{600, 78}})
        page.shape(leaf({p.x, p.y}, {p.x + 26, p.y + 36}, 12));
    drawMonkey(page, 280, 230);
    drawParrot(page, 460, 250);
    page.shape(ribbon(Points{{420, 300}, {560, 290}}, 12, 12));
    for (double x : {190.0, 380.0, 640.0}) {
        page.shape(leaf({x, 495}, {x - 50, 420}, 22));
        page.shape(leaf({x, 495}, {x + 50, 420}, 22));
        page.shape(leaf({x, 495}, {x, 400}, 22));
    }
}
