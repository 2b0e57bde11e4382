#include "shell/menutexts.h"

#include "shell/documents.h"

namespace tvx {

QString WebLine() { return kProductWebName; }

QStringList HoverLines(const QString& word) {
  const QString web = WebLine();
  if (word == kHoverSimulator)
    return {"Fly The Simulator.", "", "Fasten your seatbelts.", "Cleared for take-off.", "", web};
  if (word == kHoverBoeing757) return {"Fly The Boeing 757.", "Fasten your seatbelts.", "", web};
  if (word == kHoverExercises) return {"Make The IFR Exercises.", "", web};
  if (word == kHoverNavlog) return {"Flight Preparation: ", "Navigation Log.", "", web};
  if (word == kHoverMassBal) return {"Flight Preparation: ", "Mass And Balance.", "", web};
  if (word == kHoverConversion) return {"Calculate Conversions.", "", web};
  if (word == kHoverExit)
    return {"Thank You For Flying",   "The Tarvinex Sim.", "", "We hope you enjoyed the flight!",
            "Have a great day/evening!", "",               web};
  if (word == kHoverCreated) return {"Created by:", web, "", "Welcome Aboard!", ""};
  return {};
}

bool TakeHover(QString& hoverKey, const QString& word) {
  if (hoverKey == word) return false;
  hoverKey = word;
  return true;
}

QString NextBanner(const QString& banner) {
  if (banner.isEmpty()) return "Fly";
  if (banner == "Fly") return "Fly at a Higher";
  if (banner == "Fly at a Higher") return "Fly at a Higher Level !";
  if (banner == "Fly at a Higher Level !") return "";
  return "Fly at a Higher Level !";
}

}  // namespace tvx
