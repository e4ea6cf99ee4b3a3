#include "Motifs.h"
#include "Pictures.h"

#include <cmath>

void drawTrain(Page& page) {
    drawSun(page, 80, 80, 38);
    page.shape(Path({0, 360}).quadTo({150, 250}, {330, 360}));
    page.shape(Path({200, 360}).quadTo({420, 230}, {685, 340}).lineTo({685, 360}));
    page.stroke({{0, 360}, {685, 360}});

    for (double x = 10; x < 685; x += 45)
        page.shape(rect(x, 466, x + 18, 498));
    page.stroke({{0, 472}, {685, 472}});
    page.stroke({{0, 490}, {685, 490}});

    drawCloud(page, 450, 75, 150);
    drawCloud(page, 545, 160, 90);
    drawCloud(page, 590, 215, 50);

    for (double x0 : {30.0, 205.0}) {
        page.shape(roundedRect(x0 - 8, 270, x0 + 158, 292, 8));
        page.shape(rect(x0, 290, x0 + 150, 430));
        page.shape(roundedRect(x0 + 18, 310, x0 + 66, 360, 6));
        page.shape(roundedRect(x0 + 84, 310, x0 + 132, 360, 6));
        page.stroke({{x0, 390}, {x0 + 150, 390}});
        drawWheel(page, x0 + 35, 448, 22);
        drawWheel(page, x0 + 115, 448, 22);
    }
    page.shape(rect(180, 405, 205, 420));
    page.shape(rect(355, 405, 385, 420));

    page.shape(Path({555, 300}).lineTo({545, 240}).lineTo({600, 240}).lineTo({590, 300}));
    page.shape(rect(540, 228, 605, 244));
    page.shape(roundedRect(480, 290, 650, 420, 16));
    page.shape(arc(510, 292, 22, 20, 180, 360));
    page.stroke({{545, 292}, {545, 420}});
    page.stroke({{610, 292}, {610, 420}});
    page.shape(circle(648, 345, 12));
    page.shape(rect(385, 230, 492, 420));
    page.shape(roundedRect(372, 212, 505, 236, 8));
    page.shape(roundedRect(405, 252, 470, 312, 6));
    page.shape(rect(380, 418, 665, 436));
    page.shape(Path({650, 436}).lineTo({680, 470}).lineTo({630, 470}));
    drawWheel(page, 430, 438, 34);
    drawWheel(page, 520, 448, 22);
    drawWheel(page, 595, 448, 22);
}

void drawSailingBoat(Page& page) {
    drawSun(page, 90, 85, 40);
    drawCloud(page, 560, 70, 150);
    drawFlyingBird(page, 230, 80, 40);
    drawFlyingBird(page, 280, 55, 30);
    drawFlyingBird(page, 470, 150, 34);

    page.shape(Path({500, 362}).cubicTo({540, 320}, {640, 310}, {700, 340}).lineTo({700, 362}));
    page.shape(ribbon(quad({600, 330}, {610, 270}, {590, 220}), 16, 10));
    for (double a : {-150.0, -100.0, -50.0, 10.0}) {
        const double r = radians(a);
        page.shape(leaf({590, 222}, {590 + 62 * std::cos(r), 235 + 55 * std::sin(r) + 25}, 14));
    }

    Points horizon;
    for (double x = 0; x <= 685; x += 1)
        horizon.push_back({x, 360 + 5 * std::sin(x / 18)});
    Points sea = horizon;
    sea.push_back({685, 556});
    sea.push_back({0, 556});
    page.shape(sea);

    page.shape(roundedRect(308, 100, 322, 400, 4));
    page.shape(Path({315, 80}).lineTo({360, 92}).lineTo({315, 104}).lineTo({315, 80}));
    page.shape(Path({330, 118}).quadTo({430, 240}, {455, 372}).lineTo({330, 372}));
    page.shape(Path({300, 140}).lineTo({300, 372}).lineTo({175, 372}).quadTo({235, 250}, {300, 140}));
    const Points hull = Path({150, 385}).lineTo({490, 385}).quadTo({460, 440}, {420, 460})
                            .lineTo({215, 460}).quadTo({175, 440}, {150, 385});
    page.shape(hull);
    page.strokeInside({{140, 408}, {500, 408}}, hull);
    for (double x : {250.0, 320.0, 390.0})
        page.shape(circle(x, 432, 11));

    Points front;
    for (double x = 0; x <= 685; x += 1)
        front.push_back({x, 452 + 7 * std::sin(x / 22)});
    Points water = front;
    water.push_back({685, 556});
    water.push_back({0, 556});
    page.shape(water);
    drawWaves(page, 505, 6, 90, 0, 685);
    page.stroke(arc(120, 400, 22, 8, 200, 340));
    page.stroke(arc(560, 420, 26, 8, 200, 340));
}
