#include "ui/picture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>

#include "ui/control_setup.h"

namespace redox {

QLabel* addPicture(QWidget& parent, const QString& name, const QString& image,
                   const TwipsRect& place) {
  const bool highResolution = qApp->devicePixelRatio() > 1.0;
  QPixmap pixmap(QStringLiteral(":/pictures/%1%2.png")
                     .arg(image, highResolution ? QStringLiteral("@2x") : QString()));
  pixmap.setDevicePixelRatio(highResolution ? 2.0 : 1.0);
  auto* picture = new QLabel(&parent);
  picture->setPixmap(pixmap);
  placeControl(*picture, name, place);
  return picture;
}

}  // namespace redox
