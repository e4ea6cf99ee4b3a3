#include "Motifs.h"
#include "Pictures.h"

void drawDragon(Page& page) {
    drawCloud(page, 120, 70, 140);
    drawSun(page, 600, 70, 32);
    page.stroke({{0, 480}, {685, 480}});
    drawGrassTufts(page, 480, {40, 640});

    const Point root{270, 300}, tip{230, 80};
    const Point dips[] = {{300, 150}, {345, 185}, {375, 235}};
    const Points wing = Path(root).quadTo({200, 200}, tip).quadTo({267, 170}, dips[0]).quadTo({307, 207}, dips[1])
                            .quadTo({333, 237}, dips[2]).lineTo({380, 300});
    page.shape(wing);
    for (Point d : dips)
        page.strokeInside({root, d}, wing);
    page.shape(ribbon(cubic({220, 400}, {120, 420}, {90, 380}, {60, 330}), 60, 14));
    page.shape(Path({62, 340}).lineTo({30, 300}).lineTo({75, 290}).lineTo({68, 330}));
    for (double x : {230.0, 370.0}) {
        page.shape(roundedRect(x - 28, 380, x + 28, 490, 12));
        for (double dx : {-14.0, 0.0, 14.0})
            page.shape(Path({x + dx - 5, 490}).lineTo({x + dx, 500}).lineTo({x + dx + 5, 490}));
    }
    page.shape(ribbon(quad({370, 350}, {450, 320}, {465, 210}), 64, 46));
    page.shape(ellipse(300, 370, 130, 85));
    const Points belly = ellipse(320, 395, 70, 50);
    page.shape(belly);
    for (double y : {370.0, 395.0, 420.0})
        page.strokeInside({{240, y}, {400, y}}, belly);
    page.shape(Path({440, 160}).lineTo({430, 115}).lineTo({460, 150}));
    page.shape(Path({480, 150}).lineTo({490, 105}).lineTo({500, 150}));
    page.shape(roundedRect(430, 150, 560, 225, 30));
    page.blot(circle(480, 178, 8));
    page.blot(circle(545, 185, 4));
    page.stroke(arc(510, 205, 30, 10, 20, 150));
    for (Point p : {Point{600, 210}, Point{625, 190}, Point{650, 215}})
        page.shape(circle(p.x, p.y, 12));
}

void drawUnicorn(Page& page) {
    for (double r : {290.0, 250.0, 210.0})
        page.stroke(arc(340, 330, r + 290 - 250, r, 180, 360));
    drawCloud(page, 80, 320, 140);
    drawCloud(page, 600, 320, 140);
    page.stroke({{0, 480}, {685, 480}});
    drawGrassTufts(page, 480, {200, 330, 460});

    const Points tail = ribbon(cubic({210, 300}, {130, 280}, {120, 370}, {150, 430}), 50, 14);
    page.shape(tail);
    for (double dx : {-10.0, 10.0})
        page.strokeInside(cubic({200, 300 + dx}, {140, 290 + dx}, {135 + dx, 360}, {150 + dx, 420}), tail);
    for (double x : {240.0, 290.0, 380.0, 430.0}) {
        page.shape(roundedRect(x - 19, 330, x + 19, 470, 8));
        page.blot(rect(x - 19, 456, x + 19, 470));
    }
    page.shape(ribbon(quad({400, 300}, {440, 240}, {450, 190}), 70, 56));
    for (Point p : {Point{375, 280}, Point{385, 240}, Point{395, 200}, Point{408, 160}})
        page.shape(leaf({p.x + 12, p.y - 10}, {p.x - 42, p.y + 36}, 16));
    page.shape(ellipse(330, 320, 135, 70));
    const Points horn = Path({440, 145}).lineTo({470, 60}).lineTo({478, 150});
    page.shape(horn);
    page.strokeInside({{445, 125}, {470, 118}}, horn);
    page.strokeInside({{452, 100}, {472, 94}}, horn);
    page.shape(leaf({432, 150}, {420, 112}, 10));
    page.shape(roundedRect(420, 140, 540, 215, 32));
    page.blot(circle(470, 168, 7));
    page.blot(circle(528, 196, 3));
}

void drawRobot(Page& page) {
    for (Point p : {Point{70, 70}, Point{610, 80}, Point{80, 430}, Point{610, 420}})
        page.shape(star(p.x, p.y, 22, 10));
    page.stroke({{0, 500}, {685, 500}});

    page.stroke({{340, 60}, {340, 100}});
    page.shape(circle(340, 54, 12));
    for (double x : {270.0, 380.0})
        page.shape(roundedRect(x, 400, x + 40, 490, 8));
    page.shape(roundedRect(250, 480, 330, 505, 10));
    page.shape(roundedRect(360, 480, 440, 505, 10));
    for (double side : {-1.0, 1.0}) {
        page.shape(ribbon(Points{{340 + side * 110, 250}, {340 + side * 160, 340}}, 34, 34));
        const double hand = 340 + side * 162;
        page.shape(Path({hand - 22, 360}).arcTo(hand, 360, 22, 180, 360).lineTo({hand - 22, 360}));
    }
    const Points body = roundedRect(230, 220, 450, 410, 16);
    page.shape(body);
    page.shape(roundedRect(270, 260, 410, 350, 10));
    for (double x : {300.0, 340.0, 380.0})
        page.shape(circle(x, 285, 12));
    page.shape(roundedRect(290, 315, 390, 335, 6));
    page.shape(rect(320, 200, 360, 222));
    page.shape(roundedRect(250, 100, 430, 200, 20));
    page.shape(roundedRect(236, 130, 252, 170, 6));
    page.shape(roundedRect(428, 130, 444, 170, 6));
    page.shape(circle(300, 145, 22));
    page.blot(circle(300, 145, 9));
    page.shape(circle(380, 145, 22));
    page.blot(circle(380, 145, 9));
    const Points mouth = roundedRect(300, 172, 380, 190, 6);
    page.shape(mouth);
    for (double x : {320.0, 340.0, 360.0})
        page.strokeInside({{x, 170}, {x, 192}}, mouth);
}
