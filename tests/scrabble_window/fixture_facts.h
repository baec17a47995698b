// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the saved games under fixtures/ hold.
#define FIXTURE_STARTED_RACK1 "OAUEIDZ"
#define FIXTURE_STARTED_RACK2 "YEIRWES"
#define FIXTURE_JOKER_MOVES 5
#define FIXTURE_JOKER_LINE1 "1 IWUIERE  H 7 WU 22 pts. (Albane)"
#define FIXTURE_JOKER_SCORE1 135
#define FIXTURE_FINISHED_MOVES 39
#define FIXTURE_FINISHED_LAST_KIND 'B'
#define FIXTURE_FINISHED_SCORE1 378
