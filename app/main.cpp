#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/start_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);

  // The program speaks German, so do the buttons of Qt's own boxes.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  redox::RedoxT startWindow;
  startWindow.show();
  return QApplication::exec();
}
