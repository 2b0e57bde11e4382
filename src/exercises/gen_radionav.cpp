// The generators of the radio-navigation exercises: the aircraft placed on
// a drawn radial (or QDR) and heading from the NDB "MMM" or the VOR "AAA",
// the question asked, and its answer taken from the bearings the radios
// computed for that position.
#include "areas/instroptions.h"
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "exercises/radionavexercises.h"
#include "simulator/simstate.h"

namespace tvx {

namespace {

// The RMI card's second choice: the ADF needle on a turning card.
constexpr int kAdfRmi = 1;

void RunRadioNav(TExform& form, RadioNavItem item) {
  const RadioNavExercise exercise = DrawRadioNav(item, Ex);
  if (exercise.Question) form.DoeStatic();
  else form.DoeFly();
  if (exercise.RmiNeedle) InstrSettings.ADFRMI = kAdfRmi;
  if (exercise.ShowMap) form.ShowMapAtTop();
  WriteStartPanel(exercise.Panel);
  form.PlaceAircraft();
  for (const QString& line : exercise.Task) form.AddTask(line);
  if (exercise.Question) Ex.ExAnswer = ExpectedBearingAnswer(exercise, Sim);
}

}  // namespace

void TExform::ExBear() { RunRadioNav(*this, RadioNavItem::Bear); }
void TExform::Expoint() { RunRadioNav(*this, RadioNavItem::Point); }
void TExform::Exmapqdm() { RunRadioNav(*this, RadioNavItem::MapQdm); }
void TExform::Exinsqdm() { RunRadioNav(*this, RadioNavItem::InsQdm); }
void TExform::Exmapqdr() { RunRadioNav(*this, RadioNavItem::MapQdr); }
void TExform::Exinsqdr() { RunRadioNav(*this, RadioNavItem::InsQdr); }
void TExform::Exrmiqdmqdr() { RunRadioNav(*this, RadioNavItem::RmiQdmQdr); }
void TExform::Exmaprad() { RunRadioNav(*this, RadioNavItem::MapRad); }
void TExform::Exvorrad() { RunRadioNav(*this, RadioNavItem::VorRad); }
void TExform::Exmapcrs() { RunRadioNav(*this, RadioNavItem::MapCrs); }
void TExform::Exvorcrs() { RunRadioNav(*this, RadioNavItem::VorCrs); }
void TExform::Exvorchange() { RunRadioNav(*this, RadioNavItem::VorChange); }
void TExform::Exexactrad() { RunRadioNav(*this, RadioNavItem::ExactRad); }
void TExform::Exexactcrs() { RunRadioNav(*this, RadioNavItem::ExactCrs); }

}  // namespace tvx
