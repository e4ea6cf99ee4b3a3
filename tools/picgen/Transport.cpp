#include "Motifs.h"
#include "Pictures.h"

#include <cmath>

void drawFireEngine(Page& page) {
    drawSun(page, 80, 75, 36);
    drawCloud(page, 330, 70, 130);
    page.stroke({{0, 470}, {685, 470}});
    drawGrassTufts(page, 470, {30, 650});

    page.shape(roundedRect(520, 156, 570, 184, 8));
    page.shape(roundedRect(460, 180, 630, 420, 20));
    page.shape(roundedRect(485, 205, 600, 285, 8));
    page.shape(roundedRect(600, 330, 640, 350, 6));
    const Points body = roundedRect(55, 250, 470, 420, 12);
    page.shape(body);
    page.strokeInside({{55, 370}, {630, 370}}, body);
    for (double x0 : {80.0, 210.0}) {
        const Points door = roundedRect(x0, 275, x0 + 110, 350, 6);
        page.shape(door);
        for (double y : {300.0, 325.0})
            page.strokeInside({{x0, y}, {x0 + 110, y}}, door);
    }
    page.shape(circle(390, 310, 34));
    page.shape(circle(390, 310, 16));
    page.stroke({{460, 370}, {630, 370}});
    page.shape(rect(100, 236, 130, 250));
    page.shape(rect(380, 236, 410, 250));
    const Points ladder = rect(75, 205, 455, 236);
    page.shape(ladder);
    for (double x = 105; x < 455; x += 30)
        page.strokeInside({{x, 195}, {x, 245}}, ladder);
    for (double x : {150.0, 300.0, 520.0})
        drawWheel(page, x, 420, 40);
}

void drawTractor(Page& page) {
    drawSun(page, 70, 70, 32);
    page.shape(Path({0, 300}).quadTo({170, 220}, {380, 300}));
    page.shape(Path({250, 300}).quadTo({480, 210}, {685, 290}).lineTo({685, 300}));
    page.stroke({{0, 300}, {685, 300}});
    for (double y : {340.0, 390.0, 440.0, 500.0})
        page.stroke(quad({0, y}, {340, y - 20}, {685, y}));

    for (Point p : {Point{510, 160}, Point{540, 120}, Point{580, 90}})
        page.shape(circle(p.x, p.y, 14 + (p.x - 500) / 8));
    page.shape(roundedRect(490, 180, 510, 290, 4));
    page.shape(Path({180, 130}).lineTo({340, 130}).lineTo({350, 300}).lineTo({170, 300}));
    page.shape(Path({200, 150}).lineTo({320, 150}).lineTo({326, 260}).lineTo({194, 260}));
    page.shape(roundedRect(150, 120, 370, 142, 8));
    const Points bonnet = roundedRect(340, 260, 600, 390, 16);
    page.shape(bonnet);
    for (double y : {290.0, 320.0, 350.0})
        page.strokeInside({{540, y}, {600, y}}, bonnet);
    page.shape(rect(150, 290, 360, 400));
    const Points big = circle(230, 410, 110);
    page.shape(big);
    page.shape(circle(230, 410, 70));
    page.blot(circle(230, 410, 20));
    page.shape(circle(520, 440, 62));
    page.shape(circle(520, 440, 36));
    page.blot(circle(520, 440, 12));
}

void drawAeroplane(Page& page) {
    drawSun(page, 310, 80, 36);
    drawCloud(page, 520, 80, 160);
    drawCloud(page, 150, 450, 180);
    drawCloud(page, 560, 470, 140);
    drawFlyingBird(page, 190, 60, 40);

    page.shape(Path({130, 255}).lineTo({80, 150}).lineTo({130, 150}).lineTo({200, 255}));
    page.shape(Path({300, 250}).lineTo({200, 170}).lineTo({260, 170}).lineTo({390, 250}));
    const Points body = Path({110, 250}).lineTo({540, 240}).cubicTo({610, 240}, {620, 300}, {560, 310})
                            .lineTo({150, 310}).quadTo({110, 300}, {110, 250});
    page.shape(body);
    page.shape(Path({530, 245}).cubicTo({570, 245}, {595, 258}, {597, 272}).lineTo({540, 272}).lineTo({530, 245}));
    for (double x = 220; x <= 480; x += 45)
        page.shape(circle(x, 266, 12));
    page.shape(Path({300, 292}).lineTo({230, 400}).lineTo({300, 400}).lineTo({400, 292}).lineTo({300, 292}));
    page.shape(Path({130, 255}).lineTo({90, 230}).lineTo({130, 225}).lineTo({170, 255}));
}

void drawBicycle(Page& page) {
    drawSun(page, 600, 80, 40);
    drawCloud(page, 140, 80, 150);
    page.stroke({{0, 470}, {685, 470}});
    drawGrassTufts(page, 470, {40, 330, 640});

    for (double cx : {180.0, 500.0}) {
        const Points tyre = circle(cx, 380, 90);
        page.shape(tyre);
        const Points rim = circle(cx, 380, 74);
        page.shape(rim);
        for (int i = 0; i < 4; ++i) {
            const double a = i * kPi / 4;
            const double dx = 80 * std::cos(a), dy = 80 * std::sin(a);
            page.strokeInside({{cx - dx, 380 - dy}, {cx + dx, 380 + dy}}, rim);
        }
        page.blot(circle(cx, 380, 9));
    }
    const Point back{180, 380}, pedal{330, 390}, seat{290, 250}, head{470, 240}, front{500, 380};
    for (auto [a, b] :
         {std::pair{back, pedal}, {back, seat}, {seat, pedal}, {seat, head}, {pedal, head}, {head, front}})
        page.shape(ribbon({a, b}, 12, 12));
    page.shape(ellipse(290, 232, 40, 12));
    page.shape(ribbon(quad({470, 240}, {460, 200}, {430, 196}), 10, 10));
    page.shape(roundedRect(400, 186, 440, 206, 8));
    page.shape(circle(330, 390, 22));
    page.blot(circle(330, 390, 7));
    page.shape(roundedRect(345, 420, 385, 434, 5));
}
