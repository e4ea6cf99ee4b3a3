#include "Motifs.h"
#include "Pictures.h"

#include <cmath>

namespace {

void drawTulip(Page& page, double cx, double cy, double r, double groundY) {
    page.shape(ribbon(quad({cx, cy}, {cx - r * 0.3, (cy + groundY) / 2}, {cx, groundY + 4}), 9, 11));
    page.shape(leaf({cx - 2, groundY - 10}, {cx - r * 1.2, groundY - r * 2.6}, r * 0.35));
    page.shape(Path({cx - r, cy - r * 1.1}).lineTo({cx - r * 0.45, cy - r * 0.55}).lineTo({cx, cy - r * 1.2})
                   .lineTo({cx + r * 0.45, cy - r * 0.55}).lineTo({cx + r, cy - r * 1.1})
                   .quadTo({cx + r * 1.05, cy + r * 0.1}, {cx, cy + r * 0.2})
                   .quadTo({cx - r * 1.05, cy + r * 0.1}, {cx - r, cy - r * 1.1}));
}

void drawBee(Page& page, double cx, double cy) {
    page.shape(ellipse(cx - 8, cy - 26, 16, 24, -20));
    page.shape(ellipse(cx + 12, cy - 24, 16, 24, 20));
    const Points body = ellipse(cx, cy, 36, 22);
    page.shape(body);
    for (double dx : {-10.0, 6.0, 22.0})
        page.strokeInside({{cx + dx, cy - 30}, {cx + dx, cy + 30}}, body);
    page.blot(circle(cx - 24, cy - 4, 4));
    page.stroke({{cx + 36, cy}, {cx + 46, cy}});
}

void drawSnail(Page& page, double x, double groundY) {
    page.shape(Path({x - 50, groundY}).lineTo({x + 50, groundY}).quadTo({x + 55, groundY - 15}, {x + 40, groundY - 19})
                   .lineTo({x - 40, groundY - 17}).quadTo({x - 50, groundY - 13}, {x - 50, groundY}));
    const Points shell = circle(x, groundY - 35, 30);
    page.shape(shell);
    page.strokeInside(arc(x + 2, groundY - 33, 18, 18, 0, 300), shell);
    page.stroke(quad({x + 45, groundY - 15}, {x + 50, groundY - 35}, {x + 58, groundY - 43}));
    page.stroke(quad({x + 38, groundY - 17}, {x + 38, groundY - 35}, {x + 42, groundY - 45}));
    page.blot(circle(x + 58, groundY - 43, 4));
    page.blot(circle(x + 42, groundY - 45, 4));
}

}  // namespace

void drawFlowers(Page& page) {
    drawSun(page, 600, 75, 38);
    drawCloud(page, 130, 60, 120);
    for (double y : {270.0, 320.0})
        page.shape(rect(-5, y, 690, y + 14));
    for (double x = 10; x < 685; x += 48)
        page.shape(Path({x, 470}).lineTo({x, 240}).lineTo({x + 14, 222}).lineTo({x + 28, 240}).lineTo({x + 28, 470}));
    page.stroke({{0, 470}, {685, 470}});

    drawFlower(page, 85, 300, 52, 8, 470);
    drawTulip(page, 205, 360, 40, 470);
    drawFlower(page, 340, 210, 78, 12, 470);
    drawTulip(page, 470, 330, 42, 470);
    drawFlower(page, 590, 310, 56, 6, 470);
    drawBee(page, 480, 160);
    drawGrassTufts(page, 556, {60, 200, 340, 480, 620});

    drawSnail(page, 250, 525);
}

void drawTree(Page& page) {
    drawSun(page, 600, 75, 38);
    drawCloud(page, 100, 60, 120);
    drawFlyingBird(page, 620, 170, 38);
    drawFlyingBird(page, 650, 220, 28);
    page.stroke({{0, 480}, {685, 480}});
    drawGrassTufts(page, 480, {30, 120, 560, 650});

    page.shape(ribbon(quad({370, 340}, {470, 318}, {625, 312}), 26, 14));
    page.shape(ribbon(quad({310, 345}, {220, 330}, {110, 322}), 26, 14));
    page.shape(Path({250, 488}).quadTo({300, 470}, {305, 420}).lineTo({300, 250}).lineTo({380, 250})
                   .lineTo({375, 420}).quadTo({380, 470}, {430, 488}).quadTo({340, 476}, {250, 488}));
    page.blot(ellipse(340, 380, 16, 24));

    const Points crown = scalloped(330, 175, 220, 130, 13, 0.1);
    page.shape(crown);
    for (Point p : {Point{200, 150}, Point{270, 100}, Point{360, 90}, Point{450, 140}, Point{250, 220},
                    Point{410, 230}, Point{330, 170}, Point{160, 230}, Point{500, 200}})
        page.shape(circle(p.x, p.y, 15));

    page.shape(Path({536, 286}).lineTo({496, 268}).lineTo({504, 296}));
    page.shape(ellipse(565, 283, 36, 22));
    page.shape(circle(600, 258, 17));
    page.blot(circle(604, 253, 3.5));
    page.shape(Path({614, 252}).lineTo({636, 260}).lineTo({614, 267}));
    page.stroke(arc(558, 280, 22, 12, 20, 160));

    for (double x : {150.0, 192.0}) {
        page.shape(Path({x + 12, 284}).lineTo({x + 30, 278}).lineTo({x + 14, 296}));
        page.shape(circle(x, 292, 16));
        page.blot(circle(x + 4, 287, 3.5));
    }
    const Points nest = Path({120, 305}).lineTo({225, 305}).quadTo({220, 345}, {172, 345})
                            .quadTo({125, 345}, {120, 305});
    page.shape(nest);
    page.strokeInside(quad({115, 318}, {172, 335}, {230, 318}), nest);
}
