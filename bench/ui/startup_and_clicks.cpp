// Times the start of the program and the two list clicks of the
// oxidation-number window. Usage: redox_ui_bench [runs]
//
// Start-up is timed twice: inside one process (building and showing the
// windows only) and as a whole process, from its launch until its windows
// have been painted, which is what the pupil waits for. For the latter the
// program runs itself as a child: redox_ui_bench --child program|bare|text <catalogue>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "ui/start_window.h"

namespace {

class SilentBoxes final : public redox::ModalBoxes {
 public:
  redox::BoxAnswer showMessage(const redox::MessageBoxRequest&) override {
    return redox::BoxAnswer::Ok;
  }
  QString askText(const redox::InputBoxRequest&) override { return {}; }
};

class NoEditor final : public redox::EditorLauncher {
 public:
  bool openCatalogue(const QString&) override { return true; }
};

// 301 lines with the mix of a school catalogue: many oxygen compounds, so
// that an oxygen educt gets a long product list.
QByteArray fullCatalogue() {
  const char* formulas[] = {"KMnO4", "MnO2", "Mn2+",   "Cr2O7 2-", "Cr3+", "Fe2O3",
                            "Fe3+",  "Fe",   "SO4 2-", "H2S",      "SO2",  "NO3 -",
                            "NH4 +", "NO2",  "Cl2",    "ClO3 -",   "Cl-",  "H2O2",
                            "Cu2+",  "CuO",  "Zn",     "PbO2",     "I2",   "IO3 -"};
  QByteArray bytes;
  for (int line = 0; line < redox::FormulaCatalogue::capacity; ++line) {
    bytes += "Verbindung " + QByteArray::number(line) + "#" + formulas[line % std::size(formulas)] +
             "\r\n";
  }
  return bytes;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double millisecondsOf(const std::function<void()>& work) {
  QElapsedTimer timer;
  timer.start();
  work();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

QWidget* topLevelWindow(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return widget;
  }
  return nullptr;
}

struct Seams {
  SilentBoxes boxes;
  NoEditor editor;
};

double startProgram(Seams& seams, const QString& path) {
  std::unique_ptr<redox::RedoxT> window;
  return millisecondsOf([&] {
    window = std::make_unique<redox::RedoxT>(redox::PlatformSeams{seams.boxes, seams.editor}, path);
    window->show();
    QCoreApplication::processEvents();
    window->findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
    QCoreApplication::processEvents();
  });
}

// A bare window's client area; with text, one label, so that the window pays
// for starting the font system as every window with text does.
QWidget* bareClient(bool withText) {
  auto* client = new QWidget;
  if (withText) new QLabel(QStringLiteral("Redox"), client);
  return client;
}

double startBareWindows(bool withText) {
  std::unique_ptr<QMainWindow> start;
  std::unique_ptr<QMainWindow> working;
  return millisecondsOf([&] {
    start = std::make_unique<QMainWindow>();
    start->setCentralWidget(bareClient(withText));
    start->setWindowState(Qt::WindowMaximized);
    start->show();
    QCoreApplication::processEvents();
    working = std::make_unique<QMainWindow>();
    working->setCentralWidget(bareClient(withText));
    working->setWindowState(Qt::WindowMaximized);
    working->show();
    QCoreApplication::processEvents();
  });
}

// Alternates between two rows, so that every selection is a new choice.
double clickTime(QListWidget& list, int firstRow, int secondRow, int runs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const int row = run % 2 == 0 ? firstRow : secondRow;
    times.push_back(millisecondsOf([&] { list.setCurrentRow(row); }));
  }
  return median(times);
}

// Shows the windows, says so on stdout and ends.
int runChild(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QByteArray kind = argv[2];
  Seams seams;
  if (kind == "program") {
    startProgram(seams, QString::fromLocal8Bit(argv[3]));
  } else {
    startBareWindows(kind == "text");
  }
  std::fputs("shown\n", stdout);
  std::fflush(stdout);
  return 0;
}

double processStart(const QString& kind, const QString& path) {
  QProcess child;
  QElapsedTimer timer;
  timer.start();
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), kind, path});
  while (!child.canReadLine() && child.waitForReadyRead(10000)) {
  }
  const double shown = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  child.waitForFinished();
  return shown;
}

void reportStart(const char* what, double program, double bare, double bareWithText) {
  std::printf("%s\n", what);
  std::printf("  RedoxT (301 lines) and Redox shown: %8.3f ms\n", program);
  std::printf("  two bare QMainWindows shown:        %8.3f ms\n", bare);
  std::printf("  the same with one label each:       %8.3f ms\n", bareWithText);
  std::printf("  ratio to the bare windows:          %8.2f  (aim: 1.30 or less)\n", program / bare);
  std::printf("  ratio to the labelled windows:      %8.2f\n", program / bareWithText);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (argc == 4 && QByteArray(argv[1]) == "--child") return runChild(argc, argv);
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("Redox-F.txt"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(fullCatalogue()) < 0) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return 1;
  }
  file.close();

  Seams seams;
  startBareWindows(true);  // the first window of a process loads fonts and styles
  startProgram(seams, path);
  std::vector<double> program;
  std::vector<double> bare;
  std::vector<double> bareWithText;
  for (int run = 0; run < runs; ++run) {
    bare.push_back(startBareWindows(false));
    bareWithText.push_back(startBareWindows(true));
    program.push_back(startProgram(seams, path));
  }
  reportStart("start-up inside a running process (windows only):", median(program), median(bare),
              median(bareWithText));

  std::vector<double> programProcesses;
  std::vector<double> bareProcesses;
  std::vector<double> textProcesses;
  for (int run = 0; run < runs; ++run) {
    bareProcesses.push_back(processStart(QStringLiteral("bare"), path));
    textProcesses.push_back(processStart(QStringLiteral("text"), path));
    programProcesses.push_back(processStart(QStringLiteral("program"), path));
  }
  reportStart("start-up of a whole process, launch to painted windows:", median(programProcesses),
              median(bareProcesses), median(textProcesses));

  redox::RedoxT start({seams.boxes, seams.editor}, path);
  start.show();
  start.findChild<QPushButton*>(QStringLiteral("cmdRZ"))->click();
  QCoreApplication::processEvents();
  QWidget* redox = topLevelWindow(QStringLiteral("Redox"));
  auto* compounds = redox->findChild<QListWidget*>(QStringLiteral("List1"));
  auto* products = redox->findChild<QListWidget*>(QStringLiteral("List2"));

  const int clickRuns = runs * 20;
  const double educt = clickTime(*compounds, 0, 1, clickRuns);
  const double oxygenEduct = clickTime(*compounds, 17, 41, clickRuns);
  compounds->setCurrentRow(0);
  const int productCount = products->count();
  const double product = clickTime(*products, 0, productCount - 1, clickRuns);
  compounds->setCurrentRow(17);
  std::printf("clicks (aim: under 1 ms each):\n");
  std::printf("  List1, KMnO4 (%3d products): %8.3f ms\n", productCount, educt);
  std::printf("  List1, H2O2 (%3d products):  %8.3f ms\n", products->count(), oxygenEduct);
  std::printf("  List2:                       %8.3f ms\n", product);
  return 0;
}
