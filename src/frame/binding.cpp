#include "frame/binding.h"

namespace vm {

Binding SharedBinding() {
    Binding b;
    BindFrame(b);
    BindFormula(b);
    BindFigures(b);
    return b;
}

}  // namespace vm
