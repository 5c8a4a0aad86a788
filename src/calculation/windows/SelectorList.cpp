#include "SelectorList.h"

#include <QWheelEvent>

SelectorList::SelectorList(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT Click(); });
    connect(this, &QComboBox::activated, this, [this](int index) {
        // A pick of the entry already selected changes nothing but still is a click.
        if (index == indexBeforePick)
            Q_EMIT Click();
        indexBeforePick = -2;
    });
}

void SelectorList::AddItem(const QString &text, int itemData)
{
    const QSignalBlocker blocker(this);
    const int before = currentIndex();
    addItem(text, itemData);
    setCurrentIndex(before);
}

void SelectorList::Clear()
{
    const QSignalBlocker blocker(this);
    clear();
}

void SelectorList::setListIndex(int index)
{
    if (index >= -1 && index < count())
        setCurrentIndex(index);
}

void SelectorList::pick(int index)
{
    indexBeforePick = currentIndex();
    setListIndex(index);
    Q_EMIT activated(index);
}

void SelectorList::wheelEvent(QWheelEvent *event)
{
    // The wheel over a list the user is not in leaves its entry alone.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void SelectorList::showPopup()
{
    indexBeforePick = currentIndex();
    QComboBox::showPopup();
}
