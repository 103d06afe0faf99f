// The variables of one program run, and the program's binding.
//
// The routines of the programs share their arguments and results through
// named variables; all of them live in one State per run. Names follow the
// routines' own names, with one mechanical rule for what C++ cannot spell:
//   - a text variable's "$" becomes "_s":          AA$   -> AA_s, AA_A$ -> AA_A_s
//   - an array gets "_a" (a text array "_sa"):     X()   -> X_a,  X$()  -> X_sa
// so the pen X and the point table X() live side by side as X and X_a.
// Numbers are single precision, as the programs compute.
//
// Variables used only by the formula writers or only by the figure routines
// are declared in their own headers (FormulaVars, FigureVars); everything
// that more than one group touches is declared here.
#pragma once

#include <string>

#include "platform/platform.h"
#include "state/array.h"
#include "state/figure_vars.h"
#include "state/formula_vars.h"
#include "state/revisable.h"

namespace vm {

struct State;
using Routine = void (*)(State&);

// The program's forms of the routines it may revise (state/revisable.h).
// The shared binding holds the shared forms; Velmaris-D puts its revisions
// in.
struct Binding {
#define VM_BINDING_SLOT(name) Routine name = nullptr;
    VM_REVISABLE_ROUTINES(VM_BINDING_SLOT)
#undef VM_BINDING_SLOT
};

enum class ProgramId { A, B, C, D, E };
struct MainMenuTable;

// What a program sets up differently, besides its title, lessons and binding.
struct ProgramData {
    float field_x = 1040;  // left of the number field (KAIX) at start-up
    // Bounds of the arrays whose size differs.
    int f_texts = 40, f_numbers = 40, t_texts = 80, t_numbers = 80, v_numbers = 40;
    // The shared cuboid drawing adds its edge lengths (3, 4 and 5 cm) and
    // leaves pen width 5; without, it draws faces, letters and hidden edges
    // only and leaves the caller's pen, for cuboids of other sizes.
    bool cuboid_lengths = false;
};

struct State : FormulaVars, FigureVars {
    State(Platform& platform, ProgramId id, const Binding& binding, const ProgramData& d = {})
        : P(platform), program(id), bind(binding), data(d) {}

    Platform& P;
    ProgramId program;
    Binding bind;
    ProgramData data;
    const MainMenuTable* menu = nullptr;  // the program's main-menu table

    // --- start-up ---------------------------------------------------------
    std::string TITLE_s;
    float PI = 3.14159f;

    // --- text arguments and pen -------------------------------------------
    std::string AA_s;  // markup or prompt text, consumed by the writers
    std::string A_s, B_s;
    float X = 0, Y = 0;  // pen: top left of the text; after a call its end
    float XT = 0;        // x after a plain text
    float CCC0 = 0, CCC1 = 0, CCC2 = 0, CCC3 = 0, CCC4 = 0;  // colours
    float DR = 0;        // pen-width save slot
    float JYOU = 0;      // "^" pending (shared by the prompt and formula writers)
    float LLT = 0;       // width of the last measured text
    float AAAX = 0, AAAY = 0;  // one-shot text offsets of cells and labels
    float TA1 = 0, TA2 = 0, LT1 = 0;  // scratch of the text and figure routines
    std::string A1_s, A2_s;           // texts of fractions and column sums

    // --- text cursor of a lesson ------------------------------------------
    float XI0 = 0, XI1 = 0, YI1 = 0, XI2 = 0;

    // --- number entry and questions ---------------------------------------
    float KAIX = 0, KAIY = 0;  // top left of the number field
    std::string AINP_s;        // typed text
    float AINP = 0;            // its value
    std::string I_s;           // last key
    float XX = 0, YY = 0;      // number-field cursor
    float SENTAKU = 0;         // scene-menu choice

    // --- drills ------------------------------------------------------------
    // The case of the last drill problem drawn. Velmaris-A's drills compare
    // each new case with it and keep theirs in it; it lives for the whole run
    // (0 at start-up) and no scene or lesson resets it.
    float FMAESU = 0;

    // --- shared scratch ----------------------------------------------------
    float A = 0, B = 0, C = 0, D = 0, E = 0;
    float I = 0, J = 0, K = 0, L = 0, LE = 0, LEM = 0, N = 0, N1 = 0, N2 = 0;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;

    // --- figure arguments shared with lessons --------------------------------
    float ZX0 = 0, ZY0 = 0, ZX1 = 0, ZY1 = 0, ZX2 = 0, ZY2 = 0;  // vertex and rays
    float AX = 0, AY = 0, BX = 0, BY = 0;                        // segment
    float CX = 0, CY = 0, EX = 0, EY = 0;                        // point and result
    float NAGASA = 0;                                            // mark size
    std::string AAA_s;                                           // label text
    float HABA = 0, TATE = 0;                                    // box size / rows
    float GGX = 0, GGY = 0, YOKO = 0, SIZE = 0, GX0 = 0, GY0 = 0;  // grid frame
    float KAKU = 0;                                              // polygon vertex count

    // --- shared arrays (allocated at start-up) -------------------------------
    Arr<std::string> F_sa, T_sa, TKAI_sa, X_sa, Y_sa, RAB_sa, RABM_sa, R1B_sa;
    Arr<float> F_a, T_a, G_a, X_a, Y_a, R_a, H_a, HH_a, XX_a, U_a, V_a;
};

}  // namespace vm
