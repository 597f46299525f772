#pragma once

#include <QString>

#include "catalogue/formula_catalogue.h"
#include "ui/formula_panel.h"
#include "ui/platform_seams.h"
#include "ui/working_window.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace redox {

// The oxidation-number window: a formula typed in or picked by name is shown
// with the oxidation number of its element, the catalogue's compounds with
// the same element are offered as products, and a chosen product is shown
// below it.
class Redox : public WorkingWindow {
  Q_OBJECT

 public:
  Redox(const FormulaCatalogue& catalogue, PlatformSeams seams, const QString& cataloguePath);

 private:
  void addControls(QWidget& client);
  void addMenus();
  void connectEvents();
  void fillCompoundList();

  void chooseEduct(int row);
  void analyseEduct();
  void analyseProduct(int row);
  void openCatalogueInEditor();

  const FormulaCatalogue& catalogue_;
  PlatformSeams seams_;
  QString cataloguePath_;
  QWidget* client_;
  FormulaPanel educt_;
  FormulaPanel product_;
  QLineEdit* formelEin_ = nullptr;
  QPushButton* cmdFormel_ = nullptr;
  QListWidget* list1_ = nullptr;
  QListWidget* list2_ = nullptr;
};

}  // namespace redox
