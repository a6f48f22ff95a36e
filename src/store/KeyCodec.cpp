#include "KeyCodec.h"

#include "EngineError.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstring>
#include <unicode/ucol.h>

namespace tav::store::keycodec {

namespace {

constexpr char Blank = 0x00;
constexpr char Present = 0x01;
constexpr int CodecVersion = 1; // 0: texts folded by hand, as UTF-8

// One set per thread: a collator must not be used by two threads at once.
class Collators
{
  public:
    Collators()
    {
        const UColAttributeValue strengths[] = {UCOL_PRIMARY, UCOL_SECONDARY, UCOL_TERTIARY};
        for (int i = 0; i < 3; ++i) {
            UErrorCode err = U_ZERO_ERROR;
            m_col[i] = ucol_open("de", &err);
            // upper case first keeps "Max" before "max", as the program always sorted them
            ucol_setAttribute(m_col[i], UCOL_CASE_FIRST, UCOL_UPPER_FIRST, &err);
            ucol_setAttribute(m_col[i], UCOL_STRENGTH, strengths[i], &err);
            if (U_FAILURE(err))
                throw EngineError(EngineError::Category::Io, code::Internal,
                                  QStringLiteral("Die Sortierfolge kann nicht geladen werden (%1).")
                                      .arg(QString::fromLatin1(u_errorName(err))));
        }
    }
    ~Collators()
    {
        for (UCollator *c : m_col)
            ucol_close(c);
    }
    Collators(const Collators &) = delete;
    Collators &operator=(const Collators &) = delete;

    UCollator *primary() const { return m_col[0]; }
    UCollator *secondary() const { return m_col[1]; }
    UCollator *tertiary() const { return m_col[2]; }

  private:
    UCollator *m_col[3] = {};
};

const Collators &collators()
{
    thread_local Collators c;
    return c;
}

// Appends the collation key of `s` without ICU's closing 0x00; the key holds no other 0x00.
void appendSortKey(QByteArray &key, const UCollator *col, const QString &s)
{
    const UChar *text = reinterpret_cast<const UChar *>(s.utf16());
    uint8_t buf[256];
    int32_t len = ucol_getSortKey(col, text, int32_t(s.size()), buf, int32_t(sizeof buf));
    if (len <= int32_t(sizeof buf)) {
        key.append(reinterpret_cast<const char *>(buf), len - 1);
        return;
    }
    QByteArray big(len, Qt::Uninitialized);
    len = ucol_getSortKey(col, text, int32_t(s.size()), reinterpret_cast<uint8_t *>(big.data()), len);
    key.append(big.constData(), len - 1);
}

void appendU64(QByteArray &key, quint64 v)
{
    char buf[8];
    for (int i = 7; i >= 0; --i) {
        buf[i] = char(v & 0xff);
        v >>= 8;
    }
    key.append(buf, 8);
}

void appendI64(QByteArray &key, qint64 v)
{
    appendU64(key, quint64(v) ^ (quint64(1) << 63));
}

void appendDouble(QByteArray &key, double d)
{
    if (d == 0)
        d = 0; // -0 and +0 are one key
    quint64 bits;
    std::memcpy(&bits, &d, 8);
    bits = (bits & (quint64(1) << 63)) ? ~bits : bits | (quint64(1) << 63);
    appendU64(key, bits);
}

// The exact text, after the collation key, as UTF-8 without 0x00 (which ends it).
void appendText(QByteArray &key, const QString &s)
{
    QByteArray utf8 = s.toUtf8();
    utf8.replace('\0', "");
    key.append(utf8);
}

} // namespace

int formatVersion()
{
    UVersionInfo v;
    ucol_getVersion(collators().tertiary(), v);
    return (CodecVersion << 24) | (v[0] << 16) | (v[1] << 8) | v[2];
}

int compareText(const QString &a, const QString &b)
{
    const UCollationResult r =
        ucol_strcoll(collators().tertiary(), reinterpret_cast<const UChar *>(a.utf16()), int32_t(a.size()),
                     reinterpret_cast<const UChar *>(b.utf16()), int32_t(b.size()));
    if (r != UCOL_EQUAL)
        return r == UCOL_LESS ? -1 : 1;
    return a.compare(b);
}

void appendField(QByteArray &key, FieldType type, const QVariant &value, bool caseInsensitive)
{
    if (!value.isValid() || value.isNull()) {
        key.append(Blank);
        return;
    }
    switch (type) {
    case FieldType::String:
    case FieldType::Memo: {
        const QString s = value.toString();
        if (s.isEmpty()) {
            key.append(Blank);
            return;
        }
        key.append(Present);
        if (caseInsensitive) {
            appendSortKey(key, collators().secondary(), s);
            key.append(Blank);
            return;
        }
        appendSortKey(key, collators().tertiary(), s);
        key.append(Blank);
        appendText(key, s); // texts the collation holds equal stay distinct
        key.append(Blank);
        return;
    }
    case FieldType::Date:
        key.append(Present);
        appendI64(key, value.toDate().toJulianDay());
        return;
    case FieldType::Timestamp: {
        key.append(Present);
        const QDateTime dt = value.toDateTime();
        appendI64(key, dt.date().toJulianDay() * 86400000LL + dt.time().msecsSinceStartOfDay());
        return;
    }
    case FieldType::Time:
        key.append(Present);
        appendI64(key, value.toTime().msecsSinceStartOfDay());
        return;
    case FieldType::Float:
    case FieldType::Currency:
        key.append(Present);
        appendDouble(key, value.toDouble());
        return;
    case FieldType::Boolean:
        key.append(Present);
        key.append(value.toBool() ? char(1) : char(0));
        return;
    case FieldType::Graphic:
    case FieldType::Bytes:
        key.append(Present);
        key.append(value.toByteArray().toHex());
        key.append(Blank);
        return;
    default:
        key.append(Present);
        appendI64(key, value.toLongLong());
        return;
    }
}

void appendTextPrefix(QByteArray &key, const QString &text)
{
    if (text.isEmpty())
        return;
    key.append(Present);
    appendSortKey(key, collators().primary(), text);
}

void appendRecordNumber(QByteArray &key, qint64 rowid)
{
    appendI64(key, rowid);
}

QByteArray upperBound(const QByteArray &prefix)
{
    // collation keys may hold 0xff, so appending it would not bound them
    QByteArray out = prefix;
    while (!out.isEmpty() && quint8(out.back()) == 0xff)
        out.chop(1);
    if (out.isEmpty())
        return QByteArray(1, char(0xff)); // every key starts with 0x00 or 0x01
    out.back() = char(quint8(out.back()) + 1);
    return out;
}

} // namespace tav::store::keycodec
