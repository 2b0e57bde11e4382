#pragma once
// The main menu's texts: the lines the memo shows for the control under the
// mouse, and the banner that grows word by word.
#include <QString>
#include <QStringList>

namespace tvx {

// The hover words, one per control (or group of controls sharing a text).
inline constexpr const char* kHoverSimulator = "simulator";
inline constexpr const char* kHoverBoeing757 = "boeing757";
inline constexpr const char* kHoverExercises = "exercises";
inline constexpr const char* kHoverNavlog = "navlog";
inline constexpr const char* kHoverMassBal = "massbal";
inline constexpr const char* kHoverConversion = "conversion";
inline constexpr const char* kHoverExit = "exit";
inline constexpr const char* kHoverCreated = "created";

// The line every hover text ends with: where the program is found.
QString WebLine();

// The memo's lines for hover word `word`; none for an unknown word.
QStringList HoverLines(const QString& word);

// Whether the memo must be rewritten for `word`: only when the word differs
// from `hoverKey`, which then becomes `word`.
bool TakeHover(QString& hoverKey, const QString& word);

// The banner after `banner` at the next timer event: "" -> "Fly" ->
// "Fly at a Higher" -> "Fly at a Higher Level !" -> "" again; any other
// text gives the full line.
QString NextBanner(const QString& banner);

}  // namespace tvx
