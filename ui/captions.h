// Texts a window puts on its controls when it is built and puts again, in
// the new language, after each change of language.
#pragma once

#include <QObject>
#include <QPointer>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace rq51 {

class Captions {
 public:
  // Calls `set` with `widget` now, and again on each Renew() for as long as
  // the widget lives.
  template <typename Widget, typename Set>
  Widget* Keep(Widget* widget, Set set) {
    set(widget);
    kept_.push_back({QPointer<QObject>(widget), [widget, set = std::move(set)] { set(widget); }});
    return widget;
  }

  // Sets every kept text again, in the language of the moment.
  void Renew() {
    std::erase_if(kept_, [](const Kept& kept) { return kept.widget.isNull(); });
    for (const Kept& kept : kept_) kept.set();
  }

 private:
  struct Kept {
    QPointer<QObject> widget;
    std::function<void()> set;
  };
  std::vector<Kept> kept_;
};

}  // namespace rq51
