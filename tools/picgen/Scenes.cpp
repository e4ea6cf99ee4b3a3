#include "Motifs.h"
#include "Pictures.h"

#include <cmath>

namespace {

void drawFish(Page& page, double x, double y, double s, bool facingRight) {
    auto at = [&](const Points& p) { return placed(p, x, y, s, facingRight); };
    page.shape(at(Path({45, 0}).lineTo({95, -35}).quadTo({82, 0}, {95, 35})));
    page.shape(at(Path({-20, -30}).quadTo({0, -62}, {30, -48}).lineTo({25, -25})));
    const Points body = at(ellipse(0, 0, 60, 36));
    page.shape(body);
    page.strokeInside(at(arc(-70, 0, 70, 70, -35, 35)), body);
    page.strokeInside(at(arc(-45, 0, 70, 70, -35, 35)), body);
    page.shape(at(circle(-34, -8, 11)));
    page.blot(at(circle(-36, -8, 5)));
    page.stroke(at(arc(-50, 10, 8, 6, 0, 120)));
}

void drawCrab(Page& page, double x, double y) {
    for (double side : {-1.0, 1.0}) {
        for (double k : {0.0, 1.0, 2.0})
            page.stroke(quad({x + side * 25, y + 2 + k * 7}, {x + side * 48, y + k * 9}, {x + side * 52, y + 18 + k * 8}));
        page.stroke(quad({x + side * 22, y - 14}, {x + side * 40, y - 30}, {x + side * 44, y - 42}));
        page.shape(Path({x + side * 44, y - 50}).arcTo(x + side * 44, y - 50, 17, -50, 230));
        page.stroke({{x + side * 10, y - 20}, {x + side * 12, y - 36}});
        page.shape(circle(x + side * 12, y - 40, 7));
        page.blot(circle(x + side * 12, y - 40, 3));
    }
    page.shape(ellipse(x, y, 36, 22));
    page.stroke(arc(x, y - 2, 12, 8, 20, 160));
}

void drawJellyfish(Page& page, double x, double y) {
    for (double dx : {-22.0, -8.0, 8.0, 22.0}) {
        Points tentacle;
        for (double t = 0; t <= 60; t += 1)
            tentacle.push_back({x + dx + 5 * std::sin(t / 7 + dx), y + t});
        page.stroke(tentacle);
    }
    page.shape(Path({x - 38, y}).arcTo(x, y, 38, 180, 360).quadTo({x + 30, y + 10}, {x + 19, y + 2})
                   .quadTo({x + 10, y + 12}, {x, y + 3}).quadTo({x - 10, y + 12}, {x - 19, y + 2})
                   .quadTo({x - 30, y + 10}, {x - 38, y}));
    page.blot(circle(x - 12, y - 14, 4));
    page.blot(circle(x + 12, y - 14, 4));
    page.stroke(arc(x, y - 10, 8, 6, 30, 150));
}

}  // namespace

void drawSea(Page& page) {
    drawWaves(page, 40, 6, 80);
    Points sand;
    for (double x = 0; x <= 685; x += 1)
        sand.push_back({x, 470 + 12 * std::sin(x / 60)});
    sand.push_back({685, 556});
    sand.push_back({0, 556});

    const double weedXs[] = {70, 130, 600, 640};
    for (double wx : weedXs)
        drawSeaweed(page, wx, wx > 300 ? 300 : 250, 24);
    page.shape(scalloped(520, 470, 70, 40, 5, 0.15));
    page.shape(sand);
    page.shape(star(560, 505, 38, 17));
    page.shape(Path({230, 520}).arcTo(260, 520, 30, 180, 360));
    for (double a : {-150.0, -120.0, -90.0, -60.0, -30.0}) {
        const double r = radians(a);
        page.stroke({{260, 520}, {260 + 29 * std::cos(r), 520 + 29 * std::sin(r)}});
    }
    drawCrab(page, 400, 508);
    drawJellyfish(page, 330, 370);

    drawFish(page, 270, 230, 1.4, false);
    drawFish(page, 520, 130, 0.8, true);
    drawFish(page, 490, 330, 0.9, false);
    drawFish(page, 140, 400, 0.7, true);
    for (Point b : {Point{170, 200}, Point{150, 160}, Point{160, 110}, Point{420, 100}, Point{190, 60}})
        page.shape(circle(b.x, b.y, 6 + std::fmod(b.x, 9)));
}

void drawSpace(Page& page) {
    const Point stars[] = {{60, 60}, {260, 40}, {380, 120}, {620, 250}, {40, 260}, {290, 330},
                           {640, 480}, {500, 40}, {220, 220}};
    for (std::size_t i = 0; i < std::size(stars); ++i)
        {
        const double size = static_cast<double>(i % 3);
        page.shape(star(stars[i].x, stars[i].y, 14 + 4 * size, 6 + 2 * size));
    }

    page.shape(circle(580, 90, 55));
    page.shape(circle(560, 70, 12));
    page.shape(circle(600, 115, 16));
    page.shape(circle(610, 65, 8));

    const Points ring = ellipse(150, 150, 120, 32, -15);
    page.shape(ring);
    page.outline(ellipse(150, 150, 88, 20, -15));
    page.shape(circle(150, 150, 62));
    Points front = rotated(arc(150, 150, 120, 32, 0, 180), 150, 150, -15);
    const Points inner = rotated(arc(150, 150, 88, 20, 180, 0), 150, 150, -15);
    front.insert(front.end(), inner.begin(), inner.end());
    page.shape(front);
    const Points planet = circle(150, 150, 62);
    page.strokeInside(arc(150, 60, 120, 70, 60, 120), planet);

    const Points earth = circle(110, 560, 150);
    page.shape(earth);
    page.shape(scalloped(60, 460, 40, 28, 6, 0.2));
    page.shape(scalloped(170, 500, 45, 30, 5, 0.2));

    auto at = [](const Points& p) { return rotated(placed(p, 440, 300), 440, 300, 30); };
    page.shape(at(Path({-28, 95}).lineTo({0, 200}).lineTo({28, 95})));
    page.shape(at(Path({-18, 95}).lineTo({0, 160}).lineTo({18, 95})));
    page.shape(at(Path({-40, 20}).lineTo({-85, 110}).lineTo({-36, 90})));
    page.shape(at(Path({40, 20}).lineTo({85, 110}).lineTo({36, 90})));
    page.shape(at(Path({-30, 80}).lineTo({30, 80}).lineTo({38, 100}).lineTo({-38, 100})));
    const Points body = at(Path({0, -170}).cubicTo({55, -120}, {55, -20}, {42, 88})
                               .lineTo({-42, 88}).cubicTo({-55, -20}, {-55, -120}, {0, -170}));
    page.shape(body);
    page.strokeInside(at(arc(0, -40, 60, 40, 200, 340)), body);
    page.strokeInside(at({{-60, 55}, {60, 55}}), body);
    page.shape(at(circle(0, -20, 26)));
    page.shape(at(circle(0, -20, 17)));
}
