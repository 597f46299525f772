#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "catalogue/formula_catalogue.h"
#include "ui/catalogue_order.h"
#include "ui/modal_boxes.h"
#include "ui/platform_seams.h"

class QAction;
class QListWidget;

namespace redox {

class QtEditorLauncher;
class QtModalBoxes;
class WorkingWindow;

// The start window: it reads the catalogue once, opens the three working
// windows, lets the teacher extend and save the catalogue, and ends the
// program.
class RedoxT : public QMainWindow {
  Q_OBJECT

 public:
  // Real boxes and editor; the catalogue "Redox-F.txt" in the working directory.
  explicit RedoxT(QWidget* parent = nullptr);
  RedoxT(PlatformSeams seams, const QString& cataloguePath, QWidget* parent = nullptr);
  ~RedoxT() override;

  // Closes every window and leaves the event loop; nothing is asked or saved.
  void endProgram();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  using WindowFactory = std::function<std::unique_ptr<WorkingWindow>()>;

  void load();
  void addControls(QWidget& client);
  void addPictures(QWidget& client);
  void addMenus();
  void fillEditList(const std::vector<std::string>& lines);
  void reportCatalogueProblems();
  void tell(const MessageBoxRequest& message);
  QString catalogueFileName() const;

  void showWorkingWindow(std::unique_ptr<WorkingWindow>& window, const WindowFactory& create);
  void returnFrom(WorkingWindow& window);

  void openEditList();
  void insertEntry();
  void saveEditList();
  QStringList editRows() const;

  std::unique_ptr<QtModalBoxes> ownBoxes_;
  std::unique_ptr<QtEditorLauncher> ownEditor_;
  PlatformSeams seams_;
  QString cataloguePath_;
  FormulaCatalogue catalogue_;
  bool catalogueUnreadable_ = false;
  std::vector<MessageBoxRequest> startMessages_;
  CatalogueOrder order_;
  bool shownBefore_ = false;
  bool programEnding_ = false;

  QListWidget* editList_ = nullptr;
  QAction* insertAction_ = nullptr;
  QAction* saveAction_ = nullptr;

  std::unique_ptr<WorkingWindow> exerciseWindow_;
  std::unique_ptr<WorkingWindow> halfEquationWindow_;
  std::unique_ptr<WorkingWindow> oxidationNumberWindow_;
};

}  // namespace redox
