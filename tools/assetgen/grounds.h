// The three 640x480 grounds the figure stands on, floor at the bottom edge,
// kept calm and mid-toned so that the figure and the red blood stand out.
// main writes them as gnd/biru.bmp, gnd/n_nest.bmp and gnd/sakamiti.bmp.
#pragma once
#include "image.h"

constexpr int kGroundWidth = 640;
constexpr int kGroundHeight = 480;

Image paintCityStreet();  // buildings along a street at dusk
Image paintNest();        // a twig nest in an earthen den
Image paintSlopeStreet(); // houses along a street climbing a hill
