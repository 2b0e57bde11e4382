// The generators of the INTERCEPTIONS group.
#include "exercises/exform.h"
#include "exercises/exstate.h"
#include "exercises/interceptions.h"

namespace tvx {

void TExform::Exdirvor() { RunGeneratedExercise(*this, DirectToVorExercise(Ex, false)); }

void TExform::Exvorinitcrs() { RunGeneratedExercise(*this, DirectToVorExercise(Ex, true)); }

void TExform::Exwindhelp() { RunGeneratedExercise(*this, WindHelpExercise(Ex)); }

void TExform::Exoverinthdg() { RunGeneratedExercise(*this, OverheadHeadingExercise(Ex)); }

void TExform::ExoverintVOR() { RunGeneratedExercise(*this, OverheadInterceptionExercise(Ex, InterceptStation::Vor)); }

void TExform::ExoverintNDB() { RunGeneratedExercise(*this, OverheadInterceptionExercise(Ex, InterceptStation::Ndb)); }

void TExform::ExVORnavig() { RunGeneratedExercise(*this, NavigationExercise(Ex, InterceptStation::Vor)); }

void TExform::ExNDBnavig() { RunGeneratedExercise(*this, NavigationExercise(Ex, InterceptStation::Ndb)); }

void TExform::Exoutbinthdg() { RunGeneratedExercise(*this, OutboundHeadingExercise(Ex)); }

void TExform::ExoutbintVOR() { RunGeneratedExercise(*this, OutboundInterceptionExercise(Ex, InterceptStation::Vor)); }

void TExform::ExoutbintNDB() { RunGeneratedExercise(*this, OutboundInterceptionExercise(Ex, InterceptStation::Ndb)); }

void TExform::Exinbinthdg() { RunGeneratedExercise(*this, InboundHeadingExercise(Ex)); }

void TExform::ExinbintVOR() { RunGeneratedExercise(*this, InboundInterceptionExercise(Ex, InterceptStation::Vor)); }

void TExform::ExinbintNDB() { RunGeneratedExercise(*this, InboundInterceptionExercise(Ex, InterceptStation::Ndb)); }

}  // namespace tvx
