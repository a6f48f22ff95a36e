// Small builders the pages of the cat record window share: buttons and labels with a caption tag,
// date fields with the calendar.
#include "PcatstamIntern.h"

#include "cats/ui/Pkalend.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tav::cats::ui {

QPushButton *knopfMitTag(int tag, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setProperty("tag", tag);
    return b;
}

QLabel *textMitTag(int tag, const QString &t, QWidget *parent)
{
    auto *l = new QLabel(t, parent);
    l->setProperty("tag", tag);
    return l;
}

void spaltenTags(tav::widgets::DBGrid *grid, const QList<int> &tags)
{
    // the columns carry their tags, so that a reset of the grid keeps them
    auto spalten = grid->tableModel()->columns();
    for (int i = 0; i < spalten.size(); ++i)
        spalten[i].tag = tags.value(i);
    grid->tableModel()->setColumns(spalten);
    QVariantList liste;
    for (int t : tags)
        liste << t;
    grid->setProperty("columnTags", liste);
}

} // namespace tav::cats::ui
