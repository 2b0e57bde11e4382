#include "shell/documents.h"

#include "platform/dataroot.h"
#include "platform/shell.h"

namespace tvx {

QString DocumentPath(const QString& fileName) { return DataRoot() + "/" + fileName; }

bool OpenDocument(const QString& fileName) { return OpenPathOrSay(DocumentPath(fileName)); }

QString InvitationSubject() { return "Try Tarvinex Sim"; }

QString InvitationBody() {
  return QString(
             "Hello,\n\n"
             "I am training instrument flying with Tarvinex Sim: a small flight simulator with 70 IFR exercises "
             "and flight-preparation tools.\n\n"
             "Give it a try. You can get it at ") +
         kProductWebName + ".\n\nHappy landings!";
}

}  // namespace tvx
