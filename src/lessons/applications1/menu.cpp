#include "lessons/applications1/menu.h"

#include "lessons/applications1/exercises.h"
#include "lessons/applications1/plane.h"
#include "lessons/applications1/solids.h"
#include "lessons/applications1/special.h"

namespace vm {

// Each table ends with an empty item (its number and a full-width blank)
// and the quit item. An item without a lesson draws the menu again.
MainMenuTable ApplicationsMenuTable() {
    return {{
        {"1　対角線,正三角形,3辺の比", SpecialTrianglesLesson()},
        {"2　問題演習", ExercisesLesson()},
        {"3　2点間の距離,平面図形", PlaneDistancesLesson()},
        {"4　直方体,錐体", SolidsLesson()},
        {"5　", {}},
        {"6　終了", {}},
    }};
}

}  // namespace vm
