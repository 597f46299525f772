#include "ui/start_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "catalogue/catalogue_file.h"
#include "catalogue/windows1252.h"
#include "ui/catalogue_messages.h"
#include "ui/control_setup.h"
#include "ui/oxidation_number_window.h"
#include "ui/picture.h"
#include "ui/placeholder_window.h"
#include "ui/qt_editor_launcher.h"
#include "ui/qt_modal_boxes.h"
#include "ui/ui_fonts.h"
#include "ui/working_window.h"

namespace redox {
namespace {

const QString kEntryPrompt = QStringLiteral("Chemikalien-Erweiterung");

std::filesystem::path filePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QPushButton* addButton(QWidget& client, const QString& name, const QString& text,
                       const TwipsRect& place, const QFont& font) {
  auto* button = new QPushButton(text, &client);
  button->setFont(font);
  placeControl(*button, name, place);
  return button;
}

}  // namespace

RedoxT::RedoxT(QWidget* parent)
    : QMainWindow(parent),
      ownBoxes_(std::make_unique<QtModalBoxes>()),
      ownEditor_(std::make_unique<QtEditorLauncher>()),
      seams_{*ownBoxes_, *ownEditor_},
      cataloguePath_(QString::fromUtf8(kCatalogueFileName)) {
  load();
}

RedoxT::RedoxT(PlatformSeams seams, const QString& cataloguePath, QWidget* parent)
    : QMainWindow(parent), seams_(seams), cataloguePath_(cataloguePath) {
  load();
}

RedoxT::~RedoxT() = default;

void RedoxT::load() {
  setObjectName(QStringLiteral("RedoxT"));
  setWindowTitle(QStringLiteral("Redox"));
  setGeometry(pixelRect({3000, 2850, 8040, 6465}));
  setWindowState(Qt::WindowMaximized);
  auto* client = new QWidget;
  client->setFont(sansSerifFont(8.25));
  setCentralWidget(client);
  addPictures(*client);
  addControls(*client);
  addMenus();

  CatalogueLoad read = loadCatalogue(filePath(cataloguePath_));
  catalogueUnreadable_ = read.state == CatalogueFileState::Unreadable;
  startMessages_ = catalogueLoadMessages(read, catalogueFileName());
  fillEditList(read.lines);
  catalogue_ = std::move(read.catalogue);
}

void RedoxT::addPictures(QWidget& client) {
  addPicture(client, QStringLiteral("Picture3"), QStringLiteral("picture3"),
             {2160, 480, 7095, 2055});
  addPicture(client, QStringLiteral("Picture1"), QStringLiteral("picture1"),
             {480, 4080, 3135, 2295});
  addPicture(client, QStringLiteral("Picture2"), QStringLiteral("picture2"),
             {8280, 4200, 3015, 2175});
}

void RedoxT::addControls(QWidget& client) {
  addLabel(client, QStringLiteral("lblTW"), QStringLiteral("Bitte wählen Sie ein Programm aus !"),
           {4080, 3000, 4095, 375}, sansSerifFont(12));

  QPushButton* exercise =
      addButton(client, QStringLiteral("cmdRZUe"), QStringLiteral(" Oxidationszahl  "),
                {4440, 4200, 2895, 615}, sansSerifFont(13.5));
  connect(exercise, &QPushButton::clicked, this, [this] {
    showWorkingWindow(exerciseWindow_, [] {
      return makePlaceholderWindow(QStringLiteral("Uebung"), QStringLiteral("Übung"),
                                   {165, 735, 8955, 6465});
    });
  });

  QPushButton* halfEquation =
      addButton(client, QStringLiteral("cmdUebungG"), QStringLiteral(" Redox-Gleichung"),
                {4440, 5520, 2895, 615}, sansSerifFont(13.5));
  connect(halfEquation, &QPushButton::clicked, this, [this] {
    showWorkingWindow(halfEquationWindow_, [] {
      return makePlaceholderWindow(QStringLiteral("frmGleichung"),
                                   QStringLiteral("Redox - Teilgleichung"), {165, 735, 8205, 6750});
    });
  });

  QPushButton* oxidationNumber =
      addButton(client, QStringLiteral("cmdRZ"), QStringLiteral("Oxidationszahl 2"),
                {4680, 6840, 2175, 495}, sansSerifFont(8.25));
  connect(oxidationNumber, &QPushButton::clicked, this, [this] {
    showWorkingWindow(oxidationNumberWindow_, [this] {
      return std::make_unique<Redox>(catalogue_, seams_, cataloguePath_);
    });
  });

  editList_ = new QListWidget(&client);
  placeControl(*editList_, QStringLiteral("List1"), {9120, 3240, 2175, 4545});
  editList_->hide();
}

void RedoxT::addMenus() {
  QMenu* datei = addMenu(*menuBar(), QStringLiteral("menDateiT"), QStringLiteral("Datei"));
  connect(addMenuCommand(*datei, QStringLiteral("menEl"), QStringLiteral("Edukte laden")),
          &QAction::triggered, this, &RedoxT::openEditList);

  insertAction_ = addMenuCommand(*datei, QStringLiteral("menEe"), QStringLiteral("Edukt einfügen"));
  insertAction_->setEnabled(false);
  connect(insertAction_, &QAction::triggered, this, &RedoxT::insertEntry);

  saveAction_ = addMenuCommand(*datei, QStringLiteral("menEs"), QStringLiteral("Edukte speichern"));
  saveAction_->setEnabled(false);
  connect(saveAction_, &QAction::triggered, this, &RedoxT::saveEditList);

  connect(addMenuCommand(*menuBar(), QStringLiteral("menEndeT"), QStringLiteral("Ende")),
          &QAction::triggered, this, &RedoxT::endProgram);
}

void RedoxT::fillEditList(const std::vector<std::string>& lines) {
  QStringList rows;
  rows.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) rows << QString::fromStdString(line);
  order_.sort(rows);
  editList_->addItems(rows);
}

void RedoxT::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownBefore_) return;
  shownBefore_ = true;
  QTimer::singleShot(0, this, &RedoxT::reportCatalogueProblems);
}

void RedoxT::reportCatalogueProblems() {
  for (const MessageBoxRequest& message : startMessages_) tell(message);
  startMessages_.clear();
}

void RedoxT::tell(const MessageBoxRequest& message) { seams_.boxes.showMessage(message); }

QString RedoxT::catalogueFileName() const { return QFileInfo(cataloguePath_).fileName(); }

void RedoxT::showWorkingWindow(std::unique_ptr<WorkingWindow>& window,
                               const WindowFactory& create) {
  if (!window) {
    window = create();
    WorkingWindow* created = window.get();
    connect(created, &WorkingWindow::startWindowRequested, this,
            [this, created] { returnFrom(*created); });
    connect(created, &WorkingWindow::programEndRequested, this, &RedoxT::endProgram);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void RedoxT::returnFrom(WorkingWindow& window) {
  show();
  raise();
  activateWindow();
  window.hide();
}

void RedoxT::endProgram() {
  if (programEnding_) return;
  programEnding_ = true;
  for (WorkingWindow* window :
       {exerciseWindow_.get(), halfEquationWindow_.get(), oxidationNumberWindow_.get()}) {
    if (window != nullptr) window->closeWithProgram();
  }
  close();
  QCoreApplication::quit();
}

void RedoxT::closeEvent(QCloseEvent* event) {
  endProgram();
  event->accept();
}

void RedoxT::openEditList() {
  editList_->show();
  insertAction_->setEnabled(true);
  saveAction_->setEnabled(true);
}

void RedoxT::insertEntry() {
  const QString name = seams_.boxes.askText({kEntryPrompt, QStringLiteral("Namen eingegeben"), {}});
  const QString formula =
      seams_.boxes.askText({kEntryPrompt, QStringLiteral("Formel eingegeben"), {}});
  if (name.isEmpty() || formula.isEmpty()) return;
  const QString row = name + QLatin1Char('#') + formula;
  if (const auto character = firstUnencodableCharacter(row.toStdString())) {
    tell(entryNotEncodableMessage(catalogueFileName(), QString::fromStdString(*character)));
    return;
  }
  editList_->insertItem(static_cast<int>(order_.insertionRow(editRows(), row)), row);
}

// Every row goes back to the file, those without "#" included: they came
// from the file, and saving must lose none of its text.
void RedoxT::saveEditList() {
  if (catalogueUnreadable_) {
    tell(unreadableCatalogueKeptMessage(catalogueFileName()));
    return;
  }
  std::vector<std::string> rows;
  for (const QString& row : editRows()) rows.push_back(row.toStdString());
  const CatalogueSaveResult result = saveCatalogue(rows, filePath(cataloguePath_));
  switch (result.status) {
    case CatalogueSaveStatus::Saved:
      break;
    case CatalogueSaveStatus::Unencodable:
      tell(rowNotEncodableMessage(catalogueFileName(), static_cast<int>(result.row) + 1,
                                  QString::fromStdString(result.character)));
      return;
    case CatalogueSaveStatus::WriteFailed:
      tell(catalogueNotWrittenMessage(catalogueFileName(), result.error));
      return;
  }
  editList_->hide();
  insertAction_->setEnabled(false);
  saveAction_->setEnabled(false);
}

QStringList RedoxT::editRows() const {
  QStringList rows;
  rows.reserve(editList_->count());
  for (int row = 0; row < editList_->count(); ++row) rows << editList_->item(row)->text();
  return rows;
}

}  // namespace redox
