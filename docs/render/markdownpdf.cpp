// Renders one Markdown document to an A4 PDF: real text in a font with
// Cyrillic letters, margins, a running page number in the footer, and the
// figures the Markdown names, scaled to the width of the text.
// Usage: dryfriction-markdownpdf <input.md> <output.pdf> <figure folder> <title>
// The same sources give the same bytes: the creation date is
// SOURCE_DATE_EPOCH when set, else a fixed date, and nothing is hashed at
// random.

#include "integerbrackets.h"
#include "markdownsource.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHashFunctions>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

// Printer dots per inch: text is vector anyway; this is the unit of layout.
constexpr int kResolution = 300;
constexpr double kMarginMm = 20;
constexpr double kFooterMm = 10;
constexpr double kBodyPoints = 11;

// The text layout measures margins, borders and image sizes in pixels of a
// 96 dpi screen and scales them to the printer itself; the page size and
// the footer are in printer dots.
constexpr double kLayoutDpi = 96;

double mmToDots(double mm)
{
    return mm / 25.4 * kResolution;
}

double mmToLayout(double mm)
{
    return mm / 25.4 * kLayoutDpi;
}

double pointsToLayout(double points)
{
    return points / 72.0 * kLayoutDpi;
}

// Loads every image the document names from the figure folder and makes it
// as wide as the text (or the fraction of it its title asks for, "60%"),
// keeping its proportions.
bool placeImages(QTextDocument& doc, const QDir& figures, double textWidth)
{
    bool ok = true;
    static const QRegularExpression percent(QStringLiteral("^(\\d+)%$"));
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QString name = format.name();
            QImage image(figures.filePath(name));
            if (image.isNull()) {
                std::fprintf(stderr, "missing figure %s\n", qPrintable(figures.filePath(name)));
                ok = false;
                continue;
            }
            doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
            double share = 1.0;
            const auto match = percent.match(format.property(QTextFormat::ImageTitle).toString());
            if (match.hasMatch())
                share = match.captured(1).toDouble() / 100.0;
            const double width = textWidth * share;
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return ok;
}

// Thin ruled tables spanning the text width, with some air in the cells.
void styleTables(QTextDocument& doc)
{
    QTextCursor cursor(&doc);
    const auto frames = doc.rootFrame()->childFrames();
    for (QTextFrame* frame : frames) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(pointsToLayout(0.5));
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(Qt::black);
        format.setBorderCollapse(false);
        format.setCellPadding(pointsToLayout(2.5));
        format.setCellSpacing(0);
        // A table that runs onto the next page repeats its header row there.
        format.setHeaderRowCount(1);
        format.setTopMargin(pointsToLayout(4));
        format.setBottomMargin(pointsToLayout(6));
        table->setFormat(format);
    }
}

// Where the pages break, mended one place at a time: a heading is never the
// last line of a page (when the block after it starts on the next page, the
// heading moves there too); a short table that starts low on a page is not
// split (it moves to the next page, with what leads into it when that would
// be left behind), but one that starts higher is, rather than leave more
// than a third of the page empty. Moving one thing moves
// the pages after it, so the document is laid out afresh (setting the page
// size lays out everything again; a partial relayout of a document with
// pictures is not to be trusted) and checked again from there on.
class Pagination {
public:
    // bodyHeight: the height of the text on a page, in the layout's units.
    // topMargin: from the top of the page to the text, in the same units.
    Pagination(QTextDocument& doc, double bodyHeight, double topMargin)
        : m_doc(doc)
        , m_page(doc.pageSize())
        , m_bodyHeight(bodyHeight)
        , m_topMargin(topMargin)
    {
    }

    void run()
    {
        for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
            if (QTextTable* table = QTextCursor(block).currentTable()) {
                mendTable(*table, block);
                continue;
            }
            const QTextBlock next = block.next();
            if (block.blockFormat().headingLevel() != 0 && next.isValid() && pageOf(next) != pageOf(block))
                breakBefore(block);
        }
    }

private:
    // A line pushed to the next page leaves its block starting on the page
    // before, so the page of a block is that of its first line; the page it
    // ends on is that of its last line.
    int pageOf(const QTextBlock& block) const { return pageAt(block, true); }
    int lastPageOf(const QTextBlock& block) const { return pageAt(block, false); }

    int pageAt(const QTextBlock& block, bool first) const
    {
        const QRectF box = m_doc.documentLayout()->blockBoundingRect(block);
        double y = box.top();
        const QTextLayout* layout = block.layout();
        if (layout && layout->lineCount() > 0) {
            const QTextLine line = layout->lineAt(first ? 0 : layout->lineCount() - 1);
            y += first ? line.y() : line.y() + line.height() / 2;
        } else if (!first) {
            y = box.center().y();
        }
        return static_cast<int>(y / m_page.height());
    }

    void breakBefore(const QTextBlock& block)
    {
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
        m_doc.setPageSize(m_page);
    }

    // The first page of a row and the last page any of its cells reaches.
    std::pair<int, int> rowPages(const QTextTable& table, int row) const
    {
        int top = pageOf(table.cellAt(row, 0).firstCursorPosition().block());
        int bottom = top;
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            top = std::min(top, pageOf(cell.firstCursorPosition().block()));
            bottom = std::max(bottom, lastPageOf(cell.lastCursorPosition().block()));
        }
        return {top, bottom};
    }

    // Checked once a table, at its first block. A table that fits on a page
    // moves whole when that costs little room; otherwise it is split between
    // two rows, never inside one.
    void mendTable(QTextTable& table, const QTextBlock& block)
    {
        if (block != table.cellAt(0, 0).firstCursorPosition().block())
            return;
        const double height = m_doc.documentLayout()->frameBoundingRect(&table).height();
        const int rows = table.rows();
        if (height < m_bodyHeight && rowPages(table, 0).first != rowPages(table, rows - 1).second
            && leavesLittleRoom(table)) {
            moveTable(table);
            return;
        }
        for (int row = 1; row < rows; ++row) {
            const auto [top, bottom] = rowPages(table, row);
            if (top != bottom || top != rowPages(table, row - 1).second) {
                splitTable(table, row);
                return;
            }
        }
    }

    // Splits the table before `row`: that row and those after it go into a
    // table of their own under a copy of the header row, starting the next
    // page. (The layout would otherwise break the row between its lines.)
    void splitTable(QTextTable& table, int row)
    {
        const int rows = table.rows();
        const int columns = table.columns();
        QTextCursor cursor(&m_doc);
        cursor.setPosition(table.lastPosition() + 1);
        QTextTableFormat format = table.format();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextTable* rest = cursor.insertTable(rows - row + 1, columns, format);
        auto copyRow = [&](int from, int to) {
            for (int column = 0; column < columns; ++column) {
                const QTextTableCell source = table.cellAt(from, column);
                QTextCursor selection = source.firstCursorPosition();
                selection.setPosition(source.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                QTextCursor target = rest->cellAt(to, column).firstCursorPosition();
                target.setBlockFormat(source.firstCursorPosition().blockFormat());
                target.insertFragment(selection.selection());
            }
        };
        copyRow(0, 0);
        for (int from = row; from < rows; ++from)
            copyRow(from, from - row + 1);
        table.removeRows(row, rows - row);
        m_doc.setPageSize(m_page);
    }

    // Whether moving the table to the next page would leave its first page
    // at most a third empty; if not, it is split there, its header row
    // repeated on the next page.
    bool leavesLittleRoom(const QTextTable& table) const
    {
        const double top = m_doc.documentLayout()->frameBoundingRect(const_cast<QTextTable*>(&table)).top();
        const double pageTop = std::floor(top / m_page.height()) * m_page.height();
        const double used = top - pageTop - m_topMargin;
        return used > m_bodyHeight * 2 / 3;
    }

    // The table starts a page, and with it what leads into it, if that is on
    // the page the table started on: the heading just before it, or a heading
    // and one paragraph, or a paragraph ending in a colon.
    void moveTable(QTextTable& table)
    {
        const QTextBlock first = table.cellAt(0, 0).firstCursorPosition().block();
        const int tablePage = pageOf(first);
        const QTextBlock before = previousWithText(first);
        const QTextBlock heading = before.isValid() ? previousWithText(before) : QTextBlock();
        auto onTablePage = [&](const QTextBlock& b) { return b.isValid() && lastPageOf(b) == tablePage; };
        if (onTablePage(before) && before.blockFormat().headingLevel() != 0) {
            breakBefore(before);
        } else if (onTablePage(before) && onTablePage(heading) && heading.blockFormat().headingLevel() != 0
                   && pageOf(heading) == tablePage) {
            breakBefore(heading);
        } else if (onTablePage(before) && pageOf(before) == tablePage && before.text().endsWith(QLatin1Char(':'))) {
            breakBefore(before);
        } else {
            QTextTableFormat format = table.format();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table.setFormat(format);
            m_doc.setPageSize(m_page);
        }
    }

    static QTextBlock previousWithText(const QTextBlock& block)
    {
        QTextBlock b = block.previous();
        while (b.isValid() && b.text().trimmed().isEmpty())
            b = b.previous();
        return b;
    }

    QTextDocument& m_doc;
    const QSizeF m_page;
    const double m_bodyHeight;
    const double m_topMargin;
};

// Code, in spans and blocks, is set in the monospaced face of the body
// font's family rather than in whatever the system calls monospace.
void setCodeFont(QTextDocument& doc, double points)
{
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPointSizeF(points);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        // A fenced block marks its block, not always its characters, as code.
        const bool codeBlock = block.blockFormat().hasProperty(QTextFormat::BlockCodeFence)
                               || block.blockFormat().hasProperty(QTextFormat::BlockCodeLanguage);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!(format.fontFixedPitch() || codeBlock) || format.isImageFormat())
                continue;
            format.setFont(mono, QTextCharFormat::FontPropertiesSpecifiedOnly);
            format.setFontFamilies({mono.family()});
            format.setFontPointSize(points);
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

// The date every rendered document carries: SOURCE_DATE_EPOCH (seconds since
// 1970, the convention of reproducible builds) when it is set, else the
// first of January 2026, so that two builds of one source agree.
QDateTime creationDate()
{
    bool ok = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok)
        return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    return QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
}

// QPdfWriter stamps the time of writing into the document's information
// dictionary; the stamp is replaced by the fixed date, digit for digit, so
// that the offsets in the cross-reference table stay right.
bool stampCreationDate(QByteArray& pdf, const QDateTime& date)
{
    static const QRegularExpression stamp(QStringLiteral("/CreationDate \\(D:(\\d{14})Z\\)"));
    const QString head = QString::fromLatin1(pdf.left(4096));
    const QRegularExpressionMatch match = stamp.match(head);
    if (!match.hasMatch())
        return false;
    const QByteArray fixed = date.toUTC().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1();
    pdf.replace(match.capturedStart(1), fixed.size(), fixed);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    // Fonts and objects are written in the order of hash tables: a fixed
    // seed writes them in the same order every time.
    QHashSeed::setDeterministicGlobalSeed();
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <input.md> <output.pdf> <figure folder> <title>\n", argv[0]);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString markdown = prepareMarkdown(QString::fromUtf8(input.readAll()));
    const QString outputName = QString::fromLocal8Bit(argv[2]);

    QBuffer rendered;
    rendered.open(QIODevice::WriteOnly);
    QPdfWriter writer(&rendered);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(QString::fromLocal8Bit(argv[4]));
    writer.setCreator(QStringLiteral("dryfriction"));

    const QSizeF page(writer.width(), writer.height());
    const double margin = mmToDots(kMarginMm);
    const double footer = mmToDots(kFooterMm);
    const double layoutMargin = mmToLayout(kMarginMm);

    // Everything about the content is settled before the layout first
    // measures it on the printer; then setting the page size lays it out.
    QTextDocument doc;
    // Liberation Serif has the metrics of Times New Roman and the Cyrillic letters.
    QFont body(QStringLiteral("Liberation Serif"));
    body.setPointSizeF(kBodyPoints);
    doc.setDefaultFont(body);
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    applyScriptMarks(doc);
    setCodeFont(doc, kBodyPoints - 1);
    IntegerBrackets brackets;
    brackets.install(doc);

    const double textWidth = page.width() - 2 * margin;
    bool ok = placeImages(doc, QDir(QString::fromLocal8Bit(argv[3])), mmToLayout(210 - 2 * kMarginMm));
    styleTables(doc);

    // Each page is the whole sheet; the root frame's margins keep the text
    // inside, and the bottom margin leaves room for the page number.
    QTextFrameFormat rootFormat = doc.rootFrame()->frameFormat();
    rootFormat.setLeftMargin(layoutMargin);
    rootFormat.setRightMargin(layoutMargin);
    rootFormat.setTopMargin(layoutMargin);
    rootFormat.setBottomMargin(layoutMargin + mmToLayout(kFooterMm) / 2);
    doc.rootFrame()->setFrameFormat(rootFormat);
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setPageSize(page);
    Pagination(doc, page.height() - 2 * margin - footer / 2, margin).run();

    QPainter painter(&writer);
    // The figures are line art: kept as they are drawn, not as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    QFont numberFont(body);
    numberFont.setPointSizeF(kBodyPoints - 1);
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        const QRectF view(0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(numberFont);
        painter.setPen(Qt::black);
        const QRectF footerBox(margin, page.height() - margin, textWidth, footer);
        painter.drawText(footerBox, Qt::AlignHCenter | Qt::AlignVCenter,
                         QStringLiteral("%1 из %2").arg(i + 1).arg(pages));
    }
    painter.end();
    rendered.close();
    QByteArray pdf = rendered.data();
    ok = stampCreationDate(pdf, creationDate()) && ok;

    // Written beside the target and renamed at the end, so that a failed
    // render never leaves a half-written document the build would take as done.
    QSaveFile output(outputName);
    if (!ok || !output.open(QIODevice::WriteOnly) || output.write(pdf) != pdf.size() || !output.commit()) {
        std::fprintf(stderr, "could not render %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %d pages\n", argv[2], pages);
    return 0;
}
