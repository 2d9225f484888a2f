#include "pdf_tools.h"

#include <QProcess>
#include <QRegularExpression>

namespace varnok::testing {

std::optional<QString> RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<PdfFacts> ReadPdfFacts(const QString& path) {
    const auto info = RunTool(QStringLiteral("pdfinfo"), {path});
    if (!info)
        return std::nullopt;
    PdfFacts facts;
    const auto pages = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(*info);
    const auto size =
        QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(*info);
    if (!pages.hasMatch() || !size.hasMatch())
        return std::nullopt;
    facts.pages = pages.captured(1).toInt();
    facts.widthPt = size.captured(1).toDouble();
    facts.heightPt = size.captured(2).toDouble();
    return facts;
}

QStringList PdfTextLines(const QString& path) {
    const auto text = RunTool(QStringLiteral("pdftotext"),
                              {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return text ? text->split(u'\n') : QStringList{};
}

QString PdfFontNames(const QString& path) {
    return RunTool(QStringLiteral("pdffonts"), {path}).value_or(QString());
}

std::vector<PdfWord> PdfWords(const QString& path) {
    const auto html =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    std::vector<PdfWord> words;
    if (!html)
        return words;
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    for (const auto& m : word.globalMatch(*html)) {
        QString text = m.captured(3);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

QString Comparable(const QString& text) {
    QString result = text;
    result.remove(u' ').remove(u'\u3000').remove(u'\f').remove(u'\r');
    result.replace(u'\u00B7', u'\uFF65');
    return result;
}

} // namespace varnok::testing
