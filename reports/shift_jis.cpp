#include "shift_jis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

namespace varnok::reports {

#ifdef _WIN32

// The Windows build's Qt has no ICU, so its converters know no Shift-JIS.
namespace {

constexpr UINT kShiftJisCodePage = 932;

const wchar_t* Wide(QStringView text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

/// The single bytes 0x80, 0xA0 and 0xFD to 0xFF, which only Windows' own table
/// gives a character: refused, so that both builds accept the same texts.
bool WindowsOnlyCode(QChar c) {
    return c == QChar(0x0080) || (c >= QChar(0xF8F0) && c <= QChar(0xF8F3));
}

} // namespace

std::optional<QByteArray> ToShiftJis(QStringView text) {
    if (text.isEmpty())
        return QByteArray();
    for (QChar c : text) {
        if (WindowsOnlyCode(c))
            return std::nullopt;
    }
    const int length = static_cast<int>(text.size());
    // No best fit: "¥" must not quietly become "\", nor "−" a "?"; the
    // used-default flag says that a character had no code.
    constexpr DWORD flags = WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kShiftJisCodePage, flags, Wide(text), length, nullptr, 0,
                                         nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(size, '\0');
    if (WideCharToMultiByte(kShiftJisCodePage, flags, Wide(text), length, bytes.data(), size,
                            nullptr, &usedDefault) != size ||
        usedDefault)
        return std::nullopt;
    return bytes;
}

std::optional<QString> FromShiftJis(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return QString();
    const int length = static_cast<int>(bytes.size());
    constexpr DWORD flags = MB_ERR_INVALID_CHARS;
    const int size =
        MultiByteToWideChar(kShiftJisCodePage, flags, bytes.data(), length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, u'\0');
    if (MultiByteToWideChar(kShiftJisCodePage, flags, bytes.data(), length,
                            reinterpret_cast<wchar_t*>(text.data()), size) != size)
        return std::nullopt;
    return text;
}

#else

// ICU's "windows-31j" is code page 932 itself ("Shift_JIS" and "IBM-943" map
// some full-width signs differently).
constexpr auto kEncoding = "windows-31j";

std::optional<QByteArray> ToShiftJis(QStringView text) {
    QStringEncoder encoder(kEncoding);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> FromShiftJis(QByteArrayView bytes) {
    QStringDecoder decoder(kEncoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.isValid() || decoder.hasError())
        return std::nullopt;
    return text;
}

#endif

} // namespace varnok::reports
