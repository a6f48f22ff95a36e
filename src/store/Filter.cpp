#include "Filter.h"

#include "EngineError.h"
#include "Schema.h"
#include "Statement.h"

#include <QDate>
#include <QScopedValueRollback>

namespace tav::store {

namespace {

struct Token {
    enum Kind { Ident, String, Number, Op, LParen, RParen, And, Or, Not, Null, End } kind = End;
    QString text;
};

// Filters come from the program and the settings file, never from a long text: beyond these a
// filter is refused before SQLite's own expression limits are reached.
constexpr int MaxTokens = 4096;
constexpr int MaxComparisons = 256;
constexpr int MaxNesting = 24;

[[noreturn]] void fail(const QString &expr, const QString &why)
{
    const QString shown = expr.size() > 80 ? expr.left(80) + QStringLiteral("…") : expr;
    throw EngineError(EngineError::Category::Syntax, code::Filter,
                      QStringLiteral("Ungültiger Filter: %1").arg(shown))
        .push(code::Filter, why);
}

QVector<Token> tokenize(const QString &s)
{
    QVector<Token> out;
    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token t;
        if (c == QLatin1Char('(')) {
            t.kind = Token::LParen;
            ++i;
        } else if (c == QLatin1Char(')')) {
            t.kind = Token::RParen;
            ++i;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const QChar q = c;
            ++i;
            QString v;
            bool closed = false;
            while (i < n) {
                if (s[i] == q) {
                    if (i + 1 < n && s[i + 1] == q) { // doubled quote
                        v += q;
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                v += s[i++];
            }
            if (!closed)
                fail(s, QStringLiteral("Anführungszeichen fehlt"));
            t.kind = Token::String;
            t.text = v;
        } else if (c == QLatin1Char('[')) {
            const int end = int(s.indexOf(QLatin1Char(']'), i));
            if (end < 0)
                fail(s, QStringLiteral("] fehlt"));
            t.kind = Token::Ident;
            t.text = s.mid(i + 1, end - i - 1);
            i = end + 1;
        } else if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>')) {
            QString op(c);
            ++i;
            if (i < n && (s[i] == QLatin1Char('=') || (c == QLatin1Char('<') && s[i] == QLatin1Char('>')))) {
                op += s[i];
                ++i;
            }
            t.kind = Token::Op;
            t.text = op;
        } else if (c.isDigit() ||
                   ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i + 1 < n && s[i + 1].isDigit())) {
            QString v(c);
            ++i;
            while (i < n && (s[i].isDigit() || s[i] == QLatin1Char('.') || s[i] == QLatin1Char(',')))
                v += s[i++];
            t.kind = Token::Number;
            t.text = v;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            QString v;
            while (i < n && (s[i].isLetterOrNumber() || s[i] == QLatin1Char('_')))
                v += s[i++];
            const QString low = v.toLower();
            if (low == QLatin1String("and"))
                t.kind = Token::And;
            else if (low == QLatin1String("or"))
                t.kind = Token::Or;
            else if (low == QLatin1String("not"))
                t.kind = Token::Not;
            else if (low == QLatin1String("null"))
                t.kind = Token::Null;
            else
                t.kind = Token::Ident;
            t.text = v;
        } else {
            fail(s, QStringLiteral("unerwartetes Zeichen '%1'").arg(c));
        }
        if (out.size() >= MaxTokens)
            fail(s, QStringLiteral("zu lang (mehr als %1 Teile)").arg(MaxTokens));
        out.append(t);
    }
    out.append(Token{});
    return out;
}

class Parser
{
  public:
    Parser(const QString &expr, const TableDef &layout)
        : m_expr(expr), m_layout(layout), m_tokens(tokenize(expr))
    {
    }

    FilterSql run()
    {
        FilterSql out;
        if (m_tokens.size() == 1)
            return out; // empty filter: everything
        out.where = orExpr();
        if (peek().kind != Token::End)
            fail(m_expr, QStringLiteral("unerwartetes Ende"));
        out.params = m_params;
        return out;
    }

  private:
    const Token &peek() const { return m_tokens[m_pos]; }
    Token take()
    {
        const Token t = m_tokens[m_pos];
        if (m_pos + 1 < m_tokens.size()) // the end token stays the last
            ++m_pos;
        return t;
    }

    // a chain of one operator becomes one flat list, joined once: linear in the filter's length
    QString chain(Token::Kind op, const char *sqlOp, QString (Parser::*operand)())
    {
        QStringList parts{(this->*operand)()};
        while (peek().kind == op) {
            take();
            parts << (this->*operand)();
        }
        if (parts.size() == 1)
            return parts.first();
        return QLatin1Char('(') + parts.join(QLatin1String(sqlOp)) + QLatin1Char(')');
    }

    QString orExpr() { return chain(Token::Or, " OR ", &Parser::andExpr); }
    QString andExpr() { return chain(Token::And, " AND ", &Parser::unary); }

    QString unary()
    {
        if (peek().kind != Token::Not && peek().kind != Token::LParen)
            return comparison();
        const QScopedValueRollback<int> tiefer(m_depth, m_depth + 1);
        if (m_depth > MaxNesting)
            fail(m_expr, QStringLiteral("zu tief geschachtelt (mehr als %1 Ebenen)").arg(MaxNesting));
        QString out;
        if (take().kind == Token::Not) {
            out = QStringLiteral("(NOT ") + unary() + QLatin1Char(')');
        } else {
            out = orExpr();
            if (take().kind != Token::RParen)
                fail(m_expr, QStringLiteral(") fehlt"));
        }
        return out;
    }

    QString comparison()
    {
        if (++m_comparisons > MaxComparisons)
            fail(m_expr, QStringLiteral("zu viele Vergleiche (mehr als %1)").arg(MaxComparisons));
        const Token field = take();
        if (field.kind != Token::Ident)
            fail(m_expr, QStringLiteral("Feldname erwartet"));
        const FieldDef *f = m_layout.field(field.text);
        if (!f)
            fail(m_expr, QStringLiteral("Feld nicht gefunden: %1").arg(field.text));
        const Token op = take();
        if (op.kind != Token::Op)
            fail(m_expr, QStringLiteral("Vergleich erwartet nach %1").arg(field.text));
        const Token val = take();
        const QString col = schema::quoted(f->name);
        if (val.kind == Token::Null) {
            if (op.text == QLatin1String("="))
                return col + QLatin1String(" IS NULL");
            if (op.text == QLatin1String("<>"))
                return col + QLatin1String(" IS NOT NULL");
            fail(m_expr, QStringLiteral("NULL nur mit = oder <>"));
        }
        if (val.kind != Token::String && val.kind != Token::Number && val.kind != Token::Ident)
            fail(m_expr, QStringLiteral("Wert erwartet nach %1").arg(op.text));
        const QString text = val.text;
        const bool isText = f->type == FieldType::String || f->type == FieldType::Memo;
        if (isText && (op.text == QLatin1String("=") || op.text == QLatin1String("<>")) &&
            (text.startsWith(QLatin1Char('*')) || text.endsWith(QLatin1Char('*')))) {
            QString pattern;
            for (int i = 0; i < text.size(); ++i) {
                const QChar c = text[i];
                const bool edge = (i == 0 || i == text.size() - 1) && c == QLatin1Char('*');
                if (edge)
                    pattern += QLatin1Char('*');
                else if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('['))
                    pattern += QLatin1Char('[') + c + QLatin1Char(']');
                else
                    pattern += c;
            }
            m_params.append(pattern);
            return op.text == QLatin1String("=") ? col + QLatin1String(" GLOB ?")
                                                 : QStringLiteral("(%1 IS NULL OR NOT %1 GLOB ?)").arg(col);
        }
        QVariant v;
        switch (f->type) {
        case FieldType::Date:
            v = parseDateText(text);
            if (!v.isValid())
                fail(m_expr, QStringLiteral("ungültiges Datum: %1").arg(text));
            break;
        case FieldType::Boolean: {
            const QString low = text.toLower();
            if (low == QLatin1String("true") || low == QLatin1String("1") || low == QLatin1String("wahr"))
                v = true;
            else if (low == QLatin1String("false") || low == QLatin1String("0") ||
                     low == QLatin1String("falsch"))
                v = false;
            else
                fail(m_expr, QStringLiteral("ungültiger Wahrheitswert: %1").arg(text));
            break;
        }
        case FieldType::AutoInc:
        case FieldType::Integer:
        case FieldType::SmallInt: {
            bool ok = false;
            v = text.trimmed().toLongLong(&ok);
            if (!ok)
                fail(m_expr, QStringLiteral("keine Zahl: %1").arg(text));
            break;
        }
        case FieldType::Float:
        case FieldType::Currency: {
            bool ok = false;
            v = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok)
                fail(m_expr, QStringLiteral("keine Zahl: %1").arg(text));
            break;
        }
        default: v = text;
        }
        const QVariant stored = toStored(f->type, v);
        if (!stored.isValid()) { // comparing with an empty text means comparing with blank
            if (op.text == QLatin1String("="))
                return col + QLatin1String(" IS NULL");
            if (op.text == QLatin1String("<>"))
                return col + QLatin1String(" IS NOT NULL");
        }
        m_params.append(stored);
        const QString sqlOp = op.text == QLatin1String("<>") ? QStringLiteral("IS NOT") : op.text;
        if (op.text == QLatin1String("="))
            return col + QLatin1String(" = ?");
        if (op.text == QLatin1String("<>"))
            return QStringLiteral("%1 %2 ?").arg(col, sqlOp);
        return QStringLiteral("%1 %2 ?").arg(col, op.text);
    }

    QString m_expr;
    const TableDef &m_layout;
    QVector<Token> m_tokens;
    int m_pos = 0;
    int m_depth = 0;
    int m_comparisons = 0;
    QVariantList m_params;
};

} // namespace

QVariant parseDateText(const QString &textIn)
{
    const QString text = textIn.trimmed();
    if (text.isEmpty())
        return QVariant();
    QDate d = QDate::fromString(text, Qt::ISODate);
    if (!d.isValid())
        d = QDate::fromString(text, QStringLiteral("d.M.yyyy"));
    if (!d.isValid()) {
        d = QDate::fromString(text, QStringLiteral("d.M.yy"));
        if (d.isValid() && d.year() < 1930)
            d = d.addYears(100);
    }
    return d.isValid() ? QVariant(d) : QVariant();
}

FilterSql parseFilter(const QString &expression, const TableDef &layout)
{
    return Parser(expression, layout).run();
}

} // namespace tav::store
