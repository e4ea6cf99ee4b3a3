#include "Motifs.h"
#include "Pictures.h"

void drawCow(Page& page) {
    drawSun(page, 80, 80, 38);
    drawCloud(page, 330, 70, 150);
    page.stroke({{0, 470}, {685, 470}});
    for (double x : {20.0, 600.0, 660.0})
        page.shape(rect(x, 380, x + 14, 470));
    page.shape(rect(0, 400, 685, 414));
    drawGrassTufts(page, 556, {60, 300, 560});

    page.shape(ribbon(cubic({175, 250}, {130, 280}, {140, 360}, {120, 410}), 10, 7));
    page.shape(leaf({122, 400}, {112, 445}, 12));
    page.shape(ellipse(320, 398, 34, 26));
    for (double x : {200.0, 265.0, 385.0, 440.0}) {
        page.shape(roundedRect(x - 20, 330, x + 20, 500, 10));
        page.blot(rect(x - 20, 486, x + 20, 500));
    }
    const Points body = roundedRect(165, 220, 475, 395, 70);
    page.shape(body);
    page.shape(ellipse(250, 280, 50, 38, 20));
    page.shape(ellipse(385, 330, 42, 30, -15));
    page.shape(ellipse(330, 250, 26, 18));

    page.shape(Path({478, 200}).quadTo({466, 160}, {486, 150}).quadTo({480, 175}, {496, 196}));
    page.shape(Path({566, 200}).quadTo({578, 160}, {558, 150}).quadTo({564, 175}, {548, 196}));
    page.shape(leaf({490, 215}, {432, 190}, 14));
    page.shape(leaf({556, 215}, {614, 190}, 14));
    page.shape(ellipse(522, 250, 50, 62));
    page.shape(ellipse(522, 305, 46, 32));
    page.blot(ellipse(506, 305, 6, 9));
    page.blot(ellipse(538, 305, 6, 9));
    page.blot(circle(502, 235, 8));
    page.blot(circle(542, 235, 8));
}

void drawPig(Page& page) {
    drawSun(page, 80, 80, 40);
    drawCloud(page, 330, 80, 150);
    page.stroke({{0, 440}, {685, 440}});
    page.shape(ellipse(300, 490, 190, 34));
    drawGrassTufts(page, 440, {40, 600, 650});

    page.stroke(Path({165, 250}).quadTo({140, 252}, {122, 240}).arcTo(122, 226, 14, 90, -200));
    for (double x : {200.0, 280.0, 380.0, 450.0})
        page.shape(roundedRect(x - 24, 330, x + 24, 480, 12));
    page.shape(ellipse(320, 290, 185, 120));
    page.shape(Path({460, 180}).lineTo({440, 120}).lineTo({500, 160}));
    page.shape(Path({560, 170}).lineTo({600, 120}).lineTo({596, 190}));
    page.shape(circle(520, 250, 85));
    page.shape(ellipse(592, 275, 30, 38));
    page.blot(ellipse(584, 275, 5, 9));
    page.blot(ellipse(600, 275, 5, 9));
    page.blot(circle(540, 220, 9));
    page.stroke(arc(535, 290, 30, 22, 40, 130));
}

void drawHen(Page& page) {
    drawSun(page, 600, 75, 38);
    drawFlyingBird(page, 300, 70, 40);
    page.stroke({{0, 460}, {685, 460}});
    drawGrassTufts(page, 460, {40, 640});

    for (double x : {290.0, 350.0}) {
        page.stroke({{x, 390}, {x, 470}});
        for (double dx : {-16.0, 0.0, 16.0})
            page.stroke({{x, 470}, {x + dx, 484}});
    }
    for (Point tip : {Point{110, 150}, Point{90, 210}, Point{100, 270}})
        page.shape(leaf({210, 290}, tip, 30));
    page.shape(ellipse(310, 310, 130, 100));
    const Points wing = Path({230, 300}).quadTo({310, 240}, {380, 300}).quadTo({330, 390}, {230, 300});
    page.shape(wing);
    for (double x : {290.0, 330.0})
        page.strokeInside(quad({x - 30, 310}, {x, 340}, {x + 30, 320}), wing);
    for (Point p : {Point{412, 162}, Point{438, 150}, Point{466, 160}})
        page.shape(circle(p.x, p.y, 20));
    page.shape(ellipse(470, 262, 14, 24));
    page.shape(Path({480, 200}).lineTo({540, 218}).lineTo({482, 236}));
    page.shape(circle(440, 210, 60));
    page.blot(circle(454, 196, 8));

    page.shape(Path({520, 470}).cubicTo({520, 420}, {640, 420}, {640, 470}).lineTo({520, 470}));
    page.shape(ellipse(560, 452, 24, 30));
    page.shape(ellipse(600, 452, 24, 30));
    page.shape(Path({500, 450}).lineTo({660, 450}).quadTo({650, 500}, {580, 505}).quadTo({510, 500}, {500, 450}));
    for (double x : {530.0, 560.0, 590.0, 620.0})
        page.stroke({{x, 455}, {x + 14, 498}});
}

void drawRabbit(Page& page) {
    drawSun(page, 90, 85, 42);
    page.stroke({{0, 480}, {685, 480}});
    drawGrassTufts(page, 480, {40, 150, 600});

    page.shape(ellipse(285, 110, 32, 95, -8));
    page.shape(ellipse(285, 115, 14, 70, -8));
    page.shape(ellipse(385, 110, 32, 95, 8));
    page.shape(ellipse(385, 115, 14, 70, 8));
    page.shape(circle(460, 420, 30));
    page.shape(ellipse(335, 380, 130, 115));
    page.shape(ellipse(335, 400, 70, 75));
    page.shape(ellipse(250, 470, 55, 24));
    page.shape(ellipse(420, 470, 55, 24));
    page.shape(circle(335, 235, 92));
    page.blot(circle(300, 220, 11));
    page.blot(circle(370, 220, 11));
    page.shape(Path({322, 250}).lineTo({348, 250}).lineTo({335, 264}));
    page.stroke(Path({335, 264}).lineTo({335, 274}).quadTo({318, 288}, {306, 274}));
    page.stroke(quad({335, 274}, {352, 288}, {364, 274}));

    const Points carrot = Path({560, 330}).lineTo({610, 330}).lineTo({585, 470});
    page.shape(leaf({585, 330}, {560, 270}, 12));
    page.shape(leaf({585, 330}, {610, 270}, 12));
    page.shape(carrot);
    for (double y : {360.0, 395.0, 430.0})
        page.strokeInside({{570, y}, {595, y + 6}}, carrot);
}
