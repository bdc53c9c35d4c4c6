// For people checking the pictures (the --preview option): the figure of
// a sheet linked and drawn over a ground, where the game puts it at the
// start of a stage. Not part of the data set.
#pragma once
#include "figure.h"
#include "image.h"

Image linkedFigureOver(const Image& ground, const RenderedFigure& figure);
