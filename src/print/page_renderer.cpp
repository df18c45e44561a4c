#include "print/page_renderer.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "image/atomic_file.h"

namespace radio::print {

namespace {

// A font `heightPx` high whose average character is `widthPx` wide.
QFont MakeFont(QPaintDevice& device, double heightPx, double widthPx) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setWeight(QFont::Normal);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(heightPx))));
  const double average = QFontMetricsF(font, &device).averageCharWidth();
  if (average > 0)
    font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * widthPx / average)), 1, 4000));
  return font;
}

}  // namespace

PageRenderer::PageRenderer(QPagedPaintDevice& device) {
  dpi_ = device.logicalDpiY();
  const auto toTwips = [this](double px) { return static_cast<int>(std::lround(px * 1440.0 / dpi_)); };
  const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
  metrics_.widthTwips = toTwips(area.width());
  metrics_.heightTwips = toTwips(area.height());
  const double rowPx = TwipsToDevice(metrics_.RowUnit());
  const double columnPx = TwipsToDevice(metrics_.ColumnUnit());
  pageFont_ = MakeFont(device, rowPx, columnPx);
  detailFont_ = MakeFont(device, rowPx * 0.8, columnPx * 0.8);
  metrics_.pageLine = toTwips(QFontMetricsF(pageFont_, &device).lineSpacing());
  metrics_.detailLine = toTwips(QFontMetricsF(detailFont_, &device).lineSpacing());
}

void PageRenderer::Draw(QPainter& painter, const Page& page) const {
  painter.save();
  QPen pen(Qt::black);
  pen.setWidthF(std::max(1.0, dpi_ / 150.0));
  painter.setPen(pen);
  for (const PageItem& item : page) {
    // The page's y grows upwards from the top of the printable area.
    const QPointF at(TwipsToDevice(item.x), TwipsToDevice(-item.y));
    if (item.kind == PageItem::Kind::Line) {
      painter.drawLine(at, QPointF(TwipsToDevice(item.x2), TwipsToDevice(-item.y2)));
      continue;
    }
    if (item.text.empty()) continue;
    const QFont& font = item.font == FontKind::Page ? pageFont_ : detailFont_;
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, painter.device()).ascent();
    painter.drawText(at + QPointF(0, ascent), QString::fromStdString(item.text));
  }
  painter.restore();
}

bool RenderDocument(QPagedPaintDevice& device, const PrintPlan& plan, const PrintSource& source,
                    int first, int last) {
  first = std::max(first, 1);
  last = last <= 0 ? plan.totalPages : std::min(last, plan.totalPages);
  const PageRenderer renderer(device);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  for (int p = first; p <= last; ++p) {
    if (p > first) device.newPage();
    renderer.Draw(painter, BuildPage(plan, p, source, renderer.Metrics()));
  }
  return painter.end();
}

bool WritePdf(const QString& path, const PrintPlan& plan, const PrintSource& source,
              std::string& error) {
  // Drawn in memory first, then saved like every other file: the old PDF
  // stays whole until the new one is complete on the disk.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Radio settings"));
    if (!RenderDocument(writer, plan, source)) {
      error = FillIn(Tr(source.lang, "Cannot write \"%1\": the pages could not be drawn.",
                        "无法写入“%1”：无法绘制页面。"),
                     {path.toStdString()});
      return false;
    }
  }
  const QByteArray& bytes = pdf.data();
  return WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes.constData(),
                             static_cast<std::size_t>(bytes.size()), error, source.lang);
}

}  // namespace radio::print
