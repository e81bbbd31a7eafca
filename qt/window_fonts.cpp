#include "qt/window_fonts.h"

#include <QApplication>

#include "desktop/window_designs.h"
#include "qt/qt_text.h"

namespace milden {
namespace {

// Japanese gothic families in order of preference; Qt takes the first one installed.
QStringList JapaneseGothics() {
    return {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"), QStringLiteral("IPAPGothic"),
            QStringLiteral("IPAexGothic"),      QStringLiteral("VL PGothic"),   QStringLiteral("TakaoPGothic")};
}

}  // namespace

QFont WindowFont() {
    QFont font = QApplication::font();
    font.setFamilies(JapaneseGothics() << font.family());
    font.setPixelSize(10);
    return font;
}

QFont LinkFont() {
    QFont font = QApplication::font();
    font.setFamilies(QStringList{ToQString(kLinkFontFamily)} << JapaneseGothics() << font.family());
    font.setPointSize(kLinkFontPoints);
    font.setWeight(QFont::Normal);
    font.setUnderline(true);
    return font;
}

}  // namespace milden
