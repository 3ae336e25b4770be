#pragma once

// Intersection safety, the stage "jeux intersection": for every empty point and
// each colour, would a stone played there be lost at once (in atari, illegal,
// or caught in a ladder)? For colour 1 also: which friendly strings nearby would
// such a stone leave open to a ladder. The static-life board, the eye points,
// the groups and the static move values read the results.

#include <cstdint>

#include "board/goban.h"

// Room of PrisesApresCoupAmi per point.
inline constexpr int MAX_PRISES_APRES_COUP = 9;

// 1 when the point is to be examined for colour 1 (colour 2) at the next run.
extern int32_t ATesterAmi[NB_INTERSECTIONS_MAX];
extern int32_t ATesterEnnemi[NB_INTERSECTIONS_MAX];
// 1 when a stone of colour 1 (colour 2) played at the point would be lost.
extern int32_t PierrePerdueAmi[NB_INTERSECTIONS_MAX];
extern int32_t PierrePerdueEnnemi[NB_INTERSECTIONS_MAX];
// The anchors of the friendly strings that a colour-1 stone at the point would
// leave capturable in a ladder, when the capture list did not have them as
// capturable already.
extern Liste<MAX_PRISES_APRES_COUP> PrisesApresCoupAmi[NB_INTERSECTIONS_MAX];
// The points the examination of the point looked at, for colour 1 (colour 2):
// the result holds as long as none of them changes.
extern EnsembleIntersections TraceIntersectionAmi[NB_INTERSECTIONS_MAX];
extern EnsembleIntersections TraceIntersectionEnnemi[NB_INTERSECTIONS_MAX];

// Marks every point of the board to be examined for both colours.
void MarqueIntersectionsATester();

// Examines every marked point on the incremental board and clears its mark.
// The board, and the active trace sets, are the same afterwards.
void CalculeJeuxIntersection();

// Clears every table (for tests).
void ReinitialiseIntersections();
