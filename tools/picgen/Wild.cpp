#include "Motifs.h"
#include "Pictures.h"

void drawLion(Page& page) {
    drawSun(page, 600, 80, 40);
    drawCloud(page, 110, 70, 140);
    page.stroke({{0, 470}, {685, 470}});
    drawGrassTufts(page, 470, {40, 130, 560, 650});

    page.shape(ribbon(cubic({440, 400}, {520, 420}, {540, 360}, {560, 300}), 12, 8));
    page.shape(leaf({558, 306}, {575, 255}, 16));
    page.shape(ellipse(350, 390, 120, 90));
    for (double x : {290.0, 410.0}) {
        page.shape(ellipse(x, 470, 45, 28));
        for (double dx : {-14.0, 0.0, 14.0})
            page.stroke({{x + dx, 460}, {x + dx, 482}});
    }
    page.shape(scalloped(340, 210, 135, 125, 14, 0.12));
    page.shape(circle(250, 120, 28));
    page.shape(circle(430, 120, 28));
    page.shape(circle(340, 215, 100));
    page.blot(circle(305, 195, 10));
    page.blot(circle(375, 195, 10));
    page.shape(ellipse(315, 262, 30, 24));
    page.shape(ellipse(365, 262, 30, 24));
    page.blot(Path({322, 232}).lineTo({358, 232}).lineTo({340, 252}));
    for (double side : {-1.0, 1.0})
        for (double dy : {-6.0, 8.0})
            page.stroke({{340 + side * 50, 262 + dy}, {340 + side * 95, 255 + dy * 2}});
}

void drawGiraffe(Page& page) {
    drawSun(page, 90, 80, 40);
    drawCloud(page, 300, 60, 120);
    page.stroke({{0, 480}, {685, 480}});
    drawGrassTufts(page, 480, {40, 360, 640});

    page.shape(Path({560, 480}).lineTo({570, 300}).lineTo({590, 300}).lineTo({600, 480}));
    page.shape(scalloped(580, 250, 85, 50, 9, 0.12));

    for (double x : {160.0, 215.0, 330.0, 385.0})
        page.shape(roundedRect(x - 14, 330, x + 14, 490, 6));
    page.shape(ribbon(cubic({160, 290}, {110, 310}, {100, 360}, {95, 400}), 8, 5));
    page.shape(leaf({95, 395}, {92, 435}, 10));
    page.shape(ribbon(quad({330, 290}, {390, 200}, {430, 130}), 74, 44));
    for (Point p : {Point{364, 233}, Point{390, 195}, Point{413, 158}})
        page.shape(ellipse(p.x, p.y, 12, 14));
    const Points body = ellipse(270, 300, 140, 72);
    page.shape(body);
    for (Point p :
         {Point{190, 285}, Point{255, 325}, Point{300, 270}, Point{175, 330}, Point{235, 255}, Point{345, 310}})
        page.shape(ellipse(p.x, p.y, 20, 15));

    for (double x : {430.0, 460.0}) {
        page.stroke({{x, 100}, {x - 4, 62}});
        page.blot(circle(x - 4, 60, 7));
    }
    page.shape(leaf({425, 110}, {385, 92}, 12));
    page.shape(ellipse(470, 122, 52, 30, 20));
    page.blot(circle(458, 108, 7));
    page.blot(circle(505, 139, 4));
}

void drawTurtle(Page& page) {
    drawSun(page, 590, 85, 42);
    drawCloud(page, 150, 80, 160);
    page.stroke({{0, 450}, {685, 450}});
    drawGrassTufts(page, 450, {40, 640});
    drawFlower(page, 600, 370, 34, 6, 450);

    for (double x : {200.0, 270.0, 380.0, 450.0})
        page.shape(ellipse(x, 440, 30, 36));
    page.shape(Path({140, 400}).lineTo({100, 420}).lineTo({150, 425}));
    page.shape(ellipse(560 - 30, 330, 60, 45, -10));
    page.blot(circle(545, 315, 8));
    page.stroke(arc(548, 340, 24, 12, 30, 140));
    page.shape(roundedRect(130, 380, 500, 430, 25));
    const Points shell = Path({140, 400}).cubicTo({140, 170}, {490, 170}, {490, 400}).lineTo({140, 400});
    page.shape(shell);
    page.shape(Path({270, 280}).lineTo({360, 280}).lineTo({380, 330}).lineTo({315, 370})
                   .lineTo({250, 330}).lineTo({270, 280}));
    for (Points line : {Points{{270, 280}, {240, 220}}, Points{{360, 280}, {390, 220}}, Points{{250, 330}, {150, 350}},
                        Points{{380, 330}, {480, 350}}, Points{{315, 370}, {315, 400}}})
        page.strokeInside(line, shell);
}
