#pragma once
// A drop-down list of the case window whose Click runs on every change of its entry, by code
// or by the user, and again when the user picks the entry that is already selected. Adding
// and clearing entries select nothing and run nothing.

#include <QComboBox>

class SelectorList : public QComboBox
{
    Q_OBJECT

public:
    explicit SelectorList(QWidget *parent);
    void AddItem(const QString &text, int itemData = 0);
    void Clear();
    // Sets the entry from code; an index the list does not have is ignored.
    void setListIndex(int index);
    // A user's pick of entry index, as from the drop-down.
    void pick(int index);
    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent *event) override;

Q_SIGNALS:
    void Click();

private:
    int indexBeforePick = -2;
};
