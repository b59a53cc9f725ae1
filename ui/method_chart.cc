#include "ui/method_chart.h"

#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numeric>

#include "ui/app_setup.h"

namespace rq51 {

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 700;
// The plot area inside the picture.
constexpr int kLeft = 90;
constexpr int kRight = kWidth - 40;
constexpr int kTop = 70;
constexpr int kBottom = kHeight - 80;

// Distinct colours that stay apart for colour-blind readers too; methods past
// the last reuse them from the start.
constexpr std::array<QRgb, 7> kPalette = {0x0072B2, 0xE69F00, 0x009E73, 0xCC79A7,
                                          0xD55E00, 0x56B4E9, 0x000000};

QColor SeriesColour(size_t n) { return QColor::fromRgb(kPalette[n % kPalette.size()]); }

// The smallest of 1, 2, 5, 10, 20, 50 ... that is at least `step`.
double NiceStep(double step) {
  if (step <= 0) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(step)));
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (factor * power >= step * (1 - 1e-9)) return factor * power;
  }
  return 10 * power;
}

QString Number(double value) {
  return std::abs(value - std::round(value)) < 1e-9 ? QString::number(std::llround(value))
                                                    : QString::number(value, 'g', 3);
}

// Qt's notes on its own set-up (no runtime folder, say) are no concern of a
// command-line user, whose standard error shows only the program's messages.
void DropNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  }
}

// Keeps a QGuiApplication for as long as a chart is drawn when the program
// has none: fonts need one.
class GuiForDrawing {
 public:
  GuiForDrawing() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previous_handler_ = qInstallMessageHandler(DropNotes);
    own_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  ~GuiForDrawing() {
    if (!own_) return;
    own_.reset();
    qInstallMessageHandler(previous_handler_);
  }
  bool ok() const {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  }

 private:
  static inline int argc_ = 1;
  static inline char name_[] = "rq51";
  static inline char* argv_[] = {name_, nullptr};
  QtMessageHandler previous_handler_ = nullptr;
  std::unique_ptr<QGuiApplication> own_;
};

struct Series {
  QString label;
  QColor colour;
  std::vector<double> share_by_bin;  // percent of the method's cubes
  bool mean_only = false;
  double mean = 0;
};

}  // namespace

std::string WriteTurnsChart(const std::vector<TurnsHistogram>& histograms, const ChartText& text,
                            const std::string& path) {
  const GuiForDrawing gui;
  if (!gui.ok()) return "a chart needs a Qt GUI application";

  // Bins of a round width over the turns that occur, at most about 150.
  size_t lowest = SIZE_MAX;
  size_t highest = 0;
  for (const TurnsHistogram& histogram : histograms) {
    for (size_t t = 0; t < histogram.cubes_by_turns.size(); ++t) {
      if (histogram.cubes_by_turns[t] == 0) continue;
      lowest = std::min(lowest, t);
      highest = std::max(highest, t);
    }
  }
  if (lowest == SIZE_MAX) lowest = highest = 0;
  const int bin = static_cast<int>(NiceStep((highest - lowest + 1) / 150.0));
  const int first = static_cast<int>(lowest) / bin * bin;
  const int bins = (static_cast<int>(highest) - first) / bin + 1;

  std::vector<Series> series;
  double top_share = 0;
  for (size_t n = 0; n < histograms.size(); ++n) {
    const std::vector<int64_t>& counts = histograms[n].cubes_by_turns;
    const int64_t cubes = std::accumulate(counts.begin(), counts.end(), int64_t{0});
    int64_t turns = 0;
    Series s{QString::fromStdString(histograms[n].name), SeriesColour(n),
             std::vector<double>(bins, 0.0), histograms[n].mean_only};
    for (size_t t = 0; t < counts.size(); ++t) {
      turns += counts[t] * static_cast<int64_t>(t);
      if (counts[t] != 0) s.share_by_bin[(t - first) / bin] += 100.0 * counts[t] / cubes;
    }
    if (cubes > 0) {
      s.mean = static_cast<double>(turns) / cubes;
      s.label += QStringLiteral("   mean %1").arg(s.mean, 0, 'f', 1);
    }
    if (!s.mean_only) {
      for (double share : s.share_by_bin) top_share = std::max(top_share, share);
    }
    series.push_back(std::move(s));
  }

  const int x_end = first + bins * bin;
  const double x_step = NiceStep((x_end - first) / 12.0);
  const double y_step = NiceStep(std::max(top_share, 1e-9) / 6);
  const double y_end = std::max(std::ceil(top_share * 1.08 / y_step), 1.0) * y_step;
  const auto x_of = [&](double turns) {
    return kLeft + (turns - first) / (x_end - first) * (kRight - kLeft);
  };
  const auto y_of = [&](double share) { return kBottom - share / y_end * (kBottom - kTop); };

  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  // Grid, ticks and their numbers.
  painter.setFont(WindowFont(14));
  const QFontMetrics metrics = painter.fontMetrics();
  for (double y = 0; y <= y_end + 1e-9; y += y_step) {
    const double at = y_of(y);
    painter.setPen(QColor(225, 225, 225));
    painter.drawLine(QPointF(kLeft, at), QPointF(kRight, at));
    painter.setPen(Qt::black);
    const QString label = Number(y);
    painter.drawText(
        QPointF(kLeft - 8 - metrics.horizontalAdvance(label), at + metrics.ascent() / 2.5), label);
  }
  for (double x = std::ceil(first / x_step) * x_step; x <= x_end + 1e-9; x += x_step) {
    const double at = x_of(x);
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(at, kBottom), QPointF(at, kBottom + 5));
    const QString label = Number(x);
    painter.drawText(
        QPointF(at - metrics.horizontalAdvance(label) / 2.0, kBottom + 8 + metrics.ascent()),
        label);
  }

  // The histograms as outlined steps over a light fill, fills first so that
  // no outline is hidden.
  std::vector<QPainterPath> outlines;
  for (const Series& s : series) {
    if (s.mean_only) {
      QPainterPath line(QPointF(x_of(s.mean), y_of(0)));
      line.lineTo(x_of(s.mean), y_of(y_end));
      outlines.push_back(line);
      continue;
    }
    QPainterPath path(QPointF(x_of(first), y_of(0)));
    for (int b = 0; b < bins; ++b) {
      path.lineTo(x_of(first + b * bin), y_of(s.share_by_bin[b]));
      path.lineTo(x_of(first + (b + 1) * bin), y_of(s.share_by_bin[b]));
    }
    path.lineTo(x_of(x_end), y_of(0));
    outlines.push_back(path);
    QColor fill = s.colour;
    fill.setAlpha(45);
    painter.fillPath(path, fill);
  }
  for (size_t n = 0; n < series.size(); ++n) {
    painter.setPen(QPen(series[n].colour, 2, series[n].mean_only ? Qt::DashLine : Qt::SolidLine));
    painter.drawPath(outlines[n]);
  }

  painter.setPen(QPen(Qt::black, 1.5));
  painter.drawLine(QPointF(kLeft, kBottom), QPointF(kRight, kBottom));
  painter.drawLine(QPointF(kLeft, kTop), QPointF(kLeft, kBottom));

  // Axis labels and title.
  painter.setFont(WindowFont(16));
  painter.drawText(QRectF(kLeft, kBottom + 36, kRight - kLeft, 30), Qt::AlignCenter,
                   QString::fromStdString(text.x_axis));
  painter.save();
  painter.translate(24, (kTop + kBottom) / 2.0);
  painter.rotate(-90);
  painter.drawText(QRectF(-(kBottom - kTop) / 2.0, -14, kBottom - kTop, 30), Qt::AlignCenter,
                   QString::fromStdString(text.y_axis) +
                       (bin > 1 ? QStringLiteral(" per %1 turns").arg(bin) : QString()));
  painter.restore();
  QFont title_font = WindowFont(20);
  title_font.setBold(true);
  painter.setFont(title_font);
  painter.drawText(QRectF(0, 16, kWidth, 40), Qt::AlignCenter, QString::fromStdString(text.title));

  // Legend in the upper right corner of the plot.
  painter.setFont(WindowFont(16));
  const QFontMetrics legend_metrics = painter.fontMetrics();
  int legend_width = 0;
  for (const Series& s : series) {
    legend_width = std::max(legend_width, legend_metrics.horizontalAdvance(s.label));
  }
  const int row_height = legend_metrics.height() + 6;
  const QRectF box(kRight - legend_width - 64, kTop + 10, legend_width + 54,
                   row_height * static_cast<int>(series.size()) + 14);
  if (!series.empty()) {
    painter.setPen(QColor(180, 180, 180));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
  }
  for (size_t n = 0; n < series.size(); ++n) {
    const double top = box.top() + 8 + static_cast<double>(n) * row_height;
    QColor fill = series[n].colour;
    fill.setAlpha(90);
    painter.setPen(QPen(series[n].colour, 2));
    painter.setBrush(fill);
    painter.drawRect(QRectF(box.left() + 10, top + 3, 24, row_height - 12));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(box.left() + 44, top + legend_metrics.ascent() + 2), series[n].label);
  }
  painter.end();

  if (!image.save(QString::fromLocal8Bit(path.c_str()), "PNG")) {
    return "could not write the PNG file";
  }
  return {};
}

}  // namespace rq51
