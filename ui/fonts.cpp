#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace varnok::ui {

void InstallFontSubstitutions() {
    // IPAGothic and IPAMincho are fixed-pitch like the MS faces: a full-width
    // character is two half-width columns, which the reports rely on.
    const QStringList gothic{QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                             QStringLiteral("Noto Sans CJK JP")};
    const QStringList mincho{QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP"),
                             QStringLiteral("IPAGothic")};
    const QStringList pGothic{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    const QStringList pMincho{QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")};
    for (const char* name : {"ＭＳ ゴシック", "MS Gothic", "ＭＳ　ゴシック"})
        QFont::insertSubstitutions(QString::fromUtf8(name), gothic);
    for (const char* name : {"ＭＳ 明朝", "MS Mincho", "ＭＳ　明朝"})
        QFont::insertSubstitutions(QString::fromUtf8(name), mincho);
    for (const char* name : {"ＭＳ Ｐゴシック", "MS PGothic", "ＭＳ ＵＩ Gothic", "MS UI Gothic"})
        QFont::insertSubstitutions(QString::fromUtf8(name), pGothic);
    for (const char* name : {"ＭＳ Ｐ明朝", "MS PMincho"})
        QFont::insertSubstitutions(QString::fromUtf8(name), pMincho);
}

void UseProgramDefaultFont() {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    font.setStyleStrategy(QFont::NoFontMerging);
    QApplication::setFont(font);
}

} // namespace varnok::ui
