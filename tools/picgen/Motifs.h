#pragma once

#include "Page.h"

#include <initializer_list>

// Small pieces of scenery that several pictures share.
void drawSun(Page& page, double cx, double cy, double r);
void drawCloud(Page& page, double cx, double cy, double width);
void drawGrassTufts(Page& page, double groundY, std::initializer_list<double> xs);
void drawFlyingBird(Page& page, double cx, double cy, double span);
// A round flower on a stem that ends at groundY.
void drawFlower(Page& page, double cx, double cy, double r, int petals, double groundY);
// A wavy line right across, for water.
void drawWaves(Page& page, double y, double amplitude, double wavelength, double x0 = 0, double x1 = 685);
// A swaying frond standing on y = 500, `width` across at its foot.
void drawSeaweed(Page& page, double x, double height, double width);
// A wheel with a black hub; big ones get spokes.
void drawWheel(Page& page, double cx, double cy, double r);
// Ground, sand or water from a gently wavy edge at height y down past the bottom.
Points wavyGround(double y, double amplitude, double wavelength);
