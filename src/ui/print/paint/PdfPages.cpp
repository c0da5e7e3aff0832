#include "ui/print/paint/PdfPages.h"

#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <exception>

#include "core/base/Errors.h"
#include "core/base/FileIo.h"
#include "core/base/Messages.h"
#include "ui/print/paint/PagePainter.h"

namespace tabulo::ui {

namespace {

// Hands what the PDF writer produces to a file writer. A failure cannot be
// thrown through the writer's own code, so it is kept and raised afterwards.
class SinkDevice final : public QIODevice {
 public:
  explicit SinkDevice(ByteSink& sink) : m_sink(sink) { open(QIODevice::WriteOnly); }

  void RethrowFailure() const {
    if (m_failure) std::rethrow_exception(m_failure);
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (m_failure) return -1;
    try {
      m_sink.Write(std::string_view(data, static_cast<std::size_t>(size)));
      return size;
    } catch (...) {
      m_failure = std::current_exception();
      return -1;
    }
  }

 private:
  ByteSink& m_sink;
  std::exception_ptr m_failure;
};

QPageLayout SheetLayout(const PrinterMetrics& sheet) {
  const double widthMm = sheet.physicalWidth / sheet.dpiX * 25.4;
  const double heightMm = sheet.physicalHeight / sheet.dpiY * 25.4;
  const bool landscape = widthMm > heightMm;
  const QSizeF portrait = landscape ? QSizeF(heightMm, widthMm) : QSizeF(widthMm, heightMm);
  const QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
  return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace

void WritePdf(const std::filesystem::path& file, const PdfDocument& document, std::span<const int> sequence) {
  AtomicFileWriter writer(file);
  SinkDevice device(writer);
  {
    QPdfWriter pdf(&device);
    pdf.setCreator(QStringLiteral("Tabulo"));
    pdf.setTitle(QString::fromStdString(document.title));
    pdf.setResolution(static_cast<int>(document.sheet.dpiX));
    pdf.setPageLayout(SheetLayout(document.sheet));
    QPainter painter;
    if (!painter.begin(&pdf)) {
      throw FileError(FormatMessage(MessageId::FileCreateFailed, {file.string(), ""}), file);
    }
    const DeviceScale scale{document.sheet.dpiX, document.sheet.dpiY, 0, 0};
    int done = 0;
    for (const int page : sequence) {
      if (done > 0) pdf.newPage();
      PaintPage(painter, document.layoutOf(page), scale, document.font);
      ++done;
      if (document.progress) document.progress(done, static_cast<int>(sequence.size()));
    }
    painter.end();
  }
  device.RethrowFailure();
  writer.Commit();
}

}  // namespace tabulo::ui
