// MerkmalAusdruck: a recursive descent over the tokens of a trait expression.
#include "MerkmalAusdruck.h"

#include <QVector>

namespace tav::breeding {

namespace {

struct Token {
    enum Art { Und, Oder, Nicht, Auf, Zu, Merkmal } art;
    QString name;
};

std::optional<QVector<Token>> zerlege(const QString &t)
{
    QVector<Token> tokens;
    int i = 0;
    const auto leer = [&] {
        while (i < t.size() && t[i].isSpace())
            ++i;
    };
    while (true) {
        leer();
        if (i >= t.size())
            return tokens;
        const QChar c = t[i];
        if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            tokens.append(Token{c == QLatin1Char('(') ? Token::Auf : Token::Zu, {}});
            ++i;
            continue;
        }
        if (!c.isLetter())
            return std::nullopt;
        const int anfang = i;
        while (i < t.size() && t[i].isLetter())
            ++i;
        const QString wort = t.mid(anfang, i - anfang).toLower();
        if (wort == QLatin1String("and"))
            tokens.append(Token{Token::Und, {}});
        else if (wort == QLatin1String("or"))
            tokens.append(Token{Token::Oder, {}});
        else if (wort == QLatin1String("not"))
            tokens.append(Token{Token::Nicht, {}});
        else if (wort == QLatin1String("merkmal")) {
            leer();
            if (i >= t.size() || t[i] != QLatin1Char('='))
                return std::nullopt;
            ++i;
            leer();
            if (i >= t.size() || t[i] != QLatin1Char('\''))
                return std::nullopt;
            QString name;
            for (++i;; ++i) {
                if (i >= t.size())
                    return std::nullopt;
                if (t[i] == QLatin1Char('\'')) {
                    if (i + 1 < t.size() && t[i + 1] == QLatin1Char('\'')) {
                        name += QLatin1Char('\'');
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                name += t[i];
            }
            tokens.append(Token{Token::Merkmal, name});
        } else
            return std::nullopt;
    }
}

class Leser
{
  public:
    Leser(const QVector<Token> &t, const QStringList &bekannt, const QString &vorlage)
        : m_t(t), m_bekannt(bekannt), m_vorlage(vorlage)
    {
    }
    std::optional<MerkmalSql> lies()
    {
        const std::optional<QString> s = oder();
        if (!s || m_pos != m_t.size())
            return std::nullopt;
        return MerkmalSql{*s, m_werte};
    }

  private:
    bool ist(Token::Art a) const { return m_pos < m_t.size() && m_t[m_pos].art == a; }
    std::optional<QString> oder()
    {
        std::optional<QString> s = und();
        while (s && ist(Token::Oder)) {
            ++m_pos;
            const std::optional<QString> r = und();
            if (!r)
                return std::nullopt;
            s = *s + QStringLiteral(" OR ") + *r;
        }
        return s;
    }
    std::optional<QString> und()
    {
        std::optional<QString> s = faktor();
        while (s && ist(Token::Und)) {
            ++m_pos;
            const std::optional<QString> r = faktor();
            if (!r)
                return std::nullopt;
            s = *s + QStringLiteral(" AND ") + *r;
        }
        return s;
    }
    std::optional<QString> faktor()
    {
        if (m_pos >= m_t.size())
            return std::nullopt;
        const Token &t = m_t[m_pos++];
        switch (t.art) {
        case Token::Nicht: {
            const std::optional<QString> f = faktor();
            return f ? std::optional<QString>(QStringLiteral("NOT ") + *f) : std::nullopt;
        }
        case Token::Auf: {
            const std::optional<QString> e = oder();
            if (!e || !ist(Token::Zu))
                return std::nullopt;
            ++m_pos;
            return QLatin1Char('(') + *e + QLatin1Char(')');
        }
        case Token::Merkmal:
            if (!m_bekannt.contains(t.name))
                return std::nullopt;
            m_werte << t.name;
            return QLatin1Char('(') + m_vorlage + QLatin1Char(')');
        default: return std::nullopt;
        }
    }

    const QVector<Token> &m_t;
    const QStringList &m_bekannt;
    const QString &m_vorlage;
    int m_pos = 0;
    QStringList m_werte;
};

} // namespace

std::optional<MerkmalSql> merkmalAusdruck(const QString &text, const QStringList &bekannt,
                                          const QString &vorlage)
{
    const std::optional<QVector<Token>> t = zerlege(text);
    if (!t || t->isEmpty())
        return std::nullopt;
    return Leser(*t, bekannt, vorlage).lies();
}

QString merkmalBedingung(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("Merkmal='") + n + QLatin1Char('\'');
}

} // namespace tav::breeding
