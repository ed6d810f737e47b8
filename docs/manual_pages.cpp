#include "manual_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <stdexcept>
#include <utility>

namespace balance3::help {

namespace {

constexpr double kMarginCm = 2.0;
// Marks a cell already stretched down to the page's foot.
constexpr int kStretched = QTextFormat::UserProperty + 1;

class Pages {
 public:
  // `margin` in the writer's units, `scale` of them to a page pixel.
  Pages(QTextDocument& document, double margin, double scale)
      : document_(document),
        layout_(*document.documentLayout()),
        height_(document.pageSize().height()),
        margin_(margin),
        scale_(scale) {}

  // Moves the first heading or row that a page's end parts from what
  // follows it; false when there is none.
  bool MoveFirstCut() {
    // A change of format lays out again only near it; what follows must move too.
    document_.markContentsDirty(0, document_.characterCount());
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
      if (QTextTable* table = QTextCursor(block).currentTable()) {
        if (MoveCutRow(*table, block)) return true;
      } else if (Leads(block) && Parted(block, block.next())) {
        return BreakBefore(WithHeading(block));
      }
    }
    return false;
  }

 private:
  int Page(double y) const { return static_cast<int>(y / height_); }

  // Where a block's first line starts, its first line ends and its last line
  // ends: the layout moves a line that would cross a page's foot, not its
  // block, down to the next page.
  double LineTop(const QTextBlock& block, int line) const {
    const double top = layout_.blockBoundingRect(block).top();
    return block.layout()->lineCount() > 0 ? top + block.layout()->lineAt(line).y() : top;
  }
  double LineHeight(const QTextBlock& block, int line) const {
    return block.layout()->lineCount() > 0 ? block.layout()->lineAt(line).height() : 0.0;
  }
  double FirstTop(const QTextBlock& block) const { return LineTop(block, 0); }
  double FirstBottom(const QTextBlock& block) const {
    return FirstTop(block) + LineHeight(block, 0);
  }
  double LastBottom(const QTextBlock& block) const {
    const int last = std::max(0, block.layout()->lineCount() - 1);
    return LineTop(block, last) + LineHeight(block, last);
  }

  // What leads stays with the first line of what follows it.
  bool Parted(const QTextBlock& lead, const QTextBlock& next) const {
    if (!next.isValid() || Broken(WithHeading(lead))) return false;
    return Page(FirstTop(lead)) != Page(FirstBottom(next) - 1);
  }

  // The top and the bottom of a row's cells, spanned cells left out.
  std::pair<double, double> RowSpan(QTextTable& table, int row) const {
    double top = 1e300, bottom = -1e300;
    for (int column = 0; column < table.columns(); ++column) {
      const QTextTableCell each = table.cellAt(row, column);
      if (each.row() != row) continue;  // spanned from a row above
      top = std::min(top, FirstTop(each.firstCursorPosition().block()));
      bottom = std::max(bottom, LastBottom(each.lastCursorPosition().block()));
    }
    return {top, bottom};
  }

  // Checks the row of the cell that `block` opens, if it opens one, with
  // the rows that cell spans: a cell that spans rows is not cut either.
  bool MoveCutRow(QTextTable& table, const QTextBlock& block) {
    const QTextTableCell cell = table.cellAt(block.position());
    if (cell.firstCursorPosition().block() != block || cell.column() != 0) return false;
    const int row = cell.row();
    const double top = RowSpan(table, row).first;
    double bottom = top;
    for (int spanned = row; spanned < row + cell.rowSpan(); ++spanned) {
      bottom = std::max(bottom, RowSpan(table, spanned).second);
    }
    // The heading row stays with the first row under it.
    if (row == 1 && Page(RowSpan(table, 0).first) != Page(bottom - 1)) return MoveTable(table);
    if (Page(top) == Page(bottom - 1)) return false;
    return row <= 1 ? MoveTable(table) : PushBelowFoot(table, row, top);
  }

  // A heading, or a line that introduces what follows it.
  static bool Leads(const QTextBlock& block) {
    return block.blockFormat().headingLevel() > 0 || block.text().endsWith(':');
  }

  // An introducing line goes with the heading right above it.
  static QTextBlock WithHeading(const QTextBlock& block) {
    const QTextBlock above = block.previous();
    return block.blockFormat().headingLevel() == 0 && above.blockFormat().headingLevel() > 0
               ? above
               : block;
  }

  // Moves the table to the next page with what leads to it.
  bool MoveTable(QTextTable& table) {
    const QTextBlock lead = document_.findBlock(table.firstPosition() - 1);
    return Leads(lead) ? BreakBefore(WithHeading(lead)) : BreakBefore(table);
  }

  // Stretches the row above `row` to the foot of the page, as the layout
  // itself does when a row's every first line falls below it: a row that
  // starts below the foot goes to the next page whole.
  bool PushBelowFoot(QTextTable& table, int row, double top) {
    for (int column = 0; column < table.columns(); ++column) {
      QTextTableCell above = table.cellAt(row - 1, column);
      if (above.row() != row - 1 || above.rowSpan() != 1) continue;
      QTextTableCellFormat format = above.format().toTableCellFormat();
      if (format.hasProperty(kStretched)) return false;  // the row is taller than a page
      // Paddings are in page pixels, as the table's own.
      const double padding = format.hasProperty(QTextFormat::TableCellBottomPadding)
                                 ? format.bottomPadding()
                                 : table.format().cellPadding();
      const double foot = (Page(top) + 1) * height_ - margin_;
      format.setBottomPadding(padding + (foot - top) / scale_ + 1);
      format.setProperty(kStretched, true);
      above.setFormat(format);
      return true;
    }
    return false;
  }

  static bool BreakBefore(QTextFrame& frame) {
    QTextFrameFormat format = frame.frameFormat();
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    frame.setFrameFormat(format);
    return true;
  }

  static bool Broken(const QTextBlock& block) {
    return block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
  }

  static bool BreakBefore(const QTextBlock& block) {
    if (Broken(block)) return false;
    QTextBlockFormat format;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).mergeBlockFormat(format);
    return true;
  }

  QTextDocument& document_;
  QAbstractTextDocumentLayout& layout_;
  double height_;
  double margin_;
  double scale_;
};

}  // namespace

void PrintKeptTogether(QTextDocument& document, QPdfWriter& writer) {
  QPainter painter(&writer);
  document.documentLayout()->setPaintDevice(&writer);
  const double dpi = writer.logicalDpiY();
  // The layout reads frame margins in pixels of 1/96 inch, as it reads the
  // page's own sizes, and scales them to the writer.
  QTextFrameFormat root = document.rootFrame()->frameFormat();
  root.setMargin(kMarginCm / 2.54 * 96.0);
  document.rootFrame()->setFrameFormat(root);
  const double margin = kMarginCm / 2.54 * dpi;
  const QSizeF page(writer.width(), writer.height());
  document.setPageSize(page);

  // Each move can only push what follows further down, so the cuts are
  // mended from the top, one at a time; a row taller than a page stays cut.
  Pages pages(document, margin, dpi / 96.0);
  int moves = 0;
  while (pages.MoveFirstCut()) {
    if (++moves > 1000) throw std::runtime_error("the manual's pages do not settle");
  }

  const QFontMetricsF metrics(document.defaultFont(), &writer);
  for (int i = 0; i < document.pageCount(); ++i) {
    if (i > 0) writer.newPage();
    const QRectF view(0, i * page.height(), page.width(), page.height());
    painter.save();
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    const QString number = QString::number(i + 1);
    painter.setFont(QFont(document.defaultFont(), &writer));
    painter.drawText(QPointF(page.width() - margin - metrics.horizontalAdvance(number),
                             page.height() - margin + metrics.ascent() + 5 * dpi / 72.0),
                     number);
  }
}

}  // namespace balance3::help
