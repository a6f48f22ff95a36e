// PedigreeSource: the cat register as the breeding analyses read it.
#pragma once

#include <QHash>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

namespace tav::breeding {

// One row of the cat register as the breeding analysis reads it.
struct KatzeDaten {
    qint32 nummer = 0; // LaufendeNummer
    QString name;
    QString geschlecht; // "1".."4"
    qint32 vater = 0;   // 0 = not recorded
    qint32 mutter = 0;
    qint32 rasse = 0; // RCode, 0 = none
};

struct KatzeMerkmalDaten {
    qint32 merkmal = 0;
    std::optional<qint32> farbe; // colour of the trait (Merkmale.farbe), empty when not set
};

struct TopKatzeSlot {
    qint32 katze = 0; // 0 = slot without a cat
    qint32 farbe = 16777215;
};

constexpr qint32 MerkmalKlon = 1;
constexpr qint32 MerkmalFoundation = 2;

// Read access to the register for the ancestor trees and the inbreeding engine.
class PedigreeSource
{
  public:
    virtual ~PedigreeSource() = default;

    virtual std::optional<KatzeDaten> katze(qint32 nummer) const = 0;
    // traits of a cat in the order of the trait index
    virtual QVector<KatzeMerkmalDaten> merkmale(qint32 nummer) const = 0;
    // RKurzname of a breed; empty optional when the breed code is not in Rasse.db
    virtual std::optional<QString> rasseKurzname(qint32 rcode) const = 0;
    // the five slots of TopKatze in slot order
    virtual std::array<TopKatzeSlot, 5> topKatzen() const = 0;
};

class MemoryPedigree : public PedigreeSource
{
  public:
    void setzeKatze(const KatzeDaten &k) { m_katzen.insert(k.nummer, k); }
    // convenience for tests and tools
    void setzeKatze(qint32 nummer, const QString &name, qint32 vater = 0, qint32 mutter = 0, qint32 rasse = 0,
                    const QString &geschlecht = QString());
    void setzeMerkmal(qint32 katze, qint32 merkmal, std::optional<qint32> farbe = std::nullopt);
    void setzeRasse(qint32 rcode, const QString &kurzname) { m_rassen.insert(rcode, kurzname); }
    void setzeTopKatze(int slot, qint32 katze, qint32 farbe); // slot 1..5

    std::optional<KatzeDaten> katze(qint32 nummer) const override;
    QVector<KatzeMerkmalDaten> merkmale(qint32 nummer) const override;
    std::optional<QString> rasseKurzname(qint32 rcode) const override;
    std::array<TopKatzeSlot, 5> topKatzen() const override { return m_top; }

  private:
    QHash<qint32, KatzeDaten> m_katzen;
    QHash<qint32, QVector<KatzeMerkmalDaten>> m_merkmale;
    QHash<qint32, QString> m_rassen;
    std::array<TopKatzeSlot, 5> m_top{};
};

} // namespace tav::breeding
