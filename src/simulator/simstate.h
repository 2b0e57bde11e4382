#pragma once
// The state of the simulated flight: the simulator unit's globals, one struct
// with one instance. Every field starts at its first value (0, false or empty
// unless given here); FormCreate and Initpos give the rest. Positions are in
// NM on a plane whose origin is VOR 1, x to the east and y to the SOUTH.
#include <QString>
#include <array>
#include <cstdint>

namespace tvx {

struct TrackPoint {
  double X = -999;
  double Y = -999;
  double Altitude = -999;
  bool Empty() const { return X == -999 && Y == -999 && Altitude == -999; }
};

constexpr int kTrackSlots = 600;

struct SimState {
  // --- Aircraft ---
  double AircraftX = 0, AircraftY = 0;
  double Altitude = 0;
  double Heading = 0;
  double Airspeed = 0;
  double TrueAirspeed = 0, MachNumber = 0, DensityRatio = 0;
  double GroundSpeed = 0, TrackAngle = 0, DriftAngle = 0;
  double BankAngle = 0;
  double TurnRadius = 0;
  double PitchAttitude = 0;
  double AngleOfAttack = 0;
  double FlightPathAngle = 0;
  double BodyAngle = 0;
  double VerticalSpeed = 0;
  double Acceleration = 0;
  double Thrust = 0, CommandedThrust = 0, Drag = 0, Lift = 0, Weight = 0;
  double LiftCoefficient = 0, DragCoefficient = 0, ParasiteDrag = 0, FlapParasiteDrag = 0;
  double AirDensity = 0, WingArea = 0, AspectRatio = 0, OswaldFactor = 0;
  double EnginePower = 0;
  double CommandedRpm = 0, EngineRpm = 0, DisplayedRpm = 0;
  double N1 = 0, DisplayedN1 = 0;
  bool OnGround = false;
  QString BrakeState;
  QString TakeoffState;
  std::int32_t FlapSetting = 0;
  std::int32_t FlapIndex = 0;
  bool GearDown = false;
  bool OneEngineOut = false;
  QString AircraftType;
  QString AircraftCategory;
  double DisplayedAirspeed = 0;
  // The airspeed at the speed tape's previous refresh (its filter).
  double PreviousTapeAirspeed = 0;
  double PresetPower = 0;
  // The attitude indicator's disc turns with the bank (degrees).
  double AttitudeDiscRotation = 0;

  // --- Wind and radios ---
  std::int32_t WindDirection = 0, WindSpeed = 0;
  double Vor1StationX = 0, Vor1StationY = 0, Vor2StationX = 0, Vor2StationY = 0, AdfStationX = 0, AdfStationY = 0;
  double Vor1Radial = 0, Vor1Distance = 0, Vor2Radial = 0, Vor2Distance = 0, AdfQdr = 0;
  bool Vor1Received = false, Vor2Received = false, AdfReceived = false, IlsTuned = false;
  QString Vor1Ident, Vor2Ident, AdfIdent;
  std::int32_t Obs1Course = 0, Obs2Course = 0;
  double OuterMarkerX = -999, OuterMarkerY = -999;
  bool OverOuterMarker = false;
  std::int32_t AirportElevation = 0;
  bool GlideslopeOff = false;

  // --- Results of the VOR 1/ILS computation, read by the HSI, strips and tick ---
  double Vor1Deviation = 0;
  double GlideslopeDeviation = 0;
  QString Vor1ToFrom;
  // Jets' distance from the VOR 1 course line (NM), shown by the HSI.
  double CrossTrackDistance = 0;
  // The heading the ADF/RMI card is turned by (0 in the plain ADF mode).
  double AdfCardHeading = 0;

  // --- Time keeping (seconds) ---
  double TickSeconds = 0, ClockStep = 0, KeyRepeatStep = 0;
  double PhysicsClock = 0, RepaintClock = 0, SecondClock = 0, MarkerBlinkClock = 0;
  double BumpClock = 0, TurbulenceClock = 0, GustClock = 0, BumpInterval = 0;
  std::int32_t GustInterval = 0;
  double ScenarioClock = 0;
  std::int32_t ScenarioTrigger = 0;
  double JoyTurnClock = 0, JoyPitchClock = 0, JoyTurnInterval = 0, JoyPitchInterval = 0;
  bool JoyTurnReady = false, JoyPitchReady = false;
  double TurnKeyClock = 0, PitchKeyClock = 0, PowerKeyClock = 0;
  QString TurnCommand = "off", PitchCommand = "off", PowerCommand = "off";
  bool Paused = false;

  // --- Track history: a ring of 600 points, TrackIndex the slot written last ---
  std::array<TrackPoint, kTrackSlots> TrackHistory{};
  std::int32_t TrackIndex = -1;

  // --- Holding definition ---
  double HoldingX = 0, HoldingY = 0;
  std::int32_t HoldingInboundCourse = 0, HoldingRadial = 0;
  QString HoldingSide;
  std::int32_t HoldingSpeed = 0;

  // --- Autopilot, speed bug, baro and minimums ---
  bool AutopilotEngaged = false;
  double SelectedHeading = 0;
  std::int32_t SelectedHeadingWhole = 0;
  double SelectedSpeed = 0, SelectedVerticalSpeed = 0;
  double TargetBank = 0;
  double AoaStep = 0, PathStep = 0;
  std::int32_t SpeedBug = 0, AltitudeBug = 0;
  QString SpeedBugPhase;
  bool BaroStd = false;
  std::int32_t Minimums = 0;

  // --- Failure and manoeuvre scenarios ---
  QString FailureCode = "OFF";
  std::int32_t FailurePhase = 0;
  std::int32_t FailureVariant = 0;
  std::int32_t FailedEngine = 0;
  std::int32_t UnreliableSpeedError = 0;
  QString TcasAdvisory;
  double TcasTargetPitch = 0;  // pitch of the attitude indicator's TCAS band

  // --- Turbulence ---
  std::int32_t BumpBankDirection = 0, BumpPitchDirection = 0;

  // --- Joystick ---
  std::int32_t JoyCentreX = 0, JoyCentreY = 0;
  bool JoyAwaitCentre = false;
  double JoystickLeverRpm = 0, JoystickLeverN1 = 0;

  // --- Layout (pixels) ---
  std::int32_t CellSize = 0, InstrumentRadius = 0;
  std::int32_t TickLengthShort = 0, TickLengthLong = 0, CardTickLengthShort = 0, CardTickLengthLong = 0;
  std::int32_t CellMargin = 0, CellFrameMargin = 0, CellFrameCornerCut = 0;
  std::int32_t AsiCentreX = 0, AsiCentreY = 0, TurnCoordinatorCentreX = 0, TurnCoordinatorCentreY = 0;
  std::int32_t AltimeterCentreX = 0, AltimeterCentreY = 0, Vor1CentreX = 0, Vor1CentreY = 0;
  std::int32_t VsiCentreX = 0, VsiCentreY = 0, Vor2CentreX = 0, Vor2CentreY = 0, AdfCentreX = 0, AdfCentreY = 0;
  std::int32_t EngineCentreX = 0, EngineCentreY = 0, AdiCentreX = 0, AdiCentreY = 0, HsiCentreX = 0, HsiCentreY = 0;
  // Scaled down with a dial too small for the designed ladder.
  double AdiPixelsPerDegree = 0;

  // --- Map ---
  bool MapVisible = false, MapFullSize = false;
  std::int32_t MapPixelsPerNm = 0;
  std::int32_t MapCentreX = 0, MapCentreY = 0, MapLeft = 0;
  double VerticalMapScale = 0;

  // --- Exercise course line ---
  bool CourseLineShown = false;
  double CourseLineX = 0, CourseLineY = 0;
  std::int32_t CourseLineCourse = 0;

  // --- Exercise score: right and confirmed answers of the current run ---
  std::int32_t ExRightCount = 0, ExAnsweredCount = 0;

  // --- Start panel, chronometer ---
  bool StartInputError = false;
  QString StartBeaconKind;
  bool BeaconTyping = false;
  std::int32_t ChronoWhole = 0;
  double ChronoSeconds = 0;
};

// The one instance of the flight state.
extern SimState Sim;

// Back to the first values, for a fresh start and for tests.
void ResetSimState();

// Every slot of the track history empty, TrackIndex -1.
void ClearTrackHistory(SimState& s);
// Stores a point in the slot after TrackIndex (slot 0 after slot 599).
void AddTrackPoint(SimState& s, double x, double y, double altitude);

}  // namespace tvx
