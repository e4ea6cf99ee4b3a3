#include "Motifs.h"
#include "Pictures.h"

void drawOwl(Page& page) {
    page.shape(circle(575, 95, 50));
    page.shape(circle(560, 80, 11));
    page.shape(circle(592, 112, 14));
    page.shape(circle(555, 120, 8));
    page.shape(star(90, 80, 22, 10));
    page.shape(star(185, 150, 16, 7));
    page.shape(star(470, 60, 16, 7));
    page.shape(star(620, 230, 18, 8));
    page.shape(star(60, 260, 16, 7));

    const Points branch = Path({0, 418}).cubicTo({200, 405}, {450, 440}, {685, 420}).lineTo({685, 462})
                              .cubicTo({450, 480}, {200, 448}, {0, 458});
    page.shape(branch);
    page.strokeInside(quad({80, 440}, {130, 434}, {170, 444}), branch);
    page.strokeInside(quad({520, 452}, {570, 446}, {620, 448}), branch);
    page.shape(ribbon(quad({560, 440}, {600, 380}, {640, 360}), 16, 6));
    page.shape(leaf({640, 362}, {675, 320}, 14));
    page.shape(leaf({606, 392}, {600, 335}, 14));
    page.shape(leaf({120, 455}, {90, 515}, 15));
    page.shape(leaf({170, 450}, {195, 512}, 15));

    page.shape(Path({255, 200}).lineTo({238, 122}).lineTo({300, 175}));
    page.shape(Path({405, 200}).lineTo({422, 122}).lineTo({360, 175}));
    page.shape(ellipse(330, 300, 112, 140));
    const Points belly = ellipse(330, 350, 70, 85);
    page.shape(belly);
    for (int row = 0; row < 3; ++row)
        for (int i = -2; i <= 2; ++i) {
            const double x = 330 + i * 28 + (row % 2) * 14, y = 320 + row * 34;
            page.strokeInside(arc(x, y, 12, 10, 20, 160), belly);
        }
    page.shape(ellipse(228, 350, 36, 80, 12));
    page.shape(ellipse(432, 350, 36, 80, -12));

    for (double x : {288.0, 372.0}) {
        page.shape(circle(x, 228, 38));
        page.shape(circle(x, 230, 23));
        page.blot(circle(x, 232, 12));
    }
    page.shape(Path({315, 262}).lineTo({345, 262}).lineTo({330, 292}));

    for (double x : {300.0, 360.0})
        for (double dx : {-14.0, 0.0, 14.0})
            page.shape(ellipse(x + dx, 440, 7, 14));
}

void drawButterfly(Page& page) {
    drawSun(page, 80, 80, 40);
    drawCloud(page, 560, 80, 170);
    page.stroke({{0, 480}, {685, 480}});
    drawGrassTufts(page, 480, {40, 150, 250, 440, 530, 640});
    drawFlower(page, 110, 400, 40, 8, 480);
    drawFlower(page, 590, 390, 44, 6, 480);

    const Points upper = Path({338, 210}).cubicTo({280, 60}, {120, 60}, {130, 170})
                             .cubicTo({135, 230}, {230, 265}, {338, 250});
    const Points lower = Path({338, 258}).cubicTo({250, 260}, {170, 320}, {205, 385})
                             .cubicTo({240, 430}, {320, 390}, {338, 300});
    for (bool right : {false, true}) {
        auto side = [&](const Points& p) { return right ? mirrored(p, 342) : p; };
        page.shape(side(lower));
        page.shape(side(upper));
        page.shape(side(ellipse(220, 160, 42, 34, -20)));
        page.shape(side(circle(180, 205, 16)));
        page.shape(side(ellipse(262, 335, 28, 36, 30)));
        page.shape(side(circle(228, 375, 12)));
    }
    const Points body = ellipse(342, 285, 17, 95);
    page.shape(body);
    for (double y : {230.0, 260.0, 290.0, 320.0, 350.0})
        page.strokeInside({{320, y}, {365, y}}, body);
    page.stroke(quad({334, 170}, {322, 120}, {292, 92}));
    page.stroke(quad({350, 170}, {362, 120}, {392, 92}));
    page.blot(circle(290, 90, 8));
    page.blot(circle(394, 90, 8));
    page.shape(circle(342, 180, 25));
    page.blot(circle(333, 176, 4));
    page.blot(circle(351, 176, 4));
    page.stroke(arc(342, 184, 10, 8, 30, 150));
}

void drawElephant(Page& page) {
    drawSun(page, 600, 80, 40);
    drawCloud(page, 140, 80, 160);
    drawCloud(page, 380, 60, 110);
    page.stroke({{0, 480}, {685, 480}});
    drawGrassTufts(page, 480, {30, 130, 330, 640});

    page.shape(ribbon(quad({160, 270}, {115, 300}, {110, 360}), 10, 6));
    page.blot(leaf({110, 356}, {106, 392}, 9));

    for (double x : {205.0, 290.0, 400.0, 470.0}) {
        page.shape(roundedRect(x - 32, 360, x + 32, 492, 12));
        for (double dx : {-19.0, 0.0, 19.0})
            page.stroke(arc(x + dx, 492, 9, 10, 180, 360));
    }
    page.shape(ellipse(330, 295, 180, 125));

    page.shape(ribbon(cubic({555, 270}, {600, 330}, {590, 410}, {635, 430}), 62, 26));
    page.shape(ellipse(640, 427, 8, 14, -30));
    for (double t : {0.35, 0.5, 0.65}) {
        const double y = 300 + t * 150;
        page.stroke(quad({568 + t * 30, y}, {580 + t * 30, y + 6}, {593 + t * 32, y}));
    }
    page.shape(circle(530, 215, 82));
    page.shape(Path({540, 284}).quadTo({556, 330}, {512, 336}).quadTo({536, 314}, {524, 290}));
    page.shape(Path({460, 150}).cubicTo({380, 140}, {380, 320}, {470, 330})
                   .cubicTo({520, 320}, {520, 170}, {460, 150}));
    page.blot(circle(560, 190, 9));
    page.stroke(arc(560, 190, 18, 18, 220, 300));
    page.stroke(arc(548, 250, 20, 16, 20, 110));
}

void drawDinosaur(Page& page) {
    drawSun(page, 330, 80, 36);
    page.shape(Path({0, 330}).lineTo({90, 180}).lineTo({130, 180}).lineTo({230, 330}));
    drawCloud(page, 112, 130, 90);
    drawCloud(page, 140, 70, 120);
    page.stroke({{0, 470}, {685, 470}});
    drawGrassTufts(page, 470, {40, 480, 620});

    page.shape(Path({575, 470}).quadTo({585, 380}, {570, 300}).lineTo({590, 300})
                   .quadTo({605, 380}, {600, 470}));
    for (Point tip : {Point{510, 320}, Point{525, 255}, Point{640, 255}, Point{655, 320}})
        page.shape(leaf({580, 296}, tip, 16));

    page.shape(ribbon(cubic({180, 340}, {110, 360}, {60, 420}, {10, 430}), 70, 8));
    for (double x : {200.0, 270.0, 340.0, 405.0}) {
        page.shape(roundedRect(x - 28, 380, x + 28, 480, 12));
        for (double dx : {-16.0, 0.0, 16.0})
            page.stroke(arc(x + dx, 480, 8, 9, 180, 360));
    }
    page.shape(ribbon(cubic({390, 320}, {460, 260}, {470, 170}, {505, 125}), 100, 44));
    page.shape(ellipse(295, 335, 160, 100));
    for (double x : {200.0, 250.0, 300.0, 350.0, 400.0})
        page.shape(circle(x, 300 + (static_cast<int>(x) % 100 == 50 ? 30 : 0), 16));
    page.shape(ellipse(535, 115, 64, 38, -10));
    page.blot(circle(536, 98, 9));
    page.blot(circle(584, 101, 4));
    page.stroke(arc(540, 122, 38, 18, 20, 110));
}
