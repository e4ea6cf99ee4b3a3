#pragma once

#include "Page.h"

// Each picture draws itself onto a blank page; the frame and the tidying of
// tiny areas come afterwards, the same for all.
struct Picture {
    const char* fileName;
    void (*draw)(Page&);
};

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

inline constexpr Picture kPictures[] = {
    {"cat.bmp", drawCat},         {"puppy.bmp", drawPuppy},
    {"owl.bmp", drawOwl},         {"butterfly.bmp", drawButterfly},
    {"elephant.bmp", drawElephant}, {"dinosaur.bmp", drawDinosaur},
    {"house.bmp", drawHouse},     {"castle.bmp", drawCastle},
    {"train.bmp", drawTrain},     {"sailboat.bmp", drawSailingBoat},
    {"sea.bmp", drawSea},         {"space.bmp", drawSpace},
    {"flowers.bmp", drawFlowers}, {"tree.bmp", drawTree},
};
