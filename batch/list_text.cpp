#include "list_text.h"

#include "shift_jis.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>

namespace varnok::batch {

bool IsBlank(std::string_view cell) {
    return std::all_of(cell.begin(), cell.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

bool CsvRecord::blank() const {
    return std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return IsBlank(c); });
}

std::string Normalised(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                    .normalized(QString::NormalizationForm_KC)
                    .toLower();
    s.replace(QChar(u'×'), QChar(u'x'));
    s.removeIf([](QChar c) { return c.isSpace(); });
    return s.toStdString();
}

std::optional<std::string> DecodeList(std::string_view bytes, ListEncoding& encoding) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    const bool bom = bytes.substr(0, 3) == kBom;
    const auto body = QByteArrayView(bytes.data() + (bom ? 3 : 0),
                                     static_cast<qsizetype>(bytes.size() - (bom ? 3 : 0)));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        const bool ascii = std::all_of(body.begin(), body.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        encoding =
            bom ? ListEncoding::Utf8WithBom : (ascii ? ListEncoding::ShiftJis : ListEncoding::Utf8);
        return text.toStdString();
    }
    if (bom)
        return std::nullopt;
    const std::optional<QString> sjis = reports::FromShiftJis(body);
    if (!sjis)
        return std::nullopt;
    encoding = ListEncoding::ShiftJis;
    return sjis->toStdString();
}

bool CsvRecords::next(CsvRecord& record) {
    record.cells.clear();
    if (pos_ >= text_.size() || unclosedLine_ != 0)
        return false;
    record.line = line_;
    record.begin = pos_;
    std::string cell;
    bool quoted = false;
    bool cellStarted = false; // a quote opens a quoted cell only before anything else
    int quoteLine = 0;
    auto lineEnd = [&](char c) {
        if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        ++line_;
    };
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (quoted) {
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    cell += '"';
                    ++pos_;
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
                cell += c;
                cell += text_[pos_];
                lineEnd(c);
                continue;
            }
            if (c == '\n' || c == '\r')
                ++line_;
            cell += c;
            continue;
        }
        if (c == '"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
            quoteLine = line_;
        } else if (c == ',') {
            record.cells.push_back(std::move(cell));
            cell.clear();
            cellStarted = false;
        } else if (c == '\n' || c == '\r') {
            record.lastLine = line_;
            lineEnd(c);
            record.cells.push_back(std::move(cell));
            record.end = pos_;
            return true;
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted) {
        unclosedLine_ = quoteLine;
        record.cells.clear();
        return false;
    }
    record.lastLine = line_;
    record.cells.push_back(std::move(cell));
    record.end = pos_;
    return true;
}

} // namespace varnok::batch
