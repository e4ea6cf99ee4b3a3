#include "Motifs.h"
#include "Pictures.h"

void drawHouse(Page& page) {
    drawSun(page, 600, 80, 40);
    drawCloud(page, 170, 60, 130);
    drawFlyingBird(page, 470, 50, 40);
    drawFlyingBird(page, 500, 90, 30);
    page.stroke({{0, 440}, {685, 440}});

    page.shape(ribbon(quad({95, 446}, {88, 360}, {98, 250}), 40, 26));
    const Points crown = scalloped(98, 200, 80, 70, 9, 0.12);
    page.shape(crown);
    for (Point p : {Point{70, 170}, Point{125, 160}, Point{100, 225}, Point{50, 225}, Point{150, 215}})
        page.shape(circle(p.x, p.y, 13));

    for (double y : {370.0, 405.0})
        page.shape(rect(470, y, 690, y + 12));
    for (double x = 480; x < 685; x += 34)
        page.shape(Path({x, 446}).lineTo({x, 360}).lineTo({x + 11, 345}).lineTo({x + 22, 360}).lineTo({x + 22, 446}));

    page.shape(rect(378, 105, 412, 190));
    page.shape(rect(370, 92, 420, 108));
    page.shape(rect(195, 225, 445, 442));
    page.shape(Path({168, 238}).lineTo({320, 110}).lineTo({472, 238}));
    const Points attic = circle(320, 188, 24);
    page.shape(attic);
    page.strokeInside({{296, 188}, {344, 188}}, attic);
    page.strokeInside({{320, 164}, {320, 212}}, attic);

    page.shape(Path({290, 442}).lineTo({290, 360}).arcTo(320, 360, 30, 180, 360).lineTo({350, 442}));
    page.blot(circle(338, 400, 5));
    for (double x : {215.0, 365.0}) {
        const Points window = rect(x, 268, x + 60, 328);
        page.shape(window);
        page.strokeInside({{x + 30, 268}, {x + 30, 328}}, window);
        page.strokeInside({{x, 298}, {x + 60, 298}}, window);
        page.shape(rect(x - 6, 328, x + 66, 346));
    }
    page.stroke(quad({290, 442}, {270, 500}, {235, 556}));
    page.stroke(quad({350, 442}, {370, 500}, {405, 556}));
    for (double y : {470.0, 505.0, 540.0})
        page.stroke({{320 - (y - 442) * 0.38 - 4, y}, {320 + (y - 442) * 0.38 + 4, y}});

    drawFlower(page, 520, 495, 24, 6, 560);
    drawFlower(page, 610, 492, 28, 8, 560);
    drawFlower(page, 150, 495, 26, 7, 560);
    drawGrassTufts(page, 556, {30, 440, 660});
}

void drawCastle(Page& page) {
    drawCloud(page, 110, 70, 130);
    drawCloud(page, 570, 60, 150);
    drawFlyingBird(page, 250, 60, 36);
    drawFlyingBird(page, 440, 50, 28);
    page.shape(Path({0, 455}).quadTo({342, 380}, {685, 455}).lineTo({685, 556}).lineTo({0, 556}));

    page.shape(battlements(150, 280, 535, 470, 9, 22));
    for (double x : {175.0, 510.0}) {
        page.shape(battlements(x - 50, 210, x + 50, 470, 3, 20));
        page.shape(Path({x - 58, 192}).lineTo({x, 85}).lineTo({x + 58, 192}));
        page.stroke({{x, 85}, {x, 42}});
        page.shape(Path({x, 42}).lineTo({x + 40, 54}).lineTo({x, 66}));
        page.shape(Path({x - 14, 300}).lineTo({x - 14, 270}).arcTo(x, 270, 14, 180, 360).lineTo({x + 14, 300}));
        page.shape(Path({x - 14, 390}).lineTo({x - 14, 360}).arcTo(x, 360, 14, 180, 360).lineTo({x + 14, 390}));
    }
    page.shape(battlements(262, 175, 423, 470, 4, 22));
    page.stroke({{342.5, 153}, {342.5, 90}});
    page.shape(Path({342.5, 90}).lineTo({392, 104}).lineTo({342.5, 118}));
    page.shape(circle(342.5, 230, 26));

    const Points gate = Path({295, 470}).lineTo({295, 400}).arcTo(342.5, 400, 47.5, 180, 360).lineTo({390, 470});
    page.shape(gate);
    for (double x = 314; x < 380; x += 19)
        page.strokeInside({{x, 340}, {x, 470}}, gate);
    for (double y = 395; y < 470; y += 25)
        page.strokeInside({{290, y}, {395, y}}, gate);
    for (Point p : {Point{215, 330}, Point{455, 330}, Point{228, 410}, Point{445, 410}})
        page.shape(roundedRect(p.x - 12, p.y - 8, p.x + 12, p.y + 8, 3));
    page.shape(Path({250, 556}).quadTo({300, 500}, {295, 470}).lineTo({390, 470}).quadTo({385, 500}, {435, 556}));
}
