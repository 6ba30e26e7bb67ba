#include "qt/design/layout.h"

#include "qt/design/to_qstring.h"

#include <QFontDatabase>

namespace varnel {

QString shownDesignFamily()
{
    // Asked for by the name found, Qt matches the face at once; asked for a
    // family it lacks, it also searches fontconfig's fallbacks for each of
    // the five fonts, a thirtieth of the start-up. (families() is a look-up
    // in the database Qt loads anyway; hasFamily() would also ask
    // fontconfig to resolve aliases, a third of the start-up.)
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : designFontFamilies()) {
            if (installed.contains(candidate))
                return candidate;
        }
        return toQString(kDesignFontFamily);
    }();
    return family;
}

QStringList designFontFamilies()
{
    // The designs' "MS Sans Serif", then the nearest in metrics, so that
    // captions wrap and fit as designed: Liberation Sans and Arimo share
    // Arial's widths.
    return {toQString(kDesignFontFamily),           QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),           QStringLiteral("DejaVu Sans")};
}

QFont designFont(const FontDesign &font)
{
    QFont qfont(shownDesignFamily());
    qfont.setPointSizeF(font.pointSize);
    qfont.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    // The designs' texts are in the font's own (ANSI) range; not asking
    // fontconfig for fallback fonts for each of the six fonts saves a tenth
    // of the start-up.
    qfont.setStyleStrategy(QFont::NoFontMerging);
    // The substitutes are Arial-wide, a twentieth wider than the bitmap font
    // the designs were laid out in; narrowed, the notes keep their author's
    // line breaks instead of wrapping a word or two onto lines of their own.
    if (qfont.family() != toQString(kDesignFontFamily))
        qfont.setStretch(95);
    return qfont;
}

QRect pixelRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace varnel
