#pragma once
// Helpers shared by the window tests.
#include <QImage>
#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace tvx::test {

// Folder for pictures and files a test run leaves behind for a person to look at.
QString OutputDir();
// Saves `image` as OutputDir()/name.png and returns the path.
QString SavePng(const QImage& image, const QString& name);
// A widget grabbed the way it is shown.
QImage Grab(QWidget* widget);
// The texts of a combo box's items, in order.
QStringList ComboItems(const QComboBox* box);
// Points the data root at a fresh temporary folder for this process.
void UseTemporaryDataRoot();

}  // namespace tvx::test
