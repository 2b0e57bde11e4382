#pragma once
// The program's fixed folder "C:\Tarvinex\Tarvinex Sim\" and its subfolders
// live under one data root: $TARVINEX_HOME when set, else a per-user folder.
#include <QString>

namespace tvx {

QString DataRoot();
// A path of the fixed folder tree, given the Windows way
// ("C:\Tarvinex\Tarvinex Sim\Navdata\stop.bmp"), as a path under the data root.
// The folder's spelling is taken case-insensitively, so "tarvinex Sim" is the
// same folder. Any other path is returned with "\" turned into "/".
QString MapPath(const QString& windowsPath);
// A subfolder of the data root ("Areas", "Navdata", ...).
QString DataPath(const QString& relative);
// Creates the data root's folders and copies the shipped files that are
// missing, never overwriting the user's own. Returns false, touching nothing,
// when the root cannot be created or a file cannot be written in it.
bool EnsureDataRoot();
// Whether the last EnsureDataRoot found that files can be saved in the data
// root; true before it has looked.
bool DataRootWritable();
// EnsureDataRoot at the program's start; when files cannot be saved in the
// data root, one message names the folder and says why, and stands for every
// file the program then misses there.
void PrepareDataRootAtStart();
// The folder whose tree is copied into a new data root.
QString ShippedDataDir();

}  // namespace tvx
