#ifndef RQ51_UI_MAIN_WINDOW_H_
#define RQ51_UI_MAIN_WINDOW_H_

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <utility>

class QCloseEvent;
class QComboBox;
class QEvent;
class QLabel;
class QPushButton;

namespace rq51 {

// Window numbers of the six windows the menu opens (TForm2 .. TForm7).
inline constexpr int kFirstMenuForm = 2;
inline constexpr int kLastMenuForm = 7;

// Caption of the menu button toFormN (N = 2..7), trailing blanks included:
// with the centred button text they move the visible text to the left.
QString MenuButtonCaption(int form);

// The fourteen lines of Label1, leading and trailing blanks and tabs included.
QStringList Label1Lines();

// The text of Label1 as stored: the lines joined by "\r\n".
QString Label1Text();

// TForm1: the menu of six buttons beside the note on the size of the cube's
// state space, and the choice of language. Closing it ends the program.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // The window that toFormN shows; set once that window exists.
  void SetMenuTarget(int form, QWidget* window);
  // Called with N when toFormN is pressed before its window exists; it makes
  // that window (and any missing before it) and sets it as the target.
  void SetMissingWindowMaker(std::function<void(int form)> maker) {
    make_missing_ = std::move(maker);
  }
  QWidget* MenuTarget(int form) const;

  QPushButton* MenuButton(int form) const;

 public slots:
  void toForm2Click();
  void toForm3Click();
  void toForm4Click();
  void toForm5Click();
  void toForm6Click();
  void toForm7Click();

 signals:
  // The user chose the language `code` in LanguageBox; the program speaks it
  // already.
  void LanguageChosen(const QString& code);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A change of language: the captions and the note are shown again in it.
  void changeEvent(QEvent* event) override;

 private:
  // Makes the window of toFormN visible and brings it to the front; a window
  // already open keeps everything it holds.
  void ShowMenuTarget(int form);
  // Every caption, the note and the chosen language, in the language of the
  // moment.
  void ShowCaptions();

  std::array<QPushButton*, kLastMenuForm - kFirstMenuForm + 1> buttons_{};
  std::array<QPointer<QWidget>, kLastMenuForm - kFirstMenuForm + 1> targets_{};
  std::function<void(int form)> make_missing_;
  QPushButton* close_button_ = nullptr;
  QLabel* note_ = nullptr;
  QComboBox* language_box_ = nullptr;
};

}  // namespace rq51

#endif  // RQ51_UI_MAIN_WINDOW_H_
