#include "Motifs.h"
#include "Pictures.h"

#include <cmath>

namespace {

// A round balloon on a wavy string, with the knot at the bottom.
void drawBalloon(Page& page, double cx, double cy, double r, double endX, double endY) {
    Points string;
    for (double t = 0; t <= 1; t += 0.01) {
        const double y = cy + r * 1.2 + t * (endY - cy - r * 1.2);
        string.push_back({cx + t * (endX - cx) + 8 * std::sin(t * 12), y});
    }
    page.stroke(string);
    page.shape(Path({cx - 8, cy + r * 1.2 + 10}).lineTo({cx, cy + r * 1.2 - 2}).lineTo({cx + 8, cy + r * 1.2 + 10}));
    page.shape(ellipse(cx, cy, r, r * 1.2));
    page.stroke(arc(cx - r * 0.35, cy - r * 0.4, r * 0.4, r * 0.5, 190, 250));
}

}  // namespace

void drawBalloons(Page& page) {
    drawCloud(page, 590, 60, 110);
    page.stroke({{0, 500}, {685, 500}});
    drawGrassTufts(page, 500, {200, 480});
    drawFlower(page, 80, 420, 30, 6, 500);
    drawFlower(page, 600, 410, 34, 8, 500);
    drawBalloon(page, 150, 150, 70, 330, 440);
    drawBalloon(page, 330, 120, 80, 335, 440);
    drawBalloon(page, 510, 190, 70, 340, 440);
    page.shape(Path({310, 410}).lineTo({360, 410}).lineTo({345, 445}).lineTo({325, 445}));
    page.shape(ellipse(290, 445, 40, 18, -20));
    page.shape(ellipse(380, 445, 40, 18, 20));
    page.shape(circle(335, 440, 12));
}

void drawCake(Page& page) {
    for (Point p : {Point{60, 60}, Point{620, 70}, Point{90, 220}, Point{600, 230}})
        page.shape(star(p.x, p.y, 20, 9));
    page.shape(ellipse(340, 480, 250, 40));
    const Points bottom = roundedRect(130, 320, 550, 480, 12);
    page.shape(bottom);
    page.shape(Path({130, 320}).lineTo({550, 320}).lineTo({550, 350}).quadTo({525, 380}, {500, 350})
                   .quadTo({465, 390}, {430, 350}).quadTo({395, 380}, {360, 350}).quadTo({325, 390}, {290, 350})
                   .quadTo({255, 380}, {220, 350}).quadTo({185, 390}, {150, 350}).quadTo({140, 370}, {130, 350}));
    for (double x : {190.0, 270.0, 350.0, 430.0, 510.0})
        page.shape(circle(x, 430, 14));
    page.shape(roundedRect(200, 220, 480, 322, 10));
    page.shape(Path({200, 220}).lineTo({480, 220}).lineTo({480, 245}).quadTo({455, 275}, {430, 245})
                   .quadTo({400, 280}, {370, 245}).quadTo({340, 275}, {310, 245}).quadTo({280, 280}, {250, 245})
                   .quadTo({225, 275}, {200, 245}));
    for (double x : {250.0, 300.0, 350.0, 400.0, 450.0}) {
        const Points candle = rect(x - 9, 140, x + 9, 222);
        page.shape(candle);
        page.strokeInside({{x - 10, 165}, {x + 10, 155}}, candle);
        page.strokeInside({{x - 10, 195}, {x + 10, 185}}, candle);
        page.shape(leaf({x, 136}, {x, 96}, 12));
    }
}

void drawFruitBowl(Page& page) {
    page.stroke({{0, 470}, {685, 470}});
    for (Point g : {Point{300, 170}, Point{340, 160}, Point{380, 170}, Point{320, 200}, Point{360, 200},
                    Point{340, 235}})
        page.shape(circle(g.x, g.y, 24));
    page.shape(ribbon(quad({340, 136}, {344, 110}, {360, 96}), 9, 7));
    page.shape(circle(230, 255, 72));
    page.shape(ribbon(quad({230, 188}, {226, 160}, {240, 146}), 9, 7));
    page.shape(leaf({236, 166}, {292, 146}, 14));
    page.shape(circle(450, 255, 72));
    for (double a : {200.0, 250.0, 300.0, 340.0})
        page.blot(circle(450 + 40 * std::cos(radians(a)), 250 + 30 * std::sin(radians(a)), 3));
    const Points bowl = Path({110, 320}).lineTo({570, 320}).cubicTo({560, 420}, {450, 450}, {340, 450})
                            .cubicTo({230, 450}, {120, 420}, {110, 320});
    page.shape(bowl);
    page.strokeInside(quad({130, 360}, {340, 400}, {550, 360}), bowl);
    page.shape(roundedRect(270, 445, 410, 470, 8));

    page.stroke(quad({560, 445}, {562, 430}, {572, 420}));
    page.shape(Path({560, 440}).cubicTo({590, 440}, {585, 475}, {605, 500}).cubicTo({625, 545}, {495, 545}, {515, 500})
                   .cubicTo({535, 475}, {530, 440}, {560, 440}));
    page.shape(leaf({564, 432}, {600, 420}, 10));
    for (double x : {110.0, 170.0}) {
        page.stroke(quad({x, 490}, {x + 10, 440}, {150, 420}));
        page.shape(circle(x, 505, 22));
    }
    page.shape(leaf({150, 420}, {200, 405}, 12));
}
