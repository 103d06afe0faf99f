// The program frame: display characters, prompts, number entry, questions at
// the foot of the screen, the step wait and the number tables.
//
// Every routine takes its arguments from and leaves its results in the
// variables of the State. Routines a program may revise (WaitForKey,
// EraseBottomLine, AskNumberAtBottom, EraseMenuPrompt, ClearWorkArea) are
// called through the program's binding; their shared forms are in
// state/shared_forms.h, for the binders only.
#pragma once

#include "state/state.h"
#include "state/strings.h"

namespace vm {

// Display characters.
void ToDisplayChar(State& s);

// Prompt text.
void DrawPromptText(State& s);
void DrawPlainText(State& s);

// Number entry.
void ReadNumberField(State& s);
void EditNumberLine(State& s);
void EvaluateInput(State& s);
void AskMenuNumber(State& s);

// Bottom prompts, key prompt and repeat gate.
void ShowKeyPrompt(State& s);
void EraseKeyPrompt(State& s);
void AskNextStep(State& s);

// Number tables.
void FormatNumberTables(State& s);

// The whole screen to the background colour: a filled box from (0, 0) to
// (1760, 1800), as the menu and every scene clear it.
void ClearScreen(State& s);

// Revisable: these call the program's binding.
void WaitForKey(State& s);
void EraseBottomLine(State& s);
void AskNumberAtBottom(State& s);
void EraseMenuPrompt(State& s);
void ClearWorkArea(State& s);

}  // namespace vm
