#include "shell/documents.h"

#include "platform/dataroot.h"
#include "platform/shell.h"

namespace tvx {

QString DocumentPath(const QString& fileName) { return DataRoot() + "/" + fileName; }

bool OpenDocument(const QString& fileName) { return OpenPath(DocumentPath(fileName)); }

}  // namespace tvx
