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
#include <QTextBlock>
#include <QTextList>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <QTextStream>
#include <QFontMetricsF>
#include <cstdio>

namespace {

int PageOf(qreal y, qreal pageHeight) { return static_cast<int>(y / pageHeight); }

// A heading: a Markdown heading, or a short paragraph set wholly in bold
// that introduces what follows ("**Options**").
bool IsHeading(const QTextBlock& block) {
  if (block.blockFormat().headingLevel() > 0) return true;
  if (block.text().isEmpty() || block.text().size() > 60 || block.textList()) return false;
  for (auto it = block.begin(); !it.atEnd(); ++it)
    if (it.fragment().charFormat().fontWeight() < QFont::Bold) return false;
  return true;
}

// A heading, or a table's header row, that would stand at the foot of a page
// apart from what follows it starts the next page instead. Moving one item
// moves everything after it, so the check runs again until nothing moves.
void KeepWithNext(QTextDocument& doc, qreal pageHeight) {
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  for (int pass = 0; pass < 50; ++pass) {
    bool moved = false;
    for (QTextBlock block = doc.begin(); block.isValid() && !moved; block = block.next()) {
      if (!IsHeading(block) || !block.next().isValid()) continue;
      if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
      const QRectF here = layout->blockBoundingRect(block);
      // The first line of what follows: a block, or a table's first cell.
      QTextCursor after(block.next());
      QRectF next = layout->blockBoundingRect(block.next());
      if (QTextTable* table = after.currentTable())
        next = layout->frameBoundingRect(table);
      const qreal line = QFontMetricsF(doc.defaultFont(), layout->paintDevice()).lineSpacing();
      if (PageOf(here.top(), pageHeight) != PageOf(next.top() + 2 * line, pageHeight)) {
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
        moved = true;
      }
    }
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
      auto* table = qobject_cast<QTextTable*>(frame);
      if (!table || moved || table->rows() < 2) continue;
      QTextTableFormat format = table->format();
      if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
      // The header row and the first row of the body stay together.
      const qreal top = layout->frameBoundingRect(table).top();
      const qreal line = QFontMetricsF(doc.defaultFont(), layout->paintDevice()).lineSpacing();
      if (PageOf(top, pageHeight) != PageOf(top + 5 * line, pageHeight)) {
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        table->setFormat(format);
        moved = true;
      }
    }
    if (!moved) return;
  }
}

}  // namespace

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
      format.setHeaderRowCount(1);  // a table that runs on repeats its header
      table->setFormat(format);
    }
  }
  const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
  const QSizeF pageSize(page.width(), page.height() - 60 * writer.resolution() / 300);
  // Lay the text out at print resolution: points scale with the writer's DPI.
  doc.documentLayout()->setPaintDevice(&writer);
  doc.setPageSize(pageSize);

  KeepWithNext(doc, pageSize.height());

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
