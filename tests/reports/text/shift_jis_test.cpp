// Shift-JIS bytes: the Linux build (ICU) and the Windows build (code page 932
// of the system) must write and refuse the same characters.

#include "shift_jis.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace varnok::reports {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(ShiftJis, WritesTheWindowsCodesOfTheReportsSigns) {
    struct Case {
        const char* text;
        QByteArray bytes;
    };
    for (const Case& c : {
             Case{"", QByteArray()},
             Case{"Ｈ－", QByteArray("\x82\x67\x81\x7c")},
             Case{"㎡", QByteArray("\x87\x75")},
             Case{"･", QByteArray("\xa5")},
             Case{"～∥￢―", QByteArray("\x81\x60\x81\x61\x81\xca\x81\x5c")},
             Case{"髙ⅰ", QByteArray("\xfb\xfc\xfa\x40")}, // the IBM extensions
             Case{"\\~\r\n", QByteArray("\\~\r\n")},
         }) {
        const std::optional<QByteArray> bytes = ToShiftJis(Q(c.text));
        ASSERT_TRUE(bytes.has_value()) << c.text;
        EXPECT_EQ(*bytes, c.bytes) << c.text;
    }
}

TEST(ShiftJis, RefusesWhatHasNoCodeInsteadOfWritingALookAlike) {
    // Windows would write "¥" as "\" and "−" as "－" with best fit, and "?"
    // for the rest; the private-use U+F8F0 is 0xA0 in Windows' table only.
    for (const char* text :
         {"¥", "−", "〜", "¦", "·", "‾", "‖", "¢", "𠮷", "é", "한", "\xef\xa3\xb0", "B1¥"}) {
        EXPECT_FALSE(ToShiftJis(Q(text)).has_value()) << text;
    }
}

TEST(ShiftJis, BytesThatAreNoShiftJisAreRefusedWhenRead) {
    // A lead byte without its trail, and a trail byte where a lead must stand.
    for (const QByteArray& bytes : {QByteArray("B1\x82"), QByteArray("\x82\x20")})
        EXPECT_FALSE(FromShiftJis(bytes).has_value()) << bytes.toHex().toStdString();
    EXPECT_EQ(FromShiftJis(QByteArray("\x8f\xac\x97\xc0")), Q("小梁"));
}

TEST(ShiftJis, GoldenReportsReadBackToTheSameBytes) {
    const QDir golden(QStringLiteral(VARNOK_GOLDEN_DIR));
    const QStringList files = golden.entryList({QStringLiteral("*.TXT")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile file(golden.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        const std::optional<QString> text = FromShiftJis(bytes);
        ASSERT_TRUE(text.has_value()) << name.toStdString();
        EXPECT_EQ(ToShiftJis(*text), bytes) << name.toStdString();
    }
}

} // namespace
} // namespace varnok::reports
