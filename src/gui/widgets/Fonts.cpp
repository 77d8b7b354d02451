#include "gui/widgets/Fonts.h"

#include <QStringList>

namespace zelmora::gui {

namespace {

QFont face(const QStringList& families, QFont::StyleHint hint, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont sansFont(int pixelSize)
{
    return face({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("MS Sans Serif")},
                QFont::SansSerif, pixelSize);
}

QFont monoFont(int pixelSize)
{
    return face({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")}, QFont::Monospace, pixelSize);
}

} // namespace zelmora::gui
