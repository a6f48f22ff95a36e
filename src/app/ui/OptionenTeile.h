// OptionenTeile: builders and readers of the controls the pages of the options window share.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

namespace tav::app::ui::optionen {

template <class W> W *tagged(W *w, int tag)
{
    w->setProperty("tag", tag);
    return w;
}

inline QLabel *label(QWidget *parent, int tag, const QString &text)
{
    return tagged(new QLabel(text, parent), tag);
}

inline QPushButton *button(QWidget *parent, int tag, const QString &text)
{
    return tagged(new QPushButton(text, parent), tag);
}

inline QCheckBox *check(QWidget *parent, int tag, const QString &text)
{
    return tagged(new QCheckBox(text, parent), tag);
}

// A radio group: its caption from `tag`, the items from the tags after it.
inline QGroupBox *radioGroup(QWidget *parent, int tag, const QString &title, const QStringList &items,
                             bool horizontal = true)
{
    auto *box = tagged(new QGroupBox(title, parent), tag);
    box->setProperty("radioGroup", true);
    QBoxLayout *l = horizontal ? static_cast<QBoxLayout *>(new QHBoxLayout(box)) : new QVBoxLayout(box);
    for (const QString &item : items)
        l->addWidget(new QRadioButton(item, box));
    if (horizontal)
        l->addStretch();
    return box;
}

inline QList<QRadioButton *> items(const QGroupBox *box)
{
    return box->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
}

// the index of the ticked item, -1 when none
inline int selected(const QGroupBox *box)
{
    const auto r = items(box);
    for (int i = 0; i < r.size(); ++i)
        if (r[i]->isChecked())
            return i;
    return -1;
}

inline void select(QGroupBox *box, int index)
{
    const auto r = items(box);
    for (int i = 0; i < r.size(); ++i) {
        r[i]->setAutoExclusive(false);
        r[i]->setChecked(i == index);
        r[i]->setAutoExclusive(true);
    }
}

// "ja"/"nein" groups: the first item means true
inline QGroupBox *yesNo(QWidget *parent, int tag, const QString &title)
{
    return radioGroup(parent, tag, title, {QStringLiteral("ja"), QStringLiteral("nein")});
}
inline bool yes(const QGroupBox *box)
{
    return selected(box) == 0;
}
inline void setYes(QGroupBox *box, bool on)
{
    select(box, on ? 0 : 1);
}

// A number field: "ganzzahl" or "dezimal" marks what it must hold when saved.
inline QLineEdit *numberEdit(QWidget *parent, bool decimal = false)
{
    auto *e = new QLineEdit(parent);
    e->setProperty(decimal ? "dezimal" : "ganzzahl", true);
    e->setMaximumWidth(70);
    return e;
}

} // namespace tav::app::ui::optionen
