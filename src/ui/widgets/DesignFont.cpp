#include "widgets/DesignFont.h"

#include <QStringList>

QFont designFont(double pixels) {
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               QStringList{QStringLiteral("Liberation Sans"),
                                           QStringLiteral("Arimo"), QStringLiteral("Helvetica"),
                                           QStringLiteral("Nimbus Sans")});
    QFont font(QStringLiteral("Arial"));
    // A point is 96/72 device-independent pixels.
    font.setPointSizeF(pixels * 72.0 / 96.0);
    return font;
}
