// help_pdf: renders a Markdown help document to a PDF of A4 pages with page
// numbers. Usage: help_pdf input.md output.pdf
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: help_pdf input.md output.pdf\n");
    return 2;
  }
  QFile input(QString::fromLocal8Bit(argv[1]));
  if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "help_pdf: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString markdown = QString::fromUtf8(input.readAll());

  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setTitle("Kestrel Help");
  writer.setCreator("Kestrel");
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(18, 18, 18, 22), QPageLayout::Millimeter));

  QTextDocument doc;
  QFont body("DejaVu Sans");
  body.setStyleHint(QFont::SansSerif);
  body.setPointSizeF(10);
  doc.setDefaultFont(body);
  doc.setMarkdown(markdown);
  // Tables get a thin ruled border and some padding.
  for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(frame)) {
      QTextTableFormat format = table->format();
      format.setBorder(0.6);
      format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      format.setBorderBrush(Qt::darkGray);
      format.setBorderCollapse(true);
      format.setCellPadding(4);
      format.setCellSpacing(0);
      table->setFormat(format);
    }
  }
  const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
  const QSizeF pageSize(page.width(), page.height() - 60 * writer.resolution() / 300);
  // Lay the text out at print resolution: points scale with the writer's DPI.
  doc.documentLayout()->setPaintDevice(&writer);
  doc.setPageSize(pageSize);

  QPainter painter(&writer);
  if (!painter.isActive()) {
    std::fprintf(stderr, "help_pdf: cannot write %s\n", argv[2]);
    return 1;
  }
  const int pages = doc.pageCount();
  for (int n = 0; n < pages; ++n) {
    if (n > 0) writer.newPage();
    painter.save();
    painter.translate(0, -n * pageSize.height());
    doc.drawContents(&painter, QRectF(0, n * pageSize.height(), pageSize.width(), pageSize.height()));
    painter.restore();
    painter.setFont(body);
    painter.drawText(QRectF(0, page.height() - 50 * writer.resolution() / 300.0, page.width(),
                            50 * writer.resolution() / 300.0),
                     Qt::AlignCenter, QString("Kestrel Help  -  page %1 of %2").arg(n + 1).arg(pages));
  }
  painter.end();
  return 0;
}
