#pragma once

// The sixteen materials of the density table, in its row order.
struct Material {
    const char *name; // built-in name; Message.ini numbers 30 to 45 replace it
    float density;    // kg/m^3, held as the table always held it
};

extern const Material kMaterials[16];
