// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ringfeld developers
#include "pdf_outline.h"

#include <algorithm>

#include <QDateTime>
#include <QRegularExpression>

namespace ringfeld::helpgen {
namespace {

// A text string in UTF-16BE with its byte order mark, written in hex (ISO
// 32000-1, 7.9.2.2), so no character needs escaping.
QByteArray pdfText(const QString& text) {
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() >> 8));
        bytes.append(char(c.unicode() & 0xFF));
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

QByteArray ref(int object) { return QByteArray::number(object) + " 0 R"; }

// The first number the pattern captures in `text`, or -1.
qint64 number(const QByteArray& text, const char* pattern, qsizetype from = 0) {
    const auto m = QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromLatin1(text), from);
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

// The dictionary of object `object`: the text between "N 0 obj" and "endobj".
QByteArray objectBody(const QByteArray& pdf, qint64 object) {
    const QByteArray head = '\n' + QByteArray::number(object) + " 0 obj";
    const qsizetype start = pdf.indexOf(head);
    if (start < 0) return {};
    const qsizetype end = pdf.indexOf("endobj", start);
    return end < 0 ? QByteArray() : pdf.mid(start + head.size(), end - start - head.size()).trimmed();
}

// Writes the outline items of one level; `objects` collects "number, body".
void writeLevel(const QList<Bookmark>& marks, int parent, int& next, const QList<int>& pages, double pageHeight,
                QList<QPair<int, QByteArray>>& objects, int& first, int& last, int& count) {
    QList<int> numbers;
    for (qsizetype i = 0; i < marks.size(); ++i) numbers.append(next++);
    first = numbers.value(0), last = numbers.value(numbers.size() - 1), count = int(marks.size());
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const Bookmark& m = marks[i];
        QByteArray body = "<< /Title " + pdfText(m.title) + " /Parent " + ref(parent);
        if (i > 0) body += " /Prev " + ref(numbers[i - 1]);
        if (i + 1 < marks.size()) body += " /Next " + ref(numbers[i + 1]);
        if (!m.children.isEmpty()) {
            int f = 0, l = 0, c = 0;
            writeLevel(m.children, numbers[i], next, pages, pageHeight, objects, f, l, c);
            body += " /First " + ref(f) + " /Last " + ref(l) + " /Count -" + QByteArray::number(c);  // closed
        }
        const int page = pages.value(qBound(0, m.page, int(pages.size()) - 1));
        body +=
            " /Dest [" + ref(page) + " /XYZ null " + QByteArray::number(pageHeight - m.fromTop, 'f', 2) + " null] >>";
        objects.append({numbers[i], body});
    }
}

}  // namespace

QByteArray WithCreationDate(const QByteArray& pdf, qint64 epochSeconds) {
    // Qt writes "/CreationDate (D:YYYYMMDDHHmmSSZ)": the same 15 digits and Z, so no offset moves.
    static const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    const QDateTime when = QDateTime::fromSecsSinceEpoch(epochSeconds, Qt::UTC);
    const QByteArray date = when.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + 'Z';
    if (at < 0 || pdf.mid(at + key.size() + date.size(), 1) != ")") return {};
    QByteArray out = pdf;
    out.replace(at + key.size(), date.size(), date);
    return out;
}

QByteArray WithOutline(const QByteArray& pdf, const QList<Bookmark>& marks, double pageHeight) {
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    if (trailer < 0) return {};
    const qint64 size = number(pdf, R"(/Size (\d+))", trailer), root = number(pdf, R"(/Root (\d+) 0 R)", trailer);
    const qint64 info = number(pdf, R"(/Info (\d+) 0 R)", trailer);
    const qint64 previous = number(pdf, R"(startxref\s+(\d+))", trailer);
    const QByteArray catalog = objectBody(pdf, root);
    const qint64 pagesObject = number(catalog, R"(/Pages (\d+) 0 R)");
    if (size < 0 || root < 0 || previous < 0 || pagesObject < 0 || !catalog.endsWith(">>")) return {};
    const QByteArray pagesBody = objectBody(pdf, pagesObject);
    const qsizetype kids = pagesBody.indexOf("/Kids");
    QList<int> pages;
    const auto it = QRegularExpression(QStringLiteral(R"((\d+) 0 R)"))
                        .globalMatch(QString::fromLatin1(pagesBody.mid(kids, pagesBody.indexOf(']', kids) - kids)));
    for (auto i = it; i.hasNext();) pages.append(i.next().captured(1).toInt());
    if (kids < 0 || pages.isEmpty()) return {};

    // The outline root, its items, then the catalog again with the outline in it.
    int next = int(size);
    const int outlines = next++;
    QList<QPair<int, QByteArray>> objects;
    int first = 0, last = 0, count = 0;
    writeLevel(marks, outlines, next, pages, pageHeight, objects, first, last, count);
    objects.prepend({outlines, "<< /Type /Outlines /First " + ref(first) + " /Last " + ref(last) + " /Count " +
                                   QByteArray::number(count) + " >>"});
    objects.append(
        {int(root), catalog.chopped(2).trimmed() + "\n/Outlines " + ref(outlines) + "\n/PageMode /UseOutlines\n>>"});

    QByteArray out = pdf;
    if (!out.endsWith('\n')) out += '\n';
    QList<QPair<int, qsizetype>> offsets;
    for (const auto& [object, body] : objects) {
        offsets.append({object, out.size()});
        out += QByteArray::number(object) + " 0 obj\n" + body + "\nendobj\n";
    }
    // One subsection for the catalog, one for the new objects (numbered from `size` on).
    const qsizetype xref = out.size();
    auto entry = [](qsizetype at) { return QByteArray::number(at).rightJustified(10, '0') + " 00000 n \n"; };
    out += "xref\n0 1\n0000000000 65535 f \n" + QByteArray::number(root) + " 1\n" + entry(offsets.last().second);
    out += QByteArray::number(size) + ' ' + QByteArray::number(offsets.size() - 1) + '\n';
    QList<QPair<int, qsizetype>> fresh = offsets.first(offsets.size() - 1);
    std::sort(fresh.begin(), fresh.end());
    for (const auto& [object, at] : fresh) out += entry(at);
    out += "trailer\n<< /Size " + QByteArray::number(next) + " /Root " + ref(int(root));
    if (info >= 0) out += " /Info " + ref(int(info));
    out += " /Prev " + QByteArray::number(previous) + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace ringfeld::helpgen
