#include "PedigreeSource.h"

namespace tav::breeding {

void MemoryPedigree::setzeKatze(qint32 nummer, const QString &name, qint32 vater, qint32 mutter, qint32 rasse,
                                const QString &geschlecht)
{
    setzeKatze(KatzeDaten{nummer, name, geschlecht, vater, mutter, rasse});
}

void MemoryPedigree::setzeMerkmal(qint32 katze, qint32 merkmal, std::optional<qint32> farbe)
{
    m_merkmale[katze].append(KatzeMerkmalDaten{merkmal, farbe});
}

void MemoryPedigree::setzeTopKatze(int slot, qint32 katze, qint32 farbe)
{
    if (slot >= 1 && slot <= 5)
        m_top[slot - 1] = TopKatzeSlot{katze, farbe};
}

std::optional<KatzeDaten> MemoryPedigree::katze(qint32 nummer) const
{
    const auto it = m_katzen.constFind(nummer);
    if (nummer == 0 || it == m_katzen.constEnd())
        return std::nullopt;
    return *it;
}

QVector<KatzeMerkmalDaten> MemoryPedigree::merkmale(qint32 nummer) const
{
    return m_merkmale.value(nummer);
}

std::optional<QString> MemoryPedigree::rasseKurzname(qint32 rcode) const
{
    const auto it = m_rassen.constFind(rcode);
    if (it == m_rassen.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace tav::breeding
