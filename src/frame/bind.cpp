#include "frame/binding.h"
#include "frame/frame.h"

namespace vm {

void BindFrame(Binding& b) {
    b.WaitForKey = shared::WaitForKey;
    b.EraseBottomLine = shared::EraseBottomLine;
    b.AskNumberAtBottom = shared::AskNumberAtBottom;
    b.EraseMenuPrompt = shared::EraseMenuPrompt;
    b.ClearWorkArea = shared::ClearWorkArea;
}

}  // namespace vm
