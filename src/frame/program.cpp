#include "frame/program.h"

#include <cstdio>
#include <exception>
#include <new>

#include "platform/colours.h"
#include "platform/runtime.h"
#include "platform/sjis.h"

namespace vm {

namespace {

void AllocateArrays(State& s) {
    s.F_sa.Dim(s.data.f_texts);
    s.F_a.Dim(s.data.f_numbers);
    s.T_sa.Dim(s.data.t_texts);
    s.T_a.Dim(s.data.t_numbers);
    s.TKAI_sa.Dim(5, 2);
    s.G_a.Dim(10, 2);
    s.X_a.Dim(40);
    s.Y_a.Dim(40);
    s.R_a.Dim(10);
    s.H_a.Dim(10);
    s.HH_a.Dim(10);
    s.X_sa.Dim(20);
    s.Y_sa.Dim(20);
    s.XX_a.Dim(5);
    s.RAB_sa.Dim(10);
    s.RABM_sa.Dim(10);
    s.R1B_sa.Dim(10);
    s.U_a.Dim(40);
    s.V_a.Dim(s.data.v_numbers);
}

// Tells whoever started the program (a terminal, a script) why it stopped;
// the screen says it to the class.
void ReportErrorStop(const std::string& title, int line, int number, const std::string& what) {
    std::fprintf(stderr, "%s: error stop at line %d, error %d (%s)\n", title.c_str(), line, number,
                 what.c_str());
}

}  // namespace

void InitProgram(State& s, const std::string& title) {
    s.P.SetMapMode(1);
    s.P.MaximizeWindow();
    s.P.SetFontName("ｺﾞｼｯｸ");
    s.P.SetFontSize(16);
    s.P.SetDrawWidth(3);
    // The seed is the sum of hours, minutes and seconds (0 to 141).
    s.A = Val(Left(s.P.Time(), 2)) + Val(Mid(s.P.Time(), 4, 2)) + Val(Right(s.P.Time(), 2));
    s.P.Randomize(static_cast<uint32_t>(CLng(s.A)));
    s.CCC1 = kDeepNavy;
    s.KAIX = s.data.field_x;
    s.KAIY = 648;
    s.TITLE_s = title;
    AllocateArrays(s);
}

void ShowErrorAndHalt(State& s, int line, int number) {
    while (!s.P.Drawing()) s.P.ResumeDrawing();
    // The fault may have struck while a formula had a serif italic selected,
    // which has no glyphs for the message; the start-up face always has.
    s.P.SetFontName("ｺﾞｼｯｸ");
    s.P.SetFontSize(16);
    s.P.SetFontBold(false);
    s.P.SetFontItalic(false);
    s.P.Cls();
    s.A = static_cast<float>(line);
    s.A_s = Str(s.A);
    s.B = static_cast<float>(number);
    s.B_s = Str(s.B);
    s.P.Symbol(288, 432, s.A_s + "," + s.B_s + "エラーが発生しました。マウスで×をクリックして下さい。",
               1, 1, kAmber);
    s.P.WaitForClose();
}

int RunProgram(const ProgramInfo& info, Platform& platform) {
    State s(platform, info.id, info.binding, info.data);
    s.menu = &info.menu;
    int line = 0, number = 0;
    std::string what;
    try {
        InitProgram(s, info.title);
        if (info.main_menu) info.main_menu(s);
        else s.P.WaitForClose();  // nothing to show yet: wait for the window to close
        return 0;
    } catch (const WindowClosed&) {
        return 0;
    } catch (const RuntimeError& e) {
        line = e.line(), number = e.number(), what = e.what();
    } catch (const std::bad_alloc& e) {
        number = kOutOfMemory, what = e.what();
    } catch (const std::exception& e) {
        number = kInternal, what = e.what();
    } catch (...) {
        number = kInternal, what = "unknown fault";
    }
    ReportErrorStop(info.title, line, number, what);
    try {
        ShowErrorAndHalt(s, line, number);
    } catch (const WindowClosed&) {
    }
    return kErrorStopStatus;
}

}  // namespace vm
