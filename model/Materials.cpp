#include "model/Materials.h"

const Material kMaterials[16] = {
    {"鋨[osmium]", 22660},      {"銥[iridium(Ir)]", 22650},   {"鉑[platinum(Pt)]", 21450},
    {"金[gold]", 19300},        {"鎢[wolfram(W)]", 19250},    {"鈾[uranium (U)]", 19050},
    {"汞[mercury(Hg)]", 13580}, {"鈀[palladium(Pd)]", 12023}, {"鉛[Plumbum(Pb)]", 11340},
    {"銀[silver]", 10490},      {"銅[copper]", 8960},         {"鐵[iron]", 7870},
    {"錫[tin]", 7310},          {"鈦[titanium(Ti)]", 4507},   {"鋁[aluminum]", 2700},
    {"鑽石[diamond]", 3500},
};
