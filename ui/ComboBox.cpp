#include "ComboBox.h"

namespace mirevo {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
}

void ComboBox::setItems(const QStringList& items, const QList<int>& itemData)
{
    clear();
    for (qsizetype i = 0; i < items.size(); ++i)
        addItem(items[i], i < itemData.size() ? itemData[i] : 0);
    setCurrentIndex(-1);
}

void ComboBox::setSelectedIndex(int index)
{
    if (index < 0 || count() == 0)
        setCurrentIndex(-1);
    else
        setCurrentIndex(qMin(index, count() - 1));
}

int ComboBox::itemDataAt(int index) const
{
    if (index < 0 || index >= count())
        return -1;
    return itemData(index).toInt();
}

} // namespace mirevo
