#include "GridRow.h"

#include <QPainter>
#include <QVariant>

namespace {

const QString TrueText = QStringLiteral("True");
const QString FalseText = QStringLiteral("False");

} // namespace

void GridRow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 23, width() - 1, 23);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(0, 24, width() - 1, 24);
}

bool RowApplies(const QWidget *row)
{
    return row->property("Tag").toString() == TrueText;
}

void SetRowApplies(QWidget *row, bool applies)
{
    row->setProperty("Tag", applies ? TrueText : FalseText);
}
