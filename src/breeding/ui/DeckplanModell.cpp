// DeckplanModell: the rows of the mating planner window, its column texts and headings, and its
// order through the planner's sort.
#include "Deckplaner.h"

#include "app/Sprache.h"

namespace tav::breeding::ui {

const QVector<DeckSpalte> &DeckplanModell::spalten()
{
    static const QVector<DeckSpalte> s{DeckSpalte::Kater,      DeckSpalte::Rasse,  DeckSpalte::Alter,
                                       DeckSpalte::Status,     DeckSpalte::IK,     DeckSpalte::AVK,
                                       DeckSpalte::Gemeinsame, DeckSpalte::Rassen, DeckSpalte::Merkmale};
    return s;
}

void DeckplanModell::leeren()
{
    beginResetModel();
    m_zeilen.clear();
    endResetModel();
}

void DeckplanModell::anhaengen(const QVector<DeckZeile> &zeilen)
{
    if (zeilen.isEmpty())
        return;
    beginInsertRows({}, int(m_zeilen.size()), int(m_zeilen.size() + zeilen.size() - 1));
    m_zeilen += zeilen;
    endInsertRows();
}

QVariant DeckplanModell::data(const QModelIndex &i, int role) const
{
    if (!i.isValid() || i.row() >= m_zeilen.size())
        return {};
    const DeckZeile &z = m_zeilen[i.row()];
    const DeckSpalte s = spalten()[i.column()];
    if (role == Qt::TextAlignmentRole)
        return s == DeckSpalte::IK || s == DeckSpalte::AVK || s == DeckSpalte::Alter
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    return m_planer.text(z, s, [](int nr) { return app::messageText(nr); }).trimmed();
}

QVariant DeckplanModell::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section >= spalten().size())
        return {};
    static const int tags[] = {4206, 4257, 4228, 4808, 3138, 3139, 7618, 7619, 7620};
    return app::sprache().caption(tags[section]);
}

void DeckplanModell::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= spalten().size())
        return;
    m_spalte = column;
    m_ordnung = order;
    nochmalSortieren();
}

void DeckplanModell::nochmalSortieren()
{
    Q_EMIT layoutAboutToBeChanged();
    sortiere(m_zeilen, spalten()[m_spalte], m_ordnung == Qt::DescendingOrder);
    Q_EMIT layoutChanged();
}

} // namespace tav::breeding::ui
