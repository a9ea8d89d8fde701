#include "app/DesignFont.h"

#include <QStringList>

QFont designFont(double points) {
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               QStringList{QStringLiteral("Liberation Sans"),
                                           QStringLiteral("Arimo"), QStringLiteral("Helvetica"),
                                           QStringLiteral("Nimbus Sans")});
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}
