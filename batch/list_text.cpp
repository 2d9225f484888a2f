#include "list_text.h"

#include "blank_text.h"
#include "shift_jis.h"

#include <QString>

#include <algorithm>

namespace varnok::batch {

void AppendCsvCell(std::string& line, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += cell;
        return;
    }
    line += '"';
    for (char c : cell) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
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

namespace {

/// Whether the bytes are well-formed UTF-8 (no overlong form, no surrogate,
/// nothing past U+10FFFF), and whether they are plain ASCII. Checked in place:
/// a long list is not converted twice to find out.
bool IsUtf8(std::string_view bytes, bool& ascii) {
    ascii = true;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        ascii = false;
        int length = 0;
        unsigned low = 0x80, high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(length) > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

} // namespace

std::optional<std::string> DecodeList(std::string_view bytes, ListEncoding& encoding) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    const bool bom = bytes.substr(0, 3) == kBom;
    const std::string_view text = bytes.substr(bom ? 3 : 0);
    bool ascii = true;
    if (IsUtf8(text, ascii)) {
        encoding =
            bom ? ListEncoding::Utf8WithBom : (ascii ? ListEncoding::ShiftJis : ListEncoding::Utf8);
        return std::string(text);
    }
    if (bom)
        return std::nullopt;
    // Converted a block of lines at a time, so that a long list does not stand
    // in memory in three forms at once. A line feed is never the second byte
    // of a Shift-JIS character, so a block ends at one.
    constexpr std::size_t kBlock = 1 << 20;
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 4);
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = std::min(text.size(), at + kBlock);
        if (end < text.size()) {
            const std::size_t lf = text.rfind('\n', end - 1);
            end = lf != std::string_view::npos && lf >= at ? lf + 1 : text.size();
        }
        const std::optional<QString> sjis = reports::FromShiftJis(
            QByteArrayView(text.data() + at, static_cast<qsizetype>(end - at)));
        if (!sjis)
            return std::nullopt;
        const QByteArray block = sjis->toUtf8();
        utf8.append(block.constData(), static_cast<std::size_t>(block.size()));
        at = end;
    }
    encoding = ListEncoding::ShiftJis;
    return utf8;
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
