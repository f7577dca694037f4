#include "tests/report/pdf_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace pilaro::test {

namespace {

QString run(const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

std::vector<std::string> pdfLines(const std::string& path) {
    const QString text = run(PDFTOTEXT_PROGRAM, {"-layout", QString::fromStdString(path), "-"});
    std::vector<std::string> lines;
    for (QString line : text.split('\n')) {
        line.remove('\f');
        line = line.simplified();
        if (!line.isEmpty()) lines.push_back(line.toStdString());
    }
    return lines;
}

int pdfPageCount(const std::string& path) {
    const QString info = run(PDFINFO_PROGRAM, {QString::fromStdString(path)});
    const QRegularExpressionMatch m =
        QRegularExpression("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

std::vector<PdfPageWords> pdfWords(const std::string& path) {
    const QString html = run(PDFTOTEXT_PROGRAM, {"-bbox", QString::fromStdString(path), "-"});
    const QRegularExpression page("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"");
    const QRegularExpression word(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
        "yMax=\"([\\d.]+)\">([^<]*)</word>");
    std::vector<PdfPageWords> pages;
    for (const QString& chunk : html.split("<page ", Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch p = page.match("<page " + chunk);
        if (!p.hasMatch()) continue;
        PdfPageWords words;
        words.width = p.captured(1).toDouble();
        words.height = p.captured(2).toDouble();
        for (auto it = word.globalMatch(chunk); it.hasNext();) {
            const QRegularExpressionMatch w = it.next();
            words.words.push_back({w.captured(1).toDouble(), w.captured(2).toDouble(),
                                   w.captured(3).toDouble(), w.captured(4).toDouble(),
                                   w.captured(5).toStdString()});
        }
        pages.push_back(std::move(words));
    }
    return pages;
}

}  // namespace pilaro::test
