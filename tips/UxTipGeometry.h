// UxTipGeometry.h: the plain sizes, points and rectangles that the tooltip's portable parts (markup
// layout and placement) work in, so that they build without Windows.
#pragma once

struct UxTipSize
{
    int cx = 0;
    int cy = 0;
};

struct UxTipPoint
{
    int x = 0;
    int y = 0;
};

struct UxTipRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
