// SuchenErsetzen: the hit test and the replacements of the search-and-replace dialog.
#include "SuchenErsetzen.h"

#include "store/Table.h"
#include "store/Transaction.h"

#include <QVector>

namespace tav::maintenance {

using tav::store::FieldType;
using tav::store::Table;

int trefferPosition(const QString &feldtext, const Suche &s)
{
    if (s.text.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = s.grossKleinIgnorieren ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const int pos = int(feldtext.indexOf(s.text, 0, cs));
    if (pos < 0)
        return -1;
    if (s.ganzesWort) {
        const int ende = pos + int(s.text.size());
        if ((pos > 0 && !feldtext.at(pos - 1).isSpace()) ||
            (ende < feldtext.size() && !feldtext.at(ende).isSpace()))
            return -1;
    }
    if (!s.ersetzen.isEmpty() && feldtext.contains(s.ersetzen, cs) && !s.text.contains(s.ersetzen, cs))
        return -1;
    return pos;
}

QString ersetzterText(const QString &feldtext, int pos, const Suche &s)
{
    QString out = feldtext;
    return out.replace(pos, s.text.size(), s.ersetzen);
}

bool naechsterTreffer(Table &t, const Suche &s, const std::function<bool()> &abbrechen)
{
    for (; !t.eof() && t.hasRecord(); t.next()) {
        if (abbrechen && abbrechen())
            return false;
        if (trefferPosition(t.text(s.feld), s) >= 0)
            return true;
    }
    return false;
}

bool ersetzen(Table &t, const Suche &s)
{
    if (!t.hasRecord())
        return false;
    const QString alt = t.text(s.feld);
    const int pos = trefferPosition(alt, s);
    if (pos < 0)
        return false;
    t.edit();
    try {
        t.setValue(s.feld, ersetzterText(alt, pos, s));
        t.post();
    } catch (...) {
        t.cancel();
        throw;
    }
    return true;
}

int alleErsetzen(Table &t, const Suche &s, const std::function<bool()> &abbrechen)
{
    // the hits first: a replaced record may move in the order when the column is indexed
    QVector<Table::Bookmark> treffer;
    for (; naechsterTreffer(t, s, abbrechen); t.next())
        treffer << t.bookmark();
    int anzahl = 0;
    store::Transaction txn(*t.database(), t.tableName());
    for (const Table::Bookmark &b : std::as_const(treffer)) {
        if (abbrechen && abbrechen())
            break;
        t.gotoBookmark(b);
        anzahl += ersetzen(t, s) ? 1 : 0;
    }
    txn.commit();
    return anzahl;
}

bool zeichenErlaubt(FieldType typ, QChar c)
{
    switch (typ) {
    case FieldType::AutoInc:
    case FieldType::Integer:
    case FieldType::SmallInt: return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    case FieldType::Date:
    case FieldType::Timestamp:
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
    default: return true;
    }
}

QPoint ausweichen(const QRect &dialog, const QRect &zelle, int gridOben)
{
    if (zelle.bottom() < dialog.top() || zelle.top() > dialog.bottom())
        return dialog.topLeft();
    const int oben = zelle.top() - dialog.height();
    if (oben >= gridOben)
        return {dialog.left(), oben};
    return {dialog.left(), zelle.bottom() + 1};
}

} // namespace tav::maintenance
