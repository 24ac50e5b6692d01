#pragma once
// The signal plan and passport information of a generated passport.
//
// One plan serves every intersection of the generated scheme, the way one
// controller drives a group of neighbouring crossings: four phases (main
// road, main-road left turns, side road, trams) and twelve directions.
#include <string>

class TSVInfo;
class TGenRandom;

// Direction names of the plan, by the movement they stand for.
namespace GenNapr {
constexpr int WestboundThrough = 1;
constexpr int EastboundThrough = 2;
constexpr int WestboundLeft = 3;
constexpr int EastboundLeft = 4;
constexpr int Southbound = 5;
constexpr int Northbound = 6;
constexpr int PedNorthArm = 7;
constexpr int PedSouthArm = 8;
constexpr int PedWestArm = 9;
constexpr int PedEastArm = 10;
constexpr int TramEastbound = 11;
constexpr int TramWestbound = 12;
constexpr int Count = 12;
}  // namespace GenNapr

constexpr int kGenPhaseCount = 4;

// Fills the information of a fresh passport: addresses, object type, phases,
// directions, tables, free texts, tram schemes and a real scale of 1.
void FillGeneratedPlan(TSVInfo& info, TGenRandom& rng);

// The phase a direction of the plan is first open in.
int FirstPhaseOf(int napr);
