#include "model/Tables.h"

// Both tables live in this file so that they exist before the initialiser at its end fills them.
CSIZEITEM SizeItems[62];
CMOTORSPC MotorSpecs[43];

void InitParamAndMotorTables()
{
    SizeItems[0] = CSIZEITEM(0, 0, 254, "ΔS", 5, "[m/rev]", "[ft/rev]", "馬達旋轉一圈螺桿前進距離");
    SizeItems[1] = CSIZEITEM(1, 0, 254, "ΔP", 0, "[m/pulse]", "[ft/pulse]", "精度");
    SizeItems[2] = CSIZEITEM(2, 254, 0, "1/RN", 1, "[]", "[]", "JR 減速比");
    SizeItems[3] = CSIZEITEM(3, 0, 0, "1/RM", 1, "[]", "[]", "減速機減速比");
    SizeItems[4] =
        CSIZEITEM(4, 254, 0, "V", 10, "[m/min][m/sec][cm/min][cm/sec]", "[ft/min]", "平台移動速度");
    SizeItems[5] = CSIZEITEM(5, 254, 0, "S", 200, "[mm][cm]", "[inch]", "單一行程移動距離 ");
    SizeItems[6] = CSIZEITEM(6, 0, 254, "NV", 2400, "[rpm]", "[rpm]", "馬達轉速");
    SizeItems[7] = CSIZEITEM(7, 142, 0, "F", 0, "[N]", "[lb]", "外力");
    SizeItems[8] = CSIZEITEM(8, 8, 0, "FP", 0, "[N]", "[lb]", "滾輪擠壓工件造成之反力");
    SizeItems[9] = CSIZEITEM(9, 182, 0, "ρ", 7870, "[kg/m^3][kg/cm^3]", "[lb/inch^3]", "比重");
    SizeItems[10] = CSIZEITEM(10, 64, 0, "θ", 0, "[°]", "[°]", "傳動端滾輪上升之角度");
    SizeItems[11] = CSIZEITEM(11, 254, 0, "μ", 0.1, "[]", "[]", "滑軌摩擦係數");
    SizeItems[12] = CSIZEITEM(12, 254, 0, "η", 0.85, "[]", "[]", "由馬達至導螺桿的傳動效");
    SizeItems[13] = CSIZEITEM(13, 0, 0, "ηm", 0.9, "[]", "[]", "回生能量效率");
    SizeItems[14] = CSIZEITEM(14, 254, 0, "tA", 0.257, "[sec][min]", "[sec]", "馬達加速時間");
    SizeItems[15] = CSIZEITEM(15, 0, 254, "tE", 0.8431, "[sec][min]", "[sec]", "馬達定轉速時間");
    SizeItems[16] = CSIZEITEM(16, 254, 0, "tD", 0.257, "[sec][min]", "[sec]", "馬達減速時間");
    SizeItems[17] = CSIZEITEM(17, 0, 254, "tR", 3.0 / 70, "[sec][min]", "[sec]", "整定時間");
    SizeItems[18] = CSIZEITEM(18, 0, 254, "tM", 1.5, "[sec][min]", "[sec]", "定位所需時間 ");
    SizeItems[19] = CSIZEITEM(19, 254, 0, "tS", 0, "[sec][min]", "[sec]", "停止時間");
    SizeItems[20] = CSIZEITEM(20, 0, 254, "tP", 1.5, "[sec][min]", "[sec]", "單一行程所需時間");
    SizeItems[21] = CSIZEITEM(21, 246, 0, "ML", 5, "[kg][g]", "[lb]", "負載重量");
    SizeItems[22] = CSIZEITEM(22, 150, 0, "MT", 5, "[kg][g]", "[lb]", "移動平台重量");
    SizeItems[23] = CSIZEITEM(23, 160, 0, "MC", 50, "[kg][g]", "[lb]", "車子重量");
    SizeItems[24] = CSIZEITEM(24, 32, 0, "MW", 2, "[kg][g]", "[lb]", "輪子重量");
    SizeItems[25] = CSIZEITEM(25, 64, 0, "MB", 20, "[kg][g]", "[lb]", "鋁帶重量");
    SizeItems[26] = CSIZEITEM(26, 130, 0, "PB", 5, "[mm][cm]", "[inch]", "導螺桿導程");
    SizeItems[27] = CSIZEITEM(27, 16, 0, "LS", 200, "[mm][cm]", "[inch]", "支撐軸長度");
    SizeItems[28] = CSIZEITEM(28, 4, 0, "LG", 50, "[mm][cm]", "[inch]", "小齒輪長度");
    SizeItems[29] = CSIZEITEM(29, 130, 0, "LB", 500, "[mm][cm]", "[inch]", "導螺桿長度");
    SizeItems[30] = CSIZEITEM(30, 130, 0, "DB", 20, "[mm][cm]", "[inch]", "導螺桿直徑");
    SizeItems[31] = CSIZEITEM(31, 4, 0, "DG", 200, "[mm][cm]", "[inch]", "小齒輪直徑");
    SizeItems[32] = CSIZEITEM(32, 32, 0, "DI", 100, "[mm][cm]", "[inch]", "輪子內徑");
    SizeItems[33] = CSIZEITEM(33, 16, 0, "DF", 300, "[mm][cm]", "[inch]", "摩擦圓直徑");
    SizeItems[34] = CSIZEITEM(34, 16, 0, "DT", 1000, "[mm][cm]", "[inch]", "馬圓桌直徑");
    SizeItems[35] = CSIZEITEM(35, 32, 0, "DO", 200, "[mm][cm]", "[inch]", "輪子外徑");
    SizeItems[36] = CSIZEITEM(36, 32, 0, "DP", 20, "[mm][cm]", "[inch]", "軸徑");
    SizeItems[37] = CSIZEITEM(37, 72, 0, "DR", 200, "[mm][cm]", "[inch]", "滾筒直徑");
    SizeItems[38] = CSIZEITEM(38, 24, 0, "DS", 100, "[mm][cm]", "[inch]", "軸承直徑");
    SizeItems[39] = CSIZEITEM(39, 16, 0, "DL", 0, "[mm][cm]", "[inch]", "負載偏心距離");
    SizeItems[40] = CSIZEITEM(40, 0, 0, "JM", 0.000108, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "馬達慣量");
    SizeItems[41] =
        CSIZEITEM(41, 0, 230, "JF", 0.0001, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "載具移動等效於馬達慣量");
    SizeItems[42] = CSIZEITEM(42, 72, 0, "JRO", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "滾輪慣量");
    SizeItems[43] = CSIZEITEM(43, 0, 130, "JB", 6.18e-05, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "導螺桿慣量");
    SizeItems[44] = CSIZEITEM(44, 0, 254, "JL", 0.0009738, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "負載端總慣量");
    SizeItems[45] = CSIZEITEM(45, 254, 0, "JR", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "減速機慣量");
    SizeItems[46] = CSIZEITEM(46, 254, 0, "JC", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "聯軸接器慣量");
    SizeItems[47] = CSIZEITEM(47, 254, 0, "JS", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "聯軸器銜接軸慣量");
    SizeItems[48] = CSIZEITEM(48, 0, 16, "JSH", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "支撐桿慣量");
    SizeItems[49] = CSIZEITEM(49, 0, 32, "JW", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "輪子慣量");
    SizeItems[50] = CSIZEITEM(50, 0, 132, "JG", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "小齒輪慣量");
    SizeItems[51] = CSIZEITEM(51, 0, 16, "JT", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "圓桌慣量");
    SizeItems[52] = CSIZEITEM(52, 0, 16, "JML", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "負載偏心慣量");
    SizeItems[53] = CSIZEITEM(53, 16, 0, "JLI", 0, "[kg*m^2][kg*cm^2]", "[lb*ft^2]", "負載對軸心慣量");
    SizeItems[54] = CSIZEITEM(54, 0, 8, "TRO", 0, "[N.m]", "[lb*ft]", "馬達運轉滾輪所需扭矩");
    SizeItems[55] = CSIZEITEM(55, 0, 126, "TL", 0.225, "[N.m]", "[lb*ft]", "摩擦力與外力等效於馬達力矩");
    SizeItems[56] = CSIZEITEM(56, 0, 200, "TF", 0, "[N.m]", "[lb*ft]", "摩擦力等效力矩");
    SizeItems[57] = CSIZEITEM(57, 0, 192, "TW", 0, "[N.m]", "[lb*ft]", "重力等效力矩");
    SizeItems[58] = CSIZEITEM(58, 0, 128, "TUP", 0, "[N.m]", "[lb*ft]", "上升所需力矩");
    SizeItems[59] = CSIZEITEM(59, 0, 128, "TDN", 0, "[N.m]", "[lb*ft]", "下降所需力矩");
    SizeItems[60] = CSIZEITEM(60, 32, 0, "WN", 4, "[]", "[]", "輪子數量");
    SizeItems[61] = CSIZEITEM(61, 64, 0, "WRN", 2, "[]", "[]", "滾筒數量");

    // Series Kelo-R carries the motors of Kelo-Q with other regenerative capacities.
    MotorSpecs[0] = CMOTORSPC("Pemra-0100-50", "Kelo-P", 100, 0.000003, 0.318, 0.95, 3, 30, 5000);
    MotorSpecs[1] = CMOTORSPC("Pemra-0200-50", "Kelo-P", 200, 0.000018, 0.64, 1.91, 4, 30, 5000);
    MotorSpecs[2] = CMOTORSPC("Pemra-0400-50", "Kelo-P", 400, 0.000034, 1.27, 3.82, 8, 30, 5000);
    MotorSpecs[3] = CMOTORSPC("Pemra-0750-50", "Kelo-P", 750, 0.000108, 2.39, 7.16, 14, 30, 5000);
    MotorSpecs[4] = CMOTORSPC("Pemra-1000-50", "Kelo-P", 1000, 0.00026, 3.3, 9.9, 18, 30, 5000);
    MotorSpecs[5] = CMOTORSPC("Pemra-2000-45", "Kelo-P", 2000, 0.00047, 6.8, 19.2, 21, 60, 4500);
    MotorSpecs[6] = CMOTORSPC("Pemra-3000-45", "Kelo-P", 3000, 0.00116, 9.5, 31.5, 28, 60, 4500);
    MotorSpecs[7] = CMOTORSPC("Pemra-1000-30", "Kelo-P", 1000, 0.000598, 4.8, 15.7, 18, 30, 3000);
    MotorSpecs[8] = CMOTORSPC("Pemra-1500-30", "Kelo-P", 1500, 0.000879, 7.16, 21.5, 18, 30, 3000);
    MotorSpecs[9] = CMOTORSPC("Pemra-2000-30", "Kelo-P", 2000, 0.00158, 9.4, 23.5, 21, 60, 3000);
    MotorSpecs[10] = CMOTORSPC("Pemra-3000-30", "Kelo-P", 3000, 0.00433, 14.3, 35.8, 28, 60, 3000);
    MotorSpecs[11] = CMOTORSPC("Vorn-0100-50", "Kelo-Q", 100, 0.0000037, 0.32, 0.96, 3, 30, 5000);
    MotorSpecs[12] = CMOTORSPC("Vorn-0200-50", "Kelo-Q", 200, 0.0000177, 0.64, 1.92, 4, 30, 5000);
    MotorSpecs[13] = CMOTORSPC("Vorn-0400-50a", "Kelo-Q", 400, 0.0000277, 1.27, 3.82, 8, 30, 5000);
    MotorSpecs[14] = CMOTORSPC("Vorn-0400-50b", "Kelo-Q", 400, 0.000068, 1.27, 3.82, 8, 30, 5000);
    MotorSpecs[15] = CMOTORSPC("Vorn-0750-50", "Kelo-Q", 750, 0.000113, 2.39, 7.16, 14, 30, 5000);
    MotorSpecs[16] = CMOTORSPC("Vorn-1000-50", "Kelo-Q", 1000, 0.000265, 3.18, 9.54, 18, 30, 5000);
    MotorSpecs[17] = CMOTORSPC("Vorn-2000-50", "Kelo-Q", 2000, 0.000445, 6.37, 19.11, 21, 60, 5000);
    MotorSpecs[18] = CMOTORSPC("Vorn-0500-30", "Kelo-Q", 500, 0.0000817, 2.39, 7.16, 8, 30, 3000);
    MotorSpecs[19] = CMOTORSPC("Vorn-1000-30", "Kelo-Q", 1000, 0.0000841, 4.77, 14.3, 18, 30, 3000);
    MotorSpecs[20] = CMOTORSPC("Vorn-1500-30", "Kelo-Q", 1500, 0.0001118, 7.16, 21.48, 18, 30, 3000);
    MotorSpecs[21] = CMOTORSPC("Vorn-2000-30a", "Kelo-Q", 2000, 0.0001459, 9.55, 28.65, 21, 60, 3000);
    MotorSpecs[22] = CMOTORSPC("Vorn-2000-30b", "Kelo-Q", 2000, 0.0003468, 9.55, 28.65, 21, 60, 3000);
    MotorSpecs[23] = CMOTORSPC("Vorn-0300-20", "Kelo-Q", 300, 0.0000817, 2.86, 8.59, 8, 30, 2000);
    MotorSpecs[24] = CMOTORSPC("Vorn-0600-20", "Kelo-Q", 600, 0.0000841, 5.73, 17.19, 14, 30, 2000);
    MotorSpecs[25] = CMOTORSPC("Vorn-0900-20", "Kelo-Q", 900, 0.0001118, 8.59, 21.48, 18, 30, 2000);
    MotorSpecs[26] = CMOTORSPC("Vorn-0100-50", "Kelo-R", 100, 0.0000037, 0.32, 0.96, 3.11, 0, 5000);
    MotorSpecs[27] = CMOTORSPC("Vorn-0200-50", "Kelo-R", 200, 0.0000177, 0.64, 1.92, 4.5, 0, 5000);
    MotorSpecs[28] = CMOTORSPC("Vorn-0400-50a", "Kelo-R", 400, 0.0000277, 1.27, 3.82, 6.22, 0, 5000);
    MotorSpecs[29] = CMOTORSPC("Vorn-0400-50b", "Kelo-R", 400, 0.000068, 1.27, 3.82, 6.22, 0, 5000);
    MotorSpecs[30] = CMOTORSPC("Vorn-0750-50", "Kelo-R", 750, 0.000113, 2.39, 7.16, 11.07, 30, 5000);
    MotorSpecs[31] = CMOTORSPC("Vorn-1000-50", "Kelo-R", 1000, 0.000265, 3.18, 9.54, 13.5, 30, 5000);
    MotorSpecs[32] = CMOTORSPC("Vorn-2000-50", "Kelo-R", 2000, 0.000445, 6.37, 19.11, 22.5, 30, 5000);
    MotorSpecs[33] = CMOTORSPC("Vorn-0500-30", "Kelo-R", 500, 0.0000817, 2.39, 7.16, 6.22, 0, 3000);
    MotorSpecs[34] = CMOTORSPC("Vorn-1000-30", "Kelo-R", 1000, 0.0000841, 4.77, 14.3, 13.5, 30, 3000);
    MotorSpecs[35] = CMOTORSPC("Vorn-1500-30", "Kelo-R", 1500, 0.0001118, 7.16, 21.48, 18.18, 30, 3000);
    MotorSpecs[36] = CMOTORSPC("Vorn-2000-30a", "Kelo-R", 2000, 0.0001459, 9.55, 28.65, 22.5, 30, 3000);
    MotorSpecs[37] = CMOTORSPC("Vorn-2000-30b", "Kelo-R", 2000, 0.0003468, 9.55, 28.65, 22.5, 30, 3000);
    MotorSpecs[38] = CMOTORSPC("Vorn-0300-20", "Kelo-R", 300, 0.0000817, 2.86, 8.59, 6.22, 0, 2000);
    MotorSpecs[39] = CMOTORSPC("Vorn-0600-20", "Kelo-R", 600, 0.0000841, 5.73, 17.19, 11.7, 30, 2000);
    MotorSpecs[40] = CMOTORSPC("Vorn-0900-20", "Kelo-R", 900, 0.0001118, 8.59, 21.48, 13.5, 30, 2000);
    MotorSpecs[41] = CMOTORSPC("Vorn-3000-30", "Kelo-T", 3000, 0.005495, 19.1, 57.29, 28, 60, 3000);
    MotorSpecs[42] = CMOTORSPC("Vorn-4500-30", "Kelo-T", 4500, 0.007775, 28.65, 71.62, 28, 60, 3000);
}

void DestroyParamAndMotorTables()
{
    for (auto &record : MotorSpecs)
        record = CMOTORSPC();
    for (auto &item : SizeItems)
        item = CSIZEITEM();
}

namespace
{

struct TablesLifetime {
    TablesLifetime() { InitParamAndMotorTables(); }
    ~TablesLifetime() { DestroyParamAndMotorTables(); }
    TablesLifetime(const TablesLifetime &) = delete;
    TablesLifetime &operator=(const TablesLifetime &) = delete;
};

const TablesLifetime tablesLifetime;

} // namespace
