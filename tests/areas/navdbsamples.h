#pragma once
// Database records for the tests: placed north and east, with the fields a
// test does not name filled plausibly.
#include "areas/navdatabase.h"

namespace tvx::test {

inline AirportRecord SampleAirport(const QString& ident, const QString& name, const QString& icao, int latDeg,
                                   double latMin, int lonDeg, double lonMin, int elevation = 0) {
  AirportRecord r;
  r.Ident = ident, r.Name = name, r.Icao = icao, r.Elevation = elevation;
  r.LatHemisphere = "N", r.LatDeg = latDeg, r.LatMin = latMin;
  r.LonHemisphere = "E", r.LonDeg = lonDeg, r.LonMin = lonMin;
  return r;
}

inline NavaidRecord SampleNavaid(const QString& ident, const QString& type, const QString& freq, int latDeg,
                                 double latMin, int lonDeg, double lonMin, const QString& name = QString()) {
  NavaidRecord r;
  r.Ident = ident, r.Type = type, r.Country = "NL", r.Frequency = freq;
  r.Name = name.isEmpty() ? "BEACON " + ident.trimmed() : name;
  r.LatHemisphere = "N", r.LatDeg = latDeg, r.LatMin = latMin;
  r.LonHemisphere = "E", r.LonDeg = lonDeg, r.LonMin = lonMin;
  r.Variation = -2;
  return r;
}

inline IlsRecord SampleIls(const QString& runway, const QString& freq, int latDeg, double latMin, int lonDeg,
                           double lonMin) {
  IlsRecord r;
  r.AirportIdent = "NLEHAM", r.Runway = runway, r.Frequency = freq;
  r.LatHemisphere = "N", r.LatDeg = latDeg, r.LatMin = latMin;
  r.LonHemisphere = "E", r.LonDeg = lonDeg, r.LonMin = lonMin;
  r.Variation = -1, r.Course = 58, r.Elevation = -11;
  return r;
}

}  // namespace tvx::test
