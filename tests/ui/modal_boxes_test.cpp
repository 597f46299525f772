#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "ui/qt_modal_boxes.h"

using redox::BoxAnswer;
using redox::BoxButtons;
using redox::BoxIcon;

// The real boxes are modal, so the test reaches them from a timer while
// they wait for an answer.
class ModalBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBox_data();
  void messageBox();
  void inputBoxReturnsTheTypedText();
  void cancelledInputBoxReturnsNothing();
  void inputBoxStandsWhereItIsAsked();

 private:
  void whenOpen(std::function<void(QWidget&)> act);
  bool seen_ = false;
};

void ModalBoxesTest::whenOpen(std::function<void(QWidget&)> act) {
  seen_ = false;
  auto* poll = new QTimer(this);
  connect(poll, &QTimer::timeout, this, [this, poll, act] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr || !box->isVisible()) return;
    poll->deleteLater();
    poll->stop();
    seen_ = true;
    act(*box);
  });
  poll->start(10);
}

void ModalBoxesTest::messageBox_data() {
  QTest::addColumn<BoxIcon>("icon");
  QTest::addColumn<BoxButtons>("buttons");
  QTest::addColumn<int>("press");
  QTest::addColumn<BoxAnswer>("answer");

  QTest::newRow("OK, no icon") << BoxIcon::None << BoxButtons::Ok << int(QMessageBox::Ok)
                               << BoxAnswer::Ok;
  QTest::newRow("OK, critical") << BoxIcon::Critical << BoxButtons::Ok << int(QMessageBox::Ok)
                                << BoxAnswer::Ok;
  QTest::newRow("Yes") << BoxIcon::None << BoxButtons::YesNo << int(QMessageBox::Yes)
                       << BoxAnswer::Yes;
  QTest::newRow("No") << BoxIcon::None << BoxButtons::YesNo << int(QMessageBox::No)
                      << BoxAnswer::No;
}

void ModalBoxesTest::messageBox() {
  QFETCH(BoxIcon, icon);
  QFETCH(BoxButtons, buttons);
  QFETCH(int, press);
  QFETCH(BoxAnswer, answer);

  QString text;
  QString title;
  QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
  QList<QMessageBox::StandardButton> shownButtons;
  whenOpen([&](QWidget& widget) {
    auto& box = dynamic_cast<QMessageBox&>(widget);
    text = box.text();
    title = box.windowTitle();
    shownIcon = box.icon();
    for (QAbstractButton* button : box.buttons()) shownButtons << box.standardButton(button);
    box.button(static_cast<QMessageBox::StandardButton>(press))->click();
  });

  redox::QtModalBoxes boxes;
  const BoxAnswer given = boxes.showMessage(
      {QStringLiteral(" Falsch "), QStringLiteral("noch ein Versuch"), icon, buttons});
  QVERIFY(seen_);
  QCOMPARE(given, answer);
  QCOMPARE(text, QStringLiteral(" Falsch "));
  QCOMPARE(title, QStringLiteral("noch ein Versuch"));
  QCOMPARE(shownIcon, icon == BoxIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
  std::sort(shownButtons.begin(), shownButtons.end());
  QList<QMessageBox::StandardButton> expectedButtons = {QMessageBox::Ok};
  if (buttons == BoxButtons::YesNo) expectedButtons = {QMessageBox::Yes, QMessageBox::No};
  QCOMPARE(shownButtons, expectedButtons);
}

void ModalBoxesTest::inputBoxReturnsTheTypedText() {
  QString prompt;
  QString title;
  QString shownText = QStringLiteral("not read");
  whenOpen([&](QWidget& widget) {
    auto& dialog = dynamic_cast<QInputDialog&>(widget);
    prompt = dialog.labelText();
    title = dialog.windowTitle();
    shownText = dialog.textValue();
    auto* edit = dialog.findChild<QLineEdit*>();
    QTest::keyClicks(edit, QStringLiteral(" Kupfer "));
    QTest::keyClick(edit, Qt::Key_Return);
  });

  redox::QtModalBoxes boxes;
  const QString typed = boxes.askText(
      {QStringLiteral("Chemikalien-Erweiterung"), QStringLiteral("Namen eingegeben"), {}});
  QVERIFY(seen_);
  QCOMPARE(typed, QStringLiteral(" Kupfer "));
  QCOMPARE(prompt, QStringLiteral("Chemikalien-Erweiterung"));
  QCOMPARE(title, QStringLiteral("Namen eingegeben"));
  QCOMPARE(shownText, QString());
}

void ModalBoxesTest::cancelledInputBoxReturnsNothing() {
  whenOpen([](QWidget& widget) {
    auto& dialog = dynamic_cast<QInputDialog&>(widget);
    QTest::keyClicks(dialog.findChild<QLineEdit*>(), QStringLiteral("Cu"));
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
  });
  redox::QtModalBoxes boxes;
  QCOMPARE(
      boxes.askText(
          {QStringLiteral("Chemikalien-Erweiterung"), QStringLiteral("Formel eingegeben"), {}}),
      QString());
  QVERIFY(seen_);
}

void ModalBoxesTest::inputBoxStandsWhereItIsAsked() {
  QPoint frameCorner;
  whenOpen([&](QWidget& widget) {
    frameCorner = widget.frameGeometry().topLeft();
    dynamic_cast<QInputDialog&>(widget).reject();
  });
  redox::QtModalBoxes boxes;
  boxes.askText({QStringLiteral("Frage"), QStringLiteral("Titel"), QPoint(333, 333)});
  QVERIFY(seen_);
  QCOMPARE(frameCorner, QPoint(333, 333));
}

QTEST_MAIN(ModalBoxesTest)
#include "modal_boxes_test.moc"
