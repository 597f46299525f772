// Renders one SVG drawing into PNG files at one and two times its size.
// Usage: redox_render_picture drawing.svg picture.png picture@2x.png
//
// Runs at build time, so that the program shows ready-made images instead of
// loading Qt SVG and rendering vectors while its start window opens.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool renderAt(QSvgRenderer& renderer, int scale, const QString& target) {
  QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  renderer.render(&painter);
  painter.end();
  return image.save(target, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  if (argc != 4) {
    std::fputs("usage: redox_render_picture drawing.svg picture.png picture@2x.png\n", stderr);
    return 2;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "%s: not a drawing Qt SVG can render\n", argv[1]);
    return 1;
  }
  const bool rendered = renderAt(renderer, 1, QString::fromLocal8Bit(argv[2])) &&
                        renderAt(renderer, 2, QString::fromLocal8Bit(argv[3]));
  if (!rendered) std::fprintf(stderr, "%s: cannot write the images\n", argv[1]);
  return rendered ? 0 : 1;
}
