#include "ui/MechanismPictureAreas.h"

// Two areas per drawn part: the first covers the part in the drawing, the second
// its symbol tag. Codes: 11 reducer, 12 coupling shaft, 13 coupling, 14 roller,
// 22 gear ratio (page 4: the reducer's own ratio); tag 0 marks 1/RM on pages 6
// and 7. Rectangles match the coordinates in resources/art/mechanism<page>.svg;
// scripts/preview-areas.sh draws them over the pictures for checking.
const PictureArea kPictureAreas[] = {
    // 1 ball screw
    {1, 111, 139, 194, 30, 32, "Reducer JR"},
    {1, 111, 136, 236, 22, 14, "Reducer JR"},
    {1, 112, 190, 203, 58, 14, "Coupling shaft JS"},
    {1, 112, 215, 236, 22, 14, "Coupling shaft JS"},
    {1, 113, 172, 200, 16, 20, "Coupling JC"},
    {1, 113, 169, 236, 22, 14, "Coupling JC"},
    {1, 122, 314, 78, 20, 150, "Gear ratio 1/RM"},
    {1, 122, 270, 160, 34, 14, "Gear ratio 1/RM"},
    // 2 rack and pinion
    {2, 211, 95, 133, 30, 34, "Reducer JR"},
    {2, 211, 104, 206, 22, 14, "Reducer JR"},
    {2, 212, 146, 143, 28, 14, "Coupling shaft JS"},
    {2, 212, 149, 206, 22, 14, "Coupling shaft JS"},
    {2, 213, 128, 140, 16, 20, "Coupling JC"},
    {2, 213, 125, 180, 22, 14, "Coupling JC"},
    {2, 222, 176, 134, 48, 36, "Gear ratio 1/RM"},
    {2, 222, 240, 143, 34, 14, "Gear ratio 1/RM"},
    // 3 roll feed
    {3, 311, 79, 169, 30, 34, "Reducer JR"},
    {3, 311, 87, 236, 22, 14, "Reducer JR"},
    {3, 312, 130, 179, 28, 14, "Coupling shaft JS"},
    {3, 312, 133, 236, 22, 14, "Coupling shaft JS"},
    {3, 313, 112, 176, 16, 20, "Coupling JC"},
    {3, 313, 109, 212, 22, 14, "Coupling JC"},
    {3, 314, 160, 36, 60, 60, "Roller JRO"},
    {3, 314, 238, 64, 30, 14, "Roller JRO"},
    {3, 322, 160, 170, 60, 36, "Gear ratio 1/RM"},
    {3, 322, 232, 190, 34, 14, "Gear ratio 1/RM"},
    // 4 rotary table: the worm reducer under the table carries 1/RN
    {4, 411, 156, 154, 38, 60, "Reducer JR"},
    {4, 411, 164, 230, 22, 14, "Reducer JR"},
    {4, 412, 131, 182, 24, 14, "Coupling shaft JS"},
    {4, 412, 133, 236, 22, 14, "Coupling shaft JS"},
    {4, 413, 114, 179, 16, 20, "Coupling JC"},
    {4, 413, 111, 214, 22, 14, "Coupling JC"},
    {4, 422, 196, 160, 42, 48, "Reducer ratio 1/RN"},
    {4, 422, 254, 183, 34, 14, "Reducer ratio 1/RN"},
    // 5 wheel cart
    {5, 511, 139, 136, 30, 32, "Reducer JR"},
    {5, 511, 146, 176, 22, 14, "Reducer JR"},
    {5, 512, 190, 145, 30, 14, "Coupling shaft JS"},
    {5, 512, 190, 176, 22, 14, "Coupling shaft JS"},
    {5, 513, 172, 142, 16, 20, "Coupling JC"},
    {5, 513, 174, 116, 22, 14, "Coupling JC"},
    {5, 522, 222, 128, 44, 48, "Gear ratio 1/RM"},
    {5, 522, 272, 136, 34, 14, "Gear ratio 1/RM"},
    // 6 conveyor
    {6, 611, 195, 198, 30, 32, "Reducer JR"},
    {6, 611, 202, 170, 22, 14, "Reducer JR"},
    {6, 612, 246, 207, 28, 14, "Coupling shaft JS"},
    {6, 612, 249, 238, 22, 14, "Coupling shaft JS"},
    {6, 613, 228, 204, 16, 20, "Coupling JC"},
    {6, 613, 228, 170, 22, 14, "Coupling JC"},
    {6, 614, 41, 163, 30, 30, "Roller JRO"},
    {6, 614, 18, 130, 30, 14, "Roller JRO"},
    {6, 0, 276, 190, 44, 48, "Gear ratio 1/RM"},
    {6, 0, 248, 140, 34, 14, "Gear ratio 1/RM"},
    // 7 elevator
    {7, 711, 89, 188, 30, 32, "Reducer JR"},
    {7, 711, 96, 236, 22, 14, "Reducer JR"},
    {7, 712, 140, 197, 34, 14, "Coupling shaft JS"},
    {7, 712, 147, 236, 22, 14, "Coupling shaft JS"},
    {7, 713, 122, 194, 16, 20, "Coupling JC"},
    {7, 713, 119, 164, 22, 14, "Coupling JC"},
    {7, 0, 216, 176, 48, 48, "Gear ratio 1/RM"},
    {7, 0, 274, 197, 34, 14, "Gear ratio 1/RM"},
};

const int kPictureAreaCount = sizeof(kPictureAreas) / sizeof(kPictureAreas[0]);
