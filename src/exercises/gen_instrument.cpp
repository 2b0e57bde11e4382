// The generators of the instrument-flying exercises. The flying tasks and
// the reciprocal question leave the simulator as it is and word the task
// from the present flight state, also while it flies; the wind
// demonstration places the aircraft anew in a new wind each time.
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "exercises/instrumenttasks.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

void RunInstrumentTask(TExform& form, InstrumentTask task) {
  if (task == InstrumentTask::Reciprocal) form.DoeStatic();
  else form.DoeFly();
  for (const QString& line : DrawInstrumentTask(task, Ex, Sim.Altitude, Sim.Heading, Sim.AirportElevation)) form.AddTask(line);
}

}  // namespace

void TExform::Exlevelspd() { RunInstrumentTask(*this, InstrumentTask::LevelSpeed); }
void TExform::ExRecipr() { RunInstrumentTask(*this, InstrumentTask::Reciprocal); }
void TExform::ExClbspd() { RunInstrumentTask(*this, InstrumentTask::ClimbSpeed); }
void TExform::ExClbvert() { RunInstrumentTask(*this, InstrumentTask::ClimbRate); }
void TExform::ExDesspd() { RunInstrumentTask(*this, InstrumentTask::DescentSpeed); }
void TExform::ExDesvert() { RunInstrumentTask(*this, InstrumentTask::DescentRate); }
void TExform::Exturn() { RunInstrumentTask(*this, InstrumentTask::Turn); }
void TExform::Exvector() { RunInstrumentTask(*this, InstrumentTask::Vector); }

void TExform::Exwindinfl() {
  DoeFly();
  ShowMapAtTop();
  const WindDemo demo = DrawWindDemo(Ex);
  WriteStartPanel(demo.Panel);
  PlaceAircraft();
  for (const QString& line : demo.Task) AddTask(line);
}

}  // namespace tvx
