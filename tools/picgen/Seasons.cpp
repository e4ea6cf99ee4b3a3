#include "Motifs.h"
#include "Pictures.h"

#include <cmath>

namespace {

// A chunky six-armed flake, small enough to be a detail.
void drawSnowflake(Page& page, double cx, double cy, double r) {
    for (int i = 0; i < 3; ++i)
        page.shape(rotated(roundedRect(cx - r, cy - 3, cx + r, cy + 3, 3), cx, cy, 60.0 * i + 90));
    page.shape(circle(cx, cy, r * 0.35));
}

}  // namespace

void drawSnowman(Page& page) {
    page.shape(wavyGround(450, 10, 300));
    for (Point p : {Point{70, 70}, Point{200, 140}, Point{560, 60}, Point{620, 200}, Point{90, 300}, Point{600, 340}})
        drawSnowflake(page, p.x, p.y, 18);

    page.shape(ribbon(Points{{270, 280}, {170, 210}}, 8, 8));
    page.shape(ribbon(Points{{410, 280}, {510, 210}}, 8, 8));
    page.shape(circle(340, 400, 110));
    page.shape(circle(340, 255, 80));
    for (double y : {210.0, 250.0, 290.0, 370.0, 410.0})
        page.blot(circle(340, y + 25, 8));
    page.shape(circle(340, 140, 62));
    page.shape(Path({360, 205}).lineTo({500, 210}).lineTo({360, 225}));
    page.shape(Path({240, 185}).quadTo({340, 215}, {440, 185}).lineTo({442, 205}).quadTo({340, 235}, {238, 205}));
    page.shape(rect(360, 200, 392, 262));
    page.shape(roundedRect(260, 88, 420, 104, 6));
    page.shape(rect(285, 10, 395, 92));
    page.blot(circle(318, 128, 8));
    page.blot(circle(362, 128, 8));
    page.shape(Path({340, 145}).lineTo({400, 155}).lineTo({340, 162}));
}

void drawAutumn(Page& page) {
    drawSun(page, 600, 70, 34);
    drawCloud(page, 380, 60, 120);
    page.stroke({{0, 470}, {685, 470}});

    page.shape(Path({120, 480}).quadTo({160, 440}, {165, 380}).lineTo({160, 220}).lineTo({230, 220})
                   .lineTo({225, 380}).quadTo({230, 440}, {280, 480}));
    page.shape(scalloped(195, 150, 150, 95, 11, 0.12));
    for (Point p : {Point{120, 130}, Point{200, 90}, Point{270, 150}, Point{170, 190}})
        page.shape(leaf({p.x - 22, p.y + 12}, {p.x + 22, p.y - 12}, 14));
    page.shape(Path({300, 470}).quadTo({420, 380}, {560, 470}));
    const Point falling[] = {{420, 200}, {470, 260}, {560, 200}, {380, 300}, {620, 330}, {90, 330}};
    for (std::size_t i = 0; i < std::size(falling); ++i) {
        const Point p = falling[i];
        const double a = 50.0 * static_cast<double>(i);
        const double c = std::cos(radians(a)), s = std::sin(radians(a));
        page.stroke({{p.x - 36 * c, p.y - 36 * s}, {p.x - 48 * c, p.y - 48 * s}});
        const Points shape = leaf({p.x - 36 * c, p.y - 36 * s}, {p.x + 36 * c, p.y + 36 * s}, 30);
        page.shape(shape);
        page.strokeInside({{p.x - 36 * c, p.y - 36 * s}, {p.x + 28 * c, p.y + 28 * s}}, shape);
    }
    for (Point p : {Point{360, 455}, Point{420, 440}, Point{480, 455}, Point{600, 500}, Point{70, 510}}) {
        page.shape(ellipse(p.x, p.y + 4, 14, 16));
        page.shape(Path({p.x - 16, p.y - 4}).arcTo(p.x, p.y - 4, 16, 180, 360).lineTo({p.x - 16, p.y - 4}));
        page.stroke({{p.x, p.y - 20}, {p.x + 3, p.y - 28}});
    }
}

void drawGarden(Page& page) {
    drawSun(page, 80, 75, 38);
    drawCloud(page, 420, 70, 140);
    page.stroke({{0, 440}, {685, 440}});

    page.shape(rect(560, 240, 574, 440));
    page.shape(Path({520, 190}).lineTo({567, 140}).lineTo({614, 190}));
    page.shape(rect(530, 190, 604, 250));
    page.blot(circle(567, 218, 14));

    for (double x : {70.0, 160.0, 250.0})
        drawFlower(page, x, 300 + std::fmod(x, 3) * 10, 34, 6 + static_cast<int>(x) % 3, 440);
    for (double x : {340.0, 400.0, 460.0}) {
        page.stroke(Points{{x, 440}, {x, 400}});
        page.shape(leaf({x, 402}, {x - 26, 384}, 9));
        page.shape(leaf({x, 402}, {x + 26, 384}, 9));
    }

    const Points can = Path({380, 480}).lineTo({520, 480}).lineTo({510, 545}).lineTo({390, 545});
    page.shape(ribbon(arc(450, 480, 50, 40, 180, 360), 12, 12));
    page.shape(Path({510, 500}).lineTo({600, 450}).lineTo({610, 462}).lineTo({515, 525}));
    page.shape(ellipse(608, 455, 8, 16, 30));
    page.shape(can);
    page.strokeInside({{380, 505}, {520, 505}}, can);
}

void drawBeach(Page& page) {
    drawSun(page, 90, 80, 40);
    drawCloud(page, 520, 70, 140);
    drawFlyingBird(page, 300, 80, 40);
    page.shape(wavyGround(250, 4, 40));
    drawWaves(page, 300, 5, 60);
    page.shape(wavyGround(350, 8, 240));
    page.shape(Path({100, 150}).lineTo({120, 210}).lineTo({80, 210}).lineTo({100, 150}));
    page.shape(Path({80, 230}).lineTo({180, 230}).lineTo({165, 255}).lineTo({95, 255}));

    page.shape(rect(438, 170, 448, 470));
    const Points umbrella = Path({320, 200}).quadTo({440, 80}, {570, 200}).lineTo({320, 200});
    page.shape(umbrella);
    for (double x : {400.0, 490.0})
        page.strokeInside({{443, 110}, {x, 200}}, umbrella);

    page.shape(roundedRect(100, 400, 240, 500, 6));
    page.shape(rect(130, 350, 210, 400));
    page.shape(battlements(100, 400, 240, 402, 4, 20));
    page.shape(battlements(130, 350, 210, 352, 3, 18));
    page.shape(Path({160, 500}).lineTo({160, 455}).arcTo(170, 455, 10, 180, 360).lineTo({180, 500}));

    page.shape(Path({560, 420}).lineTo({620, 420}).lineTo({610, 500}).lineTo({570, 500}));
    page.shape(ribbon(arc(590, 420, 30, 30, 180, 360), 8, 8));
    const Points ball = circle(330, 470, 44);
    page.shape(ball);
    page.strokeInside(arc(330, 420, 30, 100, 0, 180), ball);
    page.strokeInside(arc(330, 520, 30, 100, 180, 360), ball);
    page.shape(star(490, 510, 26, 12));
}
