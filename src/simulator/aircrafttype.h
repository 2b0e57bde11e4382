#pragma once
// The three ways the program tells the aircraft types apart. They are not
// interchangeable: "SEP EFIS" flies like "SEP" but shows the glass panel.
#include <QString>

namespace tvx {

// The classic panel with round dials: "SEP" only.
inline bool IsRoundDialPanel(const QString& type) { return type == "SEP"; }

// The piston flight model and the piston scales: "SEP" and "SEP EFIS".
inline bool IsPiston(const QString& type) { return type == "SEP" || type == "SEP EFIS"; }

// Everything else ("737", "320", and no type chosen yet) is flown and drawn as the jet.
inline bool IsJet(const QString& type) { return !IsPiston(type); }

// The type of an item of the type selector: "SEP", "SEP EFIS", "737"; any other index "320".
inline QString TypeForTypegroupIndex(int index) {
  switch (index) {
    case 0: return "SEP";
    case 1: return "SEP EFIS";
    case 2: return "737";
    default: return "320";
  }
}

// "SEP" for both piston types, "JET" for the others.
inline QString CategoryOfType(const QString& type) { return IsPiston(type) ? "SEP" : "JET"; }

}  // namespace tvx
