#include "start_window_fixture.h"

StartWindowFixture::StartWindowFixture(const QStringList& catalogueLines) {
  folder.writeLines(catalogueLines);
}

redox::RedoxT& StartWindowFixture::makeStartWindow() {
  startWindow_.reset();
  startWindow_ =
      std::make_unique<redox::RedoxT>(redox::PlatformSeams{boxes, editor}, folder.cataloguePath());
  return *startWindow_;
}
