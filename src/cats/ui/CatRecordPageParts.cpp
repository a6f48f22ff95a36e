// Small builders the pages of the cat record window share: buttons and labels with a caption tag.
#include "PcatstamIntern.h"

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

} // namespace tav::cats::ui
