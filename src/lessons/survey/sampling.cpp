#include "lessons/survey/sampling.h"

#include "lessons/common/text.h"
#include "platform/colours.h"

namespace vm {

Lesson SampleSurveyLesson() {
    return {ShowSampleSurveyGoal,
            kSampleSurveySceneList,
            {RunTvRatingScene, RunCensusAndSampleScene, RunPopulationAndSampleScene,
             RunSongSurveyScene, RunCommuteSampleScene, RunRandomExtractionScene}};
}

// The second sentence stands 50 px below the first, closer than the
// shared goal screen sets its lines.
void ShowSampleSurveyGoal(State& s) {
    s.XI1 = 44;
    Write(s, kBlue, s.XI1, 240, "<めあて>");
    NewLine(s, 65, kBlack, "集団全体の傾向を推測するために、");
    NewLine(s, 50, kBlack, "どのような調査が行われているか調べよう。");
}

}  // namespace vm
