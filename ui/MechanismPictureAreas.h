#pragma once

// Click areas laid over the mechanism drawings (resources/pictures/mechanism<page>.jpg).
struct PictureArea {
    int page;
    int tag;
    int x, y, w, h;
    const char *hint;
};

// all 60 areas, page 1..7, tag = page*100 + code (or 0), rectangle in picture pixels
extern const PictureArea kPictureAreas[];
extern const int kPictureAreaCount;
