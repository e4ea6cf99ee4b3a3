#pragma once

#include "Page.h"

#include <vector>

// Each picture draws itself onto a blank page; the frame and the tidying of
// tiny areas come afterwards, the same for all. `apart` names white points
// that must lie in different areas, so a fill from one never reaches another
// (the sky and the animal's body, say); the tests read them from here.
struct Picture {
    const char* fileName;
    void (*draw)(Page&);
    std::vector<Point> apart;
};

// Every shipped picture, in no particular order.
const std::vector<Picture>& allPictures();

// The finished page: drawn, framed and tidied, as it is written to pics/.
Page finished(const Picture& picture);

void drawCat(Page& page);
void drawPuppy(Page& page);
void drawOwl(Page& page);
void drawButterfly(Page& page);
void drawElephant(Page& page);
void drawDinosaur(Page& page);
void drawHouse(Page& page);
void drawCastle(Page& page);
void drawTrain(Page& page);
void drawSailingBoat(Page& page);
void drawSea(Page& page);
void drawSpace(Page& page);
void drawFlowers(Page& page);
void drawTree(Page& page);

void drawCow(Page& page);
void drawPig(Page& page);
void drawHen(Page& page);
void drawLion(Page& page);
void drawGiraffe(Page& page);
void drawTurtle(Page& page);
void drawWhale(Page& page);
void drawOctopus(Page& page);
void drawJungle(Page& page);
void drawFireEngine(Page& page);
void drawTractor(Page& page);
void drawAeroplane(Page& page);
void drawBicycle(Page& page);
void drawSnowman(Page& page);
void drawAutumn(Page& page);
void drawGarden(Page& page);
void drawBeach(Page& page);
void drawCake(Page& page);
void drawFruitBowl(Page& page);
void drawBalloons(Page& page);
void drawDragon(Page& page);
void drawUnicorn(Page& page);
void drawRobot(Page& page);
void drawRabbit(Page& page);
