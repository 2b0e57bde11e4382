#pragma once
// The documents the program opens through the shell: the manual and its
// one-page summary. They are shipped with the program's data and copied into
// the program's folder (the data root) at start-up.
#include <QString>

namespace tvx {

inline constexpr const char* kSummaryPdf = "Summary.pdf";
inline constexpr const char* kManualPdf = "Tarvinex Sim Manual.pdf";

// Where the document `fileName` lies: in the program's folder.
QString DocumentPath(const QString& fileName);

// Asks the shell to open the document `fileName` with the desktop's viewer;
// false when nothing could open it (a missing file, no viewer).
bool OpenDocument(const QString& fileName);

}  // namespace tvx
