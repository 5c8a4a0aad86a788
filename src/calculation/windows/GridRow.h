#pragma once
// A row panel of the case window's grid: the two separator lines under the row, shadow above
// light. Whether the row's field applies to the case is kept in the row's "Tag" property:
// "True" when it applies, "False" (or nothing, before the first fluid class) when it does not.

#include <QWidget>

class GridRow : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

bool RowApplies(const QWidget *row);
void SetRowApplies(QWidget *row, bool applies);
