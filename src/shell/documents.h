#pragma once
// The documents the program opens through the shell: the manual and its
// one-page summary. They are shipped with the program's data and copied into
// the program's folder (the data root) at start-up.
#include <QString>

namespace tvx {

inline constexpr const char* kSummaryPdf = "Summary.pdf";
inline constexpr const char* kManualPdf = "Tarvinex Sim Manual.pdf";

// Where the program is found on the web, as the menus name it.
inline constexpr const char* kProductWebName = "www.tarvinex.com";
// The maker's community page of the pilots who fly the program: the main
// menu's picture and the area window's share picture open it.
inline constexpr const char* kCommunityPage = "https://www.tarvinex.com/community";
// The invitation mail that asks a friend to try the program.
QString InvitationSubject();
QString InvitationBody();

// Where the document `fileName` lies: in the program's folder.
QString DocumentPath(const QString& fileName);

// Asks the shell to open the document `fileName` with the desktop's viewer;
// when nothing could (a missing file, no viewer) a message names the file,
// and the result is false.
bool OpenDocument(const QString& fileName);

}  // namespace tvx
