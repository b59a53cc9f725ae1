// The permutation explorer window (TForm2): Qt widgets showing an Explorer
// object. Clicks and typing go to the object; after every handler the
// widgets are repainted from it.
#pragma once

#include <QWidget>
#include <array>

#include "app/explorer.h"
#include "ui/captions.h"

class QButtonGroup;
class QEvent;
class QLineEdit;
class QRadioButton;
class QResizeEvent;
class QTableWidget;

namespace rq51 {

class ExplorerWindow : public QWidget {
  Q_OBJECT

 public:
  // FormCreate: builds the controls, hidden; the object has selected Rx and
  // reset itself.
  explicit ExplorerWindow(QWidget* parent = nullptr);

  const Explorer& explorer() const { return explorer_; }

  // Shows the object's state in the widgets.
  void Render();

 protected:
  // The cycle table takes the height the window leaves it, and scrolls.
  void resizeEvent(QResizeEvent* event) override;
  // A change of language: the captions and the legend are shown again in
  // the new language, the net, the word and the cycles kept.
  void changeEvent(QEvent* event) override;

 private:
  void BuildNet();
  void BuildWord();
  void BuildTranslations();
  void BuildPushButtons();
  void BuildCycleTable();
  void BuildLegend();
  void BuildPictures();

  Explorer explorer_;
  Captions captions_;
  std::array<QLineEdit*, kFaceletCount + 1> net_{};
  QLineEdit* word_ = nullptr;
  QButtonGroup* moves_ = nullptr;
  QTableWidget* cycle_table_ = nullptr;
};

}  // namespace rq51
