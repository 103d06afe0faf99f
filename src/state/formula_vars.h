// Variables that only the formula writers use (see state/state.h for the
// naming rule and the variables shared with other groups).
#pragma once

#include <string>

namespace vm {

struct FormulaVars {
    // --- writer state that outlives a call ---------------------------------
    std::string AA_A_s;  // rest of the line after the fraction being drawn
    float JYOUK = 0;     // "\" pending: the next glyph is a small raised index
    float HROOT = 0;     // open root: 0 none, 1 normal, 11 in a fraction, 22 tall
    float TXM = 0;       // x where the open root's overline begins
    float KAKKO = 0;     // 1: the next "(" and ")" are drawn large
    float BUN = 0;       // 1 while the parts of a stacked fraction are drawn

    // --- glyph level scratch ------------------------------------------------
    float TX = 0, TY = 0;  // working pen
    float NAG = 0;         // characters of R_s
    std::string R_s;       // the glyph string being drawn
    float TA3 = 0, TA5 = 0, TA6 = 0;

    // --- stacked fraction scratch ---------------------------------------------
    float YT = 0;  // line top at the fraction (its x is XT)
    std::string RTASKAI1_s, RTASKAI2_s;  // numerator, denominator
    float TBSI = 0, TBBO = 0;            // their widths
    float NAGA = 0;                      // bar length
    float TBSI1 = 0, TBBO1 = 0;          // their centring offsets
    float BSEN = 0;                      // bar y

    // --- fraction notation ------------------------------------------------------
    float DS = 0, DB = 0;    // numerator and denominator, reduced on return
    float YAK = 0;           // case of the result: 0 to 3
    float YAK1 = 0;          // sign of the fraction
    float E1 = 0, E2 = 0;    // reduced terms
    float DS1 = 0, DB1 = 0;  // terms as passed
    float LB8 = 0;           // product of the terms
    std::string DS1_s, DA1_s, DS_s, DB_s;
    std::string A21_s, A3_s, A31_s, FDS1_s, TKAI1_s, TKAI2_s;
};

}  // namespace vm
