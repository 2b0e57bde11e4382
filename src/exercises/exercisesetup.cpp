#include "exercises/exercisesetup.h"

#include "simulator/form1.h"

namespace tvx {

void WriteStartPanel(const StartPanelEntry& entry) {
  if (!Form1) return;
  auto& f = Form1->ui;
  f.beaconinput->setText(entry.Beacon);
  f.Radialinput->setText(QString::number(entry.Radial));
  f.HDGinput->setText(QString::number(entry.Heading));
  if (entry.Dme) f.DMEinput->setText(QString::number(*entry.Dme));
  if (entry.WindDirection) f.WINDWinput->setText(QString::number(*entry.WindDirection));
  if (entry.WindSpeed) f.WINDVinput->setText(QString::number(*entry.WindSpeed));
}

int Compass0To359(int degrees) {
  degrees %= 360;
  return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace tvx
