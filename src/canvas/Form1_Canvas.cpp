#include "app/Form1.h"

// PLACEHOLDER: the painting handlers are being built.
void Form1::Picture1_MouseDown(std::int16_t, std::int16_t, float, float) {}
void Form1::Picture1_MouseMove(std::int16_t, std::int16_t, float, float) {}
void Form1::Picture1_MouseUp(std::int16_t, std::int16_t, float, float) {}
void Form1::PutPixel(float, float, Colour) {}
