// Draws the page model on any paged device (printer, preview, PDF): maps
// twips to the device's resolution, makes the page and detail fonts for
// the printable area, and draws only the model's items, as real text.
#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "print/page_model.h"

class QPagedPaintDevice;
class QPainter;

namespace radio::print {

class PageRenderer {
 public:
  // Fonts and metrics for the device's printable area (its paint rect).
  explicit PageRenderer(QPagedPaintDevice& device);

  const PageMetrics& Metrics() const { return metrics_; }
  void Draw(QPainter& painter, const Page& page) const;

 private:
  double TwipsToDevice(int twips) const { return twips * dpi_ / 1440.0; }

  double dpi_ = 1200;
  QFont pageFont_;
  QFont detailFont_;
  PageMetrics metrics_;
};

// Draws pages `first` to `last` of `plan` (0: to the end) on `device`, one
// sheet each, with metrics measured on that device. False when the painter
// cannot start on the device.
bool RenderDocument(QPagedPaintDevice& device, const PrintPlan& plan, const PrintSource& source,
                    int first = 1, int last = 0);

// The pages as a PDF file on A4; false with a message in `error`.
bool WritePdf(const QString& path, const PrintPlan& plan, const PrintSource& source,
              std::string& error);

}  // namespace radio::print
