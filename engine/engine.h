#pragma once

// The filter engine: the candidate table and its exclusion rule, the seeded ordering,
// the filter run and the draw check. Standard library only.

#include "engine/candidates.h"
#include "engine/draw_check.h"
#include "engine/filter_run.h"
#include "engine/ordering.h"
#include "engine/text_measure.h"
