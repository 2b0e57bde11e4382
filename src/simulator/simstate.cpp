#include "simulator/simstate.h"

namespace tvx {

SimState Sim;

void ResetSimState() { Sim = SimState{}; }

void ClearTrackHistory(SimState& s) {
  s.TrackIndex = -1;
  for (auto& p : s.TrackHistory) p = TrackPoint{};
}

void AddTrackPoint(SimState& s, double x, double y, double altitude) {
  s.TrackIndex = (s.TrackIndex + 1) % kTrackSlots;
  s.TrackHistory[static_cast<std::size_t>(s.TrackIndex)] = TrackPoint{x, y, altitude};
}

}  // namespace tvx
