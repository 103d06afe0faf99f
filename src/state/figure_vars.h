// Variables that only the figure routines use (see state/state.h for the
// naming rule and the variables shared with other groups).
//
// Lessons read and write many of them too (ray points, results, options);
// they are declared here because no other library group touches them.
#pragma once

#include <string>

namespace vm {

struct FigureVars {
    // --- loop counters -------------------------------------------------------
    // II is the counter of the grid, polygon, mark, arc and graph loops and of
    // the lessons' own loops: a lesson loop on II must not span such a call.
    float II = 0, TII = 0;

    // --- ray directions and angle sizes ------------------------------------
    float HH = 0;                                  // an angle in degrees
    float HH1 = 0, HH2 = 0;                        // arc end positions of the rays
    float HH3 = 0, HH4 = 0;                        // ray directions, radians
    float HH5 = 0;                                 // bisector / angle size, radians
    float HHP = 0;                                 // direction of one ray
    float ITI = 0;                                 // side selector (-1 swaps the rays)
    std::string KAKUDO_s;                          // angle size as text

    // --- marks, labels, ticks -----------------------------------------------
    float HONSU = 0;                               // number of arcs / ticks
    float NAGASA1 = 0;                             // working copy of NAGASA
    float MU_DO = 0;                               // 1: labels through DrawLabelText
    float ZX = 0, ZY = 0;                          // apex, arrow end, arc point
    float ZX3 = 0, ZY3 = 0, ZX4 = 0, ZY4 = 0, ZX5 = 0, ZY5 = 0;
    float ZX11 = 0, ZY11 = 0, ZX12 = 0, ZY12 = 0;
    float DX = 0, DY = 0;                          // unit vectors, label height, ...
    float AIDA = 0, AIDA1 = 0;                     // tick spacing
    float AX1 = 0, AY1 = 0, AX2 = 0, AY2 = 0;      // tick ends; crossing point
    float BX1 = 0, BY1 = 0;                        // chevron division point

    // --- dimension arcs and arc points --------------------------------------
    float TAKASA = 0;                              // arc height (pixels on return)
    float HOUKOU = 0;                              // arc side
    float RR = 0, H = 0, R = 0, D1 = 0, D2 = 0;
    float KAKUDO = 0;                              // parameter angle of an arc point

    // --- grid and polygon ---------------------------------------------------
    float GX1 = 0, GY1 = 0, GX2 = 0, GY2 = 0;      // frame corners
    float SIZE1 = 0;                               // edge width / plane font size
    float KJ1 = 0, KJ2 = 0, KJ3 = 0;               // vertex numbers of a label

    // --- perpendicular feet and line crossings ------------------------------
    float AA1 = 0, BB1 = 0, AA2 = 0, BB2 = 0;      // also the plane's ranges
    float A1 = 0, B1 = 0, A2 = 0, B2 = 0;          // slopes and intercepts
    float KOUTEN = 0;                              // 1: AX2, AY2 hold a crossing

    // --- square roots -------------------------------------------------------
    float R1A = 0, R1B = 0, R1B1 = 0, R1I = 0;
    std::string R1A_s, R1A1_s, RAB_s, RABM_s, R1B_s;

    // --- coordinate planes, points and graphs -------------------------------
    float BAIX = 0, BAIY = 0;                      // units per grid line
    float NASI = 0;                                // -1: no numbers; 1: wait per step
    float P1 = 0, P2 = 0;
    std::string P1_s, P2_s;
    float IROIRO = 0, AA = 0, BB = 0, CC = 0;      // graph kind and coefficients
    float XG = 0, YG = 0, GX = 0, GY = 0, GX5 = 0, GY5 = 0;
    float KASANARIX = 0, KASANARIY = 0;            // label offsets of points/graphs
    float Y5 = 0, Y6 = 0, Y7 = 0;                  // brace construction
    std::string ENZAN_s;                           // operator of a column sum
    float LT = 0, LT2 = 0, XI3 = 0;

    // --- arrows and slope triangles -----------------------------------------
    float MUKI = 0, YA = 0;                        // head end; 2: both heads
    float GX3 = 0, GY3 = 0, GX4 = 0, GY4 = 0;
    std::string HYOUJI_s, X_s, Y_s;                // label switches; run and rise

    // --- divisors and factor ladders ----------------------------------------
    // The divisor count / prime index P: State's P is the platform.
    float P_n = 0;
    float Q = 0, KOSUU = 0, SOSU = 0, SOSU1 = 0, TJ = 0;
    float XTAKE = 0, YTAKE = 0, TA = 0;
    std::string SO_s;

    // --- circle crossings ---------------------------------------------------
    float RR1 = 0, RR2 = 0;

    // --- Velmaris-D: plot scales, chart grid and box plot ---------------------
    float BAI = 0, HI = 0;                         // x units per grid unit; y scale as a multiple
    float SIZEX = 0, SIZEY = 0;                    // chart column width, row height
    float TANIX = 0, YOKO1X = 0;                   // box plot: units per column, first line's value
    float DY1 = 0, DY2 = 0;                        // half box height, half end-tick height
    float GS1 = 0, GS2 = 0, GS3 = 0, GS4 = 0, GS5 = 0, GS6 = 0;  // x of the summary and mean
    float HEI = 0, HEIKIN = 0;                     // >0: mark the mean; the mean
};

}  // namespace vm
