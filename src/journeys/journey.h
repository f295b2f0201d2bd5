#pragma once
// A journey of one train, or of two with a change between them, and what a search asks for.
#include <array>
#include <string>
#include <vector>

#include "data/record_damage.h"
#include "results/result_row.h"

namespace tavra {

struct ConnectionOptions {
  int minChange = 20;      // minutes to change at the same station
  int minChangeCity = 60;  // minutes to change between two stations of one city
  int maxWait = 720;       // longest wait offered
  bool includeDirect = false;
};

// One ride on one train, from a call with a departure to a later call with an arrival.
struct Ride {
  int boardCall = -1;  // StopTable rows
  int alightCall = -1;
  int boardStation = -1;  // station numbers
  int alightStation = -1;
  int depart = 0;  // minutes from midnight of the train's first day
  int arrive = 0;
  int km = 0;
};

// The times and rides of a journey, as the search finds them.
struct JourneyPlan {
  std::array<Ride, 2> rides;
  int legCount = 1;
  int depart = 0;   // clock minutes 0..1439 of the first boarding
  int minutes = 0;  // from the first boarding to the last arrival
  int km = 0;
  int wait = -1;  // minutes at the change, -1 for a direct train

  int Arrival() const { return depart + minutes; }  // on the departure day's clock
  bool Direct() const { return legCount == 1; }
};

// Price texts of a whole journey per seat and berth class: the sum of its legs' prices,
// "－" where a leg does not carry the class.
struct JourneyPrices {
  std::u16string hardSeat, softSeat, secondClass, firstClass, hardSleeper, softSleeper;
};

// A plan with the list's line for each leg.
struct Journey {
  JourneyPlan plan;
  std::array<ResultRow, 2> rows;
  JourneyPrices prices;
};

enum class ConnectionError {
  None,
  UnknownFrom,
  UnknownTo,
  SameStation,
  SameCity,
  BadOption,
};

struct ConnectionResult {
  std::vector<JourneyPlan> journeys;
  ConnectionError error = ConnectionError::None;
  RecordDamage damage;  // the first damaged field the search read; then no journeys
};

}  // namespace tavra
