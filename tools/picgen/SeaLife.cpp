#include "Motifs.h"
#include "Pictures.h"

#include <cmath>

void drawWhale(Page& page) {
    drawSun(page, 90, 85, 40);
    drawCloud(page, 560, 70, 150);
    drawFlyingBird(page, 250, 70, 40);

    for (Point tip : {Point{270, 95}, Point{330, 70}, Point{390, 95}})
        page.shape(leaf({330, 190}, tip, 14));
    page.shape(ribbon(quad({170, 290}, {140, 270}, {115, 225}), 40, 18));
    page.shape(leaf({118, 232}, {50, 200}, 22));
    page.shape(leaf({118, 232}, {120, 160}, 22));
    const Points body = Path({140, 300}).cubicTo({160, 190}, {360, 160}, {470, 220})
                            .cubicTo({560, 260}, {560, 350}, {480, 380}).cubicTo({350, 420}, {190, 380}, {140, 300});
    page.shape(body);
    page.strokeInside(cubic({580, 295}, {450, 330}, {300, 340}, {120, 310}), body);
    page.shape(ellipse(360, 360, 45, 20, 30));
    page.blot(circle(470, 270, 9));
    page.stroke(arc(470, 270, 18, 18, 200, 300));

    page.shape(wavyGround(370, 8, 60));
    page.shape(wavyGround(460, 6, 90));
    drawWaves(page, 510, 5, 70);
}

void drawOctopus(Page& page) {
    page.shape(wavyGround(480, 10, 140));
    drawWaves(page, 30, 5, 80);
    for (double wx : {60.0, 620.0})
        drawSeaweed(page, wx, 280, 26);
    page.shape(scalloped(560, 490, 50, 30, 5, 0.18));

    const double cx = 340, cy = 260;
    for (int i = 0; i < 8; ++i) {
        const double k = i - 3.5;
        const double side = k < 0 ? -1 : 1;
        const Points centre = cubic({cx + k * 26, cy + 50}, {cx + k * 40, cy + 150}, {cx + k * 62, cy + 220},
                                    {cx + k * 62 + side * 34, cy + 200});
        page.shape(ribbon(centre, 50, 16));
    }
    page.shape(ellipse(cx, cy - 20, 130, 120));
    for (double x : {cx - 45, cx + 45}) {
        page.shape(circle(x, cy, 28));
        page.blot(circle(x + 6, cy + 4, 13));
    }
    page.stroke(arc(cx, cy + 45, 30, 18, 20, 160));
    page.shape(circle(cx - 60, cy - 80, 16));
    for (Point b : {Point{520, 150}, Point{550, 100}, Point{530, 60}, Point{140, 130}, Point{120, 80}})
        page.shape(circle(b.x, b.y, 8 + std::fmod(b.x, 7)));
}
